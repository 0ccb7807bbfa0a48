// zuvexa probe: runs the library's own device lookup for a resource name and
// option string and shows what an open would get: device, model, module
// kind and file, simulation.
#include <cstdio>
#include <iostream>

#include "Arguments.h"
#include "Commands.h"
#include "Report.h"
#include "Session.h"
#include "TraceLog.h"
#include "redirector/modules/DeviceLookup.h"
#include "redirector/modules/OptionString.h"

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
  for (wchar_t unit : wide)
    text += static_cast<unsigned>(unit) < 0x80 ? static_cast<char>(unit) : '?';
  return text;
}

// The model the lookup settled on and why: a simulated session's
// DriverSetup model, the default model, or the first row with the device's
// product identifier.
std::string ModelText(const dvlShared::DeviceRecord &record, const zumodules::DriverSetupRecord &setup,
                      bool simulate) {
  const zumodules::ModelRow *row = nullptr;
  zumodules::ModelRow fallback{};
  const char *why = "by the device's product identifier";
  if (simulate && setup.model) {
    row = zumodules::FindModelByName(zumodules::ModelTable, setup.model->c_str());
    why = "by DriverSetup Model";
  } else if (record.deviceName.empty()) {
    zumodules::DefaultModel(fallback), row = &fallback;
    why = "the default model of a simulated session";
  } else {
    row = zumodules::FindModelByProductId(zumodules::ModelTable, record.productId);
  }
  char id[24];
  std::snprintf(id, sizeof id, "0x%llX", static_cast<unsigned long long>(record.productId));
  return std::string(row != nullptr ? row->modelCode : "?") + ", product id " + id + " (" + why + ")";
}

std::string ModuleText(uint32_t kind) {
  const zumodules::ModuleKindInfo *info = zumodules::FindModuleKind(kind);
  if (info == nullptr)
    return "kind " + std::to_string(kind) + " (no such module kind)";
  std::string why;
  const auto path = LocateLibrary(info->libraryFile, why);
  return std::to_string(kind) + " " + info->name + ", " + info->libraryFile + (path ? " at " + *path : ": " + why);
}

void PrintResolution(const dvlShared::DeviceRecord &record, const zumodules::DriverSetupRecord &setup,
                     bool simulate) {
  const std::string device = record.deviceName.empty()
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

int ReportLookupFailure(ViStatus status) {
  ViStatus recorded = 0;
  std::string text = zuvexaiq::TakeErrorText(VI_NULL, &recorded);
  if (recorded != status)
    text = DescribeStatus(VI_NULL, status);
  std::cerr << "zuvexa: the lookup failed with status " << FormatStatus(status) << "\n"
            << zuvexaiq::IndentedDescription(text);
  return kExitFailure;
}

} // namespace

int RunProbe(const Words &arguments) {
  ParsedArguments parsed;
  if (const auto done = ReadCommandLine("probe", arguments, kOptions, kUsage, parsed))
    return *done;
  if (parsed.positional.size() != 1)
    return UsageError("probe", "give exactly one resource name");
  const std::string &resource = parsed.positional.front();
  const std::string options = parsed.Value("--options", "");
  std::cout << "resource      \"" << resource << "\"\noptions       \"" << options << "\"\n";

  std::atomic<zumxl::LanguageId> language{zumxl::DefaultLanguage()};
  std::wstring deviceName;
  bool simulate = false, fromCache = false;
  zumodules::DriverSetupRecord setup;
  ViStatus status = zumodules::InterpretResourceAndOptions(zumodules::kDriverPrefix, resource.c_str(),
                                                          options.c_str(), deviceName, simulate, setup, language);
  dvlShared::DeviceRecord record;
  if (status >= 0)
    status = zumodules::ResolveDevice(zumodules::kDriverPrefix, resource.c_str(), options.c_str(), record,
                                      zumodules::ModelTable, zumodules::DefaultModel, simulate, fromCache, language);
  if (status < 0)
    return ReportLookupFailure(status);
  PrintResolution(record, setup, simulate);
  return kExitSuccess;
}

} // namespace zuvexacli
