#include "redirector/api/InterchangeWarnings.h"

#include <cstdlib>
#include <cstring>

#include "platform/IviEngine.h"

namespace zuapi {
namespace {

constexpr int kMaxWarnings = 128;
constexpr size_t kWarningBufferSize = 1024;
constexpr char kSeparator[] = "\r\n\r\n";
constexpr size_t kSeparatorLength = sizeof kSeparator - 1;

ZeroedAllocator gAllocate = &std::calloc;

// Fetches warnings until the first empty one (kept as the last entry);
// returns the number of entries. An entry that could not be allocated
// becomes the fixed out-of-memory text and ends the list.
int FetchWarnings(ViSession vi, const char *(&entries)[kMaxWarnings]) {
  int count = 0;
  while (count < kMaxWarnings) {
    auto *buffer = static_cast<char *>(gAllocate(kWarningBufferSize, 1));
    if (buffer == nullptr) {
      entries[count++] = kWarningsOutOfMemory;
      break;
    }
    Ivi_GetNextInterchangeCheckString(vi, kWarningBufferSize - 1, buffer);
    entries[count++] = buffer;
    if (buffer[0] == '\0') break;
  }
  return count;
}

char *Join(const char *const *entries, int count) {
  size_t total = 1;
  for (int i = 0; i < count; ++i) total += std::strlen(entries[i]) + kSeparatorLength;
  auto *text = static_cast<char *>(gAllocate(total, 1));
  if (text == nullptr) return nullptr;
  char *end = text;
  for (int i = 0; i < count; ++i) {
    size_t length = std::strlen(entries[i]);
    std::memcpy(end, entries[i], length);
    std::memcpy(end + length, kSeparator, kSeparatorLength);
    end += length + kSeparatorLength;
  }
  return text;
}

} // namespace

const char *CollectInterchangeWarnings(ViSession vi) {
  const char *entries[kMaxWarnings];
  int count = FetchWarnings(vi, entries);
  char *text = Join(entries, count);
  for (int i = 0; i < count; ++i)
    if (entries[i] != kWarningsOutOfMemory) std::free(const_cast<char *>(entries[i]));
  return text != nullptr ? text : kWarningsOutOfMemory;
}

void ReleaseInterchangeWarnings(const char *text) {
  if (text != kWarningsOutOfMemory) std::free(const_cast<char *>(text));
}

ZeroedAllocator SetWarningsAllocator(ZeroedAllocator allocator) {
  ZeroedAllocator previous = gAllocate;
  gAllocate = allocator != nullptr ? allocator : &std::calloc;
  return previous;
}

} // namespace zuapi
