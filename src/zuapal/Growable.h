// Non-throwing growable containers. Growth that cannot be done (a size that
// overflows, an allocation that fails) sets -52000 (zuapalerr_memoryFull) in
// the caller's status and leaves the container as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "zuapal/StatusRecord.h"
#include "zuapal/zuapalerr.h"

namespace zuapal {

// Capacity rules: texts grow to the largest of the request, 127 and 1.5 times
// the old capacity (one more unit is allocated for the terminating NUL);
// arrays to the largest of the request, 8 and 1.5 times the old capacity.
// Both return 0 when the result would not fit `maxCount` elements.
size_t NextTextCapacity(size_t oldCapacity, size_t request, size_t maxCount);
size_t NextArrayCapacity(size_t oldCapacity, size_t request, size_t maxCount);

template <class T> class tArray {
  static_assert(std::is_nothrow_move_constructible_v<T>);

public:
  tArray() = default;
  ~tArray() { release(); }
  tArray(const tArray &) = delete;
  tArray &operator=(const tArray &) = delete;

  size_t size() const { return size_; }
  size_t capacity() const { return capacity_; }
  T &operator[](size_t i) { return data_[i]; }
  const T &operator[](size_t i) const { return data_[i]; }
  T *begin() { return data_; }
  T *end() { return data_ + size_; }
  const T *begin() const { return data_; }
  const T *end() const { return data_ + size_; }

  bool reserve(size_t request, StatusRecord &status) {
    if (status.isError()) return false;
    if (request <= capacity_) return true;
    size_t next = NextArrayCapacity(capacity_, request, SIZE_MAX / sizeof(T));
    T *grown = next == 0 ? nullptr : static_cast<T *>(::operator new(next * sizeof(T), std::nothrow));
    if (grown == nullptr) {
      ZUAPAL_SET(status, zuapalerr_memoryFull);
      return false;
    }
    for (size_t i = 0; i < size_; ++i) {
      new (grown + i) T(std::move(data_[i]));
      data_[i].~T();
    }
    ::operator delete(data_);
    data_ = grown;
    capacity_ = next;
    return true;
  }

  bool push_back(T &&value, StatusRecord &status) {
    if (!reserve(size_ + 1, status)) return false;
    new (data_ + size_) T(std::move(value));
    ++size_;
    return true;
  }

  // Removes one element, keeping the order of the others.
  void erase(size_t index) {
    for (size_t i = index; i + 1 < size_; ++i) data_[i] = std::move(data_[i + 1]);
    data_[--size_].~T();
  }

  void clear() {
    for (size_t i = 0; i < size_; ++i) data_[i].~T();
    size_ = 0;
  }

private:
  void release() {
    clear();
    ::operator delete(data_);
    data_ = nullptr;
    capacity_ = 0;
  }

  T *data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

// NUL-terminated growable text of `Unit` (char, or 32-bit wide units).
template <class Unit> class tText {
public:
  tText() = default;
  ~tText() { ::operator delete(data_); }
  tText(tText &&other) noexcept
      : data_(std::exchange(other.data_, nullptr)), capacity_(std::exchange(other.capacity_, 0)),
        length_(std::exchange(other.length_, 0)) {}
  tText &operator=(tText &&other) noexcept {
    std::swap(data_, other.data_);
    std::swap(capacity_, other.capacity_);
    std::swap(length_, other.length_);
    return *this;
  }
  tText(const tText &) = delete;
  tText &operator=(const tText &) = delete;

  const Unit *data() const { return data_ != nullptr ? data_ : kEmpty; }
  size_t length() const { return length_; }
  size_t capacity() const { return capacity_; }

  bool reserve(size_t request, StatusRecord &status) {
    if (status.isError()) return false;
    if (request <= capacity_ && data_ != nullptr) return true;
    size_t next = NextTextCapacity(capacity_, request, SIZE_MAX / sizeof(Unit) - 1);
    Unit *grown =
        next == 0 ? nullptr : static_cast<Unit *>(::operator new((next + 1) * sizeof(Unit), std::nothrow));
    if (grown == nullptr) {
      ZUAPAL_SET(status, zuapalerr_memoryFull);
      return false;
    }
    if (length_ != 0) std::memcpy(grown, data_, length_ * sizeof(Unit));
    grown[length_] = Unit(0);
    ::operator delete(data_);
    data_ = grown;
    capacity_ = next;
    return true;
  }

  bool append(const Unit *units, size_t count, StatusRecord &status) {
    if (count > SIZE_MAX / sizeof(Unit) - 1 - length_) {
      ZUAPAL_SET(status, zuapalerr_memoryFull);
      return false;
    }
    if (!reserve(length_ + count, status)) return false;
    if (count != 0) std::memcpy(data_ + length_, units, count * sizeof(Unit));
    length_ += count;
    data_[length_] = Unit(0);
    return true;
  }

  bool assign(const Unit *units, size_t count, StatusRecord &status) {
    if (status.isError()) return false;
    size_t kept = length_;
    length_ = 0;
    if (append(units, count, status)) return true;
    length_ = kept;
    return false;
  }

private:
  static constexpr Unit kEmpty[1] = {Unit(0)};
  Unit *data_ = nullptr;
  size_t capacity_ = 0;
  size_t length_ = 0;
};

using tWideText = tText<char32_t>;

} // namespace zuapal
