// Finding and reading values in a JSON text.
#include <cstring>

#include "status/jsonz.h"
#include "status/jsonz_internal.h"

namespace jsonz {

using detail::SkipWhitespace;

const char *Lookup(const char *objectText, const char *key) {
  if (objectText == nullptr || key == nullptr) {
    return nullptr;
  }
  const char *p = SkipWhitespace(objectText);
  if (*p != '{') {
    return nullptr;
  }
  p = SkipWhitespace(p + 1);
  while (*p == '"') {
    Value name;
    p = detail::ParseString(p, name);
    if (p == nullptr) {
      return nullptr;
    }
    p = SkipWhitespace(p);
    if (*p != ':') {
      return nullptr;
    }
    p = SkipWhitespace(p + 1);
    if (EqualsDecoded(key, name.start, name.length)) {
      return p;
    }
    p = ParseValue(p, nullptr);
    if (p == nullptr) {
      return nullptr;
    }
    p = SkipWhitespace(p);
    if (*p != ',') {
      return nullptr;
    }
    p = SkipWhitespace(p + 1);
  }
  return nullptr;
}

const char *GetString(const char *value, const char *defaultValue, size_t *length, const char **end) {
  Value parsed;
  const char *after = ParseValue(value, &parsed);
  const bool isString = after != nullptr && parsed.type == kString;
  if (length != nullptr) {
    *length = isString ? parsed.length : (defaultValue ? std::strlen(defaultValue) : 0);
  }
  if (end != nullptr) {
    *end = isString ? after : nullptr;
  }
  return isString ? parsed.start : defaultValue;
}

const char *FirstElement(const char *arrayText) {
  if (arrayText == nullptr) {
    return nullptr;
  }
  const char *p = SkipWhitespace(arrayText);
  if (*p != '[') {
    return nullptr;
  }
  p = SkipWhitespace(p + 1);
  return (*p == ']' || *p == '\0') ? nullptr : p;
}

const char *NextElement(const char *afterElement) {
  if (afterElement == nullptr) {
    return nullptr;
  }
  const char *p = SkipWhitespace(afterElement);
  return *p == ',' ? SkipWhitespace(p + 1) : nullptr;
}

const char *EndOf(const char *text) {
  if (text == nullptr || (*text != '{' && *text != '[')) {
    return nullptr;
  }
  const char *after = ParseValue(text, nullptr);
  return after ? after - 1 : nullptr;
}

char *EndOf(char *text) { return const_cast<char *>(EndOf(static_cast<const char *>(text))); }

} // namespace jsonz
