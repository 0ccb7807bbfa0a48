// One analyzer session through the public C interface, for the SoapySDR
// device: a failed call throws std::runtime_error with the function, the
// status and the library's description, as SoapySDR clients expect.
#pragma once

#include <string>

#include "zuVEXA.h"

namespace zuvexasoapy {

// "function: 0xBFFA000F <the library's description>".
std::string ErrorText(ViSession vi, const char *function, ViStatus status);

// Throws for a negative status; a warning is cleared and ignored.
void Check(ViSession vi, ViStatus status, const char *function);

class Analyzer {
public:
  Analyzer(const std::string &resourceName, const std::string &optionString);
  ~Analyzer();
  Analyzer(const Analyzer &) = delete;
  Analyzer &operator=(const Analyzer &) = delete;

  ViSession Handle() const { return vi_; }
  double GetReal(ViAttr attribute) const;
  void Check(ViStatus status, const char *function) const { zuvexasoapy::Check(vi_, status, function); }

private:
  ViSession vi_ = 0;
};

} // namespace zuvexasoapy
