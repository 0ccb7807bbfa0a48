// The exported open functions.
#include "platform/IviEngine.h"
#include "redirector/api/ExportDeclarations.h"
#include "redirector/api/OpenFrame.h"
#include "redirector/api/SessionOpen.h"
#include "status/StatusCodes.h"

namespace zuapi {
namespace {

template <const zutrace::CallSite &Site, class... Traced>
ViStatus OpenNormal(const OpenArguments &args, ViSession *newVi, const Traced &...traced) {
  return RunOpenFrame<Site>(
      args.resourceName, [&](bool &fromCache) { return CreateSession(args, newVi, fromCache); }, traced...);
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
  return MapInitStatus(
      OpenNormal<zutrace::sites::zuVEXA_init>(args, newVi, resourceName, idQuery, reset, newVi));
}

ViStatus OpenWithOptions(ViConstString resourceName, ViBoolean idQuery, ViBoolean reset,
                         ViConstString optionString, bool graphical, ViSession *newVi) {
  OpenArguments args{resourceName, idQuery, reset, optionString, nullptr, graphical};
  return OpenNormal<zutrace::sites::zuVEXA_InitWithOptions>(args, newVi, resourceName, idQuery, reset,
                                                            optionString, newVi);
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

ViStatus zuVEXA_InitExtCal(ViConstString resourceName, ViConstString password, ViConstString optionString,
                           ViSession *newVi) {
  return Guard([&] {
    OpenArguments args{resourceName, VI_FALSE, VI_FALSE, optionString, password};
    return RunOpenFrame<zutrace::sites::zuVEXA_InitExtCal>(
        resourceName, [&](bool &fromCache) { return CreateExtCalSession(args, newVi, fromCache); },
        resourceName, password, optionString, newVi);
  });
}

ViStatus zuVEXA_InitializeExternalAlignment(ViConstString resourceName, ViConstString optionString,
                                            ViSession *newVi) {
  return Guard([&] {
    OpenArguments args{resourceName, VI_FALSE, VI_FALSE, optionString};
    return RunOpenFrame<zutrace::sites::zuVEXA_InitializeExternalAlignment>(
        resourceName, [&](bool &fromCache) { return CreateAlignmentSession(args, newVi, fromCache); },
        resourceName, optionString, newVi);
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
