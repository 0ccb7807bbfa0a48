// The keys of the DriverSetup string. Unknown keys are counted and skipped.
#include "routing/OptionEntries.h"
#include "routing/OptionParsing.h"

namespace zurouting {
namespace {

using options::Entry;

ViStatus ApplyDriverSetupKey(const Entry &entry, DriverSetupRecord &setup, Failure &failure) {
  ++setup.entryCount;
  const auto is = [&](const char *key) { return options::EqualsIgnoringCase(entry.name, key); };
  if (is("Model")) return options::ApplyTextCopy(entry, setup.model, failure);
  if (is("Language")) return options::ApplyTextCopy(entry, setup.language, failure);
  if (is("SFPSessionAccess")) {
    setup.sfpSessionAccessGiven = true;
    return options::ApplyBoolean(entry, setup.sfpSessionAccess, failure);
  }
  if (is("DebugSession")) return options::ApplyBoolean(entry, setup.debugSession, failure);
  if (is("allowMultipleSessions")) {
    setup.allowMultipleSessions = false;
    return options::ApplyBoolean(entry, setup.allowMultipleSessions, failure);
  }
  return VI_SUCCESS;
}

} // namespace

ViStatus ParseDriverSetup(const char *text, DriverSetupRecord &setup, Failure &failure) {
  return options::ForEachEntry(text, options::kDriverSetupSyntax, failure, [&](const Entry &entry) {
    return ApplyDriverSetupKey(entry, setup, failure);
  });
}

} // namespace zurouting
