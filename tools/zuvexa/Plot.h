// Line charts drawn into an SvgDocument: axes with round tick values, grid,
// title, axis labels and a legend.
#pragma once

#include <string>
#include <vector>

#include "Svg.h"

namespace zuvexacli {

struct Series {
  std::vector<double> x, y;
  std::string colour, label;
};

struct Chart {
  std::string title, xLabel, yLabel;
  std::vector<Series> series;
  double yRangeLimit = 0.0; // when > 0, the y axis spans at most this much below the top value
};

struct Box {
  double left, top, width, height;
};

// Draws the chart's frame, ticks and series inside `box` (the labels go
// outside it, into the margins).
void DrawChart(SvgDocument &svg, const Box &box, const Chart &chart);

// Tick values at 1, 2 or 5 times a power of ten, covering [low, high] with
// at most `maxTicks` ticks inside it.
std::vector<double> NiceTicks(double low, double high, int maxTicks);

// A unit prefix for values of this magnitude: {1e3, "k"}, {1e-6, "µ"} ...
struct UnitScale {
  double factor;
  std::string prefix;
};
UnitScale ChooseScale(double magnitude);

} // namespace zuvexacli
