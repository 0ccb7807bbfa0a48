// Error texts of the error functions: the IVI buffer convention, the
// description of one status code, and the full error text of a session
// (primary error, secondary error and elaboration as the IVI engine keeps
// them).
#pragma once

#include "zuVEXAtypes.h"
#include "zumxl/mxlate.h"

namespace dvlShared {

inline constexpr ViInt32 kErrorTextAreaSize = 1024;
inline constexpr uint32_t kStaticDescriptionFlags = 0x40000001;

// IVI buffer convention: size 0 returns the needed size (length + 1) and
// writes nothing; a null buffer gives ZUVEXA_ERROR_NULL_POINTER; a text that
// does not fit is cut to size - 1 characters and the needed size returned; a
// negative size copies without a check. A fitting text returns 0.
ViStatus CopyToUserBuffer(const char *text, ViInt32 size, ViChar *buffer);

// The description of one code in a language, through the buffer convention.
ViStatus DescribeStatus(ViStatus code, zumxl::LanguageId language, uint32_t flags, ViChar *buffer,
                        ViInt32 size);

// The session's error language; the process default for vi 0 or when the
// session has none; 6 for a value outside the six languages.
zumxl::LanguageId SessionLanguage(ViSession vi);

bool IsElaborationOnlyCode(ViStatus code);

// The full error text of vi; errorCodePtr (may be null) receives the primary
// error. The session is locked while the text is composed.
ViStatus GetErrorText(ViSession vi, ViStatus *errorCodePtr, ViInt32 size, ViChar *buffer);

} // namespace dvlShared
