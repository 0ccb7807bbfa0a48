// Numbering of the parameters and returns of one trace record, and the
// sizes the trace steps share.
#pragma once

#include <cstdint>
#include <cstring>

#include "tracing/CallSite.h"
#include "tracing/CallTrace.h"
#include "tracing/PeekLibrary.h"

namespace zutrace {

inline constexpr int64_t kPointerSize = sizeof(void *);

// Sets parameters or returns with consecutive indices from 0.
class Sequence {
public:
  Sequence(PeekRecord record, bool returns) : record_(record), returns_(returns) {}
  void Set(const void *address, int64_t element, int64_t total, const char *name, int64_t code) {
    (returns_ ? SetReturn : SetParam)(record_, next_++, address, element, total, name, code);
  }
  void Text(const char *text, int64_t length, const char *name) { Set(text, 1, length, name, kString); }
  void Text(const char *text, const char *name) { Text(text, static_cast<int64_t>(std::strlen(text)), name); }
  void Pointer(const void *address, const char *name, int64_t code) {
    Set(address, kPointerSize, kPointerSize, name, code);
  }
  int64_t Count() const { return next_; }

private:
  PeekRecord record_;
  bool returns_;
  int64_t next_ = 0;
};

inline int64_t NonNegative(int64_t value) { return value < 0 ? 0 : value; }

// count x size, saturated.
inline int64_t TotalSize(int64_t count, int64_t elementSize) {
  int64_t total = 0;
  return __builtin_mul_overflow(count, elementSize, &total) ? INT64_MAX : total;
}

// The value of the parameter's count parameter (0 without one or when negative).
inline int64_t CountOf(const ParamInfo &param, const ArgValue *args) {
  return param.countIndex < 0 ? 0 : NonNegative(args[param.countIndex].integer);
}

// The returns of the graphical-environment fetch forms: the fields of the
// waveform-information cluster and the samples of the array handle.
void SetGxInfoFields(Sequence &trace, const CallSite &site, const ArgValue *args);
void SetGxArray(Sequence &trace, const CallSite &site, const ArgValue *args, ViStatus status);
// The six leading fields of a WaveformInfo (or a cluster laid out alike);
// with a 32-bit actualSamples when `actualSamples32` is set.
void SetWaveformFields(Sequence &trace, const void *fields, bool actualSamples32);

} // namespace zutrace
