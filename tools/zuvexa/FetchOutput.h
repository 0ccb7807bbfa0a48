// The files of a fetch: the samples (a file or standard output) and the
// plot. Both are opened before the acquisition, so that a path that cannot
// be written fails at once; what is not finished is removed.
#pragma once

#include <cstdint>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "FetchSettings.h"
#include "SampleWriter.h"

namespace zuvexacli {

class FetchOutput {
public:
  explicit FetchOutput(const FetchSettings &settings) : settings_(settings) {}
  ~FetchOutput(); // removes files not finished
  FetchOutput(const FetchOutput &) = delete;
  FetchOutput &operator=(const FetchOutput &) = delete;

  // "" or "cannot write PATH: reason".
  std::string Open();
  // Null when no samples are written.
  SampleWriter *Writer() { return writer_.get(); }
  // Flushes the samples; false when they could not be written.
  bool SamplesWritten();
  // Closes the sample file and writes the plot (`svg`; nothing fetched:
  // both files are removed). "" or what failed; Notes() tell what is kept.
  std::string Finish(const std::string &svg, int64_t records);
  // The samples could not be written: removes the files; returns why.
  std::string Fail();
  const std::vector<std::string> &Notes() const { return notes_; }

private:
  const FetchSettings &settings_;
  std::ofstream samples_, plot_;
  std::unique_ptr<SampleWriter> writer_;
  std::string failure_; // the reason of the first failed write
  bool finished_ = false;
  std::vector<std::string> notes_;
};

} // namespace zuvexacli
