// What SoapySDR's find sees: the devices of the system configuration (and a
// logical name when one is asked for by name), or the simulated analyzer
// when asked with simulate=1.
#pragma once

#include <SoapySDR/Types.hpp>

#include <string>

namespace zuvexasoapy {

inline constexpr const char *kDriverKey = "zuvexa";

SoapySDR::KwargsList FindAnalyzers(const SoapySDR::Kwargs &args);

// Whether the arguments ask for the simulated analyzer ("1" or "true").
bool AsksForSimulation(const SoapySDR::Kwargs &args);

// The option string of an open: Simulate=1 when asked, then `options`.
std::string OptionString(const SoapySDR::Kwargs &args);

} // namespace zuvexasoapy
