// Fixed-layout status used by the containers, the semaphore wrapper and the
// allocation routines. The first error of a sequence wins; an error replaces
// a warning, never the reverse.
#pragma once

#include <cstdint>

namespace zuapal {

struct StatusRecord {
  static constexpr uint64_t kFullSize = 216;
  static constexpr int kComponentSize = 10;
  static constexpr int kFileSize = 101;
  static constexpr int kExtensionWords = 10;

  uint64_t size = kFullSize;
  int64_t code = 0;
  char component[kComponentSize] = {};
  char file[kFileSize] = {};
  uint64_t line = 0;
  uint64_t extension[kExtensionWords] = {};

  bool isError() const { return code < 0; }
  bool isWarning() const { return code > 0; }
};

static_assert(sizeof(StatusRecord) == StatusRecord::kFullSize, "status record layout");

// Takes the code when the record holds 0 (and code is not 0) or holds a
// warning and code is an error. Returns whether it was taken.
bool SetCode(StatusRecord &record, int64_t code, const char *component, const char *file, uint64_t line);

// Sets the source's code on the target; when taken, copies the extension
// words up to and including the first zero word.
bool Merge(StatusRecord &target, const StatusRecord &source);

} // namespace zuapal

// Records `code` in a StatusRecord with this source location.
#define ZUAPAL_SET(record, code) ::zuapal::SetCode((record), (code), "zuvexa", __FILE__, __LINE__)
