// The JSON buffer of a status: text, NUL, zero bytes, and 'J' in the last byte.
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "status/Status.h"

namespace zuerr {
namespace {

constexpr uint32_t kMinimumCapacity = 512;
constexpr uint32_t kCapacityLimit = 0x80000000u;
constexpr uint32_t kMaxTextLength = 0x7FFFFFFD;
constexpr char kEmptyObject[] = "{}";

// Fills a buffer of `size` bytes with the text, zeros and the sentinel.
// Returns the text's last character (the buffer start for an empty text).
char *InitBuffer(char *buffer, uint32_t size, const char *text, size_t length) {
  if (buffer == nullptr || size <= length + 1) {
    return nullptr;
  }
  std::memmove(buffer, text, length);
  std::memset(buffer + length, 0, size - 1 - length);
  buffer[size - 1] = 'J';
  return buffer + (length ? length - 1 : 0);
}

bool HasBuffer(const Status &status) { return status.json != nullptr && status.capacity != 0; }

char *GrowStatusCursor(char *position, void *status) {
  return GrowCursor(*static_cast<Status *>(status), position);
}

} // namespace

bool DefaultReallocateJson(Status &status, uint32_t newCapacity) {
  if (newCapacity == 0) {
    std::free(status.json);
    status.json = nullptr;
    status.capacity = 0;
    return true;
  }
  if (newCapacity <= status.capacity) {
    return true;
  }
  if (newCapacity >= kCapacityLimit) {
    return false;
  }
  const uint32_t size = newCapacity <= kMinimumCapacity ? kMinimumCapacity : std::bit_ceil(newCapacity);
  char *buffer = static_cast<char *>(std::malloc(size));
  if (buffer == nullptr) {
    return false;
  }
  if (HasBuffer(status)) {
    InitBuffer(buffer, size, status.json, strnlen(status.json, status.capacity - 1));
  } else {
    InitBuffer(buffer, size, kEmptyObject, sizeof kEmptyObject - 1);
  }
  std::free(status.json);
  status.json = buffer;
  status.capacity = size;
  return true;
}

char *ResetJson(Status &status, const char *textOrNull) {
  const char *text = textOrNull ? textOrNull : kEmptyObject;
  const size_t length = std::strlen(text);
  if (length > kMaxTextLength) {
    return nullptr;
  }
  const uint32_t needed = static_cast<uint32_t>(length) + 2;
  if (status.capacity < needed &&
      (status.reallocateJson == nullptr || !status.reallocateJson(status, needed))) {
    return nullptr;
  }
  return InitBuffer(status.json, status.capacity, text, length);
}

char *RootCursor(Status &status, uint32_t extra) {
  if (extra > kMaxTextLength) {
    return nullptr;
  }
  if (status.capacity < extra + 2 &&
      (status.reallocateJson == nullptr || !status.reallocateJson(status, extra + 2))) {
    return nullptr;
  }
  return status.json ? jsonz::EndOf(status.json) : nullptr;
}

char *GrowCursor(Status &status, char *position) {
  const auto base = reinterpret_cast<uintptr_t>(status.json);
  const auto at = reinterpret_cast<uintptr_t>(position);
  if (!HasBuffer(status) || position == nullptr || at < base || at - base >= status.capacity) {
    return nullptr;
  }
  const uintptr_t offset = at - base;
  const uint32_t oldCapacity = status.capacity;
  // 32-bit on purpose: a buffer of 2^31 bytes wraps to a request that fails.
  const uint32_t extra = 2u * oldCapacity - 4u;
  // A reallocation that reports success without growing would make the
  // caller retry forever.
  if (RootCursor(status, extra) == nullptr || status.capacity <= oldCapacity) {
    return nullptr;
  }
  return status.json + offset;
}

jsonz::Cursor StatusCursor(Status &status) {
  return jsonz::Cursor{RootCursor(status, 2), &GrowStatusCursor, &status};
}

} // namespace zuerr
