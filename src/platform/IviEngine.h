// The twelve functions of the IVI engine (libivi.so.2) that the library calls.
// The engine keeps the IVI sessions, their attributes and the error
// information per session and, for vi 0, per thread.
#pragma once

#include "zuVEXAtypes.h"

#ifdef __cplusplus
extern "C" {
#endif

// Attribute identifiers read from the engine.
#define IVI_ATTR_DRIVER_SETUP 1050007
#define IVI_ATTR_PRIMARY_ERROR 1050101
#define IVI_ATTR_SECONDARY_ERROR 1050102
#define IVI_ATTR_ERROR_ELABORATION 1050103
#define IVI_ATTR_IO_RESOURCE_DESCRIPTOR 1050304
#define ZUVEXA_ATTR_SESSION_LANGUAGE 1199999

ViStatus Ivi_SetErrorInfo(ViSession vi, ViBoolean overrideExistingError, ViStatus primaryError,
                          ViStatus secondaryError, ViConstString errorElaboration);
ViStatus Ivi_ClearErrorInfo(ViSession vi);
ViStatus Ivi_GetAttributeViInt32(ViSession vi, ViConstString repCapName, ViAttr attributeId,
                                 ViInt32 optionFlags, ViInt32 *value);
ViStatus Ivi_GetAttributeViString(ViSession vi, ViConstString repCapName, ViAttr attributeId,
                                  ViInt32 optionFlags, ViInt32 bufSize, ViChar value[]);
ViStatus Ivi_LockSession(ViSession vi, ViBoolean *callerHasLock);
ViStatus Ivi_UnlockSession(ViSession vi, ViBoolean *callerHasLock);
ViStatus Ivi_ParamPositionError(ViInt32 parameterPosition);
ViStatus Ivi_GetNextInterchangeCheckString(ViSession vi, ViInt32 bufferSize, ViChar warnString[]);
ViStatus Ivi_GetInfoFromResourceName(ViRsrc resourceName, ViString optionString, ViChar newResourceName[],
                                     ViChar newOptionString[], ViBoolean *isLogicalName);
ViStatus Ivi_SpecificDriverNew(ViConstString specificPrefix, ViConstString optionString, ViSession *newVi);
ViBoolean Ivi_Simulating(ViSession vi);
ViStatus Ivi_Dispose(ViSession vi);

// Optional: the logical names of the engine's configuration store, separated
// by commas, under the IVI buffer convention (size 0 gives the needed size).
// An engine without it offers no list; clients look it up at run time
// (zurouting::ListLogicalNames) and the library never calls it.
typedef ViStatus (*Ivi_GetLogicalNamesFunction)(ViInt32 bufferSize, ViChar names[]);
#define IVI_GET_LOGICAL_NAMES_SYMBOL "Ivi_GetLogicalNames"

#ifdef __cplusplus
}
#endif
