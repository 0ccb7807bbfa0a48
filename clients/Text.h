// Text from the library through its public C interface: status codes in
// hex, wide device names as ASCII, and the two-call reads (size first, then
// the text) that every string output of the interface takes.
#pragma once

#include <functional>
#include <string>

#include "zuVEXA.h"

namespace zuvexaclient {

// "0xBFFA000F".
std::string HexStatus(ViStatus status);

// ASCII characters kept, '?' for every other one.
std::string Narrow(const std::wstring &wide);

// One call of a text output: with (0, nullptr) it returns the size the text
// needs, terminator included (or a failure); with a buffer it fills it.
using TextCall = std::function<ViStatus(ViInt32 size, ViChar *buffer)>;

// Asks for the size, then reads the text into `text` (up to its
// terminator). Returns the first failing status (text left empty), else
// the status of the read (VI_SUCCESS when there was nothing to read).
ViStatus ReadText(const TextCall &call, std::string &text);

// The error recorded for vi (VI_NULL: the calling thread), read with
// zuVEXA_GetError, which also clears it; its code in `code`. Empty when
// there is no text.
std::string TakeErrorText(ViSession vi, ViStatus *code = nullptr);

// The library's description of a status (zuVEXA_GetErrorMessage) in the
// session's language, or the default language for VI_NULL; empty when it
// has none.
std::string DescribeStatus(ViSession vi, ViStatus status);

} // namespace zuvexaclient
