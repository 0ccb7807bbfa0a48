#include "routing/OptionEntries.h"

#include <strings.h>

#include <cctype>
#include <cstring>
#include <new>
#include <stdexcept>

#include "status/StatusCodes.h"

namespace zurouting::options {
namespace {

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// Cuts to `limit` characters first, then trims, into a NUL-terminated buffer
// of at least limit + 1 characters.
void CutAndTrim(std::string_view text, size_t limit, char *out) {
  const std::string_view kept = Trimmed(text.substr(0, limit));
  if (!kept.empty()) std::memcpy(out, kept.data(), kept.size());
  out[kept.size()] = '\0';
}

} // namespace

void SplitEntry(std::string_view text, char valueSeparator, Entry &entry) {
  const size_t separator = text.find(valueSeparator);
  entry.hasValueSeparator = separator != std::string_view::npos;
  const std::string_view name = entry.hasValueSeparator ? text.substr(0, separator) : text;
  const std::string_view value = entry.hasValueSeparator ? text.substr(separator + 1) : std::string_view();
  CutAndTrim(name, kMaxNameLength, entry.name);
  CutAndTrim(value, kMaxValueLength, entry.value);
}

bool EqualsIgnoringCase(const char *a, const char *b) { return strcasecmp(a, b) == 0; }

bool ParseBoolean(const char *value, bool &result) {
  for (const char *word : {"VI_TRUE", "True", "1"}) {
    if (EqualsIgnoringCase(value, word)) {
      result = true;
      return true;
    }
  }
  for (const char *word : {"VI_FALSE", "False", "0"}) {
    if (EqualsIgnoringCase(value, word)) {
      result = false;
      return true;
    }
  }
  return false;
}

ViStatus ApplyBoolean(const Entry &entry, bool &target, Failure &failure) {
  if (!ParseBoolean(entry.value, target)) return failure.Set(ZUVEXA_ERROR_OPTION_BAD_VALUE, entry.value);
  return VI_SUCCESS;
}

ViStatus ApplyTextCopy(const Entry &entry, std::optional<std::string> &target, Failure &failure) {
  try {
    std::string copy(entry.value);
    target = std::move(copy); // cannot fail: moves only
    return VI_SUCCESS;
  } catch (const std::bad_alloc &) {
  } catch (const std::length_error &) {
  }
  return failure.Set(ZUVEXA_ERROR_VALUE_COPY, entry.value);
}

} // namespace zurouting::options
