// Points inside the session registry's critical sections at which a unit
// test may hold a thread, to run another one at exactly that moment. The hook
// is null outside tests: a load and a predictable branch, on the writers' and
// device lookups' paths only, never on a forwarded call's lookup.
#pragma once

#include <atomic>

namespace zuapi::seam {

enum class Point {
  kIndexWriting,   // a session index writer, between its version changes
  kDeviceListRead, // a lookup by device, under the read lock
};

using Hook = void (*)(Point);
inline std::atomic<Hook> hook{nullptr};

inline void Reach(Point point) {
  if (Hook reached = hook.load(std::memory_order_relaxed)) [[unlikely]]
    reached(point);
}

} // namespace zuapi::seam
