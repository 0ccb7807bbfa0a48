// Statistics of the I/Q samples of a fetch, accumulated record by record.
#pragma once

#include <complex>
#include <cstdint>
#include <span>

namespace zuvexacli {

struct IqStatistics {
  int64_t samples = 0;
  double meanPowerDbfs = 0.0;    // mean of |x|^2; 0 dBFS is |x| = 1
  double peakPowerDbfs = 0.0;    // largest |x|^2
  double crestFactorDb = 0.0;    // peak over mean power
  std::complex<double> dcOffset; // mean of the samples
};

class StatisticsAccumulator {
public:
  void Add(std::span<const std::complex<double>> samples);
  // Powers are -infinity while no sample (or only silence) was added.
  IqStatistics Result() const;

private:
  int64_t count_ = 0;
  double powerSum_ = 0.0, peakPower_ = 0.0;
  std::complex<double> sum_;
};

} // namespace zuvexacli
