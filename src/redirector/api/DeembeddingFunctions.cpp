// The de-embedding queries: the number of ports of the active table and its
// S-parameters, read through the module's attribute entries.
#include "platform/IviEngine.h"
#include "redirector/api/CallFrame.h"
#include "redirector/api/ExportDeclarations.h"
#include "status/StatusCodes.h"

namespace zuapi {
namespace {

using zumodules::EntryPointSlots;

constexpr ViAttr kDeembeddingSparameters = 1100341;
constexpr ViAttr kDeembeddingNumberOfPorts = 1100342;

// Records an invalid argument of the function at parameter `position`.
ViStatus InvalidArgument(ViSession vi, ViInt32 position, ViConstString name) {
  Ivi_SetErrorInfo(vi, VI_FALSE, ZUVEXA_ERROR_INVALID_PARAMETER, Ivi_ParamPositionError(position), name);
  return ZUVEXA_ERROR_INVALID_PARAMETER;
}

ViStatus ReadNumberOfPorts(ViSession vi, ViInt32 *numberOfPorts) {
  if (numberOfPorts == nullptr) return InvalidArgument(vi, 2, "numberOfPorts");
  *numberOfPorts = 0;
  return ForwardUntraced<&EntryPointSlots::GetAttributeViInt32>(vi, static_cast<ViConstString>(""),
                                                                kDeembeddingNumberOfPorts, numberOfPorts);
}

// Both counts, then the values when the caller's array holds them all. An
// array too small for the values is refused before anything is fetched.
ViStatus ReadSparameters(ViSession vi, ZUComplexNumber *sparameters, ViInt32 sparametersArraySize,
                         ViInt32 *numberOfSparameters, ViInt32 *numberOfPorts) {
  if (numberOfSparameters == nullptr) return InvalidArgument(vi, 4, "numberOfSparameters");
  if (numberOfPorts == nullptr) return InvalidArgument(vi, 5, "numberOfPorts");
  *numberOfSparameters = 0;
  *numberOfPorts = 0;
  const zumodules::EntryPointTable *table = nullptr;
  ViStatus status = LookUpSession(vi, table);
  if (status < 0) return status;
  auto readArray = table->slots.GetAttributeZUComplexNumberArray;
  auto readInt32 = table->slots.GetAttributeViInt32;
  if (readArray == nullptr || readInt32 == nullptr) return MissingEntry(vi, *table);

  ViStatus count = readArray(vi, "", kDeembeddingSparameters, 0, nullptr);
  if (count < 0) return MergeStatus(status, vi, count);
  *numberOfSparameters = count;
  status = VI_SUCCESS;
  if (MergeStatus(status, vi, readInt32(vi, "", kDeembeddingNumberOfPorts, numberOfPorts)) < 0) return status;

  if (sparametersArraySize == 0) return status; // size query
  // A negative size is smaller than any count, so it never fetches either.
  if (sparametersArraySize < count) return InvalidArgument(vi, 3, "sparametersArraySize");
  status = readArray(vi, "", kDeembeddingSparameters, count, sparameters);
  if (status < 0) Ivi_SetErrorInfo(vi, VI_FALSE, status, 0, nullptr);
  return status;
}

} // namespace
} // namespace zuapi

using namespace zuapi;

ViStatus zuVEXA_GetDeembeddingTableNumberOfPorts(ViSession vi, ViInt32 *numberOfPorts) {
  return Guard([&] {
    return zutrace::Traced<zutrace::sites::zuVEXA_GetDeembeddingTableNumberOfPorts>(
        vi, [&] { return ReadNumberOfPorts(vi, numberOfPorts); }, vi, numberOfPorts);
  });
}

ViStatus zuVEXA_GetDeembeddingSparameters(ViSession vi, ZUComplexNumber *sparameters,
                                          ViInt32 sparametersArraySize, ViInt32 *numberOfSparameters,
                                          ViInt32 *numberOfPorts) {
  return Guard([&] {
    return zutrace::Traced<zutrace::sites::zuVEXA_GetDeembeddingSparameters>(
        vi,
        [&] {
          return ReadSparameters(vi, sparameters, sparametersArraySize, numberOfSparameters, numberOfPorts);
        },
        vi, sparameters, sparametersArraySize, numberOfSparameters, numberOfPorts);
  });
}
