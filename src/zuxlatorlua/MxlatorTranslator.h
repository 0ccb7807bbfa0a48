// The driver's translator kind "mxlator_zuVEXA": a Lua translator running the
// embedded "mxlator" script, with the native zumxl_unmapErrorCode that the
// script uses to turn the driver's images of platform codes back into them.
#pragma once

#include "zuxlator/zuxlator.h"

namespace zuxlatorlua {

// The translator, or null with the status negative (-52000 when the object
// cannot be allocated, -52003 when its interpreter cannot be completed).
zuxlator::TranslatorFunctions *CreateMxlatorTranslator(const char *name, const char *settings,
                                                       zuerr::Status &status);

} // namespace zuxlatorlua
