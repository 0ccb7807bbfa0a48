#include <cstring>

#include "zuapal/zuapalerr.h"
#include "zuxlator/StatusDetail.h"
#include "zuxlator/json1.h"
#include "zuxlator/json1Text.h"

namespace zuxlator::json1 {
namespace {

constexpr const char *kItemsInvalid = "json1 dynamic object invalid. each array item must be an object";
constexpr const char *kValueInvalid = "json1 dynamic object invalid. something's wrong with value item";
constexpr const char *kValueNotString = "json1 dynamic object invalid. value can only be string";

// The first row named exactly like the type (raw bytes), else the last row.
const ItemFormat &FormatOf(const ItemFormatRow *rows, const char *type, size_t length) {
  for (; rows->typeName != nullptr; ++rows)
    if (std::strlen(rows->typeName) == length && std::memcmp(rows->typeName, type, length) == 0) break;
  return rows->format;
}

void AppendDecoded(std::string &to, const char *start, size_t length) {
  std::string decoded(length + 1, '\0');
  jsonz::DecodeString(start, length, decoded.data());
  to += decoded.c_str();
}

// The raw text of the string member `key`, or null.
const char *StringMember(const char *object, const char *key, size_t &length) {
  const char *value = jsonz::Lookup(object, key);
  length = 0;
  return value != nullptr ? jsonz::GetString(value, nullptr, &length, nullptr) : nullptr;
}

jsonz::Cursor Invalid(zuerr::Status &status, const char *message) {
  jsonz::Cursor cursor =
      DetailObject(status, ZUERR_SET(status, zuapalerr_invalidParameter), "zuxlator_debug");
  jsonz::PutString(cursor, "formatDynamicReportItems", message);
  return cursor;
}

// elementPrefix, the string element unescaped, elementSuffix; false (-52005)
// for an element that is not a string.
bool AppendElement(const ItemFormat &format, const jsonz::Value &element, std::string &report,
                   zuerr::Status &status) {
  Append(report, format.elementPrefix, status);
  if (element.type != jsonz::kString) {
    jsonz::Cursor cursor = Invalid(status, kValueNotString);
    jsonz::PutInt(cursor, "value type", element.type);
    return false;
  }
  AppendDecoded(report, element.start, element.length);
  Append(report, format.elementSuffix, status);
  return true;
}

bool AppendValue(const ItemFormat &format, const char *value, const char *items, std::string &report,
                 zuerr::Status &status) {
  jsonz::Value parsed;
  if (jsonz::ParseValue(value, &parsed) == nullptr) {
    jsonz::Cursor cursor = Invalid(status, kValueInvalid);
    jsonz::PutString(cursor, "json1DynamicObjectBegin", items);
    jsonz::PutString(cursor, "value", value);
    return false;
  }
  Append(report, format.valuePrefix, status);
  if (parsed.type != jsonz::kArray) {
    if (!AppendElement(format, parsed, report, status)) return false;
  } else {
    for (const char *element = jsonz::FirstElement(value); element != nullptr;) {
      jsonz::Value item;
      const char *after = jsonz::ParseValue(element, &item);
      if (!AppendElement(format, item, report, status)) return false;
      element = jsonz::NextElement(after);
      if (element != nullptr) Append(report, format.elementSeparator, status);
    }
  }
  Append(report, format.valueSuffix, status);
  return true;
}

bool AppendItem(const ItemFormatRow *itemFormats, const char *item, const char *items, std::string &report,
                zuerr::Status &status) {
  size_t typeLength = 0;
  const char *type = StringMember(item, "type", typeLength);
  const ItemFormat &format = FormatOf(itemFormats, type != nullptr ? type : "", typeLength);
  Append(report, format.itemPrefix, status);
  size_t keyLength = 0;
  if (const char *key = StringMember(item, "key", keyLength); key != nullptr && keyLength > 0) {
    Append(report, format.keyPrefix, status);
    AppendDecoded(report, key, keyLength);
    Append(report, format.keySuffix, status);
  }
  const char *value = jsonz::Lookup(item, "value");
  if (value != nullptr && !AppendValue(format, value, items, report, status)) return false;
  Append(report, format.itemSuffix, status);
  return true;
}

} // namespace

void formatDynamicReportItems(const ItemFormatRow *itemFormats, const char *items, std::string &text,
                              zuerr::Status &status) {
  if (zuerr::IsError(status) || items == nullptr) return;
  std::string report;
  for (const char *element = jsonz::FirstElement(items); element != nullptr;) {
    // A malformed value is reported as such, anything else malformed as an
    // element that is no object.
    if (*element == '{' && !AppendItem(itemFormats, element, items, report, status)) return;
    jsonz::Value item;
    const char *after = *element == '{' ? jsonz::ParseValue(element, &item) : nullptr;
    if (after == nullptr) {
      jsonz::Cursor cursor = Invalid(status, kItemsInvalid);
      jsonz::PutString(cursor, "json1DynamicObjectBegin", items);
      return;
    }
    element = jsonz::NextElement(after);
  }
  Append(text, report.c_str(), status);
}

} // namespace zuxlator::json1
