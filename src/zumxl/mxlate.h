// Error languages and the mapping of shared platform status codes into the
// driver's own status range.
#pragma once

#include <cstdint>

#include "zuVEXAtypes.h"

namespace zumxl {

using LanguageId = uint32_t;

enum : LanguageId {
  kEnglish = 0,
  kFrench = 1,
  kGerman = 2,
  kJapanese = 3,
  kKorean = 4,
  kChineseS = 5,
  kInvalidLanguage = 6,
  kLanguageCount = 6, // valid languages
};

enum LanguageNameKind : uint32_t { kTwoLetter = 0, kThreeLetter = 1, kLongName = 2 };

// Name of a language (row 6 holds the names of the invalid language); null
// for an id or kind out of range. The long name is also the name of the
// language's folder of error description files.
const char *LanguageName(LanguageId id, uint32_t nameKind);

// Case-insensitive match against the six valid names of the kind; 6 when
// nothing matches or the kind is unknown.
LanguageId LanguageFromName(const char *name, uint32_t nameKind);

// Stores id unless it is the invalid language (ZUVEXA_ERROR_INVALID_LANGUAGE,
// out unchanged).
ViStatus SetLanguage(LanguageId &out, LanguageId id);

inline constexpr LanguageId DefaultLanguage() { return kEnglish; }

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
