// The two exported text-attribute reads. Their positive results are needed
// buffer sizes and go back to the caller unrecorded; the supported-models
// attribute is answered by the library itself.
#include "dvlShared/ErrorText.h"
#include "redirector/api/EntryResult.h"
#include "redirector/api/ExportDeclarations.h"
#include "redirector/api/SupportedModelsText.h"
#include "status/StatusCodes.h"

namespace zuapi {
namespace {

// The models text under the IVI buffer rule (a negative size copies without
// a check, as the IVI convention has it). The attribute has no channels.
ViStatus AnswerSupportedModels(ViConstString channelName, ViInt32 bufSize, ViChar *value) {
  if (channelName != nullptr && channelName[0] != '\0') return ZUVEXA_ERROR_CHANNEL_NOT_ALLOWED;
  return dvlShared::CopyToUserBuffer(SupportedModelsText().c_str(), bufSize, value);
}

ViStatus ReadStringAttribute(ViSession vi, ViConstString channelName, ViAttr attributeId, ViInt32 bufSize,
                             ViChar *value) {
  if (attributeId != kSupportedModelsAttribute)
    return ForwardReturningEntryResult<&zumodules::EntryPointSlots::GetAttributeViString,
                                       EntryErrors::Record>(vi, channelName, attributeId, bufSize, value);
  const zumodules::EntryPointTable *table = nullptr;
  ViStatus status = LookUpSession(vi, table);
  if (status < 0) return status;
  ViStatus result = AnswerSupportedModels(channelName, bufSize, value);
  if (result < 0) Ivi_SetErrorInfo(vi, VI_FALSE, result, 0, nullptr);
  return result;
}

} // namespace
} // namespace zuapi

using namespace zuapi;

ViStatus zuVEXA_GetAttributeViString(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                     ViInt32 bufSize, ViChar *value) {
  return Guard([&] {
    return zutrace::Traced<zutrace::sites::zuVEXA_GetAttributeViString>(
        vi, [&] { return ReadStringAttribute(vi, channelName, attributeId, bufSize, value); }, vi,
        channelName, attributeId, bufSize, value);
  });
}

ViStatus zuVEXA_GetDesiredAttributeViString(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                            ViInt32 bufSize, ViChar *value) {
  return Guard([&] {
    return ForwardReturningEntryResult<&zumodules::EntryPointSlots::GetDesiredAttributeViString,
                                       EntryErrors::Record>(vi, channelName, attributeId, bufSize, value);
  });
}
