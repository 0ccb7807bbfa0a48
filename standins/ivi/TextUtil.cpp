#include "TextUtil.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>

#include "ivi_standin.h"

namespace ivistandin {

std::string TextOrEmpty(ViConstString text) { return text ? std::string(text) : std::string(); }

std::string_view Trim(std::string_view text) {
  auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char &c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && LowerAscii(a) == LowerAscii(b);
}

bool ParseBoolean(std::string_view text, bool &value) {
  const std::string lower = LowerAscii(Trim(text));
  if (lower == "1" || lower == "true" || lower == "vi_true") {
    value = true;
    return true;
  }
  if (lower == "0" || lower == "false" || lower == "vi_false") {
    value = false;
    return true;
  }
  return false;
}

ViStatus CopyWithBufferRule(const std::string &text, ViInt32 size, ViChar *buffer) {
  if (size < 0) return IVISTANDIN_ERROR_INVALID_VALUE;
  const size_t needed = std::min<size_t>(text.size() + 1, INT32_MAX);
  if (size == 0) return static_cast<ViStatus>(needed);
  if (buffer == nullptr) return IVISTANDIN_ERROR_NULL_POINTER;
  const bool cut = CopyCut(text, static_cast<size_t>(size), buffer);
  return cut ? static_cast<ViStatus>(needed) : VI_SUCCESS;
}

bool CopyCut(std::string_view text, size_t capacity, ViChar *buffer) {
  const size_t length = std::min(text.size(), capacity - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return length < text.size();
}

} // namespace ivistandin
