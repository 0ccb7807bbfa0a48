#include "Analyzer.h"

#include <cstdio>
#include <stdexcept>

namespace zuvexasoapy {

std::string ErrorText(ViSession vi, const char *function, ViStatus status) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(status));
  std::string text = std::string(function) + ": " + hex;
  ViStatus recorded = 0;
  const ViStatus needed = zuVEXA_GetError(vi, &recorded, 0, nullptr);
  if (needed > 1) {
    std::string description(static_cast<std::size_t>(needed), '\0');
    if (zuVEXA_GetError(vi, &recorded, needed, description.data()) >= 0)
      text += " " + description.substr(0, description.find('\0'));
  }
  return text;
}

void Check(ViSession vi, ViStatus status, const char *function) {
  if (status < 0) throw std::runtime_error(ErrorText(vi, function, status));
  if (status > 0) zuVEXA_ClearError(vi);
}

Analyzer::Analyzer(const std::string &resourceName, const std::string &optionString) {
  const ViStatus status =
      zuVEXA_InitWithOptions(resourceName.c_str(), VI_FALSE, VI_FALSE, optionString.c_str(), &vi_);
  if (status < 0) vi_ = 0;
  zuvexasoapy::Check(vi_, status, "zuVEXA_InitWithOptions");
}

Analyzer::~Analyzer() {
  if (vi_ != 0) zuVEXA_close(vi_);
}

double Analyzer::GetReal(ViAttr attribute) const {
  ViReal64 value = 0;
  Check(zuVEXA_GetAttributeViReal64(vi_, "", attribute, &value), "zuVEXA_GetAttributeViReal64");
  return value;
}

} // namespace zuvexasoapy
