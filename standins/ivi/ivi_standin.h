/* Control interface of the IVI engine stand-in (libivi.so.2).
 *
 * The stand-in backend modules create their IVI sessions through these
 * functions, and tests use them to prepare sessions, logical names and
 * failures, and to observe how the engine was called. */
#ifndef IVI_STANDIN_H
#define IVI_STANDIN_H

#include "zuVEXAtypes.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Status codes returned by the engine functions. */
#define IVISTANDIN_ERROR_CANNOT_RECOVER ((ViStatus)0xBFFA0000)    /* unexpected internal failure */
#define IVISTANDIN_ERROR_INVALID_ATTRIBUTE ((ViStatus)0xBFFA000C) /* attribute not set on the session */
#define IVISTANDIN_ERROR_INVALID_PARAMETER ((ViStatus)0xBFFA000F) /* parameter position outside 1..8 */
#define IVISTANDIN_ERROR_INVALID_VALUE ((ViStatus)0xBFFA0010)     /* negative size, unknown function name */
#define IVISTANDIN_ERROR_LOCK_NOT_HELD ((ViStatus)0xBFFA0023)     /* unlock by a thread without the lock */
#define IVISTANDIN_ERROR_BAD_OPTION_VALUE ((ViStatus)0xBFFA004C)  /* Simulate value not a boolean */
#define IVISTANDIN_ERROR_OUT_OF_MEMORY ((ViStatus)0xBFFA0056)
#define IVISTANDIN_ERROR_NULL_POINTER ((ViStatus)0xBFFA0058)
#define IVISTANDIN_ERROR_INVALID_SESSION ((ViStatus)0xBFFA1190)
/* Ivi_ParamPositionError(n) for n in 1..8 is IVISTANDIN_ERROR_PARAMETER_BASE + n. */
#define IVISTANDIN_ERROR_PARAMETER_BASE ((ViStatus)0xBFFC0000)
/* Warning: an output text had to be cut to fit its buffer. */
#define IVISTANDIN_WARNING_TEXT_TRUNCATED ((ViStatus)0x3FFA1000)

/* Further attributes the stand-in sets on the sessions it creates. */
#define IVISTANDIN_ATTR_SPECIFIC_DRIVER_PREFIX 1050302
#define IVISTANDIN_ATTR_LOGICAL_NAME 1050305

/* Creates a session with the I/O resource descriptor (attribute 1050304,
 * null = ""), an empty driver setup (1050007) and the simulation flag.
 * Writes a fresh non-zero handle; handles are never reused. */
ViStatus IviStandin_CreateSession(ViConstString resourceDescriptor, ViBoolean simulate, ViSession *newVi);

/* Sets a string (null = "") or ViInt32 attribute of a session. */
ViStatus IviStandin_SetAttributeViString(ViSession vi, ViAttr attributeId, ViConstString value);
ViStatus IviStandin_SetAttributeViInt32(ViSession vi, ViAttr attributeId, ViInt32 value);

/* Appends a warning to the session's interchange-check queue. */
ViStatus IviStandin_QueueInterchangeWarning(ViSession vi, ViConstString warning);

ViBoolean IviStandin_SessionExists(ViSession vi);
ViInt32 IviStandin_SessionCount(void);

/* Number of calls of an engine function ("Ivi_Dispose", ...) since the last
 * reset, failed calls included; -1 for a name that is not an engine function. */
ViInt32 IviStandin_CallCount(ViConstString functionName);

/* Makes the next call of the named engine function return `status`.
 * afterWork VI_FALSE: the call does nothing else (Ivi_SpecificDriverNew
 * writes handle 0). afterWork VI_TRUE: the call does its work and then
 * returns `status` instead of its own result. For Ivi_Simulating the status
 * is returned as its ViBoolean result. Status 0 cancels a pending failure.
 * Unknown function name: IVISTANDIN_ERROR_INVALID_VALUE. */
ViStatus IviStandin_FailNextCall(ViConstString functionName, ViStatus status, ViBoolean afterWork);

/* Defines (or redefines) a logical name in memory; it takes precedence
 * over an entry of the same name in the configuration file. Null texts are
 * empty texts; the name must not be empty. */
ViStatus IviStandin_SetLogicalName(ViConstString logicalName, ViConstString resourceName, ViBoolean simulate,
                                   ViConstString driverSetup, ViConstString optionString);
/* Removes one in-memory logical name, or all of them for null. */
ViStatus IviStandin_ClearLogicalName(ViConstString logicalName);

/* Forgets every session, in-memory logical name, call count, pending
 * failure and the error information of every thread. The configuration
 * file is read again on next use. Handles issued before stay invalid. */
void IviStandin_Reset(void);

#ifdef __cplusplus
}
#endif

#endif /* IVI_STANDIN_H */
