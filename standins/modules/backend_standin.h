/* Control interface of the stand-in backend driver modules
 * (libzuvexa_backend_sim.so, shared by the five module libraries).
 *
 * Tests use it to read the log of entry-point calls, to script statuses and
 * init results, to tune and observe the simulated instrument, and to see the
 * thread-local-storage index the modules were given. Every function is
 * thread-safe. */
#ifndef BACKEND_STANDIN_H
#define BACKEND_STANDIN_H

#include "zuVEXAtypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define BACKENDSTANDIN_API __attribute__((visibility("default")))

/* Kind argument of the scripting and lookup functions: every module kind. */
#define BACKENDSTANDIN_ALL_KINDS 0u

/* Statuses the entry points return on their own. */
#define BACKENDSTANDIN_ERROR_UNEXPECTED ((ViStatus)0xBFFA0000)       /* internal fault */
#define BACKENDSTANDIN_ERROR_INVALID_ARGUMENT ((ViStatus)0xBFFA000F) /* null output, bad size or value */
#define BACKENDSTANDIN_ERROR_OUT_OF_MEMORY ((ViStatus)0xBFFA0056)
#define BACKENDSTANDIN_ERROR_INVALID_SESSION ((ViStatus)0xBFFA1190) /* not a session of this module */
/* A scene's input exceeded the reference level: the samples are clipped. */
#define BACKENDSTANDIN_WARN_OVERLOAD ((ViStatus)0x3FFA2010)
/* The DriverSetup's Scene file cannot be read or holds a fault (elaboration). */
#define BACKENDSTANDIN_ERROR_SCENE_FILE ((ViStatus)0xBFFA2011)
/* A recording to replay cannot be read or played (elaboration). */
#define BACKENDSTANDIN_ERROR_RECORDING ((ViStatus)0xBFFA2012)
/* The carrier or IQ rate differs from the replayed recording's (elaboration). */
#define BACKENDSTANDIN_ERROR_RECORDING_TUNING ((ViStatus)0xBFFA2013)
/* The replayed recording restarted within the record: a discontinuity. */
#define BACKENDSTANDIN_WARN_RECORDING_WRAPPED ((ViStatus)0x3FFA2014)
/* A recording replayed without looping ran out (elaboration). */
#define BACKENDSTANDIN_ERROR_RECORDING_ENDED ((ViStatus)0xBFFA2015)
/* Statuses of the control functions. */
#define BACKENDSTANDIN_ERROR_NO_SUCH_CALL ((ViStatus)0xBFFA0010) /* call or argument index out of range */
#define BACKENDSTANDIN_ERROR_NOT_TEXT ((ViStatus)0xBFFA000C)     /* argument is no text, or a null text */

/* How a logged argument was recorded. */
#define BACKENDSTANDIN_ARG_NONE 0    /* no such argument */
#define BACKENDSTANDIN_ARG_INTEGER 1 /* integers and booleans, as ViInt64 */
#define BACKENDSTANDIN_ARG_REAL 2    /* floating values, as ViReal64 */
#define BACKENDSTANDIN_ARG_POINTER 3 /* pointers and callbacks, as their address */
#define BACKENDSTANDIN_ARG_TEXT 4    /* ViConstString: address and a copy of the text */

/* ---- Call log: every entry-point call of every module, in order. ---- */

BACKENDSTANDIN_API ViInt32 BackendStandin_CallCount(void);
BACKENDSTANDIN_API void BackendStandin_ClearCalls(void);
/* Index of the first call at or after `from` of the named entry (catalogue
 * name such as "Commit", or exported name such as "zuVEXAtov_Commit") by a
 * module of `kind` (or any kind); -1 when there is none. */
BACKENDSTANDIN_API ViInt32 BackendStandin_FindCall(ViUInt32 kind, ViConstString entryName, ViInt32 from);
/* Module kind (0 for no such call) and slot (-1) of call `call`. */
BACKENDSTANDIN_API ViUInt32 BackendStandin_CallKind(ViInt32 call);
BACKENDSTANDIN_API ViInt32 BackendStandin_CallSlot(ViInt32 call);
/* Catalogue name ("InitWithOptions") and exported name
 * ("zuVEXAka_InitWithOptions") of the entry, with the IVI buffer rule:
 * size 0 returns the needed size, a too small buffer gets the text cut and
 * the needed size is returned, a text that fits returns 0. */
BACKENDSTANDIN_API ViStatus BackendStandin_CallSymbol(ViInt32 call, ViInt32 bufferSize, ViChar buffer[]);
BACKENDSTANDIN_API ViStatus BackendStandin_CallExportName(ViInt32 call, ViInt32 bufferSize, ViChar buffer[]);
/* Arguments in the entry's order; -1 for no such call. */
BACKENDSTANDIN_API ViInt32 BackendStandin_CallArgumentCount(ViInt32 call);
BACKENDSTANDIN_API ViInt32 BackendStandin_CallArgumentType(ViInt32 call, ViInt32 argument);
/* Value of an argument. Int reads integers, reals (truncated) and addresses;
 * Real reads reals and integers; Pointer reads addresses (texts included).
 * A missing argument reads as 0. */
BACKENDSTANDIN_API ViInt64 BackendStandin_CallArgumentInt(ViInt32 call, ViInt32 argument);
BACKENDSTANDIN_API ViReal64 BackendStandin_CallArgumentReal(ViInt32 call, ViInt32 argument);
BACKENDSTANDIN_API const void *BackendStandin_CallArgumentPointer(ViInt32 call, ViInt32 argument);
/* Copy of a text argument as it was at the call (buffer rule as above);
 * BACKENDSTANDIN_ERROR_NOT_TEXT for a null text or a non-text argument. */
BACKENDSTANDIN_API ViStatus BackendStandin_CallArgumentText(ViInt32 call, ViInt32 argument,
                                                            ViInt32 bufferSize, ViChar buffer[]);

/* ---- Scripting. ---- */

/* Makes the named entry (catalogue or exported name) of modules of `kind`
 * (or all kinds) return `status`: from its next call only, or from every
 * call until the scripts are cleared when `everyCall` is VI_TRUE. A negative
 * status is returned without doing the entry's work; any other status is
 * returned after the work unless the work itself failed. The oldest
 * matching script applies. Unknown name or kind: BACKENDSTANDIN_ERROR_INVALID_ARGUMENT. */
BACKENDSTANDIN_API ViStatus BackendStandin_ScriptStatus(ViUInt32 kind, ViConstString entryName,
                                                        ViStatus status, ViBoolean everyCall);
/* Scripts the next init entry (any open entry: InitWithOptions*,
 * InitSessionOutOfProcess, InitExtCal*, InitializeExternalAlignment) of a
 * module of `kind` (or any kind). With `writeHandle` VI_TRUE it writes
 * `handle` to newVi (when not null), creates nothing and returns `status`.
 * Otherwise it behaves as a status script of that init. Init scripts take
 * precedence over status scripts. */
BACKENDSTANDIN_API ViStatus BackendStandin_ScriptNextInit(ViUInt32 kind, ViBoolean writeHandle,
                                                          ViSession handle, ViStatus status);
BACKENDSTANDIN_API void BackendStandin_ClearScripts(void);

/* Forgets the call log, the scripts, every simulated session (without
 * disposing of its IVI session), the thread-local-storage indices and the
 * tone offset. */
BACKENDSTANDIN_API void BackendStandin_Reset(void);

/* ---- The graphical environment's thread-local-storage index. ---- */

/* Last index a module of `kind` received through SetGXRTTLSIndex
 * (0xFFFFFFFF if none), and how many times it was called. */
BACKENDSTANDIN_API ViUInt32 BackendStandin_TLSIndex(ViUInt32 kind);
BACKENDSTANDIN_API ViInt32 BackendStandin_TLSIndexCount(ViUInt32 kind);

/* ---- Simulated instrument. ---- */

typedef struct {
  ViReal64 carrierFrequency;    /* Hz, default 1e9 */
  ViReal64 iqRate;              /* samples/s, default 1e6 */
  ViInt64 samplesPerRecord;     /* default 1000 */
  ViInt64 numberOfRecords;      /* default 1 */
  ViReal64 referenceLevel;      /* dBm, default 0 */
  ViReal64 spectrumCenter;      /* Hz, default 1e9 */
  ViReal64 spectrumSpan;        /* Hz, default 1e6 */
  ViReal64 resolutionBandwidth; /* Hz, default 1e4 */
} BackendStandinConfiguration;

/* Offset of the simulated tone from the carrier, for every session;
 * 100 kHz until changed or reset. */
BACKENDSTANDIN_API void BackendStandin_SetToneOffset(ViReal64 hertz);

BACKENDSTANDIN_API ViInt32 BackendStandin_SessionCount(void);
/* Kind of the module that created the session; 0 for an unknown handle. */
BACKENDSTANDIN_API ViUInt32 BackendStandin_SessionKind(ViSession vi);
BACKENDSTANDIN_API ViStatus BackendStandin_GetConfiguration(ViSession vi,
                                                            BackendStandinConfiguration *configuration);
/* Calls the close callback the session's init received, as a module that
 * closes a session through the library would, and returns its result.
 * Unknown session: BACKENDSTANDIN_ERROR_INVALID_SESSION; null callback:
 * BACKENDSTANDIN_ERROR_INVALID_ARGUMENT. */
BACKENDSTANDIN_API ViStatus BackendStandin_InvokeCloseCallback(ViSession vi);

#ifdef __cplusplus
}
#endif

#endif /* BACKEND_STANDIN_H */
