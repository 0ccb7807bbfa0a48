// An enumerator over a fixed list. Each delivered item is made fresh and
// belongs to the caller: a resource with one reference, or a
// length-prefixed text.
#pragma once

#include <mutex>
#include <vector>

#include "RefCounted.h"

namespace sysapistandin {

template <class Value> class ListEnumerator final : public RefCounted<sysapi::ISysEnumerator> {
public:
  // Returns the new item, or null when memory is short.
  using MakeItem = void *(*)(const Value &);

  ListEnumerator(std::vector<Value> values, MakeItem makeItem)
      : values_(std::move(values)), makeItem_(makeItem) {}

  // 0 when `count` items were delivered, kNone when fewer (the list ran
  // out). If an item cannot be made, those before it stay delivered.
  SysStatus Next(uint32_t count, void **items, uint32_t *fetched) override {
    if (fetched != nullptr) *fetched = 0;
    if (count == 0) return 0;
    if (items == nullptr || (fetched == nullptr && count > 1)) return sysapi::kNullPointer;
    for (uint32_t index = 0; index < count; ++index) items[index] = nullptr;
    return Guarded([&] { return Deliver(count, items, fetched); });
  }

private:
  SysStatus Deliver(uint32_t count, void **items, uint32_t *fetched) {
    std::lock_guard lock(mutex_);
    uint32_t delivered = 0;
    for (; delivered < count && position_ < values_.size(); ++delivered) {
      items[delivered] = makeItem_(values_[position_]);
      if (items[delivered] == nullptr) break;
      ++position_;
    }
    if (fetched != nullptr) *fetched = delivered;
    if (delivered < count && position_ < values_.size()) return sysapi::kOutOfMemory;
    return delivered == count ? 0 : kNone;
  }

  std::mutex mutex_;
  const std::vector<Value> values_;
  const MakeItem makeItem_;
  size_t position_ = 0;
};

} // namespace sysapistandin
