// Trace outputs and the process-wide trace object.
#pragma once

#include <cstdarg>
#include <cstddef>

namespace zu::dsc {

class iTraceDestination {
public:
  virtual ~iTraceDestination() = default;

  // printf-style text.
  virtual void writeV(const char *format, va_list args) = 0;
  // At most `maxCharacters` characters of `text`.
  virtual void writeN(const char *text, size_t maxCharacters) = 0;
  virtual void flush() = 0;
  // Writes the command-line option selecting this destination into `buffer`
  // (cut and NUL-terminated when `size` is too small); `needed` receives the
  // size that holds all of it.
  virtual void describeAsOption(char *buffer, size_t size, size_t &needed) const = 0;
  virtual bool isReady() const = 0;
  virtual void close() = 0;
  virtual const char *name() const = 0;

  void write(const char *format, ...) __attribute__((format(printf, 2, 3)));
};

// Standard error.
class tConsoleTraceDestination final : public iTraceDestination {
public:
  static constexpr size_t kBufferSize = 512;

  void writeV(const char *format, va_list args) override;
  void writeN(const char *text, size_t maxCharacters) override;
  void flush() override {}
  void describeAsOption(char *buffer, size_t size, size_t &needed) const override;
  bool isReady() const override { return true; }
  void close() override {}
  const char *name() const override { return "zusdbg_printf"; }
};

// Formats into a bounded buffer, like vsnprintf.
using TraceFormatHook = int (*)(char *buffer, size_t size, const char *format, va_list args);
// Emits one formatted, NUL-terminated text.
using TraceOutputHook = void (*)(const char *text);

// Replace the process-wide hooks of the console destination and return the
// previous ones; null restores the default (vsnprintf; writing to standard
// error). Meant for library load and tests, before other threads trace.
TraceFormatHook SetTraceFormatHook(TraceFormatHook hook);
TraceOutputHook SetTraceOutputHook(TraceOutputHook hook);

// The process-wide trace object, bound to the one console destination.
class tTrace {
public:
  explicit tTrace(iTraceDestination &destination) : destination_(destination) {}
  tTrace(const tTrace &) = delete;
  tTrace &operator=(const tTrace &) = delete;

  iTraceDestination &destination() const { return destination_; }
  void write(const char *format, ...) __attribute__((format(printf, 2, 3)));

private:
  iTraceDestination &destination_;
};

tConsoleTraceDestination &ConsoleTraceDestination();
tTrace &ProcessTrace();

} // namespace zu::dsc
