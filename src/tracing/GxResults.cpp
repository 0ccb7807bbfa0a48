// Returns of the graphical-environment fetch forms. Their outputs are the
// environment's own types: an array handle points to a pointer to a block
// of 32-bit dimension sizes followed by the elements, aligned to 8 bytes;
// the waveform-information cluster holds the first six WaveformInfo fields.
// A handle is read through only when both of its levels are set.
#include <cstddef>
#include <cstring>

#include "tracing/TraceSequence.h"

namespace zutrace {
namespace {

constexpr int64_t kComplexParts = 2;
constexpr size_t kOneDimensionDataOffset = 8;

// The block an array handle leads to, or null when either level is unset.
const unsigned char *BlockOf(const void *handle) {
  if (handle == nullptr) return nullptr;
  const unsigned char *block = nullptr;
  std::memcpy(&block, handle, sizeof block);
  return block;
}

} // namespace

void SetWaveformFields(Sequence &trace, const void *fields, bool actualSamples32) {
  constexpr int64_t kReal = sizeof(ViReal64);
  const auto *at = static_cast<const unsigned char *>(fields);
  trace.Set(at + offsetof(WaveformInfo, absoluteInitialX), kReal, kReal, "*absoluteInitialX", kReal64);
  trace.Set(at + offsetof(WaveformInfo, relativeInitialX), kReal, kReal, "*relativeInitialX", kReal64);
  trace.Set(at + offsetof(WaveformInfo, xIncrement), kReal, kReal, "*xIncrement", kReal64);
  const void *samples = at + offsetof(WaveformInfo, actualSamples);
  if (actualSamples32)
    trace.Set(samples, sizeof(ViInt32), sizeof(ViInt32), "*actualSamples", kInt32);
  else
    trace.Set(samples, sizeof(ViInt64), sizeof(ViInt64), "*actualSamples", kInt64);
  trace.Set(at + offsetof(WaveformInfo, offset), kReal, kReal, "*offset", kReal64);
  trace.Set(at + offsetof(WaveformInfo, gain), kReal, kReal, "*gain", kReal64);
}

void SetGxInfoFields(Sequence &trace, const CallSite &site, const ArgValue *args) {
  if (site.gxInfoIndex < 0 || args[site.gxInfoIndex].address == nullptr) return;
  SetWaveformFields(trace, args[site.gxInfoIndex].address, site.gxInfo32Bit);
}

// Interleaved I16 samples: twice the handle's dimension; none after a failure.
void SetGxArray(Sequence &trace, const CallSite &site, const ArgValue *args, ViStatus status) {
  const unsigned char *block = BlockOf(args[site.gxArrayIndex].address);
  const char *name = site.params[site.gxArrayIndex].name;
  constexpr int64_t kElement = sizeof(ViInt16);
  if (block == nullptr) return trace.Set(nullptr, kElement, 0, name, kInt16Array);
  ViInt32 dimension = 0;
  std::memcpy(&dimension, block, sizeof dimension);
  const int64_t count = status < 0 ? 0 : TotalSize(NonNegative(dimension), kComplexParts);
  trace.Set(block + kOneDimensionDataOffset, kElement, TotalSize(count, kElement), name, kInt16Array);
}

} // namespace zutrace
