#include "Progress.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ostream>

namespace zuvexacli {

namespace {

constexpr double kDelaySeconds = 0.5;
constexpr double kRedrawSeconds = 0.1;
constexpr int kBarWidth = 30;

} // namespace

ProgressBar::ProgressBar(std::ostream &out, bool enabled, std::string unit, Clock clock)
    : out_(out), enabled_(enabled), unit_(std::move(unit)), clock_(std::move(clock)), start_(clock_()) {}

double ProgressBar::SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

std::string ProgressBar::Line(int64_t done, int64_t total, const std::string &unit, double elapsed) {
  const double fraction = total > 0 ? std::clamp(double(done) / double(total), 0.0, 1.0) : 0.0;
  const int filled = static_cast<int>(fraction * kBarWidth);
  char tail[96];
  std::snprintf(tail, sizeof tail, "] %3d%%  %lld/%lld %s  %.1f s", static_cast<int>(fraction * 100.0),
                static_cast<long long>(done), static_cast<long long>(total), unit.c_str(), elapsed);
  return "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '-') + tail;
}

void ProgressBar::Update(int64_t done, int64_t total) {
  if (!enabled_) return;
  const double now = clock_();
  if (now - start_ < kDelaySeconds || (drawn_ && now - lastDraw_ < kRedrawSeconds && done < total)) return;
  out_ << "\r" << Line(done, total, unit_, now - start_) << "\033[K" << std::flush;
  drawn_ = true;
  lastDraw_ = now;
}

void ProgressBar::Finish() {
  if (drawn_) out_ << "\r\033[K" << std::flush;
  drawn_ = false;
}

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

} // namespace zuvexacli
