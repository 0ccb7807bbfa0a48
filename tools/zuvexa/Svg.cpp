#include "Svg.h"

#include <cmath>
#include <cstdio>

namespace zuvexacli {

std::string EscapeXml(const std::string &text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
    case '&':
      escaped += "&amp;";
      break;
    case '<':
      escaped += "&lt;";
      break;
    case '>':
      escaped += "&gt;";
      break;
    case '"':
      escaped += "&quot;";
      break;
    case '\'':
      escaped += "&apos;";
      break;
    default:
      escaped += c;
    }
  }
  return escaped;
}

std::string Coordinate(double value) {
  if (!std::isfinite(value)) value = 0.0;
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string s = text;
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

SvgDocument::SvgDocument(double width, double height) : width_(width), height_(height) {}

void SvgDocument::Rect(double x, double y, double width, double height, const std::string &fill,
                       const std::string &stroke) {
  body_ += "<rect x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) + "\" width=\"" + Coordinate(width) +
           "\" height=\"" + Coordinate(height) + "\" fill=\"" + fill + "\" stroke=\"" + stroke + "\"/>\n";
}

void SvgDocument::Line(Point from, Point to, const std::string &stroke, double width, bool dashed) {
  body_ += "<line x1=\"" + Coordinate(from.x) + "\" y1=\"" + Coordinate(from.y) + "\" x2=\"" +
           Coordinate(to.x) + "\" y2=\"" + Coordinate(to.y) + "\" stroke=\"" + stroke + "\" stroke-width=\"" +
           Coordinate(width) + (dashed ? "\" stroke-dasharray=\"3 3" : "") + "\"/>\n";
}

void SvgDocument::Polyline(const std::vector<Point> &points, const std::string &stroke, double width) {
  if (points.empty()) return;
  body_ += "<polyline fill=\"none\" stroke=\"" + stroke + "\" stroke-width=\"" + Coordinate(width) +
           "\" stroke-linejoin=\"round\" points=\"";
  for (std::size_t i = 0; i < points.size(); ++i)
    body_.append(i ? " " : "").append(Coordinate(points[i].x)).append(",").append(Coordinate(points[i].y));
  body_ += "\"/>\n";
}

void SvgDocument::Text(Point at, const std::string &text, double size, const std::string &anchor,
                       const std::string &fill, double rotate) {
  body_ += "<text x=\"" + Coordinate(at.x) + "\" y=\"" + Coordinate(at.y) + "\" font-size=\"" +
           Coordinate(size) + "\" text-anchor=\"" + anchor + "\" fill=\"" + fill + "\"";
  if (rotate != 0.0)
    body_ +=
        " transform=\"rotate(" + Coordinate(rotate) + " " + Coordinate(at.x) + " " + Coordinate(at.y) + ")\"";
  body_ += ">" + EscapeXml(text) + "</text>\n";
}

std::string SvgDocument::Str() const {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
         Coordinate(width_) + "\" height=\"" + Coordinate(height_) + "\" viewBox=\"0 0 " +
         Coordinate(width_) + " " + Coordinate(height_) +
         "\" font-family=\"DejaVu Sans, Helvetica, Arial, sans-serif\">\n" + body_ + "</svg>\n";
}

} // namespace zuvexacli
