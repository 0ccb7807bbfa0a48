#include "TraceLog.h"

#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>

#include "Text.h"

namespace zuvexacli {

namespace {

using nlohmann::json;

constexpr int kStatusType = 23, kStringType = 45;
constexpr std::size_t kArrayItemsShown = 4;
// The bookkeeping entries of every record under readable names; shown only
// when they carry text.
const std::map<std::string, std::string, std::less<>> kPlaceholders = {
    {"dummyerror", "error"}, {"dummysessn", "session"}, {"dummyintch", "interchange"}};

long long NumberOf(const json &entry, const char *key, long long fallback) {
  const auto found = entry.find(key);
  return found != entry.end() && found->is_number() ? found->get<long long>() : fallback;
}

std::string TextOf(const json &entry, const char *key) {
  const auto found = entry.find(key);
  if (found == entry.end() || found->is_null()) return "";
  return found->is_string() ? found->get<std::string>() : found->dump();
}

// Numbers to nine significant digits; everything else as JSON.
std::string Compact(const json &value) {
  if (!value.is_number_float()) return value.dump();
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value.get<double>());
  return text;
}

std::string RenderValue(const json &entry) {
  const auto value = entry.find("value");
  if (value == entry.end()) return "?";
  if (NumberOf(entry, "type", 0) == kStatusType)
    return FormatStatus(value->is_number() ? value->get<long long>() : 0);
  if (value->is_string()) return "\"" + value->get<std::string>() + "\"";
  // An array comes whole, or as its first values and its count.
  const bool summary = value->is_object() && value->contains("first") && (*value)["first"].is_array();
  const json &items = summary ? (*value)["first"] : *value;
  if (!items.is_array()) return Compact(*value);
  std::string out = "[";
  for (std::size_t i = 0; i < items.size() && i < kArrayItemsShown; ++i)
    out.append(i ? ", " : "").append(Compact(items[i]));
  const long long count = NumberOf(summary ? *value : entry, "count", static_cast<long long>(items.size()));
  if (count > static_cast<long long>(kArrayItemsShown)) out += ", …";
  return out + "] (" + std::to_string(count) + (count == 1 ? " value)" : " values)");
}

std::string DisplayName(const std::string &name) {
  if (name == "dummyattr") return "attribute";
  const auto found = kPlaceholders.find(name);
  return found != kPlaceholders.end() ? found->second : name;
}

// The text of a placeholder entry without surrounding white space; "" when
// it carries none.
std::string PlaceholderText(const json &entry) {
  if (NumberOf(entry, "type", 0) != kStringType) return "";
  const std::string text = TextOf(entry, "value");
  const std::size_t start = text.find_first_not_of(" \t\r\n");
  return start == std::string::npos ? "" : text.substr(start, text.find_last_not_of(" \t\r\n") + 1 - start);
}

std::string RenderParams(const json &params) {
  std::string out;
  for (const json &entry : params) {
    const std::string name = TextOf(entry, "name");
    if (kPlaceholders.count(name) != 0 && PlaceholderText(entry).empty()) continue;
    out.append(out.empty() ? "" : ", ").append(DisplayName(name)).append("=").append(RenderValue(entry));
  }
  return out;
}

std::string RenderReturns(const json &returns) {
  std::string status, lines;
  for (const json &entry : returns) {
    const std::string name = TextOf(entry, "name");
    if (NumberOf(entry, "type", 0) == kStatusType && name.empty()) {
      status = RenderValue(entry);
    } else if (kPlaceholders.count(name) != 0) {
      const std::string text = PlaceholderText(entry);
      if (!text.empty()) lines += "      " + DisplayName(name) + ": " + text + "\n";
    } else {
      lines += "      " + DisplayName(name) + " = " + RenderValue(entry) + "\n";
    }
  }
  return (status.empty() ? "" : "  -> " + status + "\n") + lines;
}

} // namespace

std::string FormatStatus(long long status) {
  if (status == 0) return "0";
  return zuvexaclient::HexStatus(static_cast<ViStatus>(status)) + (status < 0 ? " (error)" : " (warning)");
}

std::string RenderTraceRecord(std::string_view line) {
  const json record = json::parse(line, nullptr, false);
  if (!record.is_object() || !record.contains("function")) return std::string(line) + "\n";
  const json empty = json::array();
  const auto params = record.find("params"), returns = record.find("returns");
  std::string out = TextOf(record, "function") + "(" +
                    RenderParams(params != record.end() && params->is_array() ? *params : empty) + ")\n";
  out += RenderReturns(returns != record.end() && returns->is_array() ? *returns : empty);
  for (const auto &[key, value] : record.items())
    if (key != "function" && key != "id" && key != "params" && key != "returns" && key != "success")
      out += "      " + key + ": " + (value.is_string() ? value.get<std::string>() : value.dump()) + "\n";
  return out;
}

} // namespace zuvexacli
