#include <new>

#include "zuapal/zuapalerr.h"
#include "zuxlator/json1.h"
#include "zuxlator/json1Text.h"

namespace zuxlator::json1 {
namespace {

constexpr FormatStrings kRawFormatStrings{nullptr, "\n", nullptr, "\n", nullptr, nullptr};

// An elaboration item is its value alone; any other item is a line of its
// own, "key: value" with array elements joined by ", ".
constexpr ItemFormatRow kRawItemFormats[] = {
    {"elaboration", {}},
    {nullptr, {"\n", nullptr, nullptr, ": ", nullptr, nullptr, nullptr, nullptr, ", "}},
};

// The bare code of a status, described when everything else failed.
constexpr zuerr::SourceLocation kBareCodeLocation{"mxlate", __LINE__, "zuvexa", "statusin.code"};

void Reset(zuerr::Status &status) {
  status.code = 0;
  if (status.json != nullptr) zuerr::ResetJson(status, nullptr);
}

void RawText(Session &session, const zuerr::Status &errStatus, uint32_t langWord, uint32_t flags,
             std::string &text, zuerr::Status &status) {
  if (errStatus.code == 0 || zuerr::IsError(status)) return;
  RawTextFormatter formatter;
  translateErrStatusToFormattedText(session, kRawFormatStrings, kRawItemFormats, formatter, 0, errStatus.code,
                                    errStatus.json, langWord, flags, text, status);
  TrimLineEnds(text);
}

// Tries again with less when the previous attempt left an error.
void Retry(Session &session, const zuerr::Status &errStatus, uint32_t langWord, uint32_t flags,
           std::string &text, zuerr::Status &status) {
  Reset(status);
  text.clear();
  RawText(session, errStatus, langWord, flags, text, status);
}

void Translate(Session &session, const zuerr::Status &errStatus, uint32_t langWord, uint32_t flags,
               std::string &text, zuerr::Status &status) {
  RawText(session, errStatus, langWord, flags, text, status);
  if ((flags & kNestedErrors) != 0 && zuerr::IsError(status))
    Retry(session, errStatus, langWord, flags & ~kNestedErrors, text, status);
  if ((flags & kStaticDescription) == 0 || !zuerr::IsError(status)) return;
  Retry(session, errStatus, langWord, kStaticDescription, text, status);
  if (!zuerr::IsError(status)) return;
  zuerr::Status bareCode;
  zuerr::SetCodeWithLocation(bareCode, errStatus.code, kBareCodeLocation);
  Retry(session, bareCode, langWord, kStaticDescription, text, status);
}

} // namespace

void translateErrStatusToRawText(Session &session, const zuerr::Status &errStatus, uint32_t langWord,
                                 uint32_t flags, std::string &out, zuerr::Status &status) {
  if (errStatus.code == 0 || zuerr::IsError(status)) return;
  try {
    std::string text;
    Translate(session, errStatus, langWord, flags, text, status);
    out += text;
  } catch (const std::bad_alloc &) {
    ZUERR_SET(status, zuapalerr_memoryFull);
  }
  if (!zuerr::IsError(status)) return;
  // The failure itself is the text that remains.
  if (!out.empty()) out += "\n\n";
  if (status.json != nullptr) out += status.json;
}

void RawTextFormatter::format(int level, std::string &text, zuerr::Status &status) {
  TrimLineEnds(text);
  if (level > 0 && !zuerr::IsError(status)) {
    const std::string indent(3 * static_cast<size_t>(level), ' ');
    std::string indented = indent;
    for (char c : text) {
      indented += c;
      if (c == '\n') indented += indent;
    }
    text.swap(indented);
  }
  Append(text, "\n\n", status);
}

} // namespace zuxlator::json1
