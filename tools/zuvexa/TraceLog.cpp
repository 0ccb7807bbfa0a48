#include "TraceLog.h"

#include <cstdio>
#include <cstdlib>
#include <set>

#include "Json.h"

namespace zuvexacli {

namespace {

constexpr int kStatusType = 23, kStringType = 45;
constexpr std::size_t kArrayItemsShown = 4;
// Bookkeeping entries of every record: shown only when they carry text.
const std::set<std::string, std::less<>> kPlaceholders = {"dummyerror", "dummysessn", "dummyintch"};

long long NumberOf(const JsonValue *value, long long fallback) {
  return value != nullptr && value->kind == JsonValue::Kind::Number
             ? std::strtoll(value->text.c_str(), nullptr, 10)
             : fallback;
}

std::string TextOf(const JsonValue *value) {
  if (value == nullptr || value->kind == JsonValue::Kind::Null) return "";
  return value->kind == JsonValue::Kind::String ? value->text : value->Compact();
}

std::string RenderValue(const JsonValue &entry) {
  const JsonValue *value = entry.Find("value");
  if (value == nullptr) return "?";
  if (NumberOf(entry.Find("type"), 0) == kStatusType) return FormatStatus(NumberOf(value, 0));
  if (value->kind == JsonValue::Kind::String) return "\"" + value->text + "\"";
  if (value->kind != JsonValue::Kind::Array) return value->Compact();
  std::string out = "[";
  for (std::size_t i = 0; i < value->items.size() && i < kArrayItemsShown; ++i)
    out.append(i ? ", " : "").append(value->items[i].Compact());
  const long long count = NumberOf(entry.Find("count"), static_cast<long long>(value->items.size()));
  if (count > static_cast<long long>(kArrayItemsShown)) out += ", …";
  return out + "] (" + std::to_string(count) + (count == 1 ? " value)" : " values)");
}

bool IsFunctionReturn(const JsonValue &entry) {
  return NumberOf(entry.Find("type"), 0) == kStatusType && TextOf(entry.Find("name")).empty();
}

std::string DisplayName(const std::string &name) {
  if (name == "dummyattr") return "attribute";
  return name == "dummysessn" ? "session" : name;
}

std::string RenderParams(const JsonValue *params) {
  std::string out;
  if (params == nullptr) return out;
  for (const JsonValue &entry : params->items) {
    const std::string name = TextOf(entry.Find("name"));
    if (kPlaceholders.count(name) != 0 && TextOf(entry.Find("value")).empty()) continue;
    if (kPlaceholders.count(name) != 0 && NumberOf(entry.Find("type"), 0) != kStringType) continue;
    out.append(out.empty() ? "" : ", ").append(DisplayName(name)).append("=").append(RenderValue(entry));
  }
  return out;
}

std::string RenderReturns(const JsonValue *returns) {
  std::string status, lines;
  if (returns == nullptr) return "";
  for (const JsonValue &entry : returns->items) {
    const std::string name = TextOf(entry.Find("name"));
    if (IsFunctionReturn(entry)) {
      status = RenderValue(entry);
    } else if (name == "dummyerror" || name == "dummyintch") {
      const std::string text = TextOf(entry.Find("value"));
      if (!text.empty() && NumberOf(entry.Find("type"), 0) == kStringType)
        lines += std::string("      ") + (name == "dummyerror" ? "error: " : "interchange: ") + text + "\n";
    } else {
      lines += "      " + name + " = " + RenderValue(entry) + "\n";
    }
  }
  return (status.empty() ? "" : "  -> " + status + "\n") + lines;
}

} // namespace

std::string FormatStatus(long long status) {
  if (status == 0) return "0";
  char text[48];
  std::snprintf(text, sizeof text, "0x%08X (%s)", static_cast<unsigned>(status),
                status < 0 ? "error" : "warning");
  return text;
}

std::string RenderTraceRecord(std::string_view line) {
  const auto record = ParseJson(line);
  const JsonValue *function = record ? record->Find("function") : nullptr;
  if (function == nullptr) return std::string(line) + "\n";
  std::string out = TextOf(function) + "(" + RenderParams(record->Find("params")) + ")\n";
  out += RenderReturns(record->Find("returns"));
  for (const auto &[key, value] : record->members)
    if (key != "function" && key != "id" && key != "params" && key != "returns")
      out += "      " + key + ": " + TextOf(&value) + "\n";
  return out;
}

} // namespace zuvexacli
