#include "redirector/api/SessionIndex.h"

#include <cstring>

#include "redirector/api/TestSeam.h"

namespace zuapi {

namespace {

constexpr size_t kFirstCapacity = 16; // slots of the first array; a power of two

uint64_t KeyOf(ViSession handle, uint32_t kind) { return handle | (uint64_t{kind} << 32); }

} // namespace

void SessionIndex::Slot::CopyFrom(const Slot &other) {
  table.store(other.table.load(std::memory_order_relaxed), kStore);
  cell.store(other.cell.load(std::memory_order_relaxed), kStore);
  key.store(other.key.load(std::memory_order_relaxed), kStore);
}

SessionIndex::SlotArray::SlotArray(size_t capacity)
    : mask(capacity - 1), shift(64 - __builtin_ctzll(capacity)), slots(new Slot[capacity]) {}

SessionIndex::SessionIndex() = default;
SessionIndex::~SessionIndex() = default;

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
  cells_.Reserve();
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

void SessionIndex::Insert(ViSession handle, const IndexedSession &session, const char *descriptor,
                          void *tag) noexcept {
  uint64_t words[kDescriptorWords] = {};
  std::memcpy(words, descriptor, strnlen(descriptor, kDescriptorSize - 1));
  DescriptorCell *cell = cells_.Take();
  cell->tag = tag;
  SlotArray *array = arrays_.back().get();
  size_t at = array->Home(handle);
  while (array->slots[at].key.load(std::memory_order_relaxed) != 0) at = (at + 1) & array->mask;

  BeginWrite();
  for (size_t i = 0; i < kDescriptorWords; ++i) cell->words[i].store(words[i], kStore);
  Slot &slot = array->slots[at];
  slot.table.store(session.table, kStore);
  slot.cell.store(cell, kStore);
  seam::Reach(seam::Point::kIndexWriting);
  slot.key.store(KeyOf(handle, session.kind), kStore);
  EndWrite();
  ++count_;
}

bool SessionIndex::Remove(ViSession handle, void **tag) noexcept {
  SlotArray *array = arrays_.empty() ? nullptr : arrays_.back().get();
  const Slot *found = Probe(array, handle);
  if (found == nullptr) return false;
  DescriptorCell *cell = found->cell.load(std::memory_order_relaxed);
  if (tag != nullptr) *tag = cell->tag;
  BeginWrite();
  seam::Reach(seam::Point::kIndexWriting);
  ShiftBackInto(*array, static_cast<size_t>(found - array->slots.get()));
  EndWrite();
  cells_.Give(cell);
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
