// Opening sessions: find the device, acquire its backend module, let the
// module's init entry point create the IVI session, and register it.
#pragma once

#include <string>

#include "redirector/api/SessionRegistry.h"
#include "zuVEXAtypes.h"

namespace zuapi {

inline constexpr char kDriverPrefix[] = "zuVEXA";
inline constexpr ViInt32 kExtCalCloseAction = 1500;
inline constexpr ViInt32 kAlignmentCloseAction = 3100;

struct OpenArguments {
  ViConstString resourceName = nullptr;
  ViBoolean idQuery = VI_FALSE;
  ViBoolean reset = VI_FALSE;
  ViConstString optionString = nullptr;
  ViConstString password = nullptr;
  bool graphicalEnvironment = false;
};

// A normal session. On failure newVi (when not null) is 0 and no backend
// session created by this attempt stays open.
ViStatus CreateSession(const OpenArguments &args, ViSession *newVi, bool &fromCache);

// A calibration session; forceTov opens through the tov module whatever the
// device's model says.
ViStatus CreateExtCalSession(const OpenArguments &args, ViSession *newVi, bool &fromCache,
                             bool forceTov = false);
ViStatus CreateAlignmentSession(const OpenArguments &args, ViSession *newVi, bool &fromCache);

// Closes a session the way its kind is closed; handed to the backend
// modules so they can close sessions through the library.
ViStatus CloseSessionByKind(ViSession vi);

// Closes an earlier normal session of this process on the same device.
void CloseStaleSession(const std::wstring &deviceIdentifier);

// The open frames behind zuVEXA_init and zuVEXA_InitWithOptions, with the
// graphical-environment flag their wrappers set.
ViStatus OpenWithInit(ViConstString resourceName, ViBoolean idQuery, ViBoolean reset, bool graphical,
                      ViSession *newVi);
ViStatus OpenWithOptions(ViConstString resourceName, ViBoolean idQuery, ViBoolean reset,
                         ViConstString optionString, bool graphical, ViSession *newVi);

} // namespace zuapi
