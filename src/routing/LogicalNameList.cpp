#include "routing/LogicalNameList.h"

#include <dlfcn.h>

#include "platform/IviEngine.h"

namespace zurouting {
namespace {

constexpr const char *kEngineFile = "libivi.so.2";

// The engine's list under the buffer convention: the size first, then the
// text; a list that grew between the calls is asked for again.
LogicalNames ReadList(Ivi_GetLogicalNamesFunction getNames) {
  LogicalNames result;
  std::string text;
  for (ViStatus needed = getNames(0, nullptr);; needed = getNames(0, nullptr)) {
    if (needed < 0) return {LogicalNameListing::Failed, {}, needed};
    text.assign(static_cast<size_t>(needed > 0 ? needed : 1), '\0');
    const ViStatus status = getNames(static_cast<ViInt32>(text.size()), text.data());
    if (status < 0) return {LogicalNameListing::Failed, {}, status};
    if (status == VI_SUCCESS) break;
  }
  result.listing = LogicalNameListing::Listed;
  result.names = SplitNameList(text.substr(0, text.find('\0')));
  return result;
}

} // namespace

std::vector<std::string> SplitNameList(const std::string &list) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    const std::string entry = list.substr(start, comma - start);
    const size_t first = entry.find_first_not_of(" \t");
    if (first != std::string::npos)
      names.push_back(entry.substr(first, entry.find_last_not_of(" \t") + 1 - first));
    start = comma + 1;
  }
  return names;
}

LogicalNames ListLogicalNames() {
  void *engine = dlopen(kEngineFile, RTLD_LAZY | RTLD_LOCAL);
  if (engine == nullptr) return {};
  const auto getNames =
      reinterpret_cast<Ivi_GetLogicalNamesFunction>(dlsym(engine, IVI_GET_LOGICAL_NAMES_SYMBOL));
  LogicalNames result = getNames != nullptr ? ReadList(getNames) : LogicalNames{};
  dlclose(engine);
  return result;
}

} // namespace zurouting
