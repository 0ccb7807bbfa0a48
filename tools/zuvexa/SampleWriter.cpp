#include "SampleWriter.h"

#include <strings.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ostream>

namespace zuvexacli {

std::optional<SampleFormat> ParseSampleFormat(const std::string &name) {
  if (strcasecmp(name.c_str(), "csv") == 0) return SampleFormat::Csv;
  if (strcasecmp(name.c_str(), "f64") == 0) return SampleFormat::F64;
  if (strcasecmp(name.c_str(), "i16") == 0) return SampleFormat::I16;
  return std::nullopt;
}

SampleFormat FormatForPath(const std::string &path) {
  const auto dot = path.rfind('.');
  const auto slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return SampleFormat::Csv;
  return ParseSampleFormat(path.substr(dot + 1)).value_or(SampleFormat::Csv);
}

SampleWriter::SampleWriter(std::ostream &out, SampleFormat format) : out_(out), format_(format) {
  constexpr std::string_view kHeader = "record,sample,time_s,i,q\n";
  if (format_ == SampleFormat::Csv) Put(kHeader.data(), kHeader.size());
}

void SampleWriter::Put(const void *bytes, std::size_t size) {
  if (error_ != 0) return;
  errno = 0;
  out_.write(static_cast<const char *>(bytes), std::streamsize(size));
  if (!out_) error_ = errno != 0 ? errno : EIO;
}

void SampleWriter::WriteCsvLine(int64_t record, std::size_t sample, double interval, double i, double q) {
  char line[128];
  std::snprintf(line, sizeof line, "%lld,%zu,%.12g,%.9g,%.9g\n", static_cast<long long>(record), sample,
                interval * double(sample), i, q);
  Put(line, std::strlen(line));
}

void SampleWriter::WriteF64(int64_t record, std::span<const double> interleaved, double sampleInterval) {
  if (format_ != SampleFormat::Csv) {
    Put(interleaved.data(), interleaved.size_bytes());
    return;
  }
  for (std::size_t n = 0; n + 1 < interleaved.size(); n += 2)
    WriteCsvLine(record, n / 2, sampleInterval, interleaved[n], interleaved[n + 1]);
}

void SampleWriter::WriteI16(int64_t record, std::span<const int16_t> interleaved, double sampleInterval,
                            double gain, double offset) {
  if (format_ != SampleFormat::Csv) {
    Put(interleaved.data(), interleaved.size_bytes());
    return;
  }
  for (std::size_t n = 0; n + 1 < interleaved.size(); n += 2)
    WriteCsvLine(record, n / 2, sampleInterval, interleaved[n] * gain + offset,
                 interleaved[n + 1] * gain + offset);
}

} // namespace zuvexacli
