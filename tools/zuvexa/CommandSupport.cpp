#include <dlfcn.h>
#include <link.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "Commands.h"
#include "Report.h"
#include "Session.h"
#include "TraceLog.h"
#include "zuVEXA.h"

namespace zuvexacli {

CLI::App *FindCommand(CLI::App &app, const std::string &name) {
  const auto named = app.get_subcommands([&](CLI::App *command) { return command->check_name(name); });
  return named.empty() ? nullptr : named.front();
}

int UsageError(const std::string &command, const std::string &message) {
  std::cerr << "zuvexa " << command << ": " << message << "\nTry 'zuvexa " << command << " --help'.\n";
  return kExitUsage;
}

int ReportApiError(const zuvexaclient::ApiError &error, const zuvexaiq::Settings &settings) {
  std::cerr << "zuvexa: " << error.Function() << " failed with status " << FormatStatus(error.Status())
            << "\n"
            << zuvexaiq::IndentedDescription(error.Description())
            << zuvexaiq::FailureHint(error.Status(), error.Description(), settings);
  return kExitFailure;
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

void PrintJson(const nlohmann::json &document) {
  std::cout << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

int CheckedStandardOutput(int exitCode) {
  std::cout.flush();
  if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout) return exitCode;
  std::cerr << "zuvexa: cannot write standard output: " << std::strerror(errno) << "\n";
  return exitCode == kExitSuccess ? kExitFailure : exitCode;
}

std::string HexId(uint64_t id) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(id));
  return text;
}

} // namespace zuvexacli
