#include <cstring>

#include "zuapal/zuapalerr.h"
#include "zuxlator/StatusDetail.h"
#include "zuxlator/json1.h"
#include "zuxlator/json1Text.h"

namespace zuxlator::json1 {
namespace {

// A text from a translator, released with the allocator it came from.
class TranslatorText {
public:
  explicit TranslatorText(char *text) : text_(text) {}
  ~TranslatorText() { Alloc(text_, 0, nullptr, nullptr); }
  TranslatorText(const TranslatorText &) = delete;
  TranslatorText &operator=(const TranslatorText &) = delete;
  const char *get() const { return text_; }

private:
  char *text_;
};

// The non-empty string "translator" of the JSON, else the default translator.
std::string TranslatorName(const char *json) {
  const char *value = json != nullptr ? jsonz::Lookup(json, "translator") : nullptr;
  size_t length = 0;
  const char *name = value != nullptr ? jsonz::GetString(value, nullptr, &length, nullptr) : nullptr;
  return name != nullptr && length > 0 ? std::string(name, length) : std::string(kDefaultTranslator);
}

// Appends before, the report's items of the array `key`, after.
void AppendReport(const ItemFormatRow *itemFormats, const char *report, const char *key, const char *before,
                  const char *after, std::string &text, zuerr::Status &status) {
  Append(text, before, status);
  if (const char *items = jsonz::Lookup(report, key))
    formatDynamicReportItems(itemFormats, items, text, status);
  Append(text, after, status);
}

void InvalidNested(zuerr::Status &status, const char *message, const char *json, const char *typeKey,
                   int32_t type) {
  bool taken = ZUERR_SET(status, zuapalerr_invalidParameter);
  jsonz::Cursor cursor = DetailObject(status, taken, "zuxlator_debug");
  jsonz::PutString(cursor, "translateErrStatusToFormattedText", message);
  jsonz::PutString(cursor, "json", json);
  jsonz::PutInt(cursor, typeKey, type);
}

// Everything translateErrStatusToFormattedText passes down to nested errors.
struct Formatting {
  Session &session;
  const FormatStrings &formatStrings;
  const ItemFormatRow *itemFormats;
  NestedFormatter &formatter;
  uint32_t langWord;
};

void FormatNestedError(const Formatting &f, int level, const char *start, const char *end, uint32_t flags,
                       std::string &out, zuerr::Status &status) {
  const std::string json(start, end);
  const ViStatus code = jsonz::GetInt(jsonz::Lookup(json.c_str(), "code"), 0, nullptr);
  translateErrStatusToFormattedText(f.session, f.formatStrings, f.itemFormats, f.formatter, level, code,
                                    json.c_str(), f.langWord, flags, out, status);
}

// "nested_error": one object, or an array of objects, one level deeper.
void FormatNestedErrors(const Formatting &f, int level, const char *json, uint32_t flags, std::string &out,
                        zuerr::Status &status) {
  const char *nested = jsonz::Lookup(json, "nested_error");
  if (nested == nullptr) return;
  const uint32_t childFlags = (flags & kDebugReport) != 0 ? 15 : 11;
  jsonz::Value value;
  const char *end = jsonz::ParseValue(nested, &value);
  if (value.type == jsonz::kObject) {
    FormatNestedError(f, level + 1, nested, end, childFlags, out, status);
  } else if (value.type == jsonz::kArray) {
    for (const char *element = jsonz::FirstElement(nested); element != nullptr && !zuerr::IsError(status);) {
      jsonz::Value item;
      const char *after = jsonz::ParseValue(element, &item);
      if (item.type != jsonz::kObject) {
        InvalidNested(status, "nested_error contains invalid json type on one of the element", json,
                      "invalid json_type", item.type);
        return;
      }
      FormatNestedError(f, level + 1, element, after, childFlags, out, status);
      element = jsonz::NextElement(after);
    }
  } else {
    InvalidNested(status, "nested_error contains invalid json type", json, "jsonz_type", value.type);
  }
}

} // namespace

void translateErrStatusToFormattedText(Session &session, const FormatStrings &formatStrings,
                                       const ItemFormatRow *itemFormats, NestedFormatter &formatter,
                                       int level, ViStatus code, const char *json, uint32_t langWord,
                                       uint32_t flags, std::string &out, zuerr::Status &status) {
  if (zuerr::IsError(status)) return;
  const std::string translatorName = TranslatorName(json);
  const bool wantsStatic = (flags & kStaticDescription) != 0;
  const bool wantsReport =
      (flags & (kDynamicReport | kDebugReport)) != 0 && translatorName != kDefaultTranslator;
  std::string text;
  {
    TranslatorText staticText(
        wantsStatic ? GetStaticDesc(session, code, translatorName.c_str(), langWord, Alloc, nullptr, status)
                    : nullptr);
    TranslatorText report(
        wantsReport ? GetDynamicDesc(session, json, langWord, "json1", Alloc, nullptr, status) : nullptr);
    if (staticText.get() != nullptr) {
      Append(text, formatStrings.beforeStatic, status);
      Append(text, staticText.get(), status);
      Append(text, formatStrings.afterStatic, status);
    }
    if ((flags & kDynamicReport) != 0 && report.get() != nullptr)
      AppendReport(itemFormats, report.get(), "dynamic", formatStrings.beforeDynamic,
                   formatStrings.afterDynamic, text, status);
    if ((flags & kDebugReport) != 0 && report.get() != nullptr)
      AppendReport(itemFormats, report.get(), "debug", formatStrings.beforeDebug, formatStrings.afterDebug,
                   text, status);
  }
  formatter.format(level, text, status);
  Append(out, text.c_str(), status);
  if (zuerr::IsError(status) || (flags & kNestedErrors) == 0 || json == nullptr) return;
  FormatNestedErrors(Formatting{session, formatStrings, itemFormats, formatter, langWord}, level, json, flags,
                     out, status);
}

} // namespace zuxlator::json1
