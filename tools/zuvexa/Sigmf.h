// SigMF recordings of zuvexa fetch: NAME.sigmf-data holds the samples
// (cf64_le for --format f64, ci16_le for i16, cf32_le otherwise) and
// NAME.sigmf-meta describes them: data type, sample rate, hardware, the
// library's version, and one capture per record (carrier frequency, its
// first sample, and the record's timestamp as UTC date and time when the
// instrument reports one: an absolute time of 0 means it does not).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "SampleWriter.h"

namespace zuvexacli {

struct FetchSettings;

// "NAME.sigmf-meta" for "NAME.sigmf-data"; "" for any other name.
std::string SigmfMetaPath(const std::string &dataPath);

// A SigMF writer, its meta file written to `meta`, when that is given (the
// output's name asks for a recording); else the plain one.
std::unique_ptr<SampleWriter> MakeSampleWriter(std::ostream &out, std::ostream *meta,
                                               const FetchSettings &settings,
                                               const std::string &libraryVersion);

struct SigmfDescription {
  double carrierFrequency = 0;
  std::string hardware;       // resource and option string
  std::string libraryVersion; // of libzuvexa
};

class SigmfWriter : public SampleWriter {
public:
  SigmfWriter(std::ostream &data, std::ostream &meta, SampleFormat format, SigmfDescription description);

  void WriteF64(int64_t record, std::span<const double> interleaved, double sampleInterval) override;
  void WriteI16(int64_t record, std::span<const int16_t> interleaved, double sampleInterval, double gain,
                double offset) override;
  void NoteRecord(int64_t record, const WaveformInfo &info) override;
  // Writes the meta file; false when that failed.
  bool Finish() override;

  const char *Datatype() const;
  std::string MetaText() const;

private:
  struct Capture {
    uint64_t sampleStart;
    double timestamp; // seconds since 1970-01-01 UTC; 0: none
  };
  void BeginCapture(std::size_t values, double sampleInterval);

  std::ostream &meta_;
  SampleFormat format_;
  SigmfDescription description_;
  std::vector<Capture> captures_;
  uint64_t samples_ = 0;
  double sampleRate_ = 0;
  std::vector<float> narrowed_; // cf32 values of one record, reused
};

} // namespace zuvexacli
