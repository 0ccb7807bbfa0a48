// Reference counting shared by every object the stand-in hands out.
#pragma once

#include <atomic>
#include <cstdint>

#include "StandinStatus.h"

namespace sysapistandin {

// Objects of the stand-in currently alive.
int64_t LiveObjectCount();
void CountObjectCreated();
void CountObjectDestroyed();

// Implements positions 0 to 2 on top of `Interface`. An object starts with
// one reference, held by whoever created it, and deletes itself when the
// last one is released. The virtual functions added here come after the
// interface's, so its positions are unchanged.
template <class Interface> class RefCounted : public Interface {
public:
  RefCounted(const RefCounted &) = delete;
  RefCounted &operator=(const RefCounted &) = delete;

  SysStatus QueryInterface(const sysapi::Guid &iid, void **object) override {
    if (object == nullptr) return sysapi::kNullPointer;
    if (iid == sysapi::kIidUnknown || Provides(iid)) {
      AddRef();
      *object = static_cast<Interface *>(this);
      return 0;
    }
    *object = nullptr;
    return sysapi::kNoInterface;
  }

  uint32_t AddRef() override { return references_.fetch_add(1, std::memory_order_relaxed) + 1; }

  // A release without a reference is ignored rather than deleting twice.
  uint32_t Release() override {
    uint32_t current = references_.load(std::memory_order_relaxed);
    do {
      if (current == 0) return 0;
    } while (!references_.compare_exchange_weak(current, current - 1, std::memory_order_acq_rel));
    if (current == 1) delete this;
    return current - 1;
  }

protected:
  RefCounted() { CountObjectCreated(); }
  virtual ~RefCounted() { CountObjectDestroyed(); }

  // Interfaces besides the base one that query-interface answers with this object.
  virtual bool Provides(const sysapi::Guid &) const { return false; }

private:
  std::atomic<uint32_t> references_{1};
};

} // namespace sysapistandin
