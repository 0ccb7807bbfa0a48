#include "Statistics.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zuvexacli {

namespace {

double ToDb(double power) {
  return power > 0.0 ? 10.0 * std::log10(power) : -std::numeric_limits<double>::infinity();
}

} // namespace

void StatisticsAccumulator::Add(std::span<const std::complex<double>> samples) {
  for (const auto &sample : samples) {
    const double power = std::norm(sample);
    powerSum_ += power;
    peakPower_ = std::max(peakPower_, power);
    sum_ += sample;
  }
  count_ += static_cast<int64_t>(samples.size());
}

IqStatistics StatisticsAccumulator::Result() const {
  IqStatistics result;
  result.samples = count_;
  const double meanPower = count_ > 0 ? powerSum_ / double(count_) : 0.0;
  result.meanPowerDbfs = ToDb(meanPower);
  result.peakPowerDbfs = ToDb(peakPower_);
  result.crestFactorDb = meanPower > 0.0 ? result.peakPowerDbfs - result.meanPowerDbfs : 0.0;
  result.dcOffset = count_ > 0 ? sum_ / double(count_) : std::complex<double>();
  return result;
}

} // namespace zuvexacli
