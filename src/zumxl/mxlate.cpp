#include "zumxl/mxlate.h"

#include "status/StatusCodes.h"

namespace zumxl {
namespace {

constexpr uint32_t kErrorBase = static_cast<uint32_t>(ZUVEXA_ERROR_BASE);
constexpr uint32_t kWarningBase = static_cast<uint32_t>(ZUVEXA_WARN_BASE);

// A block of negative codes of a shared component, mapped into the driver's
// range counting down from `top` (the image of `highest`).
struct MappedBlock {
  int64_t lowest;
  int64_t highest;
  uint32_t top;
};

constexpr MappedBlock kBlocks[] = {
    {-223899, -223800, kErrorBase + 0x47FF}, {-224699, -224600, kErrorBase + 0x479B},
    {-201023, -200000, kErrorBase + 0x4BFF}, {-51023, -50000, kErrorBase + 0x67FF},
    {-89999, -88000, kErrorBase + 0x6FFF},   {-10999, -10000, kErrorBase + 0x63FF},
    {-309799, -309700, kErrorBase + 0x7064},
};

ViStatus AsStatus(int64_t value) { return static_cast<ViStatus>(static_cast<uint32_t>(value)); }
int64_t Signed(uint32_t image) { return static_cast<int32_t>(image); }

// Image of the negative code c of a block, and the code of an image inside
// the block's image range.
int64_t ImageOf(const MappedBlock &b, int64_t c) { return Signed(b.top) - (b.highest - c); }
int64_t CodeOf(const MappedBlock &b, int64_t image) { return b.highest - (Signed(b.top) - image); }

bool MapPlatformCode(int64_t code, ViStatus &result) {
  const PlatformRange &r = PlatformCodeRange();
  int64_t magnitude = code < 0 ? -code : code;
  if (magnitude < r.base || magnitude > r.limit) return false;
  uint32_t k = static_cast<uint32_t>(magnitude - r.base);
  result = AsStatus((code < 0 ? kErrorBase : kWarningBase) + r.offset + k);
  return true;
}

bool UnmapPlatformCode(uint32_t image, ViStatus &result) {
  const PlatformRange &r = PlatformCodeRange();
  uint32_t span = r.limit - r.base;
  if (image - (kErrorBase + r.offset) <= span) {
    result = AsStatus(-(int64_t(r.base) + (image - (kErrorBase + r.offset))));
    return true;
  }
  if (image - (kWarningBase + r.offset) <= span) {
    result = AsStatus(int64_t(r.base) + (image - (kWarningBase + r.offset)));
    return true;
  }
  return false;
}

} // namespace

PlatformRange &PlatformCodeRange() {
  static PlatformRange range;
  return range;
}

ViStatus MapErrorCode(ViStatus code) {
  ViStatus mapped;
  if (MapPlatformCode(code, mapped)) return mapped;
  int64_t c = code;
  for (const MappedBlock &b : kBlocks) {
    if (c >= b.lowest && c <= b.highest) return AsStatus(ImageOf(b, c));
    if (c >= -b.highest && c <= -b.lowest) return AsStatus(-ImageOf(b, -c));
  }
  return code;
}

ViStatus UnmapErrorCode(ViStatus image) {
  ViStatus unmapped;
  if (UnmapPlatformCode(static_cast<uint32_t>(image), unmapped)) return unmapped;
  int64_t x = image;
  for (const MappedBlock &b : kBlocks) {
    int64_t low = ImageOf(b, b.lowest), high = Signed(b.top);
    if (x >= low && x <= high) return AsStatus(CodeOf(b, x));
    if (x >= -high && x <= -low) return AsStatus(-CodeOf(b, -x));
  }
  return image;
}

} // namespace zumxl
