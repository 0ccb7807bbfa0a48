#include "FetchOutput.h"

#include <unistd.h>

#include <cerrno>
#include <ext/stdio_filebuf.h>

#include "Sigmf.h"

namespace zuvexacli {

namespace {

bool IsFile(const std::string &path) { return !path.empty() && path != "-"; }

} // namespace

std::string FetchOutput::Open() {
  const std::string &path = settings_.outputPath, metaPath = SigmfMetaPath(path);
  std::string error;
  if (IsFile(path)) error = samples_.Open(path, std::ios::binary);
  if (path == "-") error = OpenStandardOutput();
  if (error.empty() && !metaPath.empty()) error = meta_.Open(metaPath, {});
  if (error.empty() && IsFile(settings_.plotPath)) error = plot_.Open(settings_.plotPath, {});
  if (!error.empty()) return error;
  if (!path.empty())
    writer_ = MakeSampleWriter(path == "-" ? standardOutput_ : samples_.Stream(),
                               meta_.IsOpen() ? &meta_.Stream() : nullptr, settings_, ZUVEXA_VERSION);
  return "";
}

// A stream of its own over a copy of descriptor 1, rather than std::cout:
// stdio would take a failed write as done and tell of it only at a later
// flush, when errno no longer holds its cause.
std::string FetchOutput::OpenStandardOutput() {
  const int descriptor = dup(STDOUT_FILENO);
  if (descriptor < 0) return CannotWrite("-", errno);
  standardOutputBuffer_ = std::make_unique<__gnu_cxx::stdio_filebuf<char>>(descriptor, std::ios::out);
  standardOutput_.rdbuf(standardOutputBuffer_.get());
  return "";
}

bool FetchOutput::SamplesWritten() {
  if (writer_ == nullptr || !failure_.empty()) return failure_.empty();
  std::ostream &samples = settings_.outputPath == "-" ? standardOutput_ : samples_.Stream();
  int error = writer_->Error(); // errno at the write that failed
  errno = 0;
  if (error == 0 && !samples.flush()) error = errno != 0 ? errno : EIO;
  if (error == 0) return true;
  failure_ = CannotWrite(settings_.outputPath, error);
  return false;
}

std::string FetchOutput::Fail() {
  SamplesWritten();
  return failure_;
}

std::string FetchOutput::Finish(const std::string &svg, int64_t records) {
  if (records == 0) {
    for (FetchFile *file : {&samples_, &plot_})
      if (file->IsOpen()) notes_.push_back(file->Path() + " not written: no record was fetched");
    return ""; // the new files go with this object
  }
  if (!SamplesWritten()) return failure_;
  errno = 0;
  if (writer_ != nullptr && !writer_->Finish()) // a recording's meta file is written here
    return CannotWrite(meta_.Path(), errno);
  if (plot_.IsOpen()) plot_.Stream() << svg;
  return PutInPlace(records);
}

// The data before its meta file, so that a recording is whole once its meta
// file is there.
std::string FetchOutput::PutInPlace(int64_t records) {
  std::string failure;
  if (samples_.IsOpen() && (failure = samples_.Commit()).empty())
    notes_.push_back(samples_.Path() + " finished: it holds the " + std::to_string(records) +
                     " whole records fetched");
  if (failure.empty() && meta_.IsOpen()) failure = meta_.Commit();
  if (failure.empty() && plot_.IsOpen() && (failure = plot_.Commit()).empty())
    notes_.push_back(plot_.Path() + " finished: it shows record 0");
  return failure;
}

} // namespace zuvexacli
