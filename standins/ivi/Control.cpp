// The IviStandin_* control functions.
#include <string>

#include "CallGate.h"
#include "LogicalNameStore.h"
#include "SessionTable.h"
#include "TextUtil.h"
#include "ThreadState.h"
#include "ivi_standin.h"
#include "platform/IviEngine.h"

using namespace ivistandin;

namespace {

template <class Change> ViStatus ChangeSession(ViSession vi, Change &&change) {
  return RunGuarded([&] { return WithSession(vi, change) ? VI_SUCCESS : IVISTANDIN_ERROR_INVALID_SESSION; });
}

} // namespace

extern "C" ViStatus IviStandin_CreateSession(ViConstString resourceDescriptor, ViBoolean simulate,
                                             ViSession *newVi) {
  return RunGuarded([&] {
    if (newVi == nullptr) return IVISTANDIN_ERROR_NULL_POINTER;
    *newVi = 0;
    Session session;
    session.simulate = simulate != VI_FALSE;
    session.strings[IVI_ATTR_IO_RESOURCE_DESCRIPTOR] = TextOrEmpty(resourceDescriptor);
    session.strings[IVI_ATTR_DRIVER_SETUP] = "";
    *newVi = AddSession(std::move(session));
    return VI_SUCCESS;
  });
}

extern "C" ViStatus IviStandin_SetAttributeViString(ViSession vi, ViAttr attributeId, ViConstString value) {
  return ChangeSession(vi, [&](Session &session) { session.strings[attributeId] = TextOrEmpty(value); });
}

extern "C" ViStatus IviStandin_SetAttributeViInt32(ViSession vi, ViAttr attributeId, ViInt32 value) {
  return ChangeSession(vi, [&](Session &session) { session.ints[attributeId] = value; });
}

extern "C" ViStatus IviStandin_QueueInterchangeWarning(ViSession vi, ViConstString warning) {
  return ChangeSession(
      vi, [&](Session &session) { session.interchangeWarnings.push_back(TextOrEmpty(warning)); });
}

extern "C" ViBoolean IviStandin_SessionExists(ViSession vi) {
  const ViStatus status = ChangeSession(vi, [](Session &) {});
  return status == VI_SUCCESS ? VI_TRUE : VI_FALSE;
}

extern "C" ViInt32 IviStandin_SessionCount(void) { return static_cast<ViInt32>(SessionCount()); }

extern "C" ViInt32 IviStandin_CallCount(ViConstString functionName) {
  if (functionName == nullptr) return -1;
  const std::optional<EngineFunction> function = EngineFunctionNamed(functionName);
  return function ? CallCount(*function) : -1;
}

extern "C" ViStatus IviStandin_FailNextCall(ViConstString functionName, ViStatus status,
                                            ViBoolean afterWork) {
  return RunGuarded([&] {
    if (functionName == nullptr) return IVISTANDIN_ERROR_NULL_POINTER;
    const std::optional<EngineFunction> function = EngineFunctionNamed(functionName);
    if (!function) return IVISTANDIN_ERROR_INVALID_VALUE;
    std::optional<InjectedFailure> failure;
    if (status != VI_SUCCESS) failure = InjectedFailure{status, afterWork != VI_FALSE};
    SetInjectedFailure(*function, failure);
    return VI_SUCCESS;
  });
}

extern "C" ViStatus IviStandin_SetLogicalName(ViConstString logicalName, ViConstString resourceName,
                                              ViBoolean simulate, ViConstString driverSetup,
                                              ViConstString optionString) {
  return RunGuarded([&] {
    if (logicalName == nullptr) return IVISTANDIN_ERROR_NULL_POINTER;
    LogicalName entry;
    entry.name = Trim(logicalName);
    if (entry.name.empty()) return IVISTANDIN_ERROR_INVALID_VALUE;
    entry.resourceName = TextOrEmpty(resourceName);
    entry.simulate = simulate != VI_FALSE;
    entry.driverSetup = TextOrEmpty(driverSetup);
    entry.optionString = TextOrEmpty(optionString);
    DefineLogicalName(std::move(entry));
    return VI_SUCCESS;
  });
}

extern "C" ViStatus IviStandin_ClearLogicalName(ViConstString logicalName) {
  return RunGuarded([&] {
    if (logicalName == nullptr) {
      RemoveAllLogicalNames();
    } else {
      RemoveLogicalName(Trim(logicalName));
    }
    return VI_SUCCESS;
  });
}

extern "C" void IviStandin_Reset(void) {
  RunGuarded([] {
    RemoveAllSessions();
    RemoveAllLogicalNames();
    ResetCallGate();
    ForgetAllThreadStates();
    return VI_SUCCESS;
  });
}
