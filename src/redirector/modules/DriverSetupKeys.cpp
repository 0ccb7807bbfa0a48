// The keys of the DriverSetup string. Unknown keys are counted and skipped.
#include "redirector/modules/OptionEntries.h"
#include "redirector/modules/OptionString.h"

namespace zumodules {
namespace {

using options::Entry;

ViStatus ApplyDriverSetupKey(ViSession vi, const Entry &entry, DriverSetupRecord &setup) {
  ++setup.entryCount;
  const auto is = [&](const char *key) { return options::EqualsIgnoringCase(entry.name, key); };
  if (is("Model")) return options::ApplyTextCopy(vi, entry, setup.model);
  if (is("Language")) return options::ApplyTextCopy(vi, entry, setup.language);
  if (is("SFPSessionAccess")) {
    setup.sfpSessionAccessGiven = true;
    return options::ApplyBoolean(vi, entry, setup.sfpSessionAccess);
  }
  if (is("DebugSession")) return options::ApplyBoolean(vi, entry, setup.debugSession);
  if (is("allowMultipleSessions")) {
    setup.allowMultipleSessions = false;
    return options::ApplyBoolean(vi, entry, setup.allowMultipleSessions);
  }
  return VI_SUCCESS;
}

} // namespace

ViStatus ParseDriverSetup(ViSession vi, const char *text, DriverSetupRecord &setup) {
  return options::ForEachEntry(vi, text, options::kDriverSetupSyntax, [&](const Entry &entry) {
    return ApplyDriverSetupKey(vi, entry, setup);
  });
}

} // namespace zumodules
