// The DriverSetup string ("Key:Value;..."), parsed on its own, twice into
// the same record as an option string with two DriverSetup entries would.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "redirector/modules/OptionString.h"
#include "status/StatusCodes.h"

namespace {

using fuzzsupport::OneOf;

void CheckRecord(const zumodules::DriverSetupRecord &setup, uint32_t maxEntries) {
  FUZZ_CHECK(setup.entryCount <= maxEntries);
  fuzzsupport::CheckSetupTexts(setup);
  if (!setup.sfpSessionAccessGiven) FUZZ_CHECK(!setup.sfpSessionAccess);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::string input(reinterpret_cast<const char *>(data), size);
  const char *text = input.c_str(); // an inner NUL ends the text
  const auto entries = static_cast<uint32_t>(std::count(text, text + std::strlen(text), ';') + 1);

  zumodules::DriverSetupRecord setup;
  for (uint32_t round = 1; round <= 2; ++round) {
    Ivi_ClearErrorInfo(0);
    const ViStatus status = zumodules::ParseDriverSetup(0, text, setup);
    FUZZ_CHECK(status == VI_SUCCESS ||
               OneOf(status, {ZUVEXA_ERROR_OPTION_MISSING_NAME, ZUVEXA_ERROR_OPTION_MISSING_VALUE,
                              ZUVEXA_ERROR_OPTION_BAD_VALUE, ZUVEXA_ERROR_VALUE_COPY}));
    if (status != VI_SUCCESS) FUZZ_CHECK(fuzzsupport::RecordedPrimary() == status);
    if (status == ZUVEXA_ERROR_OPTION_BAD_VALUE) FUZZ_CHECK(fuzzsupport::RecordedElaboration().size() <= 511);
    CheckRecord(setup, entries * round);
  }
  return 0;
}
