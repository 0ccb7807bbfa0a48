// zuerr::Status: a status code plus a JSON text telling where and why it was
// set. The first error of a sequence wins; an error replaces a warning, never
// the reverse.
#pragma once

#include <cstdint>

#include "status/jsonz.h"

namespace zuerr {

struct Status;

// Grows the JSON buffer to at least newCapacity bytes, or frees it for 0.
using ReallocateJsonFn = bool (*)(Status &, uint32_t newCapacity);

// Buffers are 512 bytes or the next power of two; the old text (or "{}") is
// carried over. Fails for 2^31 bytes or more and when memory runs out.
bool DefaultReallocateJson(Status &status, uint32_t newCapacity);

// Where a status was raised; one static record per place.
struct SourceLocation {
  const char *file;
  int line;
  const char *component;
  const char *errorConstant;
};

// Owns its JSON buffer: not copyable (pass by reference); a moved-from status
// is fresh again.
struct Status {
  int32_t code = 0;
  uint32_t capacity = 0;
  ReallocateJsonFn reallocateJson = &DefaultReallocateJson;
  char *json = nullptr;

  Status() = default;
  Status(const Status &) = delete;
  Status &operator=(const Status &) = delete;
  Status(Status &&other) noexcept { TakeFrom(other); }
  Status &operator=(Status &&other) noexcept {
    if (this != &other) {
      Release();
      TakeFrom(other);
    }
    return *this;
  }
  ~Status() { Release(); }

private:
  void Release() noexcept {
    if (json != nullptr && reallocateJson != nullptr) {
      reallocateJson(*this, 0);
    }
  }
  void TakeFrom(Status &other) noexcept {
    code = other.code;
    capacity = other.capacity;
    reallocateJson = other.reallocateJson;
    json = other.json;
    other.code = 0;
    other.capacity = 0;
    other.reallocateJson = &DefaultReallocateJson;
    other.json = nullptr;
  }
};

inline bool IsError(const Status &status) { return status.code < 0; }

// Takes `code` when the status holds 0 (and code is not 0) or a warning (and
// code is an error); then resets an existing text to "{}". Returns whether
// it took the code.
bool SetCode(Status &status, int32_t code);

// SetCode, and when taken writes error_constant, file, line and component
// into a fresh "{}" text. *jsonComplete tells whether all of it was written.
bool SetCodeWithLocation(Status &status, int32_t code, const SourceLocation &location,
                         bool *jsonComplete = nullptr);

// SetCode with the source's code; when taken, the target gets the source's
// text too.
bool MergeInto(Status &target, const Status &source, bool *jsonComplete = nullptr);

// Makes the target equal to the source (code and text). False, with the
// target's code unchanged, when the text cannot be copied.
bool CopyStatus(Status &target, const Status &source);

// Replaces the text (null stands for "{}"), creating or growing the buffer.
// Returns the position of the text's last character, or null.
char *ResetJson(Status &status, const char *textOrNull);

// Makes room for `extra` characters of text and returns the root object's
// closing brace (creating a 512-byte "{}" buffer when there is none), or null.
char *RootCursor(Status &status, uint32_t extra);

// Doubles the buffer and returns `position` translated into the new buffer,
// or null (the buffer then is as it was).
char *GrowCursor(Status &status, char *position);

// A cursor at the root object's closing brace that grows the status's buffer
// when needed; its position is null when no buffer could be created.
jsonz::Cursor StatusCursor(Status &status);

} // namespace zuerr

// Sets `constant` on `status` with this source location; evaluates to whether
// the code was taken.
#define ZUERR_SET(status, constant)                                                                          \
  ([&]() -> bool {                                                                                           \
    static const ::zuerr::SourceLocation zuerrLocation{__FILE__, __LINE__, "zuvexa", #constant};             \
    return ::zuerr::SetCodeWithLocation((status), (constant), zuerrLocation);                                \
  }())

// Same for a code known only at run time, with its constant's name given.
#define ZUERR_SET_CODE(status, code, constantName)                                                           \
  ([&]() -> bool {                                                                                           \
    const ::zuerr::SourceLocation zuerrLocation{__FILE__, __LINE__, "zuvexa", (constantName)};               \
    return ::zuerr::SetCodeWithLocation((status), (code), zuerrLocation);                                    \
  }())
