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

#include "redirector/api/FreeListPool.h"
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
  // when the result is kFound. Find is inline: every forwarded call runs it.
  Lookup Find(ViSession handle, IndexedSession &session) const;
  Lookup FindDescriptor(ViSession handle, char (&descriptor)[kDescriptorSize]) const;

  // Writers, one at a time.
  bool Contains(ViSession handle) const;
  // Makes room for one more session. May throw std::bad_alloc; the index is
  // then unchanged.
  void Reserve();
  // Adds a handle that is not present (and not 0), after Reserve. The
  // descriptor is copied and cut to kDescriptorSize - 1 characters; the
  // writers' tag is kept for them and handed back by Remove.
  void Insert(ViSession handle, const IndexedSession &session, const char *descriptor,
              void *tag = nullptr) noexcept;
  // False when the handle is not present; otherwise the session's tag goes
  // to `tag` when that is not null.
  bool Remove(ViSession handle, void **tag = nullptr) noexcept;

private:
  static constexpr size_t kDescriptorWords = kDescriptorSize / sizeof(uint64_t);
  static constexpr int kOptimisticTries = 64; // before a lookup reports "busy"
  // Every store a lookup may observe is a release store and every load it
  // makes an acquire load: a lookup that sees any store of a writer also
  // sees the writer's odd version. On x86-64 both are plain moves.
  static constexpr auto kStore = std::memory_order_release;
  static constexpr auto kLoad = std::memory_order_acquire;

  struct DescriptorCell {
    std::atomic<uint64_t> words[kDescriptorWords];
    DescriptorCell *nextFree = nullptr; // writers only
    void *tag = nullptr;                // writers only
  };

  // The key holds the handle (low half) and the kind; 0 marks an empty slot
  // (no session has handle 0).
  struct Slot {
    std::atomic<uint64_t> key{0};
    std::atomic<const zumodules::EntryPointTable *> table{nullptr};
    std::atomic<DescriptorCell *> cell{nullptr};

    void CopyFrom(const Slot &other);
  };

  // Linear probing from the slot the handle's Fibonacci hash selects. Never
  // more than half full, so every probe ends at an empty slot.
  struct SlotArray {
    explicit SlotArray(size_t capacity);
    size_t Home(ViSession handle) const {
      return static_cast<size_t>((handle * 0x9E3779B97F4A7C15ull) >> shift) & mask;
    }
    size_t Capacity() const { return mask + 1; }

    const size_t mask;
    const unsigned shift;
    const std::unique_ptr<Slot[]> slots;
  };

  static ViSession HandleOf(uint64_t key) { return static_cast<ViSession>(key); }
  static uint32_t KindOf(uint64_t key) { return static_cast<uint32_t>(key >> 32); }
  static void Pause() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
  }

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
  FreeListPool<DescriptorCell> cells_;
};

// Always inline, so that the forwarded call's lookup is straight-line code.
template <class Read>
[[gnu::always_inline]] inline SessionIndex::Lookup SessionIndex::ReadConsistently(Read &&read) const {
  for (int attempt = 0; attempt < kOptimisticTries; ++attempt) {
    const uint64_t before = version_.load(kLoad);
    if ((before & 1) == 0) {
      const bool found = read();
      if (version_.load(std::memory_order_relaxed) == before) return found ? Lookup::kFound : Lookup::kAbsent;
    }
    Pause();
  }
  return Lookup::kBusy;
}

// The probe is bounded by the capacity: a lookup that races a writer may see
// a slot array in an intermediate state, and gives up instead of looping.
inline const SessionIndex::Slot *SessionIndex::Probe(const SlotArray *array, ViSession handle) const {
  if (array == nullptr || handle == 0) return nullptr;
  size_t at = array->Home(handle);
  for (size_t step = 0; step <= array->mask; ++step, at = (at + 1) & array->mask) {
    const uint64_t key = array->slots[at].key.load(kLoad);
    if (key == 0) return nullptr;
    if (HandleOf(key) == handle) return &array->slots[at];
  }
  return nullptr;
}

inline SessionIndex::Lookup SessionIndex::Find(ViSession handle, IndexedSession &session) const {
  IndexedSession seen;
  const Lookup result = ReadConsistently([&] {
    const Slot *slot = Probe(current_.load(kLoad), handle);
    if (slot == nullptr) return false;
    seen.kind = KindOf(slot->key.load(kLoad));
    seen.table = slot->table.load(kLoad);
    return true;
  });
  if (result == Lookup::kFound) session = seen;
  return result;
}

} // namespace zuapi
