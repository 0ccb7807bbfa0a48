// The subcommands of zuvexa and what they share: exit codes, usage errors,
// the report of a failed library call and checked output. A command is one
// file with an Add... function, registered by one line in main.cpp.
#pragma once

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "Session.h"
#include "Text.h"
#include "zuVEXAtypes.h"

namespace zuvexaiq {
struct Settings;
} // namespace zuvexaiq

namespace zuvexacli {

using Words = std::vector<std::string>;

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1; // a library call, the output or the traced command failed
inline constexpr int kExitUsage = 2;   // the command line is wrong

// Adds one subcommand to `app`; when it runs, it leaves its exit status in
// `exitCode`.
using CommandRegistrar = void (*)(CLI::App &app, int &exitCode);

void AddModelsCommand(CLI::App &app, int &exitCode);
void AddListCommand(CLI::App &app, int &exitCode);
void AddProbeCommand(CLI::App &app, int &exitCode);
void AddAttrCommand(CLI::App &app, int &exitCode);
void AddFetchCommand(CLI::App &app, int &exitCode);
void AddErrorCommand(CLI::App &app, int &exitCode);
void AddTraceCommand(CLI::App &app, int &exitCode);
void AddPanelCommand(CLI::App &app, int &exitCode);

// The subcommand of `app` called `name`; null when there is none.
CLI::App *FindCommand(CLI::App &app, const std::string &name);

// "zuvexa COMMAND: message" and a pointer to the help; returns kExitUsage.
int UsageError(const std::string &command, const std::string &message);
// The failed function, its status in hex, the library's description and
// what to do about it; returns kExitFailure.
int ReportApiError(const zuvexaclient::ApiError &error, const zuvexaiq::Settings &settings);

using zuvexaclient::DescribeStatus;

// Where the dynamic loader finds a library for this process, or nothing
// (with the loader's reason in `why`).
std::optional<std::string> LocateLibrary(const std::string &file, std::string &why);

// One JSON document on standard output.
void PrintJson(const nlohmann::json &document);

// Flushes standard output; on failure says so and returns kExitFailure
// (unless `exitCode` already tells of a failure or a signal).
int CheckedStandardOutput(int exitCode);

// "0x1C02".
std::string HexId(uint64_t id);

} // namespace zuvexacli
