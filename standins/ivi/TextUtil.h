// Small text helpers of the IVI engine stand-in.
#pragma once

#include <string>
#include <string_view>

#include "zuVEXAtypes.h"

namespace ivistandin {

std::string TextOrEmpty(ViConstString text);
std::string_view Trim(std::string_view text);
std::string LowerAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// Reads "1"/"0", "True"/"False", "VI_TRUE"/"VI_FALSE" (any case).
// Returns false when the text is none of them.
bool ParseBoolean(std::string_view text, bool &value);

// IVI buffer rule: size 0 returns the needed size (length + 1) and writes
// nothing; a text that does not fit is cut to size - 1 characters and the
// needed size is returned; a text that fits returns 0.
ViStatus CopyWithBufferRule(const std::string &text, ViInt32 size, ViChar *buffer);

// Copies at most capacity - 1 characters and a NUL (capacity > 0).
// Returns true when the text had to be cut.
bool CopyCut(std::string_view text, size_t capacity, ViChar *buffer);

} // namespace ivistandin
