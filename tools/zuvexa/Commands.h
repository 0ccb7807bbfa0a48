// The subcommands of zuvexa and what they share: exit codes, usage errors
// and the report of a failed library call.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Arguments.h"
#include "zuVEXAtypes.h"

namespace zuvexaiq {
class ApiError;
}

namespace zuvexacli {

using Words = std::vector<std::string>;

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // a library call, the output or the traced command failed
inline constexpr int kExitUsage = 2;   // the command line is wrong

int RunModels(const Words &arguments);
int RunProbe(const Words &arguments);
int RunFetch(const Words &arguments);
int RunError(const Words &arguments);
int RunTrace(const Words &arguments);
int RunPanel(const Words &arguments);

// Whether `name` is one of the subcommands above.
bool IsSubcommand(const std::string &name);

// Parses a command's arguments. When the command is done already (help
// printed: kExitSuccess; usage error printed: kExitUsage) returns that exit
// code, else nothing.
std::optional<int> ReadCommandLine(const std::string &command, const Words &arguments,
                                   const std::vector<OptionInfo> &optionInfos, const char *usage,
                                   ParsedArguments &parsed, bool stopAtPositional = false);

// "zuvexa COMMAND: message" and a pointer to the help; returns kExitUsage.
int UsageError(const std::string &command, const std::string &message);
// The failed function, its status in hex and the library's description;
// returns kExitFailure.
int ReportApiError(const zuvexaiq::ApiError &error);

// The library's description of a status (zuVEXA_GetErrorMessage) for the
// session's language, or the default language for VI_NULL.
std::string DescribeStatus(ViSession vi, ViStatus status);

// Where the dynamic loader finds a library for this process, or nothing
// (with the loader's reason in `why`).
std::optional<std::string> LocateLibrary(const std::string &file, std::string &why);

} // namespace zuvexacli
