#include "Recording.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace backendstandin {

namespace {

using nlohmann::json;

constexpr std::string_view kMetaSuffix = ".sigmf-meta";
constexpr std::string_view kDataSuffix = ".sigmf-data";

struct Datatype {
  const char *name;
  std::size_t valueBytes; // of I, and of Q
};
constexpr Datatype kDatatypes[] = {{"cf64_le", 8}, {"cf32_le", 4}, {"ci16_le", 2}};

[[noreturn]] void Fail(const std::string &message) { throw RecordingError(message); }

std::string StemOf(const std::string &path) {
  for (std::string_view suffix : {kMetaSuffix, kDataSuffix})
    if (path.ends_with(suffix)) return path.substr(0, path.size() - suffix.size());
  return path;
}

std::string ReadWhole(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) Fail("\"" + path + "\" cannot be opened: " + std::strerror(errno));
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) Fail("\"" + path + "\" cannot be read");
  return text.str();
}

const Datatype &DatatypeOf(const json &global) {
  const auto found = global.find("core:datatype");
  if (found == global.end() || !found->is_string()) Fail("global core:datatype is missing");
  const std::string name = found->get<std::string>();
  for (const Datatype &datatype : kDatatypes)
    if (name == datatype.name) return datatype;
  Fail("core:datatype \"" + name + "\" is not one the analyzer plays (cf64_le, cf32_le, ci16_le)");
}

std::optional<double> PositiveNumber(const json &object, const char *name, const std::string &where) {
  const auto found = object.find(name);
  if (found == object.end()) return std::nullopt;
  if (!found->is_number() || !(found->get<double>() > 0.0) || !std::isfinite(found->get<double>()))
    Fail(where + name + " must be a number above 0");
  return found->get<double>();
}

template <class Value> void Store(const std::string &bytes, Recording &recording) {
  std::vector<Value> values(bytes.size() / sizeof(Value));
  std::memcpy(values.data(), bytes.data(), bytes.size()); // little-endian, as the host
  recording.beyondFullScale = std::any_of(values.begin(), values.end(), [](Value value) {
    return !(std::fabs(FullScaleValue(value)) <= 1.0); // NaN too
  });
  recording.values = std::move(values);
}

void ReadSamples(const std::string &path, const Datatype &datatype, Recording &recording) {
  const std::string bytes = ReadWhole(path);
  const std::size_t sampleBytes = 2 * datatype.valueBytes;
  if (bytes.size() % sampleBytes != 0)
    Fail("data file \"" + path + "\" ends within a sample: " + std::to_string(bytes.size()) +
         " bytes, samples of " + std::to_string(sampleBytes));
  if (bytes.empty()) Fail("data file \"" + path + "\" holds no samples");
  if (datatype.valueBytes == 8) Store<double>(bytes, recording);
  if (datatype.valueBytes == 4) Store<float>(bytes, recording);
  if (datatype.valueBytes == 2) Store<int16_t>(bytes, recording);
}

// The captures in order of their first sample, each within the data, all at
// one frequency.
void ReadCaptures(const json &meta, Recording &recording) {
  const auto captures = meta.find("captures");
  if (captures == meta.end()) return;
  if (!captures->is_array()) Fail("captures must be an array");
  for (std::size_t i = 0; i < captures->size(); ++i) {
    const json &capture = (*captures)[i];
    const std::string where = "captures[" + std::to_string(i) + "].";
    if (!capture.is_object()) Fail(where + " must be an object");
    const uint64_t start = capture.value("core:sample_start", uint64_t{0});
    if (start >= recording.Length())
      Fail(where + "core:sample_start " + std::to_string(start) + " lies beyond the data's " +
           std::to_string(recording.Length()) + " samples");
    if (const auto frequency = capture.find("core:frequency"); frequency != capture.end()) {
      if (!frequency->is_number()) Fail(where + "core:frequency must be a number");
      if (recording.carrierFrequency && *recording.carrierFrequency != frequency->get<double>())
        Fail(where + "core:frequency changes the carrier within the recording");
      recording.carrierFrequency = frequency->get<double>();
    }
    std::optional<double> time;
    if (const auto datetime = capture.find("core:datetime"); datetime != capture.end()) {
      time = datetime->is_string() ? ParseUtcDateTime(datetime->get<std::string>()) : std::nullopt;
      if (!time) Fail(where + "core:datetime must be a UTC date and time such as 2024-01-02T03:04:05Z");
    }
    recording.captures.push_back({start, time});
  }
  std::stable_sort(
      recording.captures.begin(), recording.captures.end(),
      [](const RecordingCapture &a, const RecordingCapture &b) { return a.sampleStart < b.sampleStart; });
}

} // namespace

std::optional<double> ParseUtcDateTime(const std::string &text) {
  std::tm utc{};
  int consumed = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &utc.tm_year, &utc.tm_mon, &utc.tm_mday,
                  &utc.tm_hour, &utc.tm_min, &utc.tm_sec, &consumed) != 6 ||
      consumed != 19)
    return std::nullopt;
  double fraction = 0.0;
  std::size_t at = 19;
  if (at < text.size() && text[at] == '.') {
    double scale = 0.1;
    for (++at; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at, scale /= 10.0)
      fraction += (text[at] - '0') * scale;
  }
  if (text.substr(at) != "Z") return std::nullopt;
  utc.tm_year -= 1900;
  utc.tm_mon -= 1;
  return static_cast<double>(timegm(&utc)) + fraction;
}

std::optional<double> Recording::TimeAt(uint64_t position) const {
  const auto after =
      std::upper_bound(captures.begin(), captures.end(), position,
                       [](uint64_t p, const RecordingCapture &c) { return p < c.sampleStart; });
  if (after == captures.begin() || !sampleRate) return std::nullopt;
  const RecordingCapture &capture = *std::prev(after);
  if (!capture.time) return std::nullopt;
  return *capture.time + static_cast<double>(position - capture.sampleStart) / *sampleRate;
}

Recording LoadRecording(const std::string &path, Recording::End end) {
  const std::string stem = StemOf(path);
  Recording recording;
  recording.metaPath = stem + std::string(kMetaSuffix);
  recording.end = end;
  try {
    json meta;
    try {
      meta = json::parse(ReadWhole(recording.metaPath));
    } catch (const json::exception &error) {
      Fail(std::string("not valid JSON: ") + error.what());
    }
    if (!meta.is_object() || !meta.contains("global") || !meta["global"].is_object())
      Fail("the global object is missing");
    const json &global = meta["global"];
    const Datatype &datatype = DatatypeOf(global);
    recording.sampleRate = PositiveNumber(global, "core:sample_rate", "global ");
    if (global.value("core:num_channels", 1) != 1) Fail("global core:num_channels must be 1");
    ReadSamples(stem + std::string(kDataSuffix), datatype, recording);
    ReadCaptures(meta, recording);
  } catch (const RecordingError &error) {
    throw RecordingError("recording \"" + recording.metaPath + "\": " + error.what());
  } catch (const json::exception &error) {
    throw RecordingError("recording \"" + recording.metaPath + "\": " + error.what());
  }
  return recording;
}

} // namespace backendstandin
