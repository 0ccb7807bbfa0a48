// zuvexa probe: works out, with the library's routing component, what an
// open of a resource name and option string would get: device, model,
// module kind and file, simulation. No session is opened.
#include <cstdio>
#include <iostream>

#include "Arguments.h"
#include "Commands.h"
#include "Report.h"
#include "TraceLog.h"
#include "routing/DeviceProbe.h"

namespace zuvexacli {

namespace {

const std::vector<OptionInfo> kOptions = {
    {"--options", "TEXT", "option string of the open, e.g. \"Simulate=1,DriverSetup=Model:Q122\""},
};

const char *const kUsage = "Usage: zuvexa probe [--options TEXT] RESOURCE\n"
                           "Resolves RESOURCE (a device name, alias or IVI logical name; \"\" for none) the\n"
                           "way an open would, without opening a session, and shows the device, model,\n"
                           "module and simulation it leads to.\n\n";

std::string Narrow(const std::wstring &wide) {
  std::string text;
  for (wchar_t unit : wide) text += static_cast<unsigned>(unit) < 0x80 ? static_cast<char>(unit) : '?';
  return text;
}

// The model the lookup settled on and why: a simulated session's
// DriverSetup model, the default model, or the first row with the device's
// product identifier.
std::string ModelText(const zurouting::DeviceRecord &record, const zurouting::DriverSetupRecord &setup,
                      bool simulate) {
  const zurouting::ModelRow *row = nullptr;
  zurouting::ModelRow fallback{};
  const char *why = "by the device's product identifier";
  if (simulate && setup.model) {
    row = zurouting::FindModelByName(zurouting::ModelTable, setup.model->c_str());
    why = "by DriverSetup Model";
  } else if (record.deviceName.empty()) {
    zurouting::DefaultModel(fallback), row = &fallback;
    why = "the default model of a simulated session";
  } else {
    row = zurouting::FindModelByProductId(zurouting::ModelTable, record.productId);
  }
  char id[24];
  std::snprintf(id, sizeof id, "0x%llX", static_cast<unsigned long long>(record.productId));
  return std::string(row != nullptr ? row->modelCode : "?") + ", product id " + id + " (" + why + ")";
}

std::string ModuleText(uint32_t kind) {
  const zurouting::ModuleKindInfo *info = zurouting::FindModuleKind(kind);
  if (info == nullptr) return "kind " + std::to_string(kind) + " (no such module kind)";
  std::string why;
  const auto path = LocateLibrary(info->libraryFile, why);
  return std::to_string(kind) + " " + info->name + ", " + info->libraryFile +
         (path ? " at " + *path : ": " + why);
}

void PrintResolution(const zurouting::DeviceRecord &record, const zurouting::DriverSetupRecord &setup,
                     bool simulate) {
  const std::string device =
      record.deviceName.empty()
          ? "none (a simulated session needs none)"
          : Narrow(record.deviceName) + " -> " + Narrow(record.deviceIdentifier) +
                (record.isSimulatedDevice ? " (simulated in the system configuration)" : "");
  std::cout << "session       " << (simulate ? "simulated" : "instrument") << "\n"
            << "device        " << device << "\n";
  if (!record.backendResourceText.empty())
    std::cout << "backend       \"" << record.backendResourceText << "\"\n";
  std::cout << "model         " << ModelText(record, setup, simulate) << "\n"
            << "module        " << ModuleText(record.moduleKind) << "\n"
            << "multiple      " << (record.allowMultipleSessions ? "allowed" : "not allowed")
            << " (DriverSetup allowMultipleSessions)\n";
}

int ReportLookupFailure(ViStatus status, const zurouting::Failure &failure) {
  std::string text = DescribeStatus(VI_NULL, status);
  if (failure.status == status && failure.Elaboration() != nullptr)
    text += std::string(text.empty() ? "" : "\n") + failure.Elaboration();
  std::cerr << "zuvexa: the lookup failed with status " << FormatStatus(status) << "\n"
            << zuvexaiq::IndentedDescription(text);
  return kExitFailure;
}

} // namespace

int RunProbe(const Words &arguments) {
  ParsedArguments parsed;
  if (const auto done = ReadCommandLine("probe", arguments, kOptions, kUsage, parsed)) return *done;
  if (parsed.positional.size() != 1) return UsageError("probe", "give exactly one resource name");
  const std::string &resource = parsed.positional.front();
  const std::string options = parsed.Value("--options", "");
  std::cout << "resource      \"" << resource << "\"\noptions       \"" << options << "\"\n";

  zurouting::ProbeResult result;
  zurouting::Failure failure;
  const ViStatus status = zurouting::ProbeResource(resource.c_str(), options.c_str(), result, failure);
  if (status < 0) return ReportLookupFailure(status, failure);
  PrintResolution(result.record, result.settings.setup, result.settings.simulate);
  return kExitSuccess;
}

} // namespace zuvexacli
