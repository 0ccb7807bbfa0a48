// Translator sessions for the tests, the texts translators hand out, and a
// translator kind of the tests' own.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "zuxlator/zuxlator.h"
#include "zuxlatormgr/Registration.h"

namespace translatortest {

struct SessionDeleter {
  void operator()(zuxlator::Session *session) const { zuxlator::DestroySession(session); }
};
using SessionPtr = std::unique_ptr<zuxlator::Session, SessionDeleter>;

inline SessionPtr NewSession() {
  zuerr::Status status;
  SessionPtr session(zuxlator::CreateSession(status));
  EXPECT_EQ(status.code, 0);
  return session;
}

// A text a translator allocated, "<null>" for none; freed.
inline std::string Taken(char *text) {
  std::string result = text != nullptr ? text : "<null>";
  zuxlator::Alloc(text, 0, nullptr, nullptr);
  return result;
}

// Registered while the object lives: static descriptions "desc <code>" (or
// the text set for a code), and a dynamic report set by the test.
class FakeTranslatorKind {
public:
  explicit FakeTranslatorKind(const char *name, bool describes = true)
      : describes_(describes), node_(name, "{}", &Create) {
    current_ = this;
  }
  ~FakeTranslatorKind() { current_ = nullptr; }

  std::map<ViStatus, std::string> staticTexts;
  std::string report = "{}";
  int created = 0, destroyed = 0;
  int failCreations = 0; // the next creations that fail

private:
  struct Translator {
    zuxlator::TranslatorFunctions functions;
    FakeTranslatorKind *kind;
  };

  static char *Copy(const std::string &text, zuxlator::AllocFn alloc, void *context, zuerr::Status *status) {
    auto *block = static_cast<char *>(alloc(nullptr, text.size() + 1, context, status));
    if (block != nullptr) std::memcpy(block, text.c_str(), text.size() + 1);
    return block;
  }
  static FakeTranslatorKind &Of(zuxlator::TranslatorFunctions *translator) {
    return *reinterpret_cast<Translator *>(translator)->kind;
  }
  static char *Static(zuxlator::TranslatorFunctions *translator, ViStatus code, uint32_t,
                      zuxlator::AllocFn alloc, void *context, zuerr::Status *status) {
    auto &texts = Of(translator).staticTexts;
    auto found = texts.find(code);
    return Copy(found != texts.end() ? found->second : "desc " + std::to_string(code), alloc, context,
                status);
  }
  static char *Dynamic(zuxlator::TranslatorFunctions *translator, const char *, uint32_t, const char *,
                       zuxlator::AllocFn alloc, void *context, zuerr::Status *status) {
    return Copy(Of(translator).report, alloc, context, status);
  }
  static void Destroy(zuxlator::TranslatorFunctions *translator) {
    ++Of(translator).destroyed;
    delete reinterpret_cast<Translator *>(translator);
  }
  static zuxlator::TranslatorFunctions *Create(const char *, const char *, zuerr::Status &status) {
    FakeTranslatorKind &kind = *current_;
    if (kind.failCreations > 0) {
      --kind.failCreations;
      zuerr::SetCode(status, -1);
      return nullptr;
    }
    ++kind.created;
    auto *translator = new Translator{
        {zuxlator::kTranslatorFunctionsSize, Destroy, kind.describes_ ? Static : nullptr, Dynamic}, &kind};
    return &translator->functions;
  }

  static inline FakeTranslatorKind *current_ = nullptr;
  bool describes_;
  zuxlator::RegistrationNode node_;
};

} // namespace translatortest
