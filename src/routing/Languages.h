// The six error languages and their names.
#pragma once

#include <cstdint>

#include "zuVEXAtypes.h"

namespace zurouting {

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

} // namespace zurouting
