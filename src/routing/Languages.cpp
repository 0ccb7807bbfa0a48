#include "routing/Languages.h"

#include <strings.h>

#include "status/StatusCodes.h"

namespace zurouting {
namespace {

constexpr const char *kNames[3][7] = {
    {"en", "fr", "de", "jp", "ko", "ch", "zz"},
    {"eng", "fra", "deu", "jpn", "kor", "chs", "zzz"},
    {"English", "French", "German", "Japanese", "Korean", "ChineseS", "Invalid"},
};

} // namespace

const char *LanguageName(LanguageId id, uint32_t nameKind) {
  if (nameKind > kLongName || id > kInvalidLanguage) return nullptr;
  return kNames[nameKind][id];
}

LanguageId LanguageFromName(const char *name, uint32_t nameKind) {
  if (name == nullptr || nameKind > kLongName) return kInvalidLanguage;
  for (LanguageId id = 0; id < kLanguageCount; ++id)
    if (strcasecmp(name, kNames[nameKind][id]) == 0) return id;
  return kInvalidLanguage;
}

ViStatus SetLanguage(LanguageId &out, LanguageId id) {
  if (id == kInvalidLanguage) return ZUVEXA_ERROR_INVALID_LANGUAGE;
  out = id;
  return VI_SUCCESS;
}

} // namespace zurouting
