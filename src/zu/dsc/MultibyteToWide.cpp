#include "zu/dsc/MultibyteToWide.h"

#include "zuapal/zuapalerr.h"

#include <langinfo.h>

#include <cstring>
#include <cwchar>
#include <new>
#include <stdexcept>

namespace zu::dsc {

namespace {

constexpr size_t kInvalidSequence = static_cast<size_t>(-1);
constexpr size_t kIncompleteSequence = static_cast<size_t>(-2);

// Output of one pass: counts only when `units` is null, otherwise writes at
// most `capacity` units.
struct WideSink {
  wchar_t *units = nullptr;
  size_t capacity = 0;
  size_t used = 0;

  bool put(wchar_t unit) {
    if (units != nullptr) {
      if (used == capacity) {
        return false;
      }
      units[used] = unit;
    }
    ++used;
    return true;
  }
};

// Converts the whole text into `sink`, one character at a time. A NUL byte
// ends a run: it is stored as a 0 unit and the next run starts from the
// initial shift state. Returns 0 or the failure code.
int32_t ConvertRuns(const char *text, size_t byteLength, WideSink &sink) {
  std::mbstate_t state{};
  size_t position = 0;
  while (position < byteLength) {
    wchar_t unit = 0;
    const size_t consumed = std::mbrtowc(&unit, text + position, byteLength - position, &state);
    if (consumed == kInvalidSequence || consumed == kIncompleteSequence) {
      return zuapalerr_invalidMultibyteSequence;
    }
    if (!sink.put(unit)) {
      return zuapalerr_outputSpaceExhausted;
    }
    if (consumed == 0) {
      state = std::mbstate_t{};
      position += 1;
    } else {
      position += consumed;
    }
  }
  return 0;
}

// Whether the calling thread's locale encodes ASCII characters as their own
// single bytes, as UTF-8 and the C locale's ASCII do.
bool AsciiIsItself() {
  const char *codeset = nl_langinfo(CODESET);
  return std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "ANSI_X3.4-1968") == 0;
}

bool IsAscii(const char *run, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (static_cast<unsigned char>(run[i]) >= 0x80) {
      return false;
    }
  }
  return true;
}

// Converts one run without NUL bytes. ASCII text in such a locale is widened
// byte by byte; other text is converted by the C library in one call, and a
// run that this does not convert cleanly to its end (a bad or cut sequence)
// is converted again one character at a time, which decides the outcome.
int32_t ConvertRun(const char *run, size_t length, bool asciiIsItself, WideSink &sink) {
  if (asciiIsItself && IsAscii(run, length)) {
    for (size_t i = 0; i < length; ++i) {
      sink.units[sink.used + i] = static_cast<unsigned char>(run[i]);
    }
    sink.used += length;
    return 0;
  }
  std::mbstate_t state{};
  const char *next = run;
  const size_t converted =
      mbsnrtowcs(sink.units + sink.used, &next, length, sink.capacity - sink.used, &state);
  if (converted != kInvalidSequence && next == run + length && std::mbsinit(&state)) {
    sink.used += converted;
    return 0;
  }
  return ConvertRuns(run, length, sink);
}

// A character takes at least one byte, so the text never needs more units
// than it has bytes: one buffer of that size, filled run by run.
int32_t ConvertInto(const char *text, size_t byteLength, std::wstring &converted) {
  std::wstring buffer(byteLength, L'\0');
  WideSink sink{buffer.data(), buffer.size()};
  const bool asciiIsItself = AsciiIsItself();
  for (size_t position = 0; position < byteLength;) {
    const void *nul = std::memchr(text + position, '\0', byteLength - position);
    const size_t end = nul == nullptr ? byteLength : static_cast<const char *>(nul) - text;
    if (end > position) {
      if (int32_t code = ConvertRun(text + position, end - position, asciiIsItself, sink)) {
        return code;
      }
    }
    position = end;
    if (nul != nullptr) {
      sink.put(L'\0');
      position += 1;
    }
  }
  buffer.resize(sink.used);
  converted.swap(buffer);
  return 0;
}

} // namespace

void MultibyteToWide(const char *text, size_t byteLength, std::wstring &out, zuapal::StatusRecord &status) {
  if (status.isError()) {
    return;
  }
  if (text == nullptr && byteLength != 0) {
    ZUAPAL_SET(status, zuapalerr_invalidParameter);
    return;
  }
  try {
    std::wstring converted;
    if (int32_t code = ConvertInto(text, byteLength, converted)) {
      ZUAPAL_SET(status, code);
      return;
    }
    out.swap(converted);
  } catch (const std::bad_alloc &) {
    ZUAPAL_SET(status, zuapalerr_memoryFull);
  } catch (const std::length_error &) {
    ZUAPAL_SET(status, zuapalerr_memoryFull);
  }
}

} // namespace zu::dsc
