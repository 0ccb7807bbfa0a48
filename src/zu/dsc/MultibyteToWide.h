// Conversion of text in the current locale's multibyte encoding into 32-bit
// wide characters.
#pragma once

#include "zuapal/StatusRecord.h"

#include <cstddef>
#include <string>

namespace zu::dsc {

// Converts `byteLength` bytes of `text` into `out` (size = units converted,
// followed by the string's own terminating 0). Inner NUL bytes are kept: each
// ends one conversion run and gives a 0 unit. Failures go into `status`:
// invalid or incomplete sequence -200811, output space exhausted -52019, no
// memory -52000, null text with a non-zero length -52005. `out` changes only
// on success; nothing happens when `status` already holds an error.
void MultibyteToWide(const char *text, size_t byteLength, std::wstring &out, zuapal::StatusRecord &status);

} // namespace zu::dsc
