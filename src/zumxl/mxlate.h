// Error languages (kept in routing/) and the mapping of shared platform
// status codes into the driver's own status range.
#pragma once

#include <cstdint>

#include "routing/Languages.h"
#include "zuVEXAtypes.h"

namespace zumxl {

// The languages, named here as the translators use them.
using zurouting::DefaultLanguage;
using zurouting::kChineseS;
using zurouting::kEnglish;
using zurouting::kFrench;
using zurouting::kGerman;
using zurouting::kInvalidLanguage;
using zurouting::kJapanese;
using zurouting::kKorean;
using zurouting::kLanguageCount;
using zurouting::kLongName;
using zurouting::kThreeLetter;
using zurouting::kTwoLetter;
using zurouting::LanguageFromName;
using zurouting::LanguageId;
using zurouting::LanguageName;
using zurouting::LanguageNameKind;
using zurouting::SetLanguage;

// The platform layer's own codes (the -52000 family): base, limit and offset
// of their image in the driver's range.
struct PlatformRange {
  uint32_t base = 52000;
  uint32_t limit = 52256;
  uint32_t offset = 0x9400;
};
PlatformRange &PlatformCodeRange();

ViStatus MapErrorCode(ViStatus code);
ViStatus UnmapErrorCode(ViStatus image);

} // namespace zumxl
