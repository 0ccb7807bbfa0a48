// zuvexa trace: runs a program (or one of zuvexa's own subcommands) with
// call tracing switched on through the tracing library's ZUPEEK_TRACE
// variable, then shows the recorded calls readably.
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

#include "Arguments.h"
#include "Commands.h"
#include "TraceLog.h"

namespace zuvexacli {

namespace {

constexpr const char *kTracingLibrary = "libZuPeekLog.so";
constexpr int kExitCannotRun = 127;

const std::vector<OptionInfo> kOptions = {
    {"--raw", "", "show the records as the tracing library wrote them (JSON lines)"},
    {"--log", "FILE", "keep the records in FILE (default: a temporary file, removed afterwards)"},
};

const char *const kUsage =
    "Usage: zuvexa trace [--raw] [--log FILE] [--] [COMMAND [ARG...]]\n"
    "Runs COMMAND with call tracing switched on, then shows each driver call it made\n"
    "with its parameters, status and outputs. COMMAND may be a zuvexa subcommand\n"
    "(fetch, probe, models, error) with its options; without one, 'zuvexa fetch' runs.\n"
    "Tracing needs the tracing library libZuPeekLog.so where the dynamic loader finds it.\n"
    "Exit status: that of COMMAND; 1 when tracing is not available, 127 when COMMAND\n"
    "cannot be run.\n\n";

std::string TemporaryLogPath() {
  const char *folder = std::getenv("TMPDIR");
  std::string path =
      std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") + "/zuvexa-trace-XXXXXX";
  const int fd = mkstemp(path.data());
  if (fd < 0) return "";
  close(fd);
  return path;
}

std::string OwnExecutable() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  return length > 0 ? std::string(path, std::size_t(length)) : "zuvexa";
}

// The words to execute: a subcommand (or nothing) runs this program again.
std::vector<std::string> CommandLineToRun(const Words &command) {
  if (command.empty()) return {OwnExecutable(), "fetch"};
  if (!IsSubcommand(command.front())) return command;
  std::vector<std::string> words = {OwnExecutable()};
  words.insert(words.end(), command.begin(), command.end());
  return words;
}

[[noreturn]] void ExecTraced(const std::vector<std::string> &words, const std::string &logPath) {
  setenv("ZUPEEK_TRACE", logPath.c_str(), 1);
  std::vector<char *> argv;
  for (const std::string &word : words) argv.push_back(const_cast<char *>(word.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  std::fprintf(stderr, "zuvexa trace: cannot run %s: %s\n", argv[0], std::strerror(errno));
  _exit(kExitCannotRun);
}

int RunTraced(const std::vector<std::string> &words, const std::string &logPath) {
  std::cout.flush();
  const pid_t child = fork();
  if (child < 0) {
    std::cerr << "zuvexa trace: cannot start " << words.front() << ": " << std::strerror(errno) << "\n";
    return kExitFailure;
  }
  if (child == 0) ExecTraced(words, logPath);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Prints the records of the log; returns how many there were.
int ShowRecords(const std::string &logPath, bool raw) {
  std::ifstream log(logPath);
  std::string shown;
  int count = 0;
  for (std::string line; std::getline(log, line);) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    shown += raw ? line + "\n" : RenderTraceRecord(line);
    ++count;
  }
  if (count > 0) std::cout << "\n" << count << (count == 1 ? " call" : " calls") << " traced\n" << shown;
  return count;
}

} // namespace

int RunTrace(const Words &arguments) {
  ParsedArguments parsed;
  if (const auto done = ReadCommandLine("trace", arguments, kOptions, kUsage, parsed, true)) return *done;
  std::string why;
  if (!LocateLibrary(kTracingLibrary, why)) {
    std::cerr << "zuvexa trace: call tracing is not available: the tracing library " << kTracingLibrary
              << " is not installed or not on the loader's path\n  (" << why << ")\n";
    return kExitFailure;
  }
  const bool keep = parsed.Has("--log");
  const std::string logPath = keep ? parsed.Value("--log", "") : TemporaryLogPath();
  if (logPath.empty() || !std::ofstream(logPath, std::ios::trunc)) {
    std::cerr << "zuvexa trace: cannot create the trace log " << logPath << ": " << std::strerror(errno)
              << "\n";
    return kExitFailure;
  }
  const int exitCode = RunTraced(CommandLineToRun(parsed.positional), logPath);
  if (ShowRecords(logPath, parsed.Has("--raw")) == 0)
    std::cerr << "zuvexa trace: no calls were traced (the program made no driver calls, or the tracing\n"
                 "library wrote no records to ZUPEEK_TRACE)\n";
  if (!keep) std::remove(logPath.c_str());
  return exitCode;
}

} // namespace zuvexacli
