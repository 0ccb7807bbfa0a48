#include "zuapal/Growable.h"

#include <algorithm>

namespace zuapal {
namespace {

size_t Grow(size_t oldCapacity, size_t request, size_t minimum, size_t maxCount) {
  size_t half = oldCapacity / 2;
  size_t grown = oldCapacity > maxCount - half ? maxCount + 1 : oldCapacity + half;
  size_t next = std::max({request, minimum, grown});
  return next > maxCount ? 0 : next;
}

} // namespace

size_t NextTextCapacity(size_t oldCapacity, size_t request, size_t maxCount) {
  return Grow(oldCapacity, request, 127, maxCount);
}

size_t NextArrayCapacity(size_t oldCapacity, size_t request, size_t maxCount) {
  return Grow(oldCapacity, request, 8, maxCount);
}

} // namespace zuapal
