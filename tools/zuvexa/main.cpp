// zuvexa: what the library sees (models, device lookup, status texts), I/Q
// fetches with statistics, sample files and plots, and call tracing. See
// `zuvexa --help`.
#include <iostream>
#include <string>

#include "Commands.h"

namespace {

struct Command {
  const char *name;
  const char *summary;
  int (*run)(const zuvexacli::Words &);
};

const Command kCommands[] = {
    {"models", "model routing table, supported models, installed module files", zuvexacli::RunModels},
    {"probe", "what the device lookup resolves for a resource name", zuvexacli::RunProbe},
    {"fetch", "acquire I/Q records: statistics, CSV or raw samples, SVG plot", zuvexacli::RunFetch},
    {"error", "the library's description of status codes, in six languages", zuvexacli::RunError},
    {"trace", "run a command (or a fetch) with call tracing and show the calls", zuvexacli::RunTrace},
    {"panel", "a front panel in the browser: live spectrum, I/Q trace, settings", zuvexacli::RunPanel},
};

void PrintUsage(std::ostream &out) {
  out << "Usage: zuvexa COMMAND [options]\n"
         "Command-line tool of libzuvexa, the C interface of the RF signal analyzer.\n\nCommands:\n";
  for (const Command &command : kCommands)
    out << "  " << command.name << std::string(8 - std::string(command.name).size(), ' ') << command.summary
        << "\n";
  out << "\n'zuvexa COMMAND --help' describes a command; 'zuvexa --version' shows the version.\n"
         "Exit status: 0 success, 1 a library call or the output failed, 2 a wrong command line.\n";
}

} // namespace

namespace zuvexacli {

bool IsSubcommand(const std::string &name) {
  for (const Command &command : kCommands)
    if (name == command.name) return true;
  return false;
}

} // namespace zuvexacli

int main(int argc, char **argv) {
  const zuvexacli::Words words(argv + (argc > 0), argv + argc);
  if (words.empty()) {
    PrintUsage(std::cerr);
    return zuvexacli::kExitUsage;
  }
  if (words.front() == "--version") {
    std::cout << "zuvexa " << ZUVEXA_VERSION << "\n";
    return zuvexacli::kExitSuccess;
  }
  if (words.front() == "-h" || words.front() == "--help" || words.front() == "help") {
    PrintUsage(std::cout);
    return zuvexacli::kExitSuccess;
  }
  for (const Command &command : kCommands)
    if (words.front() == command.name) {
      try {
        return command.run(zuvexacli::Words(words.begin() + 1, words.end()));
      } catch (const std::exception &error) {
        std::cerr << "zuvexa " << command.name << ": " << error.what() << "\n";
        return zuvexacli::kExitFailure;
      }
    }
  std::cerr << "zuvexa: unknown command \"" << words.front() << "\"\nTry 'zuvexa --help'.\n";
  return zuvexacli::kExitUsage;
}
