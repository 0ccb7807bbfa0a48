// Exceptions thrown by the range checks. Each records where the failed check
// sits in the source.
#pragma once

#include <cstdint>
#include <exception>

namespace zu::dsc::exception {

class Exception : public std::exception {
public:
  // `file` must outlive the exception (a __FILE__ literal).
  Exception(const char *file, uint32_t line) noexcept : file_(file ? file : ""), line_(line) {}
  ~Exception() override = default;

  const char *what() const noexcept override { return "unspecified exception"; }
  virtual uint32_t errorCode() const noexcept { return 0xFFFFFFFFu; }

  const char *file() const noexcept { return file_; }
  uint32_t line() const noexcept { return line_; }

private:
  const char *file_;
  uint32_t line_;
};

class OutOfRange : public Exception {
public:
  using Exception::Exception;
  ~OutOfRange() override = default;

  const char *what() const noexcept override { return "Out of range"; }
  uint32_t errorCode() const noexcept override { return 0x8ABC7007u; }
};

} // namespace zu::dsc::exception
