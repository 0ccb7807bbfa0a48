#include "zuxlatormgr/DefaultTranslator.h"

#include <cstring>
#include <new>
#include <string>

#include "zuapal/zuapalerr.h"
#include "zusysq/stdpath_util.h"
#include "zuxlator/StatusDetail.h"
#include "zuxlator/gxErrorsParser.h"

namespace zuxlator {
namespace {

constexpr uint32_t kEnglish = 0;

// Searches errorsDir in `language`, then in English: a search that fails or
// finds nothing in another language is repeated in English; a failure in
// English is the caller's. `language` ends as the last one tried.
bool FindWithEnglishFallback(const std::string &errorsDir, ViStatus code, uint32_t &language,
                             std::string &description, zuerr::Status &status) {
  for (;;) {
    zuerr::Status search;
    FindErrorDescriptionInErrorsDir(errorsDir.c_str(), code, language, description, search);
    if (zuerr::IsError(search)) {
      if (language == kEnglish) {
        zuerr::MergeInto(status, search);
        return false;
      }
    } else if (!description.empty() || language == kEnglish) {
      return true;
    }
    language = kEnglish;
  }
}

void NotFound(zuerr::Status &status, ViStatus code, uint32_t language, uint32_t ade) {
  jsonz::Cursor cursor =
      DetailObject(status, ZUERR_SET(status, zuapalerr_resourceNotFound), "zuxlator_debug");
  jsonz::PutString(cursor, "zuxlator_defaultTranslator", "couldn't find description for code");
  jsonz::PutInt(cursor, "code", code);
  jsonz::PutU64(cursor, "lang", language);
  jsonz::PutU64(cursor, "ade", ade);
}

char *CopyOut(const std::string &description, AllocFn alloc, void *allocContext, zuerr::Status &status) {
  auto *result = static_cast<char *>(alloc(nullptr, description.size() + 1, allocContext, &status));
  if (zuerr::IsError(status) || result == nullptr) return nullptr;
  std::memcpy(result, description.c_str(), description.size() + 1);
  return result;
}

char *DefaultStaticDesc(TranslatorFunctions *, ViStatus code, uint32_t langWord, AllocFn alloc,
                        void *allocContext, zuerr::Status *status) {
  if (zuerr::IsError(*status)) return nullptr;
  try {
    std::string errorsDir;
    zusysq::LookupVariable("_zuSharedDir", errorsDir, *status);
    errorsDir += "/errors";
    uint32_t language = LanguageOf(langWord);
    std::string description;
    if (!FindWithEnglishFallback(errorsDir, code, language, description, *status)) return nullptr;
    if (description.empty()) {
      NotFound(*status, code, language, AdeOf(langWord));
      return nullptr;
    }
    return CopyOut(description, alloc, allocContext, *status);
  } catch (const std::bad_alloc &) {
    ZUERR_SET(*status, zuapalerr_memoryFull);
    return nullptr;
  }
}

void DestroyNothing(TranslatorFunctions *) {}

TranslatorFunctions gDefaultTranslator{kTranslatorFunctionsSize, DestroyNothing, DefaultStaticDesc, nullptr};

} // namespace

TranslatorFunctions *CreateDefaultTranslator(const char *, const char *, zuerr::Status &status) {
  return zuerr::IsError(status) ? nullptr : &gDefaultTranslator;
}

} // namespace zuxlator
