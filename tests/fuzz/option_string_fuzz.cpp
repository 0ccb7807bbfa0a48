// The resource name and option string of an open, as a caller hands them in:
// input "<resource name>\n<option string>". Plain names, the two logical
// names defined at start-up, every option keyword and the nested DriverSetup
// string are reachable. Also removes the DriverSetup option from the option
// text the way a logical-name open does.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <strings.h>

#include "FuzzSupport.h"
#include "ivi_standin.h"
#include "redirector/modules/OptionString.h"
#include "status/StatusCodes.h"

namespace {

using fuzzsupport::OneOf;
using zumodules::DriverSetupRecord;

constexpr ViStatus kUnknownName = ZUVEXA_ERROR_OPTION_UNKNOWN_NAME, kBadValue = ZUVEXA_ERROR_OPTION_BAD_VALUE;
constexpr ViStatus kInvalidMultibyte = -200811;

bool IsOptionTextFailure(ViStatus status) {
  return OneOf(status, {ZUVEXA_ERROR_OPTION_MISSING_NAME, ZUVEXA_ERROR_OPTION_MISSING_VALUE, kUnknownName,
                        kBadValue, ZUVEXA_ERROR_VALUE_COPY, ZUVEXA_ERROR_INVALID_LANGUAGE});
}

// A failure of the option text itself is recorded for the thread, with the
// offending name or value (trimmed, within its limit) as elaboration.
void CheckRecorded(ViStatus status) {
  if (!IsOptionTextFailure(status)) return;
  FUZZ_CHECK(fuzzsupport::RecordedPrimary() == status);
  const std::string elaboration = fuzzsupport::RecordedElaboration();
  if (status == kUnknownName || status == kBadValue)
    FUZZ_CHECK(!elaboration.empty() && elaboration.size() <= (status == kUnknownName ? 255u : 511u) &&
               fuzzsupport::IsTrimmed(elaboration));
}

void CheckInterpretation(const std::string &resource, const std::string &options) {
  Ivi_ClearErrorInfo(0);
  std::wstring deviceName;
  bool simulate = false;
  DriverSetupRecord setup;
  std::atomic<zumxl::LanguageId> language{zumxl::kGerman};
  const ViStatus status = zumodules::InterpretResourceAndOptions(
      zumodules::kDriverPrefix, resource.c_str(), options.c_str(), deviceName, simulate, setup, language);
  // The engine's own failures (such as a bad Simulate value of a logical
  // name's temporary session) come back as the engine reports them.
  FUZZ_CHECK(
      status == VI_SUCCESS || IsOptionTextFailure(status) ||
      OneOf(status, {ZUVEXA_ERROR_OUT_OF_MEMORY, kInvalidMultibyte, IVISTANDIN_ERROR_BAD_OPTION_VALUE}));
  CheckRecorded(status);
  if (status != VI_SUCCESS) return;
  FUZZ_CHECK(deviceName.size() <= 255 && language.load() < zumxl::kLanguageCount);
  fuzzsupport::CheckSetupTexts(setup);
}

// The result is the text with one span deleted: from the first
// "DriverSetup" (any case) up to and including the next ",", or to the end.
void CheckDriverSetupRemoval(const std::string &options) {
  char text[zumodules::kEngineTextSize] = {};
  const std::string original = options.substr(0, strnlen(options.c_str(), sizeof text - 1));
  std::memcpy(text, original.data(), original.size());
  zumodules::RemoveDriverSetupOption(text);
  std::string expected = original;
  for (size_t at = 0; at + 11 <= original.size(); ++at) {
    if (strncasecmp(original.c_str() + at, "DriverSetup", 11) != 0) continue;
    const size_t comma = original.find(',', at);
    expected.erase(at, comma == std::string::npos ? std::string::npos : comma + 1 - at);
    break;
  }
  FUZZ_CHECK(expected == text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  IviStandin_SetLogicalName("LogicalAnalyzer", "PXI1Slot2", VI_FALSE, "Model:Q101;Language:de",
                            "RangeCheck=0");
  IviStandin_SetLogicalName("SimBench", "PXI1Slot4", VI_TRUE, "Language:jp", "");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  // C callers hand in NUL-terminated texts: an inner NUL ends the text.
  const std::string input(reinterpret_cast<const char *>(data), size);
  const size_t split = input.find('\n');
  const std::string resource = input.substr(0, split),
                    options = split == std::string::npos ? "" : input.substr(split + 1);
  CheckInterpretation(resource.c_str(), options.c_str());
  CheckDriverSetupRemoval(options.c_str());
  return 0;
}
