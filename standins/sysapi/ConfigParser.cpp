#include "ConfigParser.h"

#include <charconv>
#include <limits>
#include <sstream>

#include "WideText.h"

namespace sysapistandin {
namespace {

std::optional<int64_t> ParseNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  uint64_t magnitude = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
      magnitude > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) {
    return std::nullopt;
  }
  const auto value = static_cast<int64_t>(magnitude);
  return negative ? -value : value;
}

template <class Target> bool ParseInRange(std::string_view text, Target &target) {
  auto value = ParseNumber(text);
  if (!value || *value < std::numeric_limits<Target>::min() || *value > std::numeric_limits<Target>::max()) {
    return false;
  }
  target = static_cast<Target>(*value);
  return true;
}

// Applies one key=value field; returns a description of what is wrong, or "".
std::string ApplyDeviceField(std::string_view field, DeviceConfig &device) {
  const size_t equals = field.find('=');
  if (equals == std::string_view::npos) return "expected key=value: " + std::string(field);
  const std::string_view key = field.substr(0, equals);
  const std::string_view value = field.substr(equals + 1);
  if (key == "alias") {
    device.alias = Widen(value);
  } else if (key == "backend") {
    device.backend = Widen(value);
  } else if (key == "productId") {
    uint32_t productId = 0;
    if (!ParseInRange(value, productId)) return "bad productId: " + std::string(value);
    device.productId = productId;
  } else if (key == "simulated") {
    if (!ParseInRange(value, device.simulated)) return "bad simulated: " + std::string(value);
  } else if (key == "hidden") {
    int32_t hidden = 0;
    if (!ParseInRange(value, hidden)) return "bad hidden: " + std::string(value);
    device.hidden = hidden;
  } else if (key == "excluded") {
    int32_t excluded = 0;
    if (!ParseInRange(value, excluded)) return "bad excluded: " + std::string(value);
    device.excluded = excluded != 0;
  } else {
    return "unknown key: " + std::string(key);
  }
  return "";
}

std::string ParseDevice(std::istringstream &fields, Configuration &configuration) {
  DeviceConfig device;
  std::string word;
  if (!(fields >> word)) return "device without a resource name";
  device.resourceName = Widen(word);
  while (fields >> word) {
    std::string problem = ApplyDeviceField(word, device);
    if (!problem.empty()) return problem;
  }
  configuration.AddDevice(std::make_shared<const DeviceConfig>(std::move(device)));
  return "";
}

std::string ParseExpert(std::istringstream &fields, Configuration &configuration) {
  std::string name;
  std::string extra;
  if (!(fields >> name)) return "expert without a name";
  if (fields >> extra) return "unexpected text after the expert name: " + extra;
  configuration.AddExpert(Widen(name));
  return "";
}

std::string ParseLine(const std::string &line, Configuration &configuration) {
  std::istringstream fields(line);
  std::string keyword;
  if (!(fields >> keyword) || keyword.front() == '#') return "";
  if (keyword == "device") return ParseDevice(fields, configuration);
  if (keyword == "expert") return ParseExpert(fields, configuration);
  return "unknown keyword: " + keyword;
}

} // namespace

void ParseConfiguration(std::istream &input, Configuration &configuration,
                        std::vector<std::string> &problems) {
  std::string line;
  for (int number = 1; std::getline(input, line); ++number) {
    std::string problem = ParseLine(line, configuration);
    if (!problem.empty()) problems.push_back("line " + std::to_string(number) + ": " + problem);
  }
}

} // namespace sysapistandin
