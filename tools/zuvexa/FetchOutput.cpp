#include "FetchOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "Sigmf.h"

namespace zuvexacli {

namespace {

std::string CannotWrite(const std::string &path) {
  return "cannot write " + (path == "-" ? std::string("standard output") : path) + ": " +
         std::strerror(errno);
}

bool IsFile(const std::string &path) { return !path.empty() && path != "-"; }

} // namespace

FetchOutput::~FetchOutput() {
  if (finished_) return;
  for (const std::string &path : {settings_.outputPath, settings_.plotPath})
    if (IsFile(path)) std::remove(path.c_str());
}

std::string FetchOutput::Open() {
  const std::string &path = settings_.outputPath;
  if (IsFile(path)) {
    samples_.open(path, std::ios::binary | std::ios::trunc);
    if (!samples_.is_open()) return CannotWrite(path);
  }
  if (IsFile(settings_.plotPath)) {
    plot_.open(settings_.plotPath, std::ios::trunc);
    if (!plot_.is_open()) return CannotWrite(settings_.plotPath);
  }
  if (!path.empty())
    writer_ = MakeSampleWriter(path == "-" ? std::cout : samples_, settings_, ZUVEXA_VERSION);
  return "";
}

bool FetchOutput::SamplesWritten() {
  if (writer_ == nullptr || !failure_.empty()) return failure_.empty();
  bool written = true;
  if (settings_.outputPath == "-") {
    std::cout.flush();
    written = std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout;
  } else {
    written = bool(samples_.flush());
  }
  if (!written) failure_ = CannotWrite(settings_.outputPath);
  return written;
}

std::string FetchOutput::Fail() {
  SamplesWritten();
  return failure_;
}

std::string FetchOutput::Finish(const std::string &svg, int64_t records) {
  if (records == 0) {
    for (const std::string &path : {settings_.outputPath, settings_.plotPath})
      if (IsFile(path)) notes_.push_back(path + " removed: no record was fetched");
    return "";
  }
  if (!SamplesWritten()) return failure_;
  if (writer_ != nullptr && !writer_->Finish()) { // a recording's meta file is written here
    const std::string meta = SigmfMetaPath(settings_.outputPath);
    return CannotWrite(meta.empty() ? settings_.outputPath : meta);
  }
  if (IsFile(settings_.outputPath)) {
    samples_.close();
    if (!samples_) return CannotWrite(settings_.outputPath);
    notes_.push_back(settings_.outputPath + " finished: it holds the " + std::to_string(records) +
                     " whole records fetched");
  }
  if (IsFile(settings_.plotPath)) {
    plot_ << svg;
    plot_.close();
    if (!plot_) return CannotWrite(settings_.plotPath);
    notes_.push_back(settings_.plotPath + " finished: it shows record 0");
  }
  finished_ = true;
  return "";
}

} // namespace zuvexacli
