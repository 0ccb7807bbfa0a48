#include "zu/dsc/CountedWideString.h"

#include "zu/dsc/NumericCast.h"
#include "zu/dsc/SafeInteger.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <new>

namespace zu::dsc {

namespace {

constexpr uint32_t kCountBytes = sizeof(uint32_t);
constexpr uint32_t kUnitBytes = sizeof(wchar_t);
// The text bytes must stay below this so that the count field still fits.
constexpr uint32_t kTextBytesLimit = 0xFFFFFFFCu;

unsigned char *BlockOf(const wchar_t *text) {
  return reinterpret_cast<unsigned char *>(const_cast<wchar_t *>(text)) - kCountBytes;
}

} // namespace

uint32_t CountedWideString::blockSize(size_t characterCount) {
  const uint32_t count = ZU_NUMERIC_CAST(uint32_t, characterCount);
  const uint32_t units = ZU_SAFE_ADD(count, 1u);
  const uint32_t textBytes = ZU_SAFE_BELOW(ZU_SAFE_MULTIPLY(units, kUnitBytes), kTextBytesLimit);
  return kCountBytes + textBytes;
}

wchar_t *CountedWideString::duplicate(const wchar_t *text) {
  if (text == nullptr) {
    return nullptr;
  }
  const size_t length = std::wcslen(text);
  const uint32_t bytes = blockSize(length);
  auto *block = static_cast<unsigned char *>(std::malloc(bytes));
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  const uint32_t count = static_cast<uint32_t>(length);
  std::memcpy(block, &count, kCountBytes);
  auto *characters = reinterpret_cast<wchar_t *>(block + kCountBytes);
  std::memcpy(characters, text, (length + 1) * kUnitBytes);
  return characters;
}

void CountedWideString::free(const wchar_t *text) {
  if (text != nullptr) {
    std::free(BlockOf(text));
  }
}

uint32_t CountedWideString::count(const wchar_t *text) {
  if (text == nullptr) {
    return 0;
  }
  uint32_t stored;
  std::memcpy(&stored, BlockOf(text), kCountBytes);
  return stored;
}

} // namespace zu::dsc
