// Owners of what the system configuration library hands out: one reference
// to an object, or one length-prefixed text.
#pragma once

#include <string_view>
#include <utility>

#include "platform/SysapiInterfaces.h"

namespace zurouting {

// Holds one reference and releases it when it goes.
template <class T> class SysRef {
public:
  SysRef() = default;
  explicit SysRef(T *object) : object_(object) {}
  ~SysRef() { reset(); }
  SysRef(const SysRef &) = delete;
  SysRef &operator=(const SysRef &) = delete;
  SysRef(SysRef &&other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  SysRef &operator=(SysRef &&other) noexcept {
    if (this != &other) {
      reset();
      object_ = std::exchange(other.object_, nullptr);
    }
    return *this;
  }

  T *get() const { return object_; }
  T *operator->() const { return object_; }
  T &operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }

  // Releases the held reference and offers the slot to an out-parameter.
  T **out() {
    reset();
    return &object_;
  }
  void **outVoid() {
    reset();
    return reinterpret_cast<void **>(&object_);
  }

  void reset() {
    if (object_ != nullptr) std::exchange(object_, nullptr)->Release();
  }

  // Hands the reference over to the caller.
  T *detach() { return std::exchange(object_, nullptr); }

private:
  T *object_ = nullptr;
};

// Holds one length-prefixed text and frees it when it goes.
class SysText {
public:
  SysText() = default;
  explicit SysText(wchar_t *text) : text_(text) {}
  ~SysText() { sysapi::FreeSysText(text_); }
  SysText(const SysText &) = delete;
  SysText &operator=(const SysText &) = delete;

  wchar_t **out() {
    sysapi::FreeSysText(std::exchange(text_, nullptr));
    return &text_;
  }
  const wchar_t *get() const { return text_; }
  std::wstring_view view() const {
    return text_ == nullptr ? std::wstring_view() : std::wstring_view(text_, sysapi::SysTextLength(text_));
  }

private:
  wchar_t *text_ = nullptr;
};

} // namespace zurouting
