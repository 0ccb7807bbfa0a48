// zuvexa: what the library sees (models, devices, device lookup, attributes,
// status texts), I/Q fetches with statistics, sample files and plots, and
// call tracing. See `zuvexa --help`.
#include <iostream>
#include <string>

#include "Commands.h"

namespace {

// One line per command; each adds itself with its options and help.
constexpr zuvexacli::CommandRegistrar kCommands[] = {
    zuvexacli::AddModelsCommand, zuvexacli::AddListCommand,  zuvexacli::AddProbeCommand,
    zuvexacli::AddAttrCommand,   zuvexacli::AddFetchCommand, zuvexacli::AddErrorCommand,
    zuvexacli::AddTraceCommand,  zuvexacli::AddPanelCommand,
};

// `zuvexa help [COMMAND]`: the help of the command, or the general help.
void AddHelpCommand(CLI::App &app, int &exitCode) {
  CLI::App *help = app.add_subcommand("help", "the help of a command (zuvexa help fetch)");
  auto name = std::make_shared<std::string>();
  help->add_option("COMMAND", *name, "the command to describe");
  help->callback([&app, &exitCode, name] {
    CLI::App *command = name->empty() ? nullptr : zuvexacli::FindCommand(app, *name);
    if (!name->empty() && command == nullptr) {
      std::cerr << "zuvexa help: unknown command \"" << *name << "\"\nTry 'zuvexa --help'.\n";
      exitCode = zuvexacli::kExitUsage;
      return;
    }
    std::cout << (command != nullptr ? command->help("zuvexa") : app.help());
  });
}

// The usage error of the command being parsed when the error came.
int ReportParseError(CLI::App &app, const CLI::ParseError &error) {
  if (error.get_exit_code() == 0) return app.exit(error);
  const std::vector<CLI::App *> selected = app.get_subcommands();
  if (selected.empty()) {
    std::cerr << "zuvexa: " << error.what() << "\nTry 'zuvexa --help'.\n";
    return zuvexacli::kExitUsage;
  }
  return zuvexacli::UsageError(selected.front()->get_name(), error.what());
}

} // namespace

int main(int argc, char **argv) {
  CLI::App app("Command-line tool of libzuvexa, the C interface of the RF signal analyzer.", "zuvexa");
  app.set_version_flag("--version", std::string("zuvexa ") + ZUVEXA_VERSION);
  app.require_subcommand(1);
  app.footer("'zuvexa COMMAND --help' or 'zuvexa help COMMAND' describes a command.\n"
             "Exit status: 0 success, 1 a library call or the output failed, 2 a wrong command\n"
             "line, 128 + N when signal N (SIGINT, SIGTERM) stopped a fetch or a trace.\n"
             "Manual: " ZUVEXA_MANUAL_PAGE " when installed,\nor docs/ in the sources.");
  int exitCode = zuvexacli::kExitSuccess;
  for (const zuvexacli::CommandRegistrar add : kCommands) add(app, exitCode);
  AddHelpCommand(app, exitCode);
  if (argc > 1 && argv[1][0] != '-' && zuvexacli::FindCommand(app, argv[1]) == nullptr) {
    std::cerr << "zuvexa: unknown command \"" << argv[1] << "\"\nTry 'zuvexa --help'.\n";
    return zuvexacli::kExitUsage;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError &error) {
    exitCode = ReportParseError(app, error);
  } catch (const std::exception &error) {
    std::cerr << "zuvexa: " << error.what() << "\n";
    exitCode = zuvexacli::kExitFailure;
  }
  return zuvexacli::CheckedStandardOutput(exitCode);
}
