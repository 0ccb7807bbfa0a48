#include "Plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zuvexacli {

namespace {

struct Range {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();

  void Include(double v) {
    if (std::isfinite(v)) low = std::min(low, v), high = std::max(high, v);
  }
  bool Empty() const { return low > high; }
};

// A range with room around the data; a flat or empty one gets a unit width.
Range Padded(Range range, double fraction) {
  if (range.Empty()) return {0.0, 1.0};
  const double span = range.high - range.low;
  const double pad = span > 0 ? span * fraction : std::max(std::fabs(range.high) * 0.1, 1.0);
  return {range.low - pad, range.high + pad};
}

std::string TickLabel(double value, double step) {
  const int decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 6);
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, std::fabs(value) < step * 1e-6 ? 0.0 : value);
  return text;
}

struct Mapping {
  Box box;
  Range x, y;
  Point operator()(double vx, double vy) const {
    const double cy = std::clamp(vy, y.low, y.high);
    return {box.left + (vx - x.low) / (x.high - x.low) * box.width,
            box.top + box.height - (cy - y.low) / (y.high - y.low) * box.height};
  }
};

void DrawTicks(SvgDocument &svg, const Mapping &map) {
  const auto xTicks = NiceTicks(map.x.low, map.x.high, 8);
  const auto yTicks = NiceTicks(map.y.low, map.y.high, 6);
  const double xStep = xTicks.size() > 1 ? xTicks[1] - xTicks[0] : 1.0;
  const double yStep = yTicks.size() > 1 ? yTicks[1] - yTicks[0] : 1.0;
  const double bottom = map.box.top + map.box.height, right = map.box.left + map.box.width;
  for (double t : xTicks) {
    const double px = map(t, map.y.low).x;
    svg.Line({px, map.box.top}, {px, bottom}, "#ddd", 1.0, true);
    svg.Text({px, bottom + 16}, TickLabel(t, xStep), 11, "middle");
  }
  for (double t : yTicks) {
    const double py = map(map.x.low, t).y;
    svg.Line({map.box.left, py}, {right, py}, "#ddd", 1.0, true);
    svg.Text({map.box.left - 6, py + 4}, TickLabel(t, yStep), 11, "end");
  }
}

// Above the frame's right end, one entry after another.
void DrawLegend(SvgDocument &svg, const Box &box, const std::vector<Series> &series) {
  double x = box.left + box.width;
  for (auto s = series.rbegin(); s != series.rend(); ++s) {
    if (s->label.empty()) continue;
    x -= 30 + 8.0 * double(s->label.size());
    svg.Line({x, box.top - 12}, {x + 20, box.top - 12}, s->colour, 2.0);
    svg.Text({x + 24, box.top - 8}, s->label, 11);
  }
}

} // namespace

std::vector<double> NiceTicks(double low, double high, int maxTicks) {
  std::vector<double> ticks;
  if (!(high > low) || maxTicks < 2 || !std::isfinite(low) || !std::isfinite(high)) return ticks;
  const double rough = (high - low) / double(maxTicks - 1);
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  int factor = 10;
  for (int candidate : {1, 2, 5})
    if (power * candidate >= rough) {
      factor = candidate;
      break;
    }
  // Tick k is k * factor * power; below 1 the power is divided out, as
  // 3 / 10 is exactly the double nearest 0.3 while 3 * 0.1 is not.
  const double step = power * factor, inverse = std::round(1.0 / power);
  const long long first = std::llround(std::ceil(low / step - 1e-9));
  const long long last = std::llround(std::floor(high / step + 1e-9));
  for (long long k = first; k <= last; ++k)
    ticks.push_back(power < 1.0 ? double(k * factor) / inverse : double(k * factor) * power);
  return ticks;
}

UnitScale ChooseScale(double magnitude) {
  static const UnitScale scales[] = {{1e9, "G"},  {1e6, "M"},  {1e3, "k"}, {1.0, ""},
                                     {1e-3, "m"}, {1e-6, "µ"}, {1e-9, "n"}};
  for (const UnitScale &scale : scales)
    if (magnitude >= scale.factor) return scale;
  return magnitude == 0.0 ? scales[3] : scales[6];
}

void DrawChart(SvgDocument &svg, const Box &box, const Chart &chart) {
  Range x, y;
  for (const Series &s : chart.series)
    for (std::size_t i = 0; i < s.x.size() && i < s.y.size(); ++i) x.Include(s.x[i]), y.Include(s.y[i]);
  if (chart.yRangeLimit > 0 && !y.Empty()) y.low = std::max(y.low, y.high - chart.yRangeLimit);
  const Mapping map{box, x.Empty() || x.high == x.low ? Padded(x, 0.0) : x, Padded(y, 0.05)};

  svg.Rect(box.left, box.top, box.width, box.height, "#fff", "#888");
  DrawTicks(svg, map);
  for (const Series &s : chart.series) {
    std::vector<Point> points;
    for (std::size_t i = 0; i < s.x.size() && i < s.y.size(); ++i)
      if (std::isfinite(s.x[i])) points.push_back(map(s.x[i], std::isfinite(s.y[i]) ? s.y[i] : map.y.low));
    svg.Polyline(points, s.colour, 1.2);
  }
  DrawLegend(svg, box, chart.series);
  svg.Text({box.left + box.width / 2, box.top - 10}, chart.title, 14, "middle", "#000");
  svg.Text({box.left + box.width / 2, box.top + box.height + 36}, chart.xLabel, 12, "middle");
  svg.Text({box.left - 48, box.top + box.height / 2}, chart.yLabel, 12, "middle", "#222", -90);
}

} // namespace zuvexacli
