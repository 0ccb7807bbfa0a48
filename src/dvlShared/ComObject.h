// Reference-counted objects handed to the system configuration library.
//
// CZUComObject<T> completes a class T that implements the operations of its
// interface (from position 3 on) and derives virtually from
// CZUComObjectRootEx: it adds query-interface, add-reference and release at
// positions 0 to 2, then the destructor and FinalConstruct.
//
// Virtual table layout (Itanium C++ ABI, which GCC and Clang follow here):
// a virtual destructor takes two consecutive slots where it is first
// declared, the complete-object destructor and then the deleting
// destructor. The destructor is declared first in CZUComObject, right after
// T's inherited interface operations, so with an interface that ends at
// position 3 it lands on positions 4 (complete) and 5 (deleting), and
// FinalConstruct, declared next, on position 6. T therefore must not declare
// virtual functions of its own, and T, its interface and the root classes
// keep trivial destructors: the complete-object destructor at position 4
// then has nothing to destroy and leaves the object as it was, so calling
// it is a no-op (the destructor is kept out of the vptr sanitizer, which
// would clear the table pointer). The tests call every position through
// the table.
#pragma once

#include <cstdint>
#include <new>
#include <type_traits>
#include <utility>

#include "platform/SysapiInterfaces.h"
#include "zu/dsc/CZUMutex.h"

namespace dvlShared {

class CZUComObjectRootBase {
protected:
  void *interfacePointer_ = nullptr; // the object's own interface, handed out by query-interface
  uint32_t referenceCount_ = 0;
};

// Counts change under the process-wide reference-count mutex.
struct CZUComMultiThreadModelNoCS {
  static uint32_t Increment(uint32_t &count) { return zu::dsc::CounterIncrement(count); }
  static uint32_t Decrement(uint32_t &count) { return zu::dsc::CounterDecrement(count); }
};

template <class ThreadModel> class CZUComObjectRootEx : public CZUComObjectRootBase {
protected:
  // An add-reference on the largest count leaves it there.
  uint32_t InternalAddRef() {
    uint32_t count = ThreadModel::Increment(referenceCount_);
    if (count == 0) count = ThreadModel::Decrement(referenceCount_);
    return count;
  }

  // `lastReference` tells the caller to destroy the object. A release of a
  // count of 0 (a caller fault) leaves it at 0 and destroys nothing.
  uint32_t InternalRelease(bool &lastReference) {
    uint32_t count = ThreadModel::Decrement(referenceCount_);
    lastReference = false;
    if (count == UINT32_MAX) {
      ThreadModel::Increment(referenceCount_);
      return 0;
    }
    lastReference = count == 0;
    return count;
  }
};

template <class T> class CZUComObject : public T {
public:
  static_assert(std::is_trivially_destructible_v<T>,
                "position 4 (complete-object destructor) must leave the object untouched");

  // A new object holding one reference, or null when memory is short or
  // FinalConstruct fails.
  template <class... Args> static typename T::PrimaryInterface *CreateInstance(Args &&...args) noexcept {
    auto *object = new (std::nothrow) CZUComObject(std::forward<Args>(args)...);
    if (object == nullptr) return nullptr;
    auto *primary = static_cast<typename T::PrimaryInterface *>(object);
    object->interfacePointer_ = primary;
    object->referenceCount_ = 1;
    if (object->FinalConstruct() != 0) {
      object->Release();
      return nullptr;
    }
    return primary;
  }

  // Position 0: the object itself with one more reference for the
  // interfaces T names; otherwise null and 0x80004002.
  sysapi::SysStatus QueryInterface(const sysapi::Guid &iid, void **object) override {
    if (object == nullptr) return sysapi::kNullPointer;
    if (!T::ProvidesInterface(iid)) {
      *object = nullptr;
      return sysapi::kNoInterface;
    }
    *object = this->interfacePointer_;
    AddRef();
    return 0;
  }

  // Position 1: the new count.
  uint32_t AddRef() override { return this->InternalAddRef(); }

  // Position 2: the new count; the last release deletes the object through
  // position 5.
  uint32_t Release() override {
    bool lastReference = false;
    uint32_t count = this->InternalRelease(lastReference);
    if (lastReference) delete this;
    return count;
  }

  // Positions 4 and 5. The vptr sanitizer would clear the table pointer at
  // the end of the complete-object destructor; position 4 must leave it.
  __attribute__((no_sanitize("vptr"))) virtual ~CZUComObject() {}

  // Position 6: nothing to finish after construction.
  virtual sysapi::SysStatus FinalConstruct() { return 0; }

private:
  template <class... Args> explicit CZUComObject(Args &&...args) noexcept : T(std::forward<Args>(args)...) {}
};

} // namespace dvlShared
