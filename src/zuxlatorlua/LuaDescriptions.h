// The two description operations of a Lua translator (its function table
// words 2 and 3): they call getStaticDesc(code, language, ade) and
// getDynamicDesc(errorJson, language, ade, format) of the translator module
// under the set-up script's message handler.
#pragma once

#include "zuxlator/zuxlator.h"

namespace zuxlatorlua {

// The script's result as text from alloc (a result that is neither string nor
// number gives ""); null and -52003 when the script fails.
char *StaticDescription(zuxlator::TranslatorFunctions *translator, ViStatus code, uint32_t langWord,
                        zuxlator::AllocFn alloc, void *allocContext, zuerr::Status *status);

// As above; a numeric result is no report: a non-zero number becomes the
// status's code. Runs nothing when the status already holds an error.
char *DynamicDescription(zuxlator::TranslatorFunctions *translator, const char *errorJson, uint32_t langWord,
                         const char *format, zuxlator::AllocFn alloc, void *allocContext,
                         zuerr::Status *status);

} // namespace zuxlatorlua
