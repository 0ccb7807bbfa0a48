// A small SVG writer: lines, polylines, rectangles and text in user units.
#pragma once

#include <string>
#include <vector>

namespace zuvexacli {

struct Point {
  double x, y;
};

class SvgDocument {
public:
  SvgDocument(double width, double height);

  void Rect(double x, double y, double width, double height, const std::string &fill,
            const std::string &stroke);
  void Line(Point from, Point to, const std::string &stroke, double width = 1.0, bool dashed = false);
  void Polyline(const std::vector<Point> &points, const std::string &stroke, double width = 1.0);
  // anchor: "start", "middle" or "end"; rotate in degrees about (x, y).
  void Text(Point at, const std::string &text, double size, const std::string &anchor = "start",
            const std::string &fill = "#222", double rotate = 0.0);

  std::string Str() const; // the whole document

private:
  double width_, height_;
  std::string body_;
};

// Text with &, <, > and quotes escaped for XML.
std::string EscapeXml(const std::string &text);
// A coordinate with at most two decimals and no trailing zeros.
std::string Coordinate(double value);

} // namespace zuvexacli
