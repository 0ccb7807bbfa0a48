// Types the catalogue rows use beyond the public VISA/IVI types.
#pragma once

#include "zuVEXAtypes.h"

// The library's close callback, handed to every backend init entry point so
// that a module can close a session through the library.
typedef ViStatus (*ZUCloseSessionCallback)(ViSession vi);
