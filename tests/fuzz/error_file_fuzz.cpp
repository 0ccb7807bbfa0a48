// The error description file reader on arbitrary file contents. The input is
// one selector byte, then the file. An even selector looks up the code of the
// file's first entry line (so entries are found often), an odd one the code
// in the next four bytes. The file lives in a memory file read through
// /proc/self/fd, rewritten for every input.
//
// Checked: only the reader's documented failures; no text with a failure; a
// found description is a piece of the file (of its bytes up to each line's
// first NUL when the file holds NULs) and ends in no line end unless it is
// made of nothing else.
#include <strings.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "zuxlator/gxErrorsParser.h"

namespace {

constexpr ViStatus kUnreadable = -52006;
constexpr ViStatus kOutOfMemory = -52000;

int gFile = -1;
std::string gPath;

void Rewrite(std::string_view contents) {
  FUZZ_CHECK(ftruncate(gFile, 0) == 0);
  FUZZ_CHECK(pwrite(gFile, contents.data(), contents.size(), 0) == static_cast<ssize_t>(contents.size()));
}

// The code of the first line that opens an entry, as the reader reads it.
ViStatus FirstEntryCode(std::string_view contents) {
  static constexpr std::string_view kOpening = "<zuerror code=\"";
  for (size_t line = 0, end = 0; line < contents.size(); line = end + 1) {
    end = std::min(contents.find('\n', line), contents.size());
    const std::string text(contents.substr(line, end - line));
    long number = 0;
    if (strncasecmp(text.c_str(), kOpening.data(), kOpening.size()) == 0)
      return std::sscanf(text.c_str() + kOpening.size(), "%li", &number) == 1 ? static_cast<uint32_t>(number)
                                                                              : 0;
  }
  return 0;
}

// `part` occurs in `whole` in order, possibly with gaps (where NULs cut lines).
bool IsSubsequence(std::string_view part, std::string_view whole) {
  size_t at = 0;
  for (char c : part) {
    at = whole.find(c, at);
    if (at == std::string_view::npos) return false;
    ++at;
  }
  return true;
}

void CheckDescription(const std::string &text, std::string_view contents) {
  FUZZ_CHECK(text.find('\0') == std::string::npos);
  const bool hasNul = contents.find('\0') != std::string_view::npos;
  FUZZ_CHECK(hasNul ? IsSubsequence(text, contents) : contents.find(text) != std::string_view::npos);
  const bool onlyLineEnds = text.find_first_not_of("\r\n") == std::string::npos;
  FUZZ_CHECK(onlyLineEnds || (text.back() != '\n' && text.back() != '\r'));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  gFile = memfd_create("error_file", 0);
  FUZZ_CHECK(gFile >= 0);
  gPath = "/proc/self/fd/" + std::to_string(gFile);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size == 0) return 0;
  std::string_view input(reinterpret_cast<const char *>(data), size);
  const bool codeFromInput = (input[0] & 1) != 0 && size >= 5;
  input.remove_prefix(1);
  uint32_t bits = 0;
  if (codeFromInput) std::memcpy(&bits, input.data(), sizeof bits);
  input.remove_prefix(codeFromInput ? sizeof bits : 0);
  const ViStatus code = codeFromInput ? static_cast<ViStatus>(bits) : FirstEntryCode(input);
  Rewrite(input);

  std::string text = "left over";
  zuerr::Status status;
  zuxlator::FindErrorDescriptionInFile(gPath.c_str(), code, text, status);
  FUZZ_CHECK(fuzzsupport::OneOf(status.code, {VI_SUCCESS, kUnreadable, kOutOfMemory}));
  if (!zuerr::IsError(status)) {
    if (!text.empty()) CheckDescription(text, input);
  } else {
    FUZZ_CHECK(text.empty());
    // A status that already holds an error stops the reader before it reads.
    const ViStatus first = status.code;
    std::string untouched = "left over";
    zuxlator::FindErrorDescriptionInFile(gPath.c_str(), code, untouched, status);
    FUZZ_CHECK(untouched.empty() && status.code == first);
  }
  return 0;
}
