// Writes fetched samples: CSV text, or raw little-endian interleaved I, Q
// values as 64-bit floats (F64) or 16-bit integers (I16, unscaled).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

#include "zuVEXAtypes.h"

namespace zuvexacli {

enum class SampleFormat { Csv, F64, I16 };

// "csv", "f64", "i16" in any case.
std::optional<SampleFormat> ParseSampleFormat(const std::string &name);
// From the file name's extension (.csv, .f64, .i16); CSV otherwise.
SampleFormat FormatForPath(const std::string &path);

class SampleWriter {
public:
  // CSV gets its header line at once.
  SampleWriter(std::ostream &out, SampleFormat format);
  virtual ~SampleWriter() = default;

  // Interleaved I, Q values of one record; `sampleInterval` in seconds (CSV
  // time column). I16 records are written raw; their CSV lines hold the
  // scaled values raw * gain + offset.
  virtual void WriteF64(int64_t record, std::span<const double> interleaved, double sampleInterval);
  virtual void WriteI16(int64_t record, std::span<const int16_t> interleaved, double sampleInterval,
                        double gain, double offset);

  // errno of the first write that failed, or 0.
  int Error() const { return error_; }
  // The record information after its samples (SigMF captures), and what
  // follows the samples (a recording's meta file): false when that failed.
  virtual void NoteRecord(int64_t, const WaveformInfo &) {}
  virtual bool Finish() { return true; }

protected:
  // Writes unless a write failed before; notes errno when this one fails.
  void Put(const void *bytes, std::size_t size);

private:
  void WriteCsvLine(int64_t record, std::size_t sample, double interval, double i, double q);

  std::ostream &out_;
  SampleFormat format_;
  int error_ = 0;
};

} // namespace zuvexacli
