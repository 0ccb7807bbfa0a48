// Ivi_GetInfoFromResourceName, Ivi_SpecificDriverNew, Ivi_Simulating,
// Ivi_Dispose.
#include <string>

#include "CallGate.h"
#include "LogicalNameStore.h"
#include "OptionText.h"
#include "SessionTable.h"
#include "TextUtil.h"
#include "ThreadState.h"
#include "platform/IviEngine.h"

using namespace ivistandin;

namespace {

constexpr size_t kResolvedTextCapacity = 256;

ViStatus WriteResolved(const std::string &resourceName, const std::string &optionString,
                       ViChar newResourceName[], ViChar newOptionString[]) {
  bool cut = CopyCut(resourceName, kResolvedTextCapacity, newResourceName);
  cut = CopyCut(optionString, kResolvedTextCapacity, newOptionString) || cut;
  return cut ? IVISTANDIN_WARNING_TEXT_TRUNCATED : VI_SUCCESS;
}

// The option string decides over the settings of the logical name the
// calling thread resolved last, if any.
Session TemporarySession(ViConstString prefix, const EngineOptions &options) {
  const std::optional<LogicalName> &logical = CurrentThreadState().lastLogicalName;
  Session session;
  session.simulate = options.simulate.value_or(logical && logical->simulate);
  session.strings[IVI_ATTR_DRIVER_SETUP] =
      options.driverSetup.value_or(logical ? logical->driverSetup : std::string());
  session.strings[IVI_ATTR_IO_RESOURCE_DESCRIPTOR] = logical ? logical->resourceName : "";
  session.strings[IVISTANDIN_ATTR_SPECIFIC_DRIVER_PREFIX] = prefix;
  if (logical) session.strings[IVISTANDIN_ATTR_LOGICAL_NAME] = logical->name;
  return session;
}

} // namespace

// A logical name resolves to its configured resource name and to its
// configured option string followed by the caller's; the calling thread
// remembers it for Ivi_SpecificDriverNew. Any other name is passed through.
extern "C" ViStatus Ivi_GetInfoFromResourceName(ViRsrc resourceName, ViString optionString,
                                                ViChar newResourceName[], ViChar newOptionString[],
                                                ViBoolean *isLogicalName) {
  return RunEngineCall(EngineFunction::GetInfoFromResourceName, [&] {
    std::optional<LogicalName> &remembered = CurrentThreadState().lastLogicalName;
    remembered.reset();
    if (resourceName == nullptr || newResourceName == nullptr || newOptionString == nullptr ||
        isLogicalName == nullptr) {
      return IVISTANDIN_ERROR_NULL_POINTER;
    }
    const std::string callerOptions = TextOrEmpty(optionString);
    std::optional<LogicalName> logical = FindLogicalName(Trim(resourceName));
    *isLogicalName = logical ? VI_TRUE : VI_FALSE;
    if (!logical) return WriteResolved(resourceName, callerOptions, newResourceName, newOptionString);
    const ViStatus status =
        WriteResolved(logical->resourceName, CombineOptionStrings(logical->optionString, callerOptions),
                      newResourceName, newOptionString);
    remembered = std::move(logical);
    return status;
  });
}

extern "C" ViStatus Ivi_SpecificDriverNew(ViConstString specificPrefix, ViConstString optionString,
                                          ViSession *newVi) {
  if (newVi != nullptr) *newVi = 0;
  return RunEngineCall(EngineFunction::SpecificDriverNew, [&] {
    if (specificPrefix == nullptr || newVi == nullptr) return IVISTANDIN_ERROR_NULL_POINTER;
    EngineOptions options;
    const ViStatus status = ParseEngineOptions(TextOrEmpty(optionString), options);
    if (status != VI_SUCCESS) return status;
    *newVi = AddSession(TemporarySession(specificPrefix, options));
    return VI_SUCCESS;
  });
}

extern "C" ViBoolean Ivi_Simulating(ViSession vi) {
  try {
    const std::optional<InjectedFailure> failure = EnterEngineFunction(EngineFunction::Simulating);
    if (failure) return static_cast<ViBoolean>(failure->status);
    bool simulating = false;
    WithSession(vi, [&](Session &session) { simulating = session.simulate; });
    return simulating ? VI_TRUE : VI_FALSE;
  } catch (...) {
    return VI_FALSE;
  }
}

extern "C" ViStatus Ivi_Dispose(ViSession vi) {
  return RunEngineCall(EngineFunction::Dispose,
                       [&] { return RemoveSession(vi) ? VI_SUCCESS : IVISTANDIN_ERROR_INVALID_SESSION; });
}

// The optional list of the configuration store's names (see IviEngine.h).
extern "C" ViStatus Ivi_GetLogicalNames(ViInt32 bufferSize, ViChar names[]) {
  return RunGuarded([&] {
    std::string list;
    for (const std::string &name : LogicalNameList()) list += (list.empty() ? "" : ",") + name;
    return CopyWithBufferRule(list, bufferSize, names);
  });
}
