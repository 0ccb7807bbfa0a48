// A progress bar on one terminal line, for fetches that take a while: it
// appears only after the first half second and is redrawn at most ten times
// a second; Finish erases it.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace zuvexacli {

class ProgressBar {
public:
  using Clock = std::function<double()>; // seconds, monotonic

  // Draws nothing when `enabled` is false (output not a terminal).
  ProgressBar(std::ostream &out, bool enabled, std::string unit, Clock clock = SteadySeconds);
  ~ProgressBar() { Finish(); }

  void Update(int64_t done, int64_t total);
  void Finish();

  static double SteadySeconds();
  // "[##########----------]  50%  5/10 records  1.2 s"
  static std::string Line(int64_t done, int64_t total, const std::string &unit, double elapsed);

private:
  std::ostream &out_;
  bool enabled_;
  std::string unit_;
  Clock clock_;
  double start_, lastDraw_ = -1.0;
  bool drawn_ = false;
};

// Whether standard error is a terminal (where the progress bar goes).
bool StandardErrorIsTerminal();

} // namespace zuvexacli
