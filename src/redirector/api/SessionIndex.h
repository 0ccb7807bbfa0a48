// The open sessions by handle, read without locks: the session kind, the
// serving module's entry-point table and the resource descriptor.
//
// A lookup writes nothing, takes no lock, makes no system call and allocates
// nothing. It reads a version number, probes an open-addressing hash table,
// and reads the version again: an odd version, or one that changed, means a
// writer was at work, and the lookup tries again. After a few failed tries it
// reports "busy", so that its caller can wait for the writer on a lock
// instead of spinning behind a writer that was preempted.
//
// Writers are serialised by the caller. Memory a lookup may be reading while
// a writer changes the index is never freed before the index itself: a
// replaced slot array stays allocated (the arrays double, so what is kept is
// smaller than the live array), and descriptor cells are reused, not freed.
// A lookup therefore never reads freed memory; what it reads while a writer
// is at work is thrown away by the version check.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "zuVEXAtypes.h"

namespace zumodules {
struct EntryPointTable;
}

namespace zuapi {

inline constexpr size_t kDescriptorSize = 256;

struct IndexedSession {
  uint32_t kind = 0;
  const zumodules::EntryPointTable *table = nullptr;
};

class SessionIndex {
public:
  enum class Lookup { kFound, kAbsent, kBusy };

  SessionIndex();
  ~SessionIndex();
  SessionIndex(const SessionIndex &) = delete;
  SessionIndex &operator=(const SessionIndex &) = delete;

  // Lookups, from any thread without a lock. The output is written only
  // when the result is kFound.
  Lookup Find(ViSession handle, IndexedSession &session) const;
  Lookup FindDescriptor(ViSession handle, char (&descriptor)[kDescriptorSize]) const;

  // Writers, one at a time.
  bool Contains(ViSession handle) const;
  // Makes room for one more session. May throw std::bad_alloc; the index is
  // then unchanged.
  void Reserve();
  // Adds a handle that is not present (and not 0), after Reserve. The
  // descriptor is copied and cut to kDescriptorSize - 1 characters.
  void Insert(ViSession handle, const IndexedSession &session, const char *descriptor) noexcept;
  // False when the handle is not present.
  bool Remove(ViSession handle) noexcept;

private:
  struct DescriptorCell;
  struct Slot;
  struct SlotArray;

  template <class Read> Lookup ReadConsistently(Read &&read) const;
  const Slot *Probe(const SlotArray *array, ViSession handle) const;
  void Rehash(const SlotArray &from, SlotArray &to) const;
  void BeginWrite() noexcept;
  void EndWrite() noexcept;
  void ShiftBackInto(SlotArray &array, size_t hole) noexcept;

  // Read by every lookup, written only by writers: a cache line of their own.
  alignas(64) std::atomic<uint64_t> version_{0};
  std::atomic<const SlotArray *> current_{nullptr};

  // Writers only.
  alignas(64) size_t count_ = 0;
  std::vector<std::unique_ptr<SlotArray>> arrays_; // every array published, newest last
  std::vector<std::unique_ptr<DescriptorCell[]>> cellChunks_;
  DescriptorCell *freeCells_ = nullptr;
};

} // namespace zuapi
