// zuvexa panel: a front panel in the browser over one analyzer session.
#pragma once

#include <string>

namespace zuvexapanel {

struct PanelOptions {
  std::string resource; // "" with Simulate=1: the simulated analyzer
  std::string options = "Simulate=1";
  int port = 8765; // 0: any free port
  std::string listen = "127.0.0.1";
};

// Serves the panel until SIGINT or SIGTERM, then closes the session.
// Returns the exit status (1 when the server cannot listen).
int RunPanel(const PanelOptions &options);

} // namespace zuvexapanel
