#include "redirector/api/SupportedModelsText.h"

#include <cctype>

#include "redirector/modules/ModelRouting.h"
#include "status/Status.h"
#include "zusysq/stdpath_util.h"

namespace zuapi {
namespace {

constexpr char kProductName[] = "ZU-VEXA";

// The product's directory below the version folders: its name in lower case.
std::string ProductDirectory() {
  std::string directory = kProductName;
  for (char &c : directory) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return directory;
}

bool ModuleInstalled(const char *driverPrefix, const std::string &productDirectory) {
  std::string version;
  zuerr::Status status;
  zusysq::ComponentVersionText(driverPrefix, productDirectory.c_str(), version, status);
  return !zuerr::IsError(status);
}

} // namespace

std::string SupportedModelsText() {
  const std::string productDirectory = ProductDirectory();
  std::string text;
  zumodules::SupportedModelsRows rows = zumodules::SupportedModels();
  for (const zumodules::SupportedModelsRow *row = rows.begin; row != rows.end; ++row) {
    if (!ModuleInstalled(row->driverPrefix, productDirectory)) continue;
    if (!text.empty()) text += ", ";
    text += row->modelList;
  }
  return text;
}

} // namespace zuapi
