// Translator sessions for the tests, the texts translators hand out, and a translator kind of the tests' own.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

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
  // One kind at a time: its translators find it through current_.
  static char *Copy(const std::string &text, zuxlator::AllocFn alloc, void *context, zuerr::Status *status) {
    auto *block = static_cast<char *>(alloc(nullptr, text.size() + 1, context, status));
    if (block != nullptr) std::memcpy(block, text.c_str(), text.size() + 1);
    return block;
  }
  static char *Static(zuxlator::TranslatorFunctions *, ViStatus code, uint32_t, zuxlator::AllocFn alloc,
                      void *context, zuerr::Status *status) {
    auto found = current_->staticTexts.find(code);
    const bool set = found != current_->staticTexts.end();
    return Copy(set ? found->second : "desc " + std::to_string(code), alloc, context, status);
  }
  static char *Dynamic(zuxlator::TranslatorFunctions *, const char *, uint32_t, const char *,
                       zuxlator::AllocFn alloc, void *context, zuerr::Status *status) {
    return Copy(current_->report, alloc, context, status);
  }
  static void Destroy(zuxlator::TranslatorFunctions *translator) {
    ++current_->destroyed;
    delete translator;
  }
  static zuxlator::TranslatorFunctions *Create(const char *, const char *, zuerr::Status &status) {
    if (current_->failCreations > 0) {
      --current_->failCreations;
      zuerr::SetCode(status, -1);
      return nullptr;
    }
    ++current_->created;
    return new zuxlator::TranslatorFunctions{zuxlator::kTranslatorFunctionsSize, Destroy,
                                             current_->describes_ ? Static : nullptr, Dynamic};
  }

  static inline FakeTranslatorKind *current_ = nullptr;
  bool describes_;
  zuxlator::RegistrationNode node_;
};

} // namespace translatortest
