// zuvexa panel: a front panel in the browser over one analyzer session.
#pragma once

#include <optional>
#include <string>

namespace zuvexapanel {

struct PanelOptions {
  std::string resource;               // "": the simulated analyzer
  std::optional<std::string> options; // unset: see OpenOptions
  int port = 8765;                    // 0: any free port
  std::string listen = "127.0.0.1";
};

// The option string of the first open: the one given, else "Simulate=1"
// for the simulated analyzer and none for a named resource, which opens as
// named (as fetch opens it).
std::string OpenOptions(const PanelOptions &options);

// Serves the panel until SIGINT or SIGTERM, then closes the session.
// Returns the exit status (1 when the server cannot listen).
int RunPanel(const PanelOptions &options);

} // namespace zuvexapanel
