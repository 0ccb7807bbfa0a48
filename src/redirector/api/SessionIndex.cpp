#include "redirector/api/SessionIndex.h"

#include <cstring>

namespace zuapi {

namespace {

constexpr size_t kDescriptorWords = kDescriptorSize / sizeof(uint64_t);
constexpr size_t kFirstCapacity = 16;  // slots of the first array; a power of two
constexpr size_t kCellsPerChunk = 64;
constexpr int kOptimisticTries = 64;   // before a lookup reports "busy"

// Every store a lookup may observe is a release store and every load it makes
// an acquire load: a lookup that sees any store of a writer also sees the
// writer's odd version, and on x86-64 both are plain moves.
constexpr auto kStore = std::memory_order_release;
constexpr auto kLoad = std::memory_order_acquire;

ViSession HandleOf(uint64_t key) { return static_cast<ViSession>(key); }
uint32_t KindOf(uint64_t key) { return static_cast<uint32_t>(key >> 32); }
uint64_t KeyOf(ViSession handle, uint32_t kind) { return handle | (uint64_t{kind} << 32); }

void Pause() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#endif
}

} // namespace

struct SessionIndex::DescriptorCell {
  std::atomic<uint64_t> words[kDescriptorWords];
  DescriptorCell *nextFree = nullptr; // writers only
};

// A key of 0 marks an empty slot (no session has handle 0).
struct SessionIndex::Slot {
  std::atomic<uint64_t> key{0};
  std::atomic<const zumodules::EntryPointTable *> table{nullptr};
  std::atomic<DescriptorCell *> cell{nullptr};

  void CopyFrom(const Slot &other) {
    table.store(other.table.load(std::memory_order_relaxed), kStore);
    cell.store(other.cell.load(std::memory_order_relaxed), kStore);
    key.store(other.key.load(std::memory_order_relaxed), kStore);
  }
};

// Linear probing from the slot the handle's Fibonacci hash selects. Never
// more than half full, so every probe ends at an empty slot.
struct SessionIndex::SlotArray {
  explicit SlotArray(size_t capacity)
      : mask(capacity - 1), shift(64 - __builtin_ctzll(capacity)), slots(new Slot[capacity]) {}

  size_t Home(ViSession handle) const {
    return static_cast<size_t>((handle * 0x9E3779B97F4A7C15ull) >> shift) & mask;
  }
  size_t Capacity() const { return mask + 1; }

  const size_t mask;
  const unsigned shift;
  const std::unique_ptr<Slot[]> slots;
};

SessionIndex::SessionIndex() = default;
SessionIndex::~SessionIndex() = default;

template <class Read> SessionIndex::Lookup SessionIndex::ReadConsistently(Read &&read) const {
  for (int attempt = 0; attempt < kOptimisticTries; ++attempt) {
    const uint64_t before = version_.load(kLoad);
    if ((before & 1) == 0) {
      const bool found = read();
      if (version_.load(std::memory_order_relaxed) == before)
        return found ? Lookup::kFound : Lookup::kAbsent;
    }
    Pause();
  }
  return Lookup::kBusy;
}

// The probe is bounded by the capacity: a lookup that races a writer may see
// a slot array in an intermediate state, and gives up instead of looping.
const SessionIndex::Slot *SessionIndex::Probe(const SlotArray *array, ViSession handle) const {
  if (array == nullptr || handle == 0) return nullptr;
  size_t at = array->Home(handle);
  for (size_t step = 0; step <= array->mask; ++step, at = (at + 1) & array->mask) {
    const uint64_t key = array->slots[at].key.load(kLoad);
    if (key == 0) return nullptr;
    if (HandleOf(key) == handle) return &array->slots[at];
  }
  return nullptr;
}

SessionIndex::Lookup SessionIndex::Find(ViSession handle, IndexedSession &session) const {
  IndexedSession seen;
  Lookup result = ReadConsistently([&] {
    const Slot *slot = Probe(current_.load(kLoad), handle);
    if (slot == nullptr) return false;
    seen.kind = KindOf(slot->key.load(kLoad));
    seen.table = slot->table.load(kLoad);
    return true;
  });
  if (result == Lookup::kFound) session = seen;
  return result;
}

SessionIndex::Lookup SessionIndex::FindDescriptor(ViSession handle,
                                                  char (&descriptor)[kDescriptorSize]) const {
  uint64_t words[kDescriptorWords];
  Lookup result = ReadConsistently([&] {
    const Slot *slot = Probe(current_.load(kLoad), handle);
    if (slot == nullptr) return false;
    const DescriptorCell *cell = slot->cell.load(kLoad);
    for (size_t i = 0; i < kDescriptorWords; ++i) words[i] = cell->words[i].load(kLoad);
    return true;
  });
  if (result == Lookup::kFound) {
    std::memcpy(descriptor, words, kDescriptorSize);
    descriptor[kDescriptorSize - 1] = '\0';
  }
  return result;
}

bool SessionIndex::Contains(ViSession handle) const {
  return Probe(current_.load(std::memory_order_relaxed), handle) != nullptr;
}

void SessionIndex::Reserve() {
  if (freeCells_ == nullptr) {
    cellChunks_.push_back(std::make_unique<DescriptorCell[]>(kCellsPerChunk));
    DescriptorCell *chunk = cellChunks_.back().get();
    for (size_t i = 0; i < kCellsPerChunk; ++i) {
      chunk[i].nextFree = freeCells_;
      freeCells_ = &chunk[i];
    }
  }
  const size_t capacity = arrays_.empty() ? 0 : arrays_.back()->Capacity();
  if (2 * (count_ + 1) <= capacity) return;

  // The larger array is filled before it is published, so lookups see the
  // same sessions in either array and need no version change.
  auto larger = std::make_unique<SlotArray>(capacity == 0 ? kFirstCapacity : 2 * capacity);
  if (capacity != 0) Rehash(*arrays_.back(), *larger);
  arrays_.push_back(std::move(larger));
  current_.store(arrays_.back().get(), kStore);
}

void SessionIndex::Rehash(const SlotArray &from, SlotArray &to) const {
  for (size_t i = 0; i < from.Capacity(); ++i) {
    const Slot &slot = from.slots[i];
    const uint64_t key = slot.key.load(std::memory_order_relaxed);
    if (key == 0) continue;
    size_t at = to.Home(HandleOf(key));
    while (to.slots[at].key.load(std::memory_order_relaxed) != 0) at = (at + 1) & to.mask;
    to.slots[at].CopyFrom(slot);
  }
}

void SessionIndex::BeginWrite() noexcept {
  version_.store(version_.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
}

void SessionIndex::EndWrite() noexcept {
  version_.store(version_.load(std::memory_order_relaxed) + 1, std::memory_order_release);
}

void SessionIndex::Insert(ViSession handle, const IndexedSession &session,
                          const char *descriptor) noexcept {
  uint64_t words[kDescriptorWords] = {};
  std::memcpy(words, descriptor, strnlen(descriptor, kDescriptorSize - 1));
  DescriptorCell *cell = freeCells_;
  freeCells_ = cell->nextFree;
  SlotArray *array = arrays_.back().get();
  size_t at = array->Home(handle);
  while (array->slots[at].key.load(std::memory_order_relaxed) != 0) at = (at + 1) & array->mask;

  BeginWrite();
  for (size_t i = 0; i < kDescriptorWords; ++i) cell->words[i].store(words[i], kStore);
  Slot &slot = array->slots[at];
  slot.table.store(session.table, kStore);
  slot.cell.store(cell, kStore);
  slot.key.store(KeyOf(handle, session.kind), kStore);
  EndWrite();
  ++count_;
}

bool SessionIndex::Remove(ViSession handle) noexcept {
  SlotArray *array = arrays_.empty() ? nullptr : arrays_.back().get();
  const Slot *found = Probe(array, handle);
  if (found == nullptr) return false;
  DescriptorCell *cell = found->cell.load(std::memory_order_relaxed);
  BeginWrite();
  ShiftBackInto(*array, static_cast<size_t>(found - array->slots.get()));
  EndWrite();
  cell->nextFree = freeCells_;
  freeCells_ = cell;
  --count_;
  return true;
}

// Deletion without markers: each later slot of the probe run moves into the
// hole when the hole lies between its home and where it sits, so every
// remaining session stays reachable from its home.
void SessionIndex::ShiftBackInto(SlotArray &array, size_t hole) noexcept {
  for (size_t at = (hole + 1) & array.mask;; at = (at + 1) & array.mask) {
    const uint64_t key = array.slots[at].key.load(std::memory_order_relaxed);
    if (key == 0) break;
    const size_t home = array.Home(HandleOf(key));
    if (((at - home) & array.mask) >= ((at - hole) & array.mask)) {
      array.slots[hole].CopyFrom(array.slots[at]);
      hole = at;
    }
  }
  array.slots[hole].key.store(0, kStore);
}

} // namespace zuapi
