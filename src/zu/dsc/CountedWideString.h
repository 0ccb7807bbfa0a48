// Counted wide-text blocks: a 32-bit character count followed by the
// characters and a terminating 0 unit. The pointer handed out points at the
// characters, so it reads as an ordinary NUL-terminated wide text.
#pragma once

#include <cstddef>
#include <cstdint>

static_assert(sizeof(wchar_t) == 4, "wide characters are 32-bit units");

namespace zu::dsc {

class CountedWideString {
public:
  // Copies `text` into a new block; null gives null. Throws
  // exception::OutOfRange when the text is too long for a block and
  // std::bad_alloc when the allocation fails.
  static wchar_t *duplicate(const wchar_t *text);

  // Frees a block made by duplicate; null is ignored.
  static void free(const wchar_t *text);

  // The stored character count of a block; 0 for null.
  static uint32_t count(const wchar_t *text);

  // Bytes of the block for `characterCount` characters: the count field plus
  // the characters and terminator. Throws exception::OutOfRange when that
  // does not fit in 32 bits.
  static uint32_t blockSize(size_t characterCount);
};

} // namespace zu::dsc
