// zuvexa probe: works out, with the library's routing component, what an
// open of a resource name and option string would get: device, model,
// module kind and file, simulation. No session is opened.
#include <iostream>

#include "Commands.h"
#include "Lookup.h"
#include "Report.h"
#include "TraceLog.h"

namespace zuvexacli {

namespace {

using nlohmann::json;

void PrintText(const json &probe) {
  const json &device = probe["device"];
  const json &module = probe["module"];
  std::cout << "session       " << (probe["simulated"].get<bool>() ? "simulated" : "instrument") << "\n"
            << "device        "
            << (device.is_null()
                    ? "none (a simulated session needs none)"
                    : device["name"].get<std::string>() + " -> " + device["identifier"].get<std::string>() +
                          (device["simulated"].get<bool>() ? " (simulated in the system configuration)" : ""))
            << "\n";
  if (!device.is_null() && !device["backend"].get<std::string>().empty())
    std::cout << "backend       \"" << device["backend"].get<std::string>() << "\"\n";
  std::cout << "model         " << probe["model"].get<std::string>() << ", product id "
            << probe["productId"].get<std::string>() << " (" << probe["modelReason"].get<std::string>()
            << ")\n"
            << "module        " << module["kind"] << " "
            << (module.contains("name")
                    ? module["name"].get<std::string>() + ", " + module["library"].get<std::string>() +
                          (module["path"].is_null() ? ": not found"
                                                    : " at " + module["path"].get<std::string>())
                    : "(no such module kind)")
            << "\n"
            << "multiple      " << (probe["allowMultipleSessions"].get<bool>() ? "allowed" : "not allowed")
            << " (DriverSetup allowMultipleSessions)\n";
}

} // namespace

void AddProbeCommand(CLI::App &app, int &exitCode) {
  CLI::App *command =
      app.add_subcommand("probe", "what the device lookup resolves for a resource name (no session)");
  command->footer("Resolves RESOURCE (a device name, alias or IVI logical name; \"\" for none) the\n"
                  "way an open would, without opening a session, and shows the device, model,\n"
                  "module and simulation it leads to.");
  struct Options {
    std::string resource, options;
    bool json = false;
  };
  auto options = std::make_shared<Options>();
  command->add_option("RESOURCE", options->resource, "device name, alias or logical name")->required();
  command->add_option("--options", options->options,
                      "option string of the open, e.g. \"Simulate=1,DriverSetup=Model:Q122\"");
  command->add_flag("--json", options->json, "one JSON document on standard output");
  command->callback([&exitCode, options] {
    json probe;
    if (const ViStatus status = ProbeToJson(options->resource, options->options, probe); status < 0) {
      exitCode = ReportLookupFailure(status, probe);
      return;
    }
    if (options->json) {
      PrintJson(probe);
    } else {
      std::cout << "resource      \"" << options->resource << "\"\noptions       \"" << options->options
                << "\"\n";
      PrintText(probe);
    }
    exitCode = kExitSuccess;
  });
}

} // namespace zuvexacli
