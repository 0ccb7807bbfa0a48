// The graphical environment's relay operation counts: three outputs the
// module fills; the library checks only that they are given.
#include "redirector/api/EntryResult.h"
#include "redirector/api/ExportDeclarations.h"
#include "status/StatusCodes.h"

using namespace zuapi;

ViStatus GX_zuVEXA_Get_Relay_Operation_Counts(ViSession vi, void *valuePtr1, void *valuePtr2,
                                              void *valuePtr3) {
  return Guard([&] {
    if (valuePtr1 == nullptr || valuePtr2 == nullptr || valuePtr3 == nullptr) {
      Ivi_SetErrorInfo(vi, VI_FALSE, ZUVEXA_ERROR_NULL_POINTER, 0, nullptr);
      return ZUVEXA_ERROR_NULL_POINTER;
    }
    return ForwardReturningEntryResult<&zumodules::EntryPointSlots::GX_Get_Relay_Operation_Counts,
                                       EntryErrors::Ignore>(vi, valuePtr1, valuePtr2, valuePtr3);
  });
}
