// zuvexa panel: its options, then the front panel (panel/).
#include <climits>

#include "Commands.h"
#include "Panel.h"

namespace zuvexacli {

namespace {

const std::vector<OptionInfo> kOptions = {
    {"--resource", "NAME", "device, alias or logical name to open (default: the simulated analyzer)"},
    {"--options", "TEXT", "option string of the open (default \"Simulate=1\")"},
    {"--port", "N", "TCP port, 0 for any free one (default 8765)"},
    {"--listen", "ADDR", "address to listen on (default 127.0.0.1; another one is reachable from outside)"},
};

const char *const kUsage =
    "Usage: zuvexa panel [options]\n"
    "Serves a front panel for the browser: device, carrier, rate, reference level and\n"
    "record length, the live spectrum and I/Q trace, the attribute table. Prints the\n"
    "URL to open, with the token every request needs; Ctrl-C stops it and closes the\n"
    "session.\n\n";

} // namespace

int RunPanel(const Words &arguments) {
  ParsedArguments parsed;
  if (const auto done = ReadCommandLine("panel", arguments, kOptions, kUsage, parsed)) return *done;
  if (!parsed.positional.empty())
    return UsageError("panel", "unexpected argument \"" + parsed.positional[0] + "\"");
  zuvexapanel::PanelOptions options;
  options.resource = parsed.Value("--resource", options.resource);
  options.options = parsed.Value("--options", options.options);
  options.listen = parsed.Value("--listen", options.listen);
  const std::string port = parsed.Value("--port", std::to_string(options.port));
  char *end = nullptr;
  const long number = std::strtol(port.c_str(), &end, 10);
  if (port.empty() || *end != '\0' || number < 0 || number > 65535)
    return UsageError("panel", "--port takes 0 to 65535");
  options.port = static_cast<int>(number);
  return zuvexapanel::RunPanel(options);
}

} // namespace zuvexacli
