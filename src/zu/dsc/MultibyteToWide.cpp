#include "zu/dsc/MultibyteToWide.h"

#include "zuapal/zuapalerr.h"

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

// Converts the whole text into `sink`. A NUL byte ends a run: it is stored
// as a 0 unit and the next run starts from the initial shift state. Returns
// 0 or the failure code.
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

int32_t ConvertInto(const char *text, size_t byteLength, std::wstring &converted) {
  WideSink counter;
  if (int32_t code = ConvertRuns(text, byteLength, counter)) {
    return code;
  }
  // The string holds count units plus its own terminator: count + 1 in all.
  std::wstring buffer(counter.used, L'\0');
  WideSink writer{buffer.data(), buffer.size()};
  if (int32_t code = ConvertRuns(text, byteLength, writer)) {
    return code;
  }
  buffer.resize(writer.used);
  converted.swap(buffer);
  return 0;
}

} // namespace

void MultibyteToWide(const char *text, size_t byteLength, std::wstring &out,
                     zuapal::StatusRecord &status) {
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
