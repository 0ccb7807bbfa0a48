// zuvexa trace: runs a program (or one of zuvexa's own subcommands) with
// call tracing switched on through the tracing library's ZUPEEK_TRACE
// variable, then shows the recorded calls readably. SIGINT and SIGTERM go
// on to the traced command; the calls recorded so far are shown, the
// temporary log removed, and the exit status is 128 + the signal.
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

#include "Commands.h"
#include "Interrupts.h"
#include "TraceLog.h"

namespace zuvexacli {

namespace {

constexpr const char *kTracingLibrary = "libZuPeekLog.so";
constexpr int kExitCannotRun = 127;
constexpr int kPollMilliseconds = 50;

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
Words CommandLineToRun(CLI::App &app, const Words &command) {
  if (command.empty()) return {OwnExecutable(), "fetch"};
  if (FindCommand(app, command.front()) == nullptr) return command;
  Words words = {OwnExecutable()};
  words.insert(words.end(), command.begin(), command.end());
  return words;
}

[[noreturn]] void ExecTraced(const Words &words, const std::string &logPath) {
  setenv("ZUPEEK_TRACE", logPath.c_str(), 1);
  std::vector<char *> argv;
  for (const std::string &word : words) argv.push_back(const_cast<char *>(word.c_str()));
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  std::fprintf(stderr, "zuvexa trace: cannot run %s: %s\n", argv[0], std::strerror(errno));
  _exit(kExitCannotRun);
}

// Waits for the child, passing on the first SIGINT or SIGTERM; returns its
// exit status, and the signal in `signal`.
int WaitForChild(pid_t child, int &signal) {
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child || (done < 0 && errno != EINTR)) break;
    if (signal == 0 && (signal = PendingInterrupt()) != 0) kill(child, signal);
    poll(nullptr, 0, kPollMilliseconds); // a signal ends the nap early
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int RunTraced(const Words &words, const std::string &logPath, int &signal) {
  std::cout.flush();
  std::fflush(stdout);
  const pid_t child = fork();
  if (child < 0) {
    std::cerr << "zuvexa trace: cannot start " << words.front() << ": " << std::strerror(errno) << "\n";
    return kExitFailure;
  }
  if (child == 0) ExecTraced(words, logPath);
  return WaitForChild(child, signal);
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

struct Request {
  bool raw = false;
  std::optional<std::string> log;
  std::optional<std::string> command; // its arguments stay unparsed
};

int Run(CLI::App &app, const Request &request, const Words &command) {
  std::string why;
  if (!LocateLibrary(kTracingLibrary, why)) {
    std::cerr << "zuvexa trace: call tracing is not available: the tracing library " << kTracingLibrary
              << " is not installed or not on the loader's path\n  (" << why << ")\n";
    return kExitFailure;
  }
  CatchInterrupts();
  const std::string logPath = request.log ? *request.log : TemporaryLogPath();
  if (logPath.empty() || !std::ofstream(logPath, std::ios::trunc)) {
    std::cerr << "zuvexa trace: cannot create the trace log " << logPath << ": " << std::strerror(errno)
              << "\n";
    return kExitFailure;
  }
  int signal = 0;
  const int exitCode = RunTraced(CommandLineToRun(app, command), logPath, signal);
  if (ShowRecords(logPath, request.raw) == 0)
    std::cerr << "zuvexa trace: no calls were traced (the program made no driver calls, or the tracing\n"
                 "library wrote no records to ZUPEEK_TRACE)\n";
  if (!request.log) std::remove(logPath.c_str());
  if (signal == 0) return exitCode;
  std::cerr << "zuvexa trace: " << SignalName(signal) << " passed on to the traced command, which ended with "
            << exitCode << (request.log ? "" : "; the trace log is removed") << "\n";
  return InterruptExitCode(signal);
}

} // namespace

void AddTraceCommand(CLI::App &app, int &exitCode) {
  CLI::App *command =
      app.add_subcommand("trace", "run a command (or a fetch) with call tracing and show the calls");
  command->prefix_command();
  command->footer("Usage: zuvexa trace [--raw] [--log FILE] [--] [COMMAND [ARG...]]\n"
                  "Runs COMMAND with call tracing switched on, then shows each driver call it made\n"
                  "with its parameters, status and outputs. COMMAND may be a zuvexa subcommand\n"
                  "(fetch, probe, models, error, ...) with its options; without one, 'zuvexa fetch'\n"
                  "runs. Tracing needs the tracing library libZuPeekLog.so where the dynamic loader\n"
                  "finds it. SIGINT and SIGTERM are passed on to COMMAND.\n"
                  "Exit status: that of COMMAND; 1 when tracing is not available, 127 when COMMAND\n"
                  "cannot be run, 128 + N after signal N.");
  auto request = std::make_shared<Request>();
  command->add_flag("--raw", request->raw, "show the records as the tracing library wrote them (JSON lines)");
  command->add_option("--log", request->log,
                      "keep the records in FILE (default: a temporary file, removed afterwards)");
  command->add_option("COMMAND", request->command, "the command to trace and its arguments");
  command->callback([&app, &exitCode, command, request] {
    Words words;
    if (request->command) words.push_back(*request->command);
    Words rest = command->remaining();
    if (!rest.empty() && rest.front() == "--") rest.erase(rest.begin()); // the parser keeps the mark
    words.insert(words.end(), rest.begin(), rest.end());
    exitCode = Run(app, *request, words);
  });
}

} // namespace zuvexacli
