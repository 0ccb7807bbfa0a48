// The exported open functions.
#include "platform/IviEngine.h"
#include "redirector/api/ExportDeclarations.h"
#include "redirector/api/OpenFrame.h"
#include "redirector/api/SessionOpen.h"
#include "status/StatusCodes.h"

namespace zuapi {
namespace {

constexpr zutrace::CallSite kInitSite{0, "zuVEXA_init"};
constexpr zutrace::CallSite kInitWithOptionsSite{1, "zuVEXA_InitWithOptions"};
constexpr zutrace::CallSite kInitExtCalSite{2, "zuVEXA_InitExtCal"};
constexpr zutrace::CallSite kAlignmentSite{131, "zuVEXA_InitializeExternalAlignment"};

ViStatus OpenNormal(const zutrace::CallSite &site, const OpenArguments &args, ViSession *newVi) {
  return RunOpenFrame(site, args.resourceName, newVi,
                      [&](bool &fromCache) { return CreateSession(args, newVi, fromCache); });
}

// zuVEXA_init reports the backend's ZUVEXA_ERROR_INIT_FROM_BACKEND as
// ZUVEXA_ERROR_INIT_REPORTED, overriding the error already recorded.
ViStatus MapInitStatus(ViStatus status) {
  if (status != ZUVEXA_ERROR_INIT_FROM_BACKEND) return status;
  Ivi_SetErrorInfo(0, VI_TRUE, ZUVEXA_ERROR_INIT_REPORTED, 0, "");
  return ZUVEXA_ERROR_INIT_REPORTED;
}

} // namespace

ViStatus OpenWithInit(ViConstString resourceName, ViBoolean idQuery, ViBoolean reset, bool graphical,
                      ViSession *newVi) {
  OpenArguments args{resourceName, idQuery, reset, "", nullptr, graphical};
  return MapInitStatus(OpenNormal(kInitSite, args, newVi));
}

ViStatus OpenWithOptions(ViConstString resourceName, ViBoolean idQuery, ViBoolean reset,
                         ViConstString optionString, bool graphical, ViSession *newVi) {
  OpenArguments args{resourceName, idQuery, reset, optionString, nullptr, graphical};
  return OpenNormal(kInitWithOptionsSite, args, newVi);
}

} // namespace zuapi

using namespace zuapi;

ViStatus zuVEXA_init(ViConstString resourceName, ViBoolean IDQuery, ViBoolean reset, ViSession *newVi) {
  return Guard([&] { return OpenWithInit(resourceName, IDQuery, reset, false, newVi); });
}

ViStatus zuVEXA_InitWithOptions(ViConstString resourceName, ViBoolean IDQuery, ViBoolean reset,
                                ViConstString optionString, ViSession *newVi) {
  return Guard([&] { return OpenWithOptions(resourceName, IDQuery, reset, optionString, false, newVi); });
}

ViStatus zuVEXA_InitExtCal(ViConstString resourceName, ViConstString password,
                           ViConstString optionString, ViSession *newVi) {
  return Guard([&] {
    OpenArguments args{resourceName, VI_FALSE, VI_FALSE, optionString, password};
    return RunOpenFrame(kInitExtCalSite, resourceName, newVi, [&](bool &fromCache) {
      return CreateExtCalSession(args, newVi, fromCache);
    });
  });
}

ViStatus zuVEXA_InitializeExternalAlignment(ViConstString resourceName, ViConstString optionString,
                                            ViSession *newVi) {
  return Guard([&] {
    OpenArguments args{resourceName, VI_FALSE, VI_FALSE, optionString};
    return RunOpenFrame(kAlignmentSite, resourceName, newVi, [&](bool &fromCache) {
      return CreateAlignmentSession(args, newVi, fromCache);
    });
  });
}

// A server opens without tracing, without the retry and without the
// zuVEXA_init status mapping; the fifth argument is not used.
ViStatus InitializeSessionForServer(ViConstString resourceName, ViBoolean IDQuery, ViBoolean reset,
                                    ViConstString optionString, void *data1, ViSession *newVi) {
  return Guard([&] {
    bool fromCache = false;
    return CreateSession({resourceName, IDQuery, reset, optionString}, newVi, fromCache);
  });
}
