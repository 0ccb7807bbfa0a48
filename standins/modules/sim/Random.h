// Counter-based random numbers: the value for a counter depends only on the
// key and the counter, so any record or spectrum line is the same whatever
// was generated before it.
#pragma once

#include <cstdint>

namespace backendstandin {

inline constexpr uint64_t kGolden = 0x9E3779B97F4A7C15ull;

// A well-mixed 64-bit value of x (the splitmix64 finaliser).
inline uint64_t Mix(uint64_t x) {
  x ^= x >> 30;
  x *= 0xBF58476D1CE4E5B9ull;
  x ^= x >> 27;
  x *= 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

inline uint64_t RandomBits(uint64_t key, uint64_t counter) { return Mix(key + counter * kGolden); }

// Uniform in (0, 1).
inline double Uniform(uint64_t bits) { return (static_cast<double>(bits >> 11) + 0.5) * 0x1p-53; }

// Mean 0, variance 1, close to Gaussian: the sum of the four 16-bit uniforms
// of `bits`, which is cheaper than an exact transform.
inline double NearGaussian(uint64_t bits) {
  const uint64_t sum = (bits & 0xFFFF) + ((bits >> 16) & 0xFFFF) + ((bits >> 32) & 0xFFFF) + (bits >> 48);
  return (static_cast<double>(sum) - 131070.0) * (1.7320508075688772 / 65536.0);
}

} // namespace backendstandin
