// The default translator: static descriptions straight from the shared
// errors directory, in the requested language and else in English.
#pragma once

#include "zuxlator/zuxlator.h"

namespace zuxlator {

// The one default translator object (its destroy does nothing); null when
// the status already holds an error.
TranslatorFunctions *CreateDefaultTranslator(const char *name, const char *settings, zuerr::Status &status);

} // namespace zuxlator
