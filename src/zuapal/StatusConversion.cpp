#include "zuapal/StatusConversion.h"

#include <climits>
#include <string>

#include "status/jsonz.h"

namespace zuapal {
namespace {

// The decoded text of a string member of the status's root object.
std::string StringMember(const char *json, const char *key) {
  const char *value = json != nullptr ? jsonz::Lookup(json, key) : nullptr;
  size_t length = 0;
  const char *raw = value != nullptr ? jsonz::GetString(value, nullptr, &length, nullptr) : nullptr;
  if (raw == nullptr) return {};
  std::string decoded(length + 1, '\0');
  if (jsonz::DecodeString(raw, length, decoded.data()) == nullptr) return {};
  return decoded.c_str();
}

} // namespace

bool ToStatusRecord(const zuerr::Status &status, StatusRecord &record) {
  const char *lineValue = status.json != nullptr ? jsonz::Lookup(status.json, "line") : nullptr;
  int32_t line = lineValue != nullptr ? jsonz::GetInt(lineValue, 0, nullptr) : 0;
  return SetCode(record, status.code, StringMember(status.json, "component").c_str(),
                 StringMember(status.json, "file").c_str(), line < 0 ? 0 : uint64_t(line));
}

bool FromStatusRecord(const StatusRecord &record, zuerr::Status &status) {
  if (record.code < INT32_MIN || record.code > INT32_MAX) return false;
  bool full = record.size >= StatusRecord::kFullSize;
  zuerr::SourceLocation location{full ? record.file : "", full ? int(record.line) : 0,
                                 full ? record.component : "", "(int32_t)record.code"};
  return zuerr::SetCodeWithLocation(status, int32_t(record.code), location);
}

} // namespace zuapal
