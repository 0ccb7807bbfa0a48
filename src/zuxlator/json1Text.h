// Text helpers of the json1 formatting.
#pragma once

#include <string>

#include "status/Status.h"

namespace zuxlator::json1 {

// Appends `text` (null counts as empty) unless the status holds an error: a
// failure freezes the text built so far.
inline void Append(std::string &to, const char *text, const zuerr::Status &status) {
  if (text != nullptr && !zuerr::IsError(status)) to += text;
}

// Removes every CR and LF from both ends; other blanks stay.
inline void TrimLineEnds(std::string &text) {
  size_t end = text.find_last_not_of("\r\n");
  if (end == std::string::npos) {
    text.clear();
    return;
  }
  text.erase(end + 1);
  text.erase(0, text.find_first_not_of("\r\n"));
}

} // namespace zuxlator::json1
