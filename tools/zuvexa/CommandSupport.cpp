#include <dlfcn.h>
#include <link.h>

#include <iostream>

#include "Commands.h"
#include "Report.h"
#include "Session.h"
#include "TraceLog.h"
#include "zuVEXA.h"

namespace zuvexacli {

int UsageError(const std::string &command, const std::string &message) {
  std::cerr << "zuvexa " << command << ": " << message << "\nTry 'zuvexa " << command << " --help'.\n";
  return kExitUsage;
}

std::optional<int> ReadCommandLine(const std::string &command, const Words &arguments,
                                   const std::vector<OptionInfo> &optionInfos, const char *usage,
                                   ParsedArguments &parsed, bool stopAtPositional) {
  parsed = ParseArguments(arguments, optionInfos, stopAtPositional);
  if (parsed.help) {
    std::cout << usage << OptionsHelp(optionInfos);
    return kExitSuccess;
  }
  if (!parsed.error.empty()) return UsageError(command, parsed.error);
  return std::nullopt;
}

int ReportApiError(const zuvexaiq::ApiError &error) {
  std::cerr << "zuvexa: " << error.Function() << " failed with status " << FormatStatus(error.Status())
            << "\n"
            << zuvexaiq::IndentedDescription(error.Description());
  return kExitFailure;
}

std::string DescribeStatus(ViSession vi, ViStatus status) {
  const ViStatus needed = zuVEXA_GetErrorMessage(vi, status, 0, nullptr);
  if (needed <= 1) return "";
  std::string text(static_cast<std::size_t>(needed), '\0');
  if (zuVEXA_GetErrorMessage(vi, status, needed, text.data()) < 0) return "";
  text.resize(text.find('\0'));
  return text;
}

std::optional<std::string> LocateLibrary(const std::string &file, std::string &why) {
  void *handle = dlopen(file.c_str(), RTLD_LAZY | RTLD_LOCAL);
  if (handle == nullptr) {
    const char *reason = dlerror();
    why = reason != nullptr ? reason : "not found";
    return std::nullopt;
  }
  link_map *map = nullptr;
  std::string path = file;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr && map->l_name != nullptr)
    path = map->l_name;
  dlclose(handle);
  return path;
}

} // namespace zuvexacli
