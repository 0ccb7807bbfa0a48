// The files of a fetch: the samples (a file or standard output; a SigMF
// recording's data and meta files) and the plot. All are opened before the
// acquisition, so that a path that cannot be written fails at once. Each is
// written beside its target and put in place only when finished (see
// FetchFile): a failed fetch leaves every path as it found it.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "FetchFile.h"
#include "FetchSettings.h"
#include "SampleWriter.h"

namespace zuvexacli {

class FetchOutput {
public:
  explicit FetchOutput(const FetchSettings &settings) : settings_(settings) {}

  // "" or "cannot write PATH: reason".
  std::string Open();
  // Null when no samples are written.
  SampleWriter *Writer() { return writer_.get(); }
  // Flushes the samples; false when they could not be written.
  bool SamplesWritten();
  // Writes the meta file and the plot (`svg`) and puts the files in place
  // (nothing fetched: none is). "" or what failed; Notes() tell what is kept.
  std::string Finish(const std::string &svg, int64_t records);
  // The samples could not be written: returns why. The files are dropped
  // with this object, as after any failure.
  std::string Fail();
  const std::vector<std::string> &Notes() const { return notes_; }

private:
  std::string OpenStandardOutput();
  std::string PutInPlace(int64_t records);

  const FetchSettings &settings_;
  FetchFile samples_, meta_, plot_;
  std::unique_ptr<std::streambuf> standardOutputBuffer_; // for --output -
  std::ostream standardOutput_{nullptr};
  std::unique_ptr<SampleWriter> writer_;
  std::string failure_; // the reason of the first failed write
  std::vector<std::string> notes_;
};

} // namespace zuvexacli
