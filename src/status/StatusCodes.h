// Every status code the library itself returns or records, by one name each:
// the public header's names, and here the codes that the public header
// leaves to the error description files. Code compares and returns these
// names, never the numbers.
#pragma once

#include "zuVEXA.h"

// Start of the driver's error and warning ranges; platform statuses are
// mapped into them.
#define ZUVEXA_ERROR_BASE ((ViStatus)0xBFFA0000)
#define ZUVEXA_WARN_BASE ((ViStatus)0x3FFA0000)

// A registry, store or observer that could not create its lock at load time
// stays unusable and answers every request with this code.
#define ZUVEXA_ERROR_REGISTRY_UNUSABLE ((ViStatus)0xBFFA0021)
// A channel name given where the attribute has none.
#define ZUVEXA_ERROR_CHANNEL_NOT_ALLOWED ((ViStatus)0xBFFA0045)
// The model of a found device is not in the routing table (the "pimlo"
// expert is installed).
#define ZUVEXA_ERROR_UNKNOWN_PRODUCT ((ViStatus)0xBFFA4003)
// The backend's status of a failed zuVEXA_init, and what the library
// reports in its place.
#define ZUVEXA_ERROR_INIT_FROM_BACKEND ((ViStatus)0xBFFA4006)
#define ZUVEXA_ERROR_INIT_REPORTED ((ViStatus)0xBFFA4007)
// A kind 4 (Vey) module does not export the entry point a function needs.
#define ZUVEXA_ERROR_VEY_FUNCTION_NOT_SUPPORTED ((ViStatus)0xBFFA4165)
// Secondary error whose description is the elaboration alone.
#define ZUVEXA_ERROR_ELABORATION_ONLY ((ViStatus)0xBFFA4242)
// A graphical-environment array handle whose dimensions do not fit.
#define ZUVEXA_ERROR_ARRAY_DIMENSIONS ((ViStatus)0xBFFA916F)
// A component's version file cannot be opened (it is not installed).
#define ZUVEXA_ERROR_VERSION_FILE_NOT_FOUND ((ViStatus)0xBFFA9171)
// A text value of the option string could not be copied.
#define ZUVEXA_ERROR_VALUE_COPY ((ViStatus)0xBFFF003C)
// The device is not found while the "pimlo" expert is installed.
#define ZUVEXA_ERROR_DEVICE_NOT_FOUND_PIMLO ((ViStatus)-200220)
