// The entry loop shared by the option string ("Name=Value,...") and the
// DriverSetup string ("Key:Value;..."), and the value helpers of both.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "routing/Failure.h"
#include "status/StatusCodes.h"
#include "zuVEXAtypes.h"

namespace zurouting::options {

inline constexpr size_t kMaxNameLength = 255;
inline constexpr size_t kMaxValueLength = 511;

struct EntrySyntax {
  char entrySeparator;
  char valueSeparator;
};

inline constexpr EntrySyntax kOptionSyntax{',', '='};
inline constexpr EntrySyntax kDriverSetupSyntax{';', ':'};

// One entry, cut to the length limits and trimmed of white space.
struct Entry {
  char name[kMaxNameLength + 1] = {};
  char value[kMaxValueLength + 1] = {};
  bool hasValueSeparator = false;
};

void SplitEntry(std::string_view text, char valueSeparator, Entry &entry);

// Walks the entries of `text`. Entries with a name and a value go to
// handler(entry), which returns a status; a negative one stops the walk.
// A name without a value, or a value separator without a name, stops the
// walk with its failure. Empty entries are skipped.
template <class Handler>
ViStatus ForEachEntry(const char *text, EntrySyntax syntax, Failure &failure, Handler &&handler) {
  if (text == nullptr) return VI_SUCCESS;
  const std::string_view all(text);
  size_t start = 0;
  while (start < all.size()) {
    size_t end = all.find(syntax.entrySeparator, start);
    if (end == std::string_view::npos) end = all.size();
    Entry entry;
    SplitEntry(all.substr(start, end - start), syntax.valueSeparator, entry);
    if (entry.name[0] != '\0') {
      if (entry.value[0] == '\0') return failure.Set(ZUVEXA_ERROR_OPTION_MISSING_VALUE, nullptr);
      const ViStatus status = handler(entry);
      if (status < 0) return status;
    } else if (entry.hasValueSeparator) {
      return failure.Set(ZUVEXA_ERROR_OPTION_MISSING_NAME, nullptr);
    }
    // A separator that is the last character ends the text like its end.
    start = end + 1;
  }
  return VI_SUCCESS;
}

// "VI_TRUE", "True", "1" / "VI_FALSE", "False", "0", any case; false for
// anything else.
bool ParseBoolean(const char *value, bool &result);

// Parses a boolean value into `target`; a bad value fails with the value as
// elaboration.
ViStatus ApplyBoolean(const Entry &entry, bool &target, Failure &failure);

// Replaces `target` with a copy of the value; when the copy cannot be made,
// ZUVEXA_ERROR_VALUE_COPY fails with the value and `target` keeps what it
// held.
ViStatus ApplyTextCopy(const Entry &entry, std::optional<std::string> &target, Failure &failure);

bool EqualsIgnoringCase(const char *a, const char *b);

} // namespace zurouting::options
