// zuvexa panel: its options, then the front panel (panel/).
#include <memory>

#include "Commands.h"
#include "Panel.h"

namespace zuvexacli {

void AddPanelCommand(CLI::App &app, int &exitCode) {
  CLI::App *command =
      app.add_subcommand("panel", "a front panel in the browser: live spectrum, I/Q trace, settings");
  command->footer("Serves a front panel for the browser: device, carrier, rate, reference level and\n"
                  "record length, the live spectrum and I/Q trace, the attribute table. Prints the\n"
                  "URL to open, with the token every request needs; Ctrl-C stops it and closes the\n"
                  "session.");
  auto options = std::make_shared<zuvexapanel::PanelOptions>();
  command->add_option("--resource", options->resource,
                      "device, alias or logical name to open (default: the simulated analyzer)");
  command->add_option("--options", options->options,
                      "option string of the open (default: \"Simulate=1\" for the simulated analyzer, "
                      "none for a named resource)");
  command->add_option("--port", options->port, "TCP port, 0 for any free one (default 8765)")
      ->check(CLI::Range(0, 65535));
  command->add_option("--listen", options->listen,
                      "address to listen on (default 127.0.0.1; another one is reachable from outside)");
  command->callback([&exitCode, options] { exitCode = zuvexapanel::RunPanel(*options); });
}

} // namespace zuvexacli
