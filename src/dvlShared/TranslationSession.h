// The translator session of the process and the recursive translation mutex
// under which every description is made. Both are created by the first
// description (the session again after a failed making or a release) and
// destroyed when the library is unloaded (session first).
#pragma once

#include <cstdint>
#include <string>

#include "zuVEXAtypes.h"
#include "zumxl/mxlate.h"
#include "zuxlator/zuxlator.h"

namespace dvlShared {

// The description of `code` in `language` as the driver's translator gives
// it (flags select what, see zuxlator/json1.h). A failed translation gives
// the failure's JSON as text; "" when no translator session can be made.
std::string DescribeCode(ViStatus code, zumxl::LanguageId language, uint32_t flags);

// The process's translator session, or null while no description was made.
zuxlator::Session *TranslatorSessionIfCreated();

// Destroys the process's translator session with its translators and their
// interpreters; the next description makes them anew. Unload calls it, and
// tests that need the state of a process that has described nothing yet.
void ReleaseTranslatorSession();

} // namespace dvlShared
