#include "Sigmf.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <ostream>

#include <nlohmann/json.hpp>

#include "FetchSettings.h"

namespace zuvexacli {
namespace {

constexpr std::string_view kDataSuffix = ".sigmf-data";

// ISO 8601 in UTC with microseconds: 2024-01-02T03:04:05.000000Z.
std::string UtcDateTime(double seconds) {
  const double whole = std::floor(seconds);
  const auto time = static_cast<std::time_t>(whole);
  std::tm utc{};
  gmtime_r(&time, &utc);
  char date[32], text[48];
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &utc);
  std::snprintf(text, sizeof text, "%s.%06dZ", date,
                static_cast<int>(std::lround((seconds - whole) * 1e6) % 1000000));
  return text;
}

} // namespace

std::string SigmfMetaPath(const std::string &dataPath) {
  if (dataPath.size() <= kDataSuffix.size() || !dataPath.ends_with(kDataSuffix)) return "";
  return dataPath.substr(0, dataPath.size() - kDataSuffix.size()) + ".sigmf-meta";
}

std::unique_ptr<SampleWriter> MakeSampleWriter(std::ostream &out, std::ostream *meta,
                                               const FetchSettings &settings,
                                               const std::string &libraryVersion) {
  if (meta == nullptr) return std::make_unique<SampleWriter>(out, settings.format);
  const auto &acquisition = settings.acquisition;
  return std::make_unique<SigmfWriter>(
      out, *meta, settings.format,
      SigmfDescription{acquisition.carrierFrequency,
                       acquisition.resourceName + " (" + acquisition.optionString + ")", libraryVersion});
}

SigmfWriter::SigmfWriter(std::ostream &data, std::ostream &meta, SampleFormat format,
                         SigmfDescription description)
    : SampleWriter(data, SampleFormat::F64), meta_(meta), format_(format),
      description_(std::move(description)) {}

const char *SigmfWriter::Datatype() const {
  switch (format_) {
  case SampleFormat::F64:
    return "cf64_le";
  case SampleFormat::I16:
    return "ci16_le";
  case SampleFormat::Csv:
    break;
  }
  return "cf32_le";
}

void SigmfWriter::BeginCapture(std::size_t values, double sampleInterval) {
  captures_.push_back({samples_, 0.0});
  samples_ += values / 2;
  if (sampleInterval > 0) sampleRate_ = 1.0 / sampleInterval;
}

void SigmfWriter::WriteF64(int64_t, std::span<const double> interleaved, double sampleInterval) {
  BeginCapture(interleaved.size(), sampleInterval);
  if (format_ != SampleFormat::Csv) {
    Put(interleaved.data(), interleaved.size_bytes());
    return;
  }
  narrowed_.assign(interleaved.begin(), interleaved.end());
  Put(narrowed_.data(), narrowed_.size() * sizeof(float));
}

void SigmfWriter::WriteI16(int64_t, std::span<const int16_t> interleaved, double sampleInterval, double,
                           double) {
  BeginCapture(interleaved.size(), sampleInterval);
  Put(interleaved.data(), interleaved.size_bytes());
}

void SigmfWriter::NoteRecord(int64_t, const WaveformInfo &info) {
  if (!captures_.empty()) captures_.back().timestamp = info.absoluteInitialX;
}

std::string SigmfWriter::MetaText() const {
  nlohmann::ordered_json captures = nlohmann::ordered_json::array();
  for (const Capture &capture : captures_) {
    captures.push_back(
        {{"core:sample_start", capture.sampleStart}, {"core:frequency", description_.carrierFrequency}});
    if (capture.timestamp > 0) captures.back()["core:datetime"] = UtcDateTime(capture.timestamp);
  }
  const nlohmann::ordered_json meta = {
      {"global",
       {{"core:datatype", Datatype()},
        {"core:sample_rate", sampleRate_},
        {"core:version", "1.0.0"},
        {"core:hw", description_.hardware},
        {"core:recorder", "zuvexa fetch, libzuvexa " + description_.libraryVersion}}},
      {"captures", captures},
      {"annotations", nlohmann::ordered_json::array()}};
  return meta.dump(2) + "\n";
}

bool SigmfWriter::Finish() {
  meta_ << MetaText();
  return bool(meta_.flush());
}

} // namespace zuvexacli
