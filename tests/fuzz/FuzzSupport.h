// Shared by the fuzz programs: a check that ends the run with a message (the
// fuzzer then keeps the input that broke it), and readers of what the IVI
// engine recorded for the calling thread.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/IviEngine.h"

#ifdef ZUVEXA_FUZZ_REPLAY
// The plain test program (tests/fuzz/replay) replays the seeds: a failed check
// fails the seed at hand and the replay goes on with the next one.
namespace fuzzsupport {
[[noreturn]] void CheckFailed(const char *condition, const char *file, int line);
}
#define FUZZ_FAILED(condition) fuzzsupport::CheckFailed(condition, __FILE__, __LINE__)
#else
#define FUZZ_FAILED(condition)                                                                               \
  (std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", condition, __FILE__, __LINE__), std::abort())
#endif

#define FUZZ_CHECK(condition) ((condition) ? void() : FUZZ_FAILED(#condition))

namespace fuzzsupport {

inline bool OneOf(ViStatus status, std::initializer_list<ViStatus> accepted) {
  return std::find(accepted.begin(), accepted.end(), status) != accepted.end();
}

inline ViInt32 RecordedPrimary() {
  ViInt32 primary = 0;
  Ivi_GetAttributeViInt32(0, "", IVI_ATTR_PRIMARY_ERROR, 0, &primary);
  return primary;
}

inline std::string RecordedElaboration() {
  char text[1025] = {};
  Ivi_GetAttributeViString(0, "", IVI_ATTR_ERROR_ELABORATION, 0, sizeof text, text);
  return text;
}

// Trimmed as the option parsers trim: no white space at either end.
inline bool IsTrimmed(std::string_view text) {
  auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  return text.empty() || (!space(text.front()) && !space(text.back()));
}

// The DriverSetup model and language: absent, or trimmed and within 511 characters.
template <class Setup> void CheckSetupTexts(const Setup &setup) {
  for (const auto &text : {setup.model, setup.language})
    if (text) FUZZ_CHECK(!text->empty() && text->size() <= 511 && IsTrimmed(*text));
}

} // namespace fuzzsupport
