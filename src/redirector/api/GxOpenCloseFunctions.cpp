// The graphical environment's open and close wrappers: they return the
// error description with the status.
#include "platform/IviEngine.h"
#include "redirector/api/ExportDeclarations.h"
#include "redirector/api/OpenFrame.h"
#include "redirector/api/SessionOpen.h"

namespace zuapi {
namespace {

// Runs one open or close with a clean thread error record; on failure
// records the status for `errorSession()` and fills the description.
template <class Call, class Session>
ViStatus WithErrorDescription(Call &&call, Session &&errorSession, ViInt32 size, ViChar *description) {
  Ivi_ClearErrorInfo(0);
  ViStatus status = call();
  if (status == VI_SUCCESS) return status;
  ViSession vi = errorSession();
  Ivi_SetErrorInfo(vi, VI_FALSE, status, 0, nullptr);
  zuVEXA_GetError(vi, &status, size, description);
  return status;
}

auto NewSessionOf(ViSession *newVi) {
  return [newVi] { return newVi != nullptr ? *newVi : ViSession(0); };
}
auto ThreadSession() {
  return [] { return ViSession(0); };
}

// The environment passes booleans as 32-bit integers; their low 16 bits count.
ViBoolean Low16(ViInt32 value) { return static_cast<ViBoolean>(value & 0xFFFF); }

} // namespace
} // namespace zuapi

using namespace zuapi;

ViStatus GX_zuVEXA_init(ViConstString resourceName, ViInt32 IDQuery, ViInt32 reset, ViSession *newVi,
                        ViInt32 errorDescriptionBufferSize, ViChar *errorDescription) {
  return Guard([&] {
    return WithErrorDescription(
        [&] { return OpenWithInit(resourceName, Low16(IDQuery), Low16(reset), true, newVi); },
        NewSessionOf(newVi), errorDescriptionBufferSize, errorDescription);
  });
}

ViStatus GX_zuVEXA_InitWithOptions(ViConstString resourceName, ViInt32 IDQuery, ViInt32 reset,
                                   ViConstString optionString, ViSession *newVi,
                                   ViInt32 errorDescriptionBufferSize, ViChar *errorDescription) {
  return Guard([&] {
    return WithErrorDescription(
        [&] {
          return OpenWithOptions(resourceName, Low16(IDQuery), Low16(reset), optionString, true, newVi);
        },
        NewSessionOf(newVi), errorDescriptionBufferSize, errorDescription);
  });
}

ViStatus GX_zuVEXA_initExtCal(ViConstString resourceName, ViConstString password, ViConstString optionString,
                              ViSession *newVi, ViInt32 errorDescriptionBufferSize,
                              ViChar *errorDescription) {
  return Guard([&] {
    return WithErrorDescription(
        [&] { return zuVEXA_InitExtCal(resourceName, password, optionString, newVi); }, NewSessionOf(newVi),
        errorDescriptionBufferSize, errorDescription);
  });
}

// Opens a calibration session through the tov module whatever the device's
// model says; the open frame runs without tracing.
ViStatus GX_zuVEXA_initExtCalTovInternal(ViConstString resourceName, ViConstString password,
                                         ViConstString optionString, ViSession *newVi,
                                         ViInt32 errorDescriptionBufferSize, ViChar *errorDescription) {
  return Guard([&] {
    OpenArguments args{resourceName, VI_FALSE, VI_FALSE, optionString, password};
    auto open = [&] {
      return RunOpenFrame<zutrace::sites::GX_zuVEXA_initExtCalTovInternal>(
          resourceName, [&](bool &fromCache) { return CreateExtCalSession(args, newVi, fromCache, true); },
          resourceName, password, optionString, newVi, errorDescriptionBufferSize, errorDescription);
    };
    return WithErrorDescription(open, NewSessionOf(newVi), errorDescriptionBufferSize, errorDescription);
  });
}

ViStatus GX_zuVEXA_InitializeExternalAlignment(ViConstString resourceName, ViConstString optionString,
                                               ViSession *newVi, ViInt32 errorDescriptionBufferSize,
                                               ViChar *errorDescription) {
  return Guard([&] {
    return WithErrorDescription(
        [&] { return zuVEXA_InitializeExternalAlignment(resourceName, optionString, newVi); },
        NewSessionOf(newVi), errorDescriptionBufferSize, errorDescription);
  });
}

ViStatus GX_zuVEXA_close(ViSession vi, ViInt32 errorDescriptionBufferSize, ViChar *errorDescription) {
  return Guard([&] {
    return WithErrorDescription([&] { return zuVEXA_close(vi); }, ThreadSession(), errorDescriptionBufferSize,
                                errorDescription);
  });
}

ViStatus GX_zuVEXA_closeExtCal(ViSession vi, ViInt32 action, ViInt32 errorDescriptionBufferSize,
                               ViChar *errorDescription) {
  return Guard([&] {
    return WithErrorDescription([&] { return zuVEXA_CloseExtCal(vi, action); }, ThreadSession(),
                                errorDescriptionBufferSize, errorDescription);
  });
}

ViStatus GX_zuVEXA_CloseExternalAlignment(ViSession vi, ViInt32 action, ViInt32 errorDescriptionBufferSize,
                                          ViChar *errorDescription) {
  return Guard([&] {
    return WithErrorDescription([&] { return zuVEXA_CloseExternalAlignment(vi, action); }, ThreadSession(),
                                errorDescriptionBufferSize, errorDescription);
  });
}
