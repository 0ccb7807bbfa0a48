// Reader of one error description file.
#include <strings.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "zuxlator/gxErrorsParser.h"
#include "zuxlator/gxErrorsParserFailures.h"

namespace zuxlator {
namespace {

// Lines are read in pieces of at most 1023 bytes; a longer physical line is
// seen as several consecutive lines.
class LineReader {
public:
  explicit LineReader(FILE *file) : file_(file) {}

  // False at end of file.
  bool Next() { return std::fgets(line_, sizeof line_, file_) != nullptr; }
  const char *Line() const { return line_; }

  // Case-insensitive comparison of the line's first characters with `tag`.
  template <size_t N> bool StartsWith(const char (&tag)[N], size_t compared = N - 1) const {
    return strncasecmp(line_, tag, compared) == 0;
  }

private:
  FILE *file_;
  char line_[1024];
};

// Only the first 19 characters are compared, so the closing '>' is optional
// and attributes may follow the version.
bool HasHeader(LineReader &reader) {
  return reader.Next() && reader.StartsWith("<?xml version=\"1.0\">", 19) && reader.Next() &&
         reader.StartsWith("<zudocument>");
}

// The body of an entry up to its closing line, appended to `text` when
// `keep`. False when the file ends first.
bool ReadBody(LineReader &reader, bool keep, std::string &text) {
  while (reader.Next()) {
    if (reader.StartsWith("</zuerror>")) return true;
    if (keep) text += reader.Line();
  }
  return false;
}

void SkipComment(LineReader &reader) {
  while (reader.Next() && !reader.StartsWith("</zucomment>")) {
  }
}

// The entry whose opening line the reader holds. Returns true when the
// search is over: the entry is the one for `code`, or the file is malformed.
bool ReadEntry(LineReader &reader, ViStatus code, std::string &text, zuerr::Status &status) {
  long number = 0;
  const int converted = std::sscanf(reader.Line() + 15, "%li", &number);
  if (converted != 1) {
    failures::EntryNumberUnreadable(status, converted);
    return true;
  }
  // Codes are compared as 32-bit integers, so a code written in hexadecimal with the top bit set matches the
  // negative status.
  const bool match = static_cast<ViStatus>(static_cast<uint32_t>(number)) == code;
  if (!ReadBody(reader, match, text)) {
    failures::EntryWithoutEnd(status);
    return true;
  }
  return match;
}

void SearchEntries(LineReader &reader, ViStatus code, std::string &text, zuerr::Status &status) {
  while (reader.Next()) {
    if (reader.StartsWith("</zudocument>")) return;
    if (reader.StartsWith("<zuerror code=\"")) {
      if (ReadEntry(reader, code, text, status)) return;
    } else if (reader.StartsWith("<zucomment>")) {
      SkipComment(reader);
    } else if (reader.Line()[0] == '\0') {
      // A NUL byte where a tag should be: not a text file.
      failures::UnidentifiedSectionHeading(status);
      return;
    }
  }
}

// A body made only of line ends stays as it is.
void TrimTrailingLineEnds(std::string &text) {
  const size_t last = text.find_last_not_of("\r\n");
  if (last != std::string::npos) text.erase(last + 1);
}

} // namespace

void FindErrorDescriptionInFile(const char *path, ViStatus code, std::string &text, zuerr::Status &status) {
  text.clear();
  if (zuerr::IsError(status)) return;
  FILE *file = path != nullptr ? std::fopen(path, "r") : nullptr;
  if (file == nullptr) {
    failures::FileCannotOpen(status, path != nullptr ? path : "");
    return;
  }
  try {
    LineReader reader(file);
    if (HasHeader(reader)) SearchEntries(reader, code, text, status);
    TrimTrailingLineEnds(text);
  } catch (const std::bad_alloc &) {
    failures::OutOfMemory(status);
  }
  std::fclose(file);
  if (zuerr::IsError(status)) text.clear();
}

} // namespace zuxlator
