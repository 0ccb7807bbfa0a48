#include "zu/dsc/Trace.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>

namespace zu::dsc {

namespace {

void WriteToStandardError(const char *text) { std::fputs(text, stderr); }

int DefaultFormat(char *buffer, size_t size, const char *format, va_list args) {
  return std::vsnprintf(buffer, size, format, args);
}

std::atomic<TraceFormatHook> gFormatHook{DefaultFormat};
std::atomic<TraceOutputHook> gOutputHook{WriteToStandardError};

constexpr char kOptionText[] = " --destination apal";

void EmitFormattedV(const char *format, va_list args) {
  if (format == nullptr) {
    return;
  }
  char buffer[tConsoleTraceDestination::kBufferSize];
  buffer[0] = '\0';
  const int written = gFormatHook.load()(buffer, sizeof buffer, format, args);
  if (written < 0) {
    return; // a formatting failure leaves nothing worth showing
  }
  buffer[sizeof buffer - 1] = '\0';
  gOutputHook.load()(buffer);
}

void EmitFormatted(const char *format, ...) {
  va_list args;
  va_start(args, format);
  EmitFormattedV(format, args);
  va_end(args);
}

} // namespace

void iTraceDestination::write(const char *format, ...) {
  va_list args;
  va_start(args, format);
  writeV(format, args);
  va_end(args);
}

void tConsoleTraceDestination::writeV(const char *format, va_list args) { EmitFormattedV(format, args); }

void tConsoleTraceDestination::writeN(const char *text, size_t maxCharacters) {
  if (text == nullptr) {
    return;
  }
  // The buffer holds fewer characters than any larger precision anyway.
  const int precision = static_cast<int>(std::min<size_t>(maxCharacters, kBufferSize));
  EmitFormatted("%.*s", precision, text);
}

void tConsoleTraceDestination::describeAsOption(char *buffer, size_t size, size_t &needed) const {
  needed = sizeof kOptionText;
  if (buffer == nullptr || size == 0) {
    return;
  }
  const size_t copied = std::min(size - 1, sizeof kOptionText - 1);
  std::memcpy(buffer, kOptionText, copied);
  buffer[copied] = '\0';
}

TraceFormatHook SetTraceFormatHook(TraceFormatHook hook) {
  return gFormatHook.exchange(hook ? hook : DefaultFormat);
}

TraceOutputHook SetTraceOutputHook(TraceOutputHook hook) {
  return gOutputHook.exchange(hook ? hook : WriteToStandardError);
}

void tTrace::write(const char *format, ...) {
  va_list args;
  va_start(args, format);
  destination_.writeV(format, args);
  va_end(args);
}

tConsoleTraceDestination &ConsoleTraceDestination() {
  static tConsoleTraceDestination destination;
  return destination;
}

tTrace &ProcessTrace() {
  // The destination is built first, so it outlives the trace object.
  static tTrace trace(ConsoleTraceDestination());
  return trace;
}

namespace {
// Builds the trace object and its destination while the library loads.
[[maybe_unused]] tTrace &gTraceCreatedAtLoad = ProcessTrace();
} // namespace

} // namespace zu::dsc
