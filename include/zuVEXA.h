/**
 * @file zuVEXA.h
 * @brief libzuvexa: C interface for applications that drive the RF signal analyzer.
 *
 * Link with -lzuvexa; the pkg-config package zuvexa gives the compiler and linker flags. Every function below
 * is exported by libzuvexa.so; the library finds the device, loads the matching instrument module and
 * forwards each call of a session to it.
 *
 * @par Session lifecycle
 * -# Open a session with zuVEXA_init() or zuVEXA_InitWithOptions(). The resource name is the
 *    device name or alias from the system configuration (or an IVI logical name). The option
 *    string takes IVI options and DriverSetup keys, for example
 *    "Simulate=1,DriverSetup=Model:Q118" for a simulated instrument. On success *newVi holds a
 *    non-zero handle; on failure it is 0.
 * -# Configure (zuVEXA_Configure*, zuVEXA_SetAttribute*), start an acquisition
 *    (zuVEXA_Initiate()) and fetch data (zuVEXA_Fetch*), or use
 *    zuVEXA_ReadIQSingleRecordComplexF64(), which does all three.
 * -# Close the session with zuVEXA_close(). A closed handle is unknown to every function
 *    afterwards (status ZUVEXA_ERROR_INVALID_SESSION).
 *
 * @par Sessions of a device
 * Opening a second normal session on the same device in one process closes the first one,
 * unless the new session is simulated. External-calibration and external-alignment sessions have
 * their own open and close functions (zuVEXA_InitExtCal() / zuVEXA_CloseExtCal(),
 * zuVEXA_InitializeExternalAlignment() / zuVEXA_CloseExternalAlignment()).
 *
 * @par Status
 * Every function returns a ViStatus (except SetGXRTTLSIndexHook()): 0 (VI_SUCCESS) is success, a
 * negative value an error, a positive value a warning (the call did its work) or, for the text
 * outputs, the buffer size the text needs. After a non-zero status call zuVEXA_GetError() with
 * the session (or VI_NULL when no session exists yet, for example after a failed open) to get the
 * code and its text; it also clears the error information. zuVEXA_GetErrorMessage() describes any
 * status code without touching the error information. Functions of a session forward to the
 * session's instrument module, whose statuses come on top of the library's own.
 */
/**
 * @file zuVEXA.h
 * @par Threads
 * Every function may be called from any thread. Sessions of different threads may be used at
 * the same time; the instrument module serialises calls on one session, and the library holds no
 * lock while a module runs. zuVEXA_LockSession() keeps other threads out of a session across
 * several calls.
 *
 * @par Ownership
 * The caller owns every buffer and array it passes; the library and the instrument module only
 * write into it during the call and keep no pointer to it afterwards. Nothing that needs
 * releasing is handed out.
 *
 * @par Text outputs (IVI buffer convention)
 * A function that takes a buffer size and a ViChar buffer:
 * - size 0: writes nothing and returns the needed size (text length + 1);
 * - size too small: writes the first size - 1 characters and a NUL and returns the needed size
 *   (a positive value);
 * - the text fits: writes it with its NUL and returns 0;
 * - a negative size copies the whole text without a size check;
 * - a text output without a size parameter needs a buffer of 256 bytes unless its description
 *   says otherwise.
 *
 * @par Data
 * I/Q data are complex samples stored interleaved, I then Q: an array for n complex samples
 * holds 2 n elements (ViInt16, ViReal32 or ViReal64). Every fetch fills a WaveformInfo record
 * per record: timing of the first sample, the sample interval, the number of samples returned
 * and, for integer data, the scaling value = raw * gain + offset. Timeouts are in seconds.
 *
 * @par Names
 * Channel names and channel lists are text; NULL or "" selects the default channel. GX_zuVEXA_*
 * functions serve the maker's graphical programming environment; C applications use the
 * zuVEXA_* forms. Parameters named dataN, valueN, argN or valuePtr belong to service functions
 * whose records are defined by the instrument module; the library passes them on unchanged.
 */
#ifndef ZUVEXA_H
#define ZUVEXA_H

#include "zuVEXAtypes.h"

/** Marks the library's exported functions (default symbol visibility with GCC and Clang). */
#if defined(__GNUC__)
#define ZUVEXA_API __attribute__((visibility("default")))
#else
#define ZUVEXA_API
#endif

/**
 * @defgroup statuses Status codes
 * Status codes returned by the library itself. Instrument modules return further codes;
 * zuVEXA_GetErrorMessage() describes every one of them.
 * @{
 */
/** The call failed in a way the library cannot recover from. */
#define ZUVEXA_ERROR_CANNOT_RECOVER ((ViStatus)0xBFFA0000)
/** The instrument module of the device could not be loaded. */
#define ZUVEXA_ERROR_MODULE_NOT_LOADED ((ViStatus)0xBFFA000A)
/** An argument is not valid. */
#define ZUVEXA_ERROR_INVALID_PARAMETER ((ViStatus)0xBFFA000F)
/** The session's instrument module does not provide the function. */
#define ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED ((ViStatus)0xBFFA0011)
/** The device's model routes to no known kind of instrument module. */
#define ZUVEXA_ERROR_INVALID_MODULE_KIND ((ViStatus)0xBFFA0014)
/** An entry of the option string has no name. */
#define ZUVEXA_ERROR_OPTION_MISSING_NAME ((ViStatus)0xBFFA0049)
/** An entry of the option string has no value. */
#define ZUVEXA_ERROR_OPTION_MISSING_VALUE ((ViStatus)0xBFFA004A)
/** The option string names an unknown option. */
#define ZUVEXA_ERROR_OPTION_UNKNOWN_NAME ((ViStatus)0xBFFA004B)
/** An option of the option string has a value it does not take. */
#define ZUVEXA_ERROR_OPTION_BAD_VALUE ((ViStatus)0xBFFA004C)
/** Memory ran out. */
#define ZUVEXA_ERROR_OUT_OF_MEMORY ((ViStatus)0xBFFA0056)
/** A required pointer argument is NULL. */
#define ZUVEXA_ERROR_NULL_POINTER ((ViStatus)0xBFFA0058)
/** No device in the system configuration matches the resource name. */
#define ZUVEXA_ERROR_DEVICE_NOT_FOUND ((ViStatus)0xBFFA0060)
/** The handle is not an open session of this process. */
#define ZUVEXA_ERROR_INVALID_SESSION ((ViStatus)0xBFFA1190)
/** The language asked for is not one the library knows. */
#define ZUVEXA_ERROR_INVALID_LANGUAGE ((ViStatus)0xBFFA916C)
/** Warning of zuVEXA_error_query(): the instrument's error queue is not read. */
#define ZUVEXA_WARN_ERROR_QUEUE_NOT_READ ((ViStatus)0x3FFA0068)
/** @} */

/**
 * @defgroup constants Attribute identifiers and values
 * Attribute identifiers the library itself uses, and the values of the trigger type attributes.
 * @{
 */
/** Acquisition type: I/Q or spectrum (zuVEXA_ConfigureAcquisitionType()). */
#define ZUVEXA_ATTR_ACQUISITION_TYPE ((ViAttr)1150001)
/** Start trigger type (ZUVEXA_VAL_TRIGGER_*). */
#define ZUVEXA_ATTR_START_TRIGGER_TYPE ((ViAttr)1150024)
/** Reference trigger type (ZUVEXA_VAL_TRIGGER_*). */
#define ZUVEXA_ATTR_REF_TRIGGER_TYPE ((ViAttr)1150028)
/** Advance trigger type (ZUVEXA_VAL_TRIGGER_*). */
#define ZUVEXA_ATTR_ADVANCE_TRIGGER_TYPE ((ViAttr)1150036)
/** Text: the models of the installed modules, answered by the library (no channel). */
#define ZUVEXA_ATTR_SUPPORTED_INSTRUMENT_MODELS ((ViAttr)1050327)
/** Complex array: the S-parameters of the active de-embedding table. */
#define ZUVEXA_ATTR_DEEMBEDDING_SPARAMETERS ((ViAttr)1100341)
/** 32-bit integer: the number of ports of the active de-embedding table. */
#define ZUVEXA_ATTR_DEEMBEDDING_NUMBER_OF_PORTS ((ViAttr)1100342)

/** Trigger type value: no trigger. */
#define ZUVEXA_VAL_TRIGGER_NONE 600
/** Trigger type value: a software edge (zuVEXA_SendSoftwareEdgeTrigger()). */
#define ZUVEXA_VAL_TRIGGER_SOFTWARE_EDGE 604
/** @} */

#ifdef __cplusplus
extern "C" {
#endif

/**
 * @defgroup session Session open and close
 * Opening a session finds the device through the system configuration, loads the instrument module
 * that serves its model and registers the session handle the module returns. Every other function
 * of a session takes that handle until one of the close functions releases it.
 *
 * A second normal session on the same device in one process closes the first one, unless the new
 * session is simulated. External-calibration and external-alignment sessions have their own open
 * and close functions.
 * @{
 */

/**
 * @brief Opens a session on a device with an empty option string.
 *
 * Same as zuVEXA_InitWithOptions() with no options. When the instrument module reports its
 * initialisation failure 0xBFFA4006, the library returns and records 0xBFFA4007 in its place.
 *
 * @param[in] resourceName Device name or alias from the system configuration, or an IVI logical name.
 * @param[in] IDQuery Non-zero: the instrument module checks the instrument's identity.
 * @param[in] reset Non-zero: the instrument is reset while the session opens.
 * @param[out] newVi Receives the handle of the new session; 0 when the open fails.
 * @zu_open_statuses
 * @zu_thread_open
 */
ZUVEXA_API ViStatus zuVEXA_init(ViConstString resourceName, ViBoolean IDQuery, ViBoolean reset,
                                ViSession *newVi);
/**
 * @brief Opens a session on a device with an option string.
 *
 * The device is looked up by @p resourceName, the module for its model loaded and its init entry
 * called with the arguments. "Simulate=1" opens a simulated instrument, DriverSetup keys such as
 * "Model:Q118" or "Language:de" choose the simulated model and the language of error texts.
 * On failure *@p newVi is 0 and the error information of the calling thread holds the status: call
 * zuVEXA_GetError() with VI_NULL.
 *
 * @param[in] resourceName Device name or alias from the system configuration, or an IVI logical name.
 * @param[in] IDQuery Non-zero: the instrument module checks the instrument's identity.
 * @param[in] reset Non-zero: the instrument is reset while the session opens.
 * @param[in] optionString IVI options and DriverSetup keys, for example
 *        "Simulate=1,DriverSetup=Model:Q118"; NULL or "" for none.
 * @param[out] newVi Receives the handle of the new session; 0 when the open fails.
 * @zu_open_statuses
 * @zu_option_statuses
 * @zu_thread_open
 */
ZUVEXA_API ViStatus zuVEXA_InitWithOptions(ViConstString resourceName, ViBoolean IDQuery, ViBoolean reset,
                                           ViConstString optionString, ViSession *newVi);
/**
 * @brief Closes a session.
 *
 * Calls the instrument module's close entry and forgets the handle. Once the module has been
 * called the handle is invalid, whatever status the module returned.
 *
 * @param[in] vi Session to close, from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_close
 */
ZUVEXA_API ViStatus zuVEXA_close(ViSession vi);
/**
 * @brief Finds the open normal session of this process on a device.
 *
 * Looks @p resourceName up as an open does and returns the handle of the normal session open on
 * that device. *@p existingVi is left unchanged when there is none, or when the device lookup gave
 * a warning. A failed lookup with a device taken from the library's cache is retried once.
 *
 * @param[in] resourceName Device name or alias from the system configuration, or an IVI logical name.
 * @param[out] existingVi Receives the session handle; must not be NULL.
 * @return VI_SUCCESS or a warning when the lookup succeeded, else an error.
 * @retval ZUVEXA_ERROR_NULL_POINTER @p existingVi is NULL.
 * @retval ZUVEXA_ERROR_DEVICE_NOT_FOUND No device matches @p resourceName.
 * @retval ZUVEXA_ERROR_CANNOT_RECOVER No normal session is open on the device.
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_GetViSessionByName(ViConstString resourceName, ViSession *existingVi);

/**
 * @brief Opens an external-calibration session.
 *
 * The calibration password protects the stored calibration data. Close the session with
 * zuVEXA_CloseExtCal(). Modules of two kinds open it through their second calibration entry.
 * When the module's init fails, the handle it wrote stays in *@p newVi.
 *
 * @param[in] resourceName Device name or alias from the system configuration, or an IVI logical name.
 * @param[in] password Calibration password.
 * @param[in] optionString IVI options and DriverSetup keys, for example
 *        "Simulate=1,DriverSetup=Model:Q118"; NULL or "" for none.
 * @param[out] newVi Receives the handle of the new session.
 * @zu_open_statuses
 * @zu_option_statuses
 * @zu_thread_open
 */
ZUVEXA_API ViStatus zuVEXA_InitExtCal(ViConstString resourceName, ViConstString password,
                                      ViConstString optionString, ViSession *newVi);
/**
 * @brief Closes an external-calibration session.
 *
 * The handle is invalid afterwards, whatever status the module returned.
 *
 * @param[in] vi Session from zuVEXA_InitExtCal().
 * @param[in] action Module-defined: whether the module stores or discards the new calibration data.
 * @zu_forwarded
 * @zu_thread_close
 */
ZUVEXA_API ViStatus zuVEXA_CloseExtCal(ViSession vi, ViInt32 action);
/**
 * @brief Opens an external-alignment session.
 *
 * Close the session with zuVEXA_CloseExternalAlignment(). When the module's init fails, the handle
 * it wrote stays in *@p newVi.
 *
 * @param[in] resourceName Device name or alias from the system configuration, or an IVI logical name.
 * @param[in] optionString IVI options and DriverSetup keys, for example
 *        "Simulate=1,DriverSetup=Model:Q118"; NULL or "" for none.
 * @param[out] newVi Receives the handle of the new session.
 * @zu_open_statuses
 * @zu_option_statuses
 * @zu_thread_open
 */
ZUVEXA_API ViStatus zuVEXA_InitializeExternalAlignment(ViConstString resourceName, ViConstString optionString,
                                                       ViSession *newVi);
/**
 * @brief Closes an external-alignment session.
 *
 * The handle is invalid afterwards, whatever status the module returned.
 *
 * @param[in] vi Session from zuVEXA_InitializeExternalAlignment().
 * @param[in] action Module-defined: whether the module stores or discards the alignment.
 * @zu_forwarded
 * @zu_thread_close
 */
ZUVEXA_API ViStatus zuVEXA_CloseExternalAlignment(ViSession vi, ViInt32 action);

/**
 * @brief Opens a session for a session server.
 *
 * Opens like zuVEXA_InitWithOptions() but records no trace, does not retry a lookup from the
 * library's cache and does not map the module's initialisation status.
 *
 * @param[in] resourceName Device name or alias from the system configuration, or an IVI logical name.
 * @param[in] IDQuery Non-zero: the instrument module checks the instrument's identity.
 * @param[in] reset Non-zero: the instrument is reset while the session opens.
 * @param[in] optionString IVI options and DriverSetup keys, for example
 *        "Simulate=1,DriverSetup=Model:Q118"; NULL or "" for none.
 * @param[in] data1 Ignored.
 * @param[out] newVi Receives the handle of the new session; 0 when the open fails.
 * @zu_open_statuses
 * @zu_option_statuses
 * @zu_thread_open
 */
ZUVEXA_API ViStatus InitializeSessionForServer(ViConstString resourceName, ViBoolean IDQuery, ViBoolean reset,
                                               ViConstString optionString, void *data1, ViSession *newVi);
/**
 * @brief Closes a session opened by InitializeSessionForServer().
 *
 * Same as zuVEXA_close().
 *
 * @param[in] vi Session to close.
 * @zu_forwarded
 * @zu_thread_close
 */
ZUVEXA_API ViStatus ReleaseSessionForServer(ViSession vi);

/** @} */

/**
 * @defgroup errors Errors
 * Every function records a status other than VI_SUCCESS as the error information of its session,
 * or of the calling thread when no session is involved (VI_NULL). Only the first error is kept until
 * it is read with zuVEXA_GetError() or cleared. Descriptions come in the session's language; calls
 * without a session use the language of the last option string the library read.
 * @{
 */

/**
 * @brief Reads and clears the first error recorded for a session or the calling thread.
 *
 * The text holds the description, the secondary error and the elaboration. A size query (size 0)
 * leaves the error in place, so that the following call reads it.
 *
 * @param[in] vi Session handle, or VI_NULL for the error information of the calling thread.
 * @param[out] errorCodePtr Receives the recorded status (0 when none is recorded); may be NULL.
 * @param[in] errorDescriptionBufferSize Size of @p errorDescription in bytes (IVI buffer convention).
 * @param[out] errorDescription Receives the text; may be NULL when @p errorDescriptionBufferSize is 0.
 * @zu_text_result
 * @retval ZUVEXA_ERROR_INVALID_SESSION @p vi is neither VI_NULL nor an open session.
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_GetError(ViSession vi, ViStatus *errorCodePtr, ViInt32 errorDescriptionBufferSize,
                                    ViChar errorDescription[]);
/**
 * @brief Describes a status code in the session's language.
 *
 * Does not touch the error information. Code 0 has the empty text. A handle that is not an open session
 * uses the language of calls without a session.
 *
 * @param[in] vi Session whose language is used, or VI_NULL.
 * @param[in] errorCode Status code to describe.
 * @param[in] errorDescriptionBufferSize Size of @p errorDescription in bytes (IVI buffer convention).
 * @param[out] errorDescription Receives the description.
 * @zu_text_result
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_GetErrorMessage(ViSession vi, ViStatus errorCode,
                                           ViInt32 errorDescriptionBufferSize, ViChar errorDescription[]);
/**
 * @brief Clears the error information of a session or of the calling thread.
 *
 * For a session, through the instrument module when it has a clear entry.
 *
 * @param[in] vi Session handle, or VI_NULL for the calling thread.
 * @return VI_SUCCESS, or an error.
 * @retval ZUVEXA_ERROR_INVALID_SESSION @p vi is neither VI_NULL nor an open session.
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_ClearError(ViSession vi);
/**
 * @brief IVI error query; the instrument's error queue is not read.
 *
 * Sets *@p errorCode to 0 and returns a warning.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[out] errorCode Receives 0.
 * @param[out] errorMessage Buffer of 256 bytes; must not be NULL but is not written.
 * @return A warning or an error.
 * @retval ZUVEXA_WARN_ERROR_QUEUE_NOT_READ The arguments are valid.
 * @retval ZUVEXA_ERROR_INVALID_PARAMETER @p errorCode or @p errorMessage is NULL.
 * @retval ZUVEXA_ERROR_INVALID_SESSION @p vi is not an open session.
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_error_query(ViSession vi, ViInt32 *errorCode, ViChar errorMessage[]);
/**
 * @brief IVI error message: describes a status code into a 256-byte buffer.
 *
 * The description is cut to 255 characters; a cut text is no failure.
 *
 * @param[in] vi Session whose language is used, or VI_NULL.
 * @param[in] statusCode Status code to describe.
 * @param[out] errorMessage Buffer of 256 bytes that receives the description.
 * @return VI_SUCCESS, or an error.
 * @retval ZUVEXA_ERROR_INVALID_PARAMETER @p errorMessage is NULL.
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_error_message(ViSession vi, ViStatus statusCode, ViChar errorMessage[]);

/** @} */

/**
 * @defgroup utility Session utilities
 * Reset, self test, revision, locking and user data of an open session.
 * @{
 */

/**
 * @brief Resets the instrument to its default state.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_reset(ViSession vi);
/**
 * @brief Resets the instrument and applies the default settings of every attribute.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ResetWithDefaults(ViSession vi);
/**
 * @brief Resets the instrument with module-defined options.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] resetOptions Bit set of module-defined reset options.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ResetWithOptions(ViSession vi, ViUInt64 resetOptions);
/**
 * @brief Resets the device hardware.
 *
 * A longer reset than zuVEXA_reset().
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ResetDevice(ViSession vi);
/**
 * @brief Resets the device into the state its manufacturing tests expect.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ResetForManufacturingTest(ViSession vi);
/**
 * @brief Puts the instrument in a quiescent state.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_Disable(ViSession vi);
/**
 * @brief Runs the instrument's self test.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[out] testResult Receives 0 when the test passed.
 * @param[out] testMessage Buffer of 256 bytes that receives the result text.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_self_test(ViSession vi, ViInt16 *testResult, ViChar testMessage[]);
/**
 * @brief Returns the revisions of the instrument module and of the firmware.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[out] instrumentDriverRevision Buffer of 256 bytes for the module revision.
 * @param[out] firmwareRevision Buffer of 256 bytes for the firmware revision.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_revision_query(ViSession vi, ViChar instrumentDriverRevision[],
                                          ViChar firmwareRevision[]);
/**
 * @brief Locks the session against calls from other threads.
 *
 * The instrument module takes the session's lock, which other threads' calls on the session wait for.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] callerHasLock May be NULL. When given, a lock with VI_TRUE in it does nothing, and a
 *        lock taken sets it to VI_TRUE.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_LockSession(ViSession vi, ViBoolean *callerHasLock);
/**
 * @brief Releases a lock taken with zuVEXA_LockSession().
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] callerHasLock May be NULL. When given, an unlock with VI_FALSE in it does nothing, so
 *        that a caller can unlock unconditionally after a failed lock; an unlock sets it to VI_FALSE.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_UnlockSession(ViSession vi, ViBoolean *callerHasLock);
/**
 * @brief Allows or forbids other processes to share the session's device.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] enable VI_TRUE allows access, VI_FALSE forbids it.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_EnableSessionAccess(ViSession vi, ViBoolean enable);
/**
 * @brief Returns the handle of the session-server session behind a session.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[out] serverSession Receives the server session handle.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetVEXAServerSession(ViSession vi, ViSession *serverSession);
/**
 * @brief Asks the instrument to give control back to its front panel.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_RequestLocalControl(ViSession vi);
/**
 * @brief Returns the front-panel control state.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] valuePtr Module-defined record the instrument module fills.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetLocalControlStatus(ViSession vi, void *valuePtr);
/**
 * @brief Returns the writer handle of a named data stream endpoint.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] streamEndpoint Name of the stream endpoint.
 * @param[out] writerHandle Receives the writer handle.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetStreamEndpointHandle(ViSession vi, ViConstString streamEndpoint,
                                                   ViInt32 *writerHandle);
/**
 * @brief Stores user data on the device under an identifier.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] identifier Name the data is stored under.
 * @param[in] bufferSize Number of bytes in @p data.
 * @param[in] data The bytes to store.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetUserData(ViSession vi, ViConstString identifier, ViInt32 bufferSize,
                                       const ViByte data[]);
/**
 * @brief Reads user data stored on the device.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] identifier Name the data was stored under.
 * @param[in] bufferSize Size of @p data in bytes.
 * @param[out] data Receives up to @p bufferSize bytes.
 * @param[out] actualDataSize Receives the size of the stored data.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetUserData(ViSession vi, ViConstString identifier, ViInt32 bufferSize,
                                       ViByte data[], ViInt32 *actualDataSize);

/** @} */

/**
 * @defgroup attributes Attributes
 * Typed access to the instrument module's attributes. @p channelName selects the repeated
 * capability (NULL or "" for none); @p attributeId is an attribute identifier of the module. The
 * type of the function must match the attribute's type.
 * @{
 */

/**
 * @brief Sets a 32-bit integer attribute.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] value New value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetAttributeViInt32(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                               ViInt32 value);
/**
 * @brief Sets a 64-bit integer attribute.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] value New value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetAttributeViInt64(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                               ViInt64 value);
/**
 * @brief Sets a floating-point attribute.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] value New value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetAttributeViReal64(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                ViReal64 value);
/**
 * @brief Sets a text attribute.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] value New value, NUL-terminated.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetAttributeViString(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                ViConstString value);
/**
 * @brief Sets a Boolean attribute.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] value VI_TRUE or VI_FALSE.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetAttributeViBoolean(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                 ViBoolean value);
/**
 * @brief Sets an attribute whose value is a session handle.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] value New value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetAttributeViSession(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                 ViSession value);
/**
 * @brief Sets an array attribute of floating-point values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] valueLengthInElements Number of elements of @p value.
 * @param[in] value The new values.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetAttributeViReal64Array(ViSession vi, ViConstString channelName,
                                                     ViAttr attributeId, ViInt32 valueLengthInElements,
                                                     const ViReal64 value[]);
/**
 * @brief Sets an array attribute of complex values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] valueLengthInElements Number of elements of @p value.
 * @param[in] value The new values.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetAttributeZUComplexNumberArray(ViSession vi, ViConstString channelName,
                                                            ViAttr attributeId, ViInt32 valueLengthInElements,
                                                            const ZUComplexNumber value[]);

/**
 * @brief Reads a 32-bit integer attribute.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[out] value Receives the value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetAttributeViInt32(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                               ViInt32 *value);
/**
 * @brief Reads a 64-bit integer attribute.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[out] value Receives the value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetAttributeViInt64(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                               ViInt64 *value);
/**
 * @brief Reads a floating-point attribute.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[out] value Receives the value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetAttributeViReal64(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                ViReal64 *value);
/**
 * @brief Reads a text attribute (IVI buffer convention).
 *
 * For ZUVEXA_ATTR_SUPPORTED_INSTRUMENT_MODELS the library answers itself with the models of the
 * installed modules ("Q118, ..."); @p channelName must then be NULL or "". A positive result is the
 * buffer size the text needs and is not recorded as a warning.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] bufSize Size of @p value in bytes.
 * @param[out] value Receives the text.
 * @zu_text_result
 * @zu_text_session_statuses
 * @retval 0xBFFA0045 A channel name was given for the supported-models attribute.
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetAttributeViString(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                ViInt32 bufSize, ViChar value[]);
/**
 * @brief Reads a Boolean attribute.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[out] value Receives VI_TRUE or VI_FALSE.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetAttributeViBoolean(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                 ViBoolean *value);
/**
 * @brief Reads an attribute whose value is a session handle.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[out] value Receives the value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetAttributeViSession(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                 ViSession *value);
/**
 * @brief Reads an array attribute of floating-point values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] valueLengthInElements Number of elements @p value holds.
 * @param[out] value Receives the values.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetAttributeViReal64Array(ViSession vi, ViConstString channelName,
                                                     ViAttr attributeId, ViInt32 valueLengthInElements,
                                                     ViReal64 value[]);
/**
 * @brief Reads an array attribute of complex values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] valueLengthInElements Number of elements @p value holds.
 * @param[out] value Receives the values.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetAttributeZUComplexNumberArray(ViSession vi, ViConstString channelName,
                                                            ViAttr attributeId, ViInt32 valueLengthInElements,
                                                            ZUComplexNumber value[]);

/**
 * @brief Reads the 32-bit integer value last set by the application.
 *
 * The instrument may have coerced that value or not applied it yet.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[out] value Receives the value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetDesiredAttributeViInt32(ViSession vi, ViConstString channelName,
                                                      ViAttr attributeId, ViInt32 *value);
/**
 * @brief Reads the 64-bit integer value last set by the application.
 *
 * The instrument may have coerced that value or not applied it yet.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[out] value Receives the value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetDesiredAttributeViInt64(ViSession vi, ViConstString channelName,
                                                      ViAttr attributeId, ViInt64 *value);
/**
 * @brief Reads the floating-point value last set by the application.
 *
 * The instrument may have coerced that value or not applied it yet.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[out] value Receives the value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetDesiredAttributeViReal64(ViSession vi, ViConstString channelName,
                                                       ViAttr attributeId, ViReal64 *value);
/**
 * @brief Reads the text value last set by the application (IVI buffer convention).
 *
 * The instrument may have coerced that value or not applied it yet. A positive result is the buffer
 * size the text needs and is not recorded as a warning.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in] bufSize Size of @p value in bytes.
 * @param[out] value Receives the text.
 * @zu_text_result
 * @zu_text_session_statuses
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetDesiredAttributeViString(ViSession vi, ViConstString channelName,
                                                       ViAttr attributeId, ViInt32 bufSize, ViChar value[]);
/**
 * @brief Reads the Boolean value last set by the application.
 *
 * The instrument may have coerced that value or not applied it yet.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[out] value Receives the value.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetDesiredAttributeViBoolean(ViSession vi, ViConstString channelName,
                                                        ViAttr attributeId, ViBoolean *value);

/**
 * @brief Tells which party last set an attribute.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @param[in,out] valuePtr Module-defined record the instrument module fills.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetAttributeAuthor(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                              void *valuePtr);
/**
 * @brief Module-defined query of attribute contexts.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @param[in] value2 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] valuePtr1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] valuePtr2 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetAttributeContexts(ViSession vi, ViInt32 value1, ViInt32 value2, void *valuePtr1,
                                                void *valuePtr2);
/**
 * @brief Returns an attribute to its default value.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelName Repeated capability the attribute belongs to; NULL or "" for none.
 * @param[in] attributeId Attribute identifier of the instrument module (ZUVEXA_ATTR_* or a module's
 *        own).
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ResetAttribute(ViSession vi, ViConstString channelName, ViAttr attributeId);
/**
 * @brief Marks every cached attribute value as unknown.
 *
 * The next access of each attribute goes to the instrument.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_InvalidateAllAttributes(ViSession vi);

/** @} */

/**
 * @defgroup configuration Acquisition configuration
 * Reference level, carrier, rate and record layout of I/Q acquisitions, clocks and the
 * downconverter. Frequencies are in hertz, powers in dBm.
 * @{
 */

/**
 * @brief Selects I/Q or spectrum acquisition.
 *
 * Sets ZUVEXA_ATTR_ACQUISITION_TYPE.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] acquisitionType Acquisition type (module-defined values).
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureAcquisitionType(ViSession vi, ViInt32 acquisitionType);
/**
 * @brief Selects the reference clock source and its rate.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] clockSource Name of the clock source.
 * @param[in] refClockRate Rate of the reference clock, in hertz.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureRefClock(ViSession vi, ViConstString clockSource, ViReal64 refClockRate);
/**
 * @brief Selects the source of the chassis 10 MHz clock.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] pxiClk10Source Name of the clock source.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigurePXIChassisClk10(ViSession vi, ViConstString pxiClk10Source);
/**
 * @brief Sets the expected input power; the instrument sets gain and attenuation from it.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] referenceLevel Expected input power, in dBm.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureReferenceLevel(ViSession vi, ViConstString channelList,
                                                   ViReal64 referenceLevel);
/**
 * @brief Sets the centre frequency of I/Q acquisitions.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] carrierFrequency Carrier frequency, in hertz.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureIQCarrierFrequency(ViSession vi, ViConstString channelList,
                                                       ViReal64 carrierFrequency);
/**
 * @brief Sets the I/Q sample rate.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] iqRate Rate in complex samples per second.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureIQRate(ViSession vi, ViConstString channelList, ViReal64 iqRate);
/**
 * @brief Sets the number of samples per record.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] numberOfSamplesIsFinite VI_FALSE acquires continuously.
 * @param[in] samplesPerRecord Complex samples per record.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureNumberOfSamples(ViSession vi, ViConstString channelList,
                                                    ViBoolean numberOfSamplesIsFinite,
                                                    ViInt64 samplesPerRecord);
/**
 * @brief Sets the number of records per acquisition.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] numberOfRecordsIsFinite VI_FALSE acquires until aborted.
 * @param[in] numberOfRecords Records per acquisition.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureNumberOfRecords(ViSession vi, ViConstString channelList,
                                                    ViBoolean numberOfRecordsIsFinite,
                                                    ViInt64 numberOfRecords);
/**
 * @ingroup spectrum
 * @brief Sets the spectrum's frequency range as centre and span.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] centerFrequency Centre frequency, in hertz.
 * @param[in] span Span, in hertz.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureSpectrumFrequencyCenterSpan(ViSession vi, ViConstString channelList,
                                                                ViReal64 centerFrequency, ViReal64 span);
/**
 * @ingroup spectrum
 * @brief Sets the spectrum's frequency range as start and stop.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] startFrequency Start frequency, in hertz.
 * @param[in] stopFrequency Stop frequency, in hertz.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureSpectrumFrequencyStartStop(ViSession vi, ViConstString channelList,
                                                               ViReal64 startFrequency,
                                                               ViReal64 stopFrequency);
/**
 * @ingroup spectrum
 * @brief Sets the spectrum's resolution bandwidth.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] resolutionBandwidth Resolution bandwidth, in hertz.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureResolutionBandwidth(ViSession vi, ViConstString channelList,
                                                        ViReal64 resolutionBandwidth);
/**
 * @ingroup spectrum
 * @brief Returns the number of values a spectrum read returns with the current settings.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[out] numberOfSpectralLines Receives the number of lines.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetNumberOfSpectralLines(ViSession vi, ViConstString channelList,
                                                    ViInt32 *numberOfSpectralLines);
/**
 * @ingroup spectrum
 * @brief Returns the number of FFT sub-spans the current spectrum settings need.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[out] fftSpanCount Receives the number of sub-spans.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetFFTSpanCount(ViSession vi, ViInt32 *fftSpanCount);
/**
 * @ingroup spectrum
 * @brief Describes the FFT sub-spans of the current spectrum settings.
 *
 * Each of the four arrays receives one entry per sub-span, for up to @p spanInfoArraySizeIn sub-spans.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] spanInfoArraySizeIn Number of entries each array holds.
 * @param[out] spanInfoArraySizeOut Receives the number of sub-spans.
 * @param[out] spanInfoDFs Receives the frequency step of each sub-span, in hertz.
 * @param[out] spanInfoCenterFrequencies Receives the centre frequency of each sub-span, in hertz.
 * @param[out] spanInfoStartFrequencies Receives the start frequency of each sub-span, in hertz.
 * @param[out] spanInfoRunLengths Receives the number of lines of each sub-span.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetFFTSubSpanInfo(ViSession vi, ViInt32 spanInfoArraySizeIn,
                                             ViInt32 *spanInfoArraySizeOut, ViReal64 spanInfoDFs[],
                                             ViReal64 spanInfoCenterFrequencies[],
                                             ViReal64 spanInfoStartFrequencies[],
                                             ViInt32 spanInfoRunLengths[]);
/**
 * @brief Sets the time the downconverter's PLL gets to settle.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] pllSettlingTime Settling time, in seconds.
 * @param[in] ensurePLLLocked VI_TRUE waits until the PLL reports lock.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureDownconverterPLLSettlingTime(ViSession vi, ViReal64 pllSettlingTime,
                                                                 ViBoolean ensurePLLLocked);
/**
 * @ingroup spectrum
 * @brief Fills a module-defined spectral-information record.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined record the instrument module fills.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetSpectralInfoForQVK(ViSession vi, void *data1);

/** @} */

/**
 * @defgroup spectrum Spectrum
 * Frequency range and resolution bandwidth of spectrum acquisitions, the number of lines a read
 * returns, and the power spectrum reads (zuVEXA_ReadPowerSpectrumF64(), zuVEXA_ReadPowerSpectrumF32()).
 */

/**
 * @defgroup triggers Triggers and signals
 * Start, reference and advance triggers, software edges and exported signals.
 * @{
 */

/**
 * @brief Starts acquisitions on a digital edge.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] source Terminal the trigger comes from.
 * @param[in] edge Edge that triggers: rising or falling (module-defined values).
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureDigitalEdgeStartTrigger(ViSession vi, ViConstString source, ViInt32 edge);
/**
 * @brief Starts acquisitions on a software edge.
 *
 * Sets ZUVEXA_ATTR_START_TRIGGER_TYPE to ZUVEXA_VAL_TRIGGER_SOFTWARE_EDGE; send the edge with
 * zuVEXA_SendSoftwareEdgeTrigger().
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureSoftwareEdgeStartTrigger(ViSession vi);
/**
 * @brief Starts acquisitions with zuVEXA_Initiate() alone.
 *
 * Sets ZUVEXA_ATTR_START_TRIGGER_TYPE to ZUVEXA_VAL_TRIGGER_NONE.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_DisableStartTrigger(ViSession vi);
/**
 * @brief Sets a reference trigger on a digital edge.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] source Terminal the trigger comes from.
 * @param[in] edge Edge that triggers: rising or falling (module-defined values).
 * @param[in] pretriggerSamples Samples kept before the reference trigger.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureDigitalEdgeRefTrigger(ViSession vi, ViConstString source, ViInt32 edge,
                                                          ViInt64 pretriggerSamples);
/**
 * @brief Sets a reference trigger on the I/Q power crossing a level.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] source Channel whose power is watched.
 * @param[in] level Trigger level, in dBm.
 * @param[in] slope Rising or falling crossing (module-defined values).
 * @param[in] pretriggerSamples Samples kept before the reference trigger.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureIQPowerEdgeRefTrigger(ViSession vi, ViConstString source, ViReal64 level,
                                                          ViInt32 slope, ViInt64 pretriggerSamples);
/**
 * @brief Sets a reference trigger on a software edge.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] pretriggerSamples Samples kept before the reference trigger.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureSoftwareEdgeRefTrigger(ViSession vi, ViInt64 pretriggerSamples);
/**
 * @brief Removes the reference trigger.
 *
 * Sets ZUVEXA_ATTR_REF_TRIGGER_TYPE to ZUVEXA_VAL_TRIGGER_NONE.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_DisableRefTrigger(ViSession vi);
/**
 * @brief Advances to the next record on a digital edge.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] source Terminal the trigger comes from.
 * @param[in] edge Edge that triggers: rising or falling (module-defined values).
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureDigitalEdgeAdvanceTrigger(ViSession vi, ViConstString source,
                                                              ViInt32 edge);
/**
 * @brief Advances to the next record on a software edge.
 *
 * Sets ZUVEXA_ATTR_ADVANCE_TRIGGER_TYPE to ZUVEXA_VAL_TRIGGER_SOFTWARE_EDGE.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureSoftwareEdgeAdvanceTrigger(ViSession vi);
/**
 * @brief Removes the advance trigger.
 *
 * Sets ZUVEXA_ATTR_ADVANCE_TRIGGER_TYPE to ZUVEXA_VAL_TRIGGER_NONE.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_DisableAdvanceTrigger(ViSession vi);
/**
 * @brief Sends a software edge.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] trigger Kind of trigger the edge is for (module-defined values).
 * @param[in] triggerIdentifier Identifier of the trigger; NULL or "" for the default.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SendSoftwareEdgeTrigger(ViSession vi, ViInt32 trigger,
                                                   ViConstString triggerIdentifier);
/**
 * @brief Routes an internal signal to an output terminal.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] signal Signal to route (module-defined values).
 * @param[in] signalIdentifier Identifier of the signal; NULL or "" for the default.
 * @param[in] outputTerminal Terminal to route it to.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ExportSignal(ViSession vi, ViInt32 signal, ViConstString signalIdentifier,
                                        ViConstString outputTerminal);
/**
 * @brief Module-defined import of a user signal.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ImportUserSignal(ViSession vi, void *data1, void *data2);
/**
 * @brief Returns the fully qualified terminal name of a signal (IVI buffer convention).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] signal Signal (module-defined values).
 * @param[in] signalIdentifier Identifier of the signal; NULL or "" for the default.
 * @param[in] bufferSize Size of @p terminalName in bytes.
 * @param[out] terminalName Receives the name.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetTerminalName(ViSession vi, ViInt32 signal, ViConstString signalIdentifier,
                                           ViInt32 bufferSize, ViChar terminalName[]);

/** @} */

/**
 * @defgroup acquisition Acquisition control
 * Committing the configuration, starting, watching and stopping acquisitions.
 * @{
 */

/**
 * @brief Applies the configuration to the hardware without starting an acquisition.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_Commit(ViSession vi);
/**
 * @brief Starts an acquisition; fetch its records afterwards.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_Initiate(ViSession vi);
/**
 * @brief Tells whether the acquisition has finished.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[out] isDone Receives VI_TRUE when the acquisition has finished.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CheckAcquisitionStatus(ViSession vi, ViBoolean *isDone);
/**
 * @brief Returns the module-defined software acquisition state.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] valuePtr Module-defined record the instrument module fills.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetSWAcquisitionState(ViSession vi, void *valuePtr);
/**
 * @brief Stops a running acquisition.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_Abort(ViSession vi);

/** @} */

/**
 * @defgroup fetch Data fetch and read
 * Fetch functions return data of an acquisition started with zuVEXA_Initiate(); read functions
 * initiate, wait and fetch in one call. I/Q data are interleaved: an array for n complex samples
 * holds 2 n elements. Every record comes with a WaveformInfo whose @c actualSamples tells how many
 * samples were returned.
 * @{
 */

/**
 * @brief Fetches one record of I/Q data as 64-bit floating-point values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] data Receives 2 * @p numberOfSamples interleaved I/Q values.
 * @param[out] wfmInfo Receives the WaveformInfo of the record.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_FetchIQSingleRecordComplexF64(ViSession vi, ViConstString channelList,
                                                         ViInt64 recordNumber, ViInt64 numberOfSamples,
                                                         ViReal64 timeout, ViReal64 data[],
                                                         WaveformInfo *wfmInfo);
/**
 * @brief Fetches one record of I/Q data as 32-bit floating-point values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] data Receives 2 * @p numberOfSamples interleaved I/Q values.
 * @param[out] wfmInfo Receives the WaveformInfo of the record.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_FetchIQSingleRecordComplexF32(ViSession vi, ViConstString channelList,
                                                         ViInt64 recordNumber, ViInt64 numberOfSamples,
                                                         ViReal64 timeout, ViReal32 data[],
                                                         WaveformInfo *wfmInfo);
/**
 * @brief Fetches one record of raw 16-bit I/Q data.
 *
 * The scaled value is raw * gain + offset, both from @p wfmInfo. The library fills @p wfmInfo with
 * neutral values (gain 1, xIncrement 1, the rest 0) first, so it is defined even when the fetch fails.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] data Receives 2 * @p numberOfSamples interleaved I/Q values.
 * @param[out] wfmInfo Receives the WaveformInfo of the record, with the scaling.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_FetchIQSingleRecordComplexI16(ViSession vi, ViConstString channelList,
                                                         ViInt64 recordNumber, ViInt64 numberOfSamples,
                                                         ViReal64 timeout, ViInt16 data[],
                                                         WaveformInfo *wfmInfo);
/**
 * @brief Fetches several records of I/Q data as 64-bit floating-point values.
 *
 * The records follow one another in @p data.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] startingRecord First record to fetch, counting from 0.
 * @param[in] numberOfRecords Number of records to fetch.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] data Receives @p numberOfRecords * 2 * @p numberOfSamples interleaved I/Q values.
 * @param[out] wfmInfo Array of @p numberOfRecords entries, one per record.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_FetchIQMultiRecordComplexF64(ViSession vi, ViConstString channelList,
                                                        ViInt64 startingRecord, ViInt64 numberOfRecords,
                                                        ViInt64 numberOfSamples, ViReal64 timeout,
                                                        ViReal64 data[], WaveformInfo wfmInfo[]);
/**
 * @brief Fetches several records of I/Q data as 32-bit floating-point values.
 *
 * The records follow one another in @p data.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] startingRecord First record to fetch, counting from 0.
 * @param[in] numberOfRecords Number of records to fetch.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] data Receives @p numberOfRecords * 2 * @p numberOfSamples interleaved I/Q values.
 * @param[out] wfmInfo Array of @p numberOfRecords entries, one per record.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_FetchIQMultiRecordComplexF32(ViSession vi, ViConstString channelList,
                                                        ViInt64 startingRecord, ViInt64 numberOfRecords,
                                                        ViInt64 numberOfSamples, ViReal64 timeout,
                                                        ViReal32 data[], WaveformInfo wfmInfo[]);
/**
 * @brief Fetches several records of raw 16-bit I/Q data.
 *
 * The records follow one another in @p data; each WaveformInfo gives the record's scaling.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] startingRecord First record to fetch, counting from 0.
 * @param[in] numberOfRecords Number of records to fetch.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] data Receives @p numberOfRecords * 2 * @p numberOfSamples interleaved I/Q values.
 * @param[out] wfmInfo Array of @p numberOfRecords entries, one per record.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_FetchIQMultiRecordComplexI16(ViSession vi, ViConstString channelList,
                                                        ViInt64 startingRecord, ViInt64 numberOfRecords,
                                                        ViInt64 numberOfSamples, ViReal64 timeout,
                                                        ViInt16 data[], WaveformInfo wfmInfo[]);
/**
 * @brief Fetches one record of raw IF samples (real, 16-bit).
 *
 * @p wfmInfo is preset and scales as for zuVEXA_FetchIQSingleRecordComplexI16().
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] data Receives @p numberOfSamples values.
 * @param[out] wfmInfo Receives the WaveformInfo of the record, with the scaling.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_FetchIFDataSingleRecordI16(ViSession vi, ViConstString channelList,
                                                      ViInt64 recordNumber, ViInt64 numberOfSamples,
                                                      ViReal64 timeout, ViInt16 data[],
                                                      WaveformInfo *wfmInfo);
/**
 * @brief Transfers one record straight into device memory.
 *
 * @p wfmInfo is preset as for zuVEXA_FetchIQSingleRecordComplexI16().
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] bufferSize Size of the destination, in bytes.
 * @param[in] destinationAddress Address of the destination in device memory.
 * @param[out] wfmInfo Receives the WaveformInfo of the record, with the scaling.
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_FetchIQSingleRecordDirectDMA(ViSession vi, ViConstString channelList,
                                                        ViInt64 recordNumber, ViInt64 numberOfSamples,
                                                        ViReal64 timeout, ViInt64 bufferSize,
                                                        void *destinationAddress, WaveformInfo *wfmInfo,
                                                        void *data1);
/**
 * @brief Returns the number of samples of a record acquired but not fetched yet.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record, counting from 0.
 * @param[out] backlog Receives the number of samples.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetFetchBacklog(ViSession vi, ViConstString channelList, ViInt64 recordNumber,
                                           ViInt64 *backlog);
/**
 * @brief Acquires and returns record 0 as 64-bit floating-point I/Q data.
 *
 * Initiates an acquisition, waits for it and fetches up to @p dataArraySizeInSamples samples.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] data Receives 2 * @p dataArraySizeInSamples interleaved I/Q values.
 * @param[in] dataArraySizeInSamples Complex samples @p data holds.
 * @param[out] wfmInfo Receives the WaveformInfo of the record.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ReadIQSingleRecordComplexF64(ViSession vi, ViConstString channelList,
                                                        ViReal64 timeout, ViReal64 data[],
                                                        ViInt64 dataArraySizeInSamples,
                                                        WaveformInfo *wfmInfo);
/**
 * @ingroup spectrum
 * @brief Acquires a power spectrum as 64-bit floating-point values, in dBm.
 *
 * zuVEXA_GetNumberOfSpectralLines() gives the number of values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] powerSpectrumData Receives @p dataArraySize powers, in dBm.
 * @param[in] dataArraySize Number of values @p powerSpectrumData holds.
 * @param[in,out] data1 Module-defined spectrum information the instrument module fills.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ReadPowerSpectrumF64(ViSession vi, ViConstString channelList, ViReal64 timeout,
                                                ViReal64 powerSpectrumData[], ViInt32 dataArraySize,
                                                void *data1);
/**
 * @ingroup spectrum
 * @brief Acquires a power spectrum as 32-bit floating-point values, in dBm.
 *
 * zuVEXA_GetNumberOfSpectralLines() gives the number of values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] powerSpectrumData Receives @p dataArraySize powers, in dBm.
 * @param[in] dataArraySize Number of values @p powerSpectrumData holds.
 * @param[in,out] data1 Module-defined spectrum information the instrument module fills.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ReadPowerSpectrumF32(ViSession vi, ViConstString channelList, ViReal64 timeout,
                                                ViReal32 powerSpectrumData[], ViInt32 dataArraySize,
                                                void *data1);

/** @} */

/**
 * @defgroup lists Configuration lists
 * A list steps through configurations of the listed attributes.
 * @{
 */

/**
 * @brief Creates a configuration list over a set of attributes.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] listName Name of the list.
 * @param[in] numberOfListAttributes Number of entries of @p listAttributeIDs.
 * @param[in] listAttributeIDs Identifiers of the attributes the list steps through.
 * @param[in] setAsActiveList VI_TRUE makes it the active list.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CreateConfigurationList(ViSession vi, ViConstString listName,
                                                   ViInt32 numberOfListAttributes,
                                                   const ViAttr listAttributeIDs[],
                                                   ViBoolean setAsActiveList);
/**
 * @brief Appends a step to the active list; attribute sets then apply to it.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] setAsActiveStep VI_TRUE makes it the active step.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CreateConfigurationListStep(ViSession vi, ViBoolean setAsActiveStep);
/**
 * @brief Deletes a configuration list.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] listName Name of the list.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_DeleteConfigurationList(ViSession vi, ViConstString listName);
/**
 * @brief Returns the module-defined reconfiguration times of the list steps.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data3 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetListStepReconfigTimes(ViSession vi, void *data1, ViInt32 value1, void *data2,
                                                    void *data3);

/** @} */

/**
 * @defgroup selfcal Self-calibration
 * Self-calibration of a device and the state of its calibrated ranges.
 * @{
 */

/**
 * @brief Self-calibrates the device.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] stepsToOmit Bit set of calibration steps to skip; 0 runs every step.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SelfCalibrate(ViSession vi, ViInt64 stepsToOmit);
/**
 * @brief Self-calibrates the device with no step omitted.
 *
 * Same as zuVEXA_SelfCalibrate() with 0.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SelfCal(ViSession vi);
/**
 * @brief Self-calibrates only the given frequency and reference-level ranges.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] stepsToOmit Bit set of calibration steps to skip.
 * @param[in] minFrequency Lowest frequency, in hertz.
 * @param[in] maxFrequency Highest frequency, in hertz.
 * @param[in] minReferenceLevel Lowest reference level, in dBm.
 * @param[in] maxReferenceLevel Highest reference level, in dBm.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SelfCalibrateRange(ViSession vi, ViInt64 stepsToOmit, ViReal64 minFrequency,
                                              ViReal64 maxFrequency, ViReal64 minReferenceLevel,
                                              ViReal64 maxReferenceLevel);
/**
 * @brief Forgets the ranges of zuVEXA_SelfCalibrateRange().
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ClearSelfCalibrateRange(ViSession vi);
/**
 * @brief Returns the calibrated ranges.
 *
 * Each array receives one entry per range, for up to @p bufferSize ranges.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] bufferSize Number of entries each array holds.
 * @param[out] step Receives the calibration step of each range.
 * @param[out] temperature Receives the device temperature of each range, in degrees Celsius.
 * @param[out] minFrequency Receives the lowest frequency of each range, in hertz.
 * @param[out] maxFrequency Receives the highest frequency of each range, in hertz.
 * @param[out] minReferenceLevel Receives the lowest reference level of each range, in dBm.
 * @param[out] maxReferenceLevel Receives the highest reference level of each range, in dBm.
 * @param[out] actualDataSize Receives the number of ranges.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetSelfCalibrateRangeState(ViSession vi, ViInt32 bufferSize, ViInt64 step[],
                                                      ViReal64 temperature[], ViReal64 minFrequency[],
                                                      ViReal64 maxFrequency[], ViReal64 minReferenceLevel[],
                                                      ViReal64 maxReferenceLevel[], ViInt32 *actualDataSize);
/**
 * @brief Corrects for the device's temperature drift since its self-calibration.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_PerformThermalCorrection(ViSession vi);
/**
 * @brief Returns the module-defined date and time of the last self-calibration (service use).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data3 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data4 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data5 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data6 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetSelfCalLastDateAndTime(ViSession vi, void *data1, void *data2, void *data3,
                                                     void *data4, void *data5, void *data6);
/**
 * @brief Returns the module-defined temperature of the last self-calibration (service use).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetSelfCalLastTemp(ViSession vi, void *data1, void *data2);
/**
 * @brief Tells in a module-defined record whether the self-calibration is valid (service use).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_IsSelfCalValid(ViSession vi, void *data1, void *data2);
/**
 * @brief Stores the module-defined self-calibration baseline (service use).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ExtCalStoreBaselineForSelfCalibration(ViSession vi, void *data1, void *data2);
/**
 * @brief Returns the module-defined gain reference baseline (service use).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetGainReferenceCalBaseline(ViSession vi, ViInt32 value1, void *data1,
                                                       void *data2);

/** @} */

/**
 * @defgroup extcal External calibration
 * Functions of a session opened with zuVEXA_InitExtCal(). Frequencies are in hertz, gains in dB,
 * measured powers in dBm, temperatures in degrees Celsius.
 * @{
 */

/**
 * @brief Returns the date and time of the last external calibration.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[out] year Receives the year.
 * @param[out] month Receives the month, 1 to 12.
 * @param[out] day Receives the day of the month.
 * @param[out] hour Receives the hour, 0 to 23.
 * @param[out] minute Receives the minute.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetExtCalLastDateAndTime(ViSession vi, ViInt32 *year, ViInt32 *month, ViInt32 *day,
                                                    ViInt32 *hour, ViInt32 *minute);
/**
 * @brief Returns the date and time of the last external adjustment.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[out] year Receives the year.
 * @param[out] month Receives the month, 1 to 12.
 * @param[out] day Receives the day of the month.
 * @param[out] hour Receives the hour, 0 to 23.
 * @param[out] minute Receives the minute.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetExtCalLastAdjustDateAndTime(ViSession vi, ViInt32 *year, ViInt32 *month,
                                                          ViInt32 *day, ViInt32 *hour, ViInt32 *minute);
/**
 * @brief Returns the device temperature at the last external calibration.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[out] temperature Receives the temperature, in degrees Celsius.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetExtCalLastTemp(ViSession vi, ViReal64 *temperature);
/**
 * @brief Returns the recommended external calibration interval.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[out] months Receives the interval, in months.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetExtCalRecommendedInterval(ViSession vi, ViInt32 *months);
/**
 * @brief Changes the calibration password.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] oldPassword Current password.
 * @param[in] newPassword New password.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ChangeExtCalPassword(ViSession vi, ViConstString oldPassword,
                                                ViConstString newPassword);
/**
 * @brief Stores free text with the calibration data.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] info The text, at most zuVEXA_GetCalUserDefinedInfoMaxSize() bytes with its NUL.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetCalUserDefinedInfo(ViSession vi, ViConstString info);
/**
 * @brief Reads the free text stored with the calibration data.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[out] info Buffer of zuVEXA_GetCalUserDefinedInfoMaxSize() bytes that receives the text.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetCalUserDefinedInfo(ViSession vi, ViChar info[]);
/**
 * @brief Returns the size of the free text stored with the calibration data.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[out] infoSize Receives the size in bytes, with the NUL.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetCalUserDefinedInfoMaxSize(ViSession vi, ViInt32 *infoSize);
/**
 * @brief Selects the calibration step the following adjustments belong to.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] calibrationStep Calibration step (module-defined values).
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_InitializeCalibrationStep(ViSession vi, ViInt32 calibrationStep);
/**
 * @brief Ends the calibration step selected by zuVEXA_InitializeCalibrationStep().
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CloseCalibrationStep(ViSession vi);
/**
 * @brief Adjusts the downconverter gain from an external measurement.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] frequency Frequency of the measurement, in hertz.
 * @param[in] gain Measured gain, in dB.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CalAdjustDownconverterGain(ViSession vi, ViConstString channelList,
                                                      ViReal64 frequency, ViReal64 gain);
/**
 * @brief Adjusts the device gain from an external measurement.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] frequency Frequency of the measurement, in hertz.
 * @param[in] gain Measured gain, in dB.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CalAdjustDeviceGain(ViSession vi, ViConstString channelList, ViReal64 frequency,
                                               ViReal64 gain);
/**
 * @brief Adjusts the calibration tone's power from an external measurement.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] measurement Measured power, in dBm.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CalAdjustCalTonePower(ViSession vi, ViConstString channelList,
                                                 ViReal64 measurement);
/**
 * @brief Adjusts the IF attenuation calibration from an external measurement.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] IFFilter IF filter the measurement was made with (module-defined values).
 * @param[in] numberOfAttenuators Number of entries of @p attenuatorSettings.
 * @param[in] attenuatorSettings Setting of each attenuator, in dB.
 * @param[in] measurement Measured power, in dBm.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CalAdjustIFAttenuationCalibration(ViSession vi, ViConstString channelList,
                                                             ViInt32 IFFilter, ViInt32 numberOfAttenuators,
                                                             const ViReal64 attenuatorSettings[],
                                                             ViReal64 measurement);
/**
 * @brief Adjusts the IF frequency response from external measurements.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] IFFilter IF filter the measurements were made with (module-defined values).
 * @param[in] RFFrequency RF frequency of the measurements, in hertz.
 * @param[in] bandWidth Bandwidth the measurements cover, in hertz.
 * @param[in] numberOfMeasurements Number of entries of @p measurements.
 * @param[in] measurements Measured powers, in dBm.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CalAdjustIFResponseCalibration(ViSession vi, ViConstString channelList,
                                                          ViInt32 IFFilter, ViReal64 RFFrequency,
                                                          ViReal64 bandWidth, ViInt32 numberOfMeasurements,
                                                          const ViReal64 measurements[]);
/**
 * @brief Adjusts the reference-level calibration from an external measurement.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] referenceLevelDataType Kind of reference-level data (module-defined values).
 * @param[in] value1 Module-defined selector.
 * @param[in] attenuatorTableNumber Attenuator table the adjustment belongs to.
 * @param[in] frequency Frequency of the measurement, in hertz.
 * @param[in] measurement Measured power, in dBm.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CalAdjustRefLevelCalibration(ViSession vi, ViConstString channelList,
                                                        ViInt32 referenceLevelDataType, ViInt32 value1,
                                                        ViInt32 attenuatorTableNumber, ViReal64 frequency,
                                                        ViReal64 measurement);
/**
 * @brief Adjusts the exported LO power and reads back the points it adjusted.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] LONumber LO to adjust.
 * @param[in] numberOfFrequencyPoints Number of entries each array holds.
 * @param[out] FrequencyPoints Receives the adjusted frequencies, in hertz.
 * @param[out] LOAttenuation Receives the LO attenuation at each frequency, in dB.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CalAdjustLOExportCalibration(ViSession vi, ViConstString channelList,
                                                        ViInt32 LONumber, ViInt32 numberOfFrequencyPoints,
                                                        ViReal64 FrequencyPoints[], ViReal64 LOAttenuation[]);
/**
 * @brief Adjusts the RF overload threshold from a module-defined record.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CalAdjustRFOverloadThreshold(ViSession vi, void *data1);
/**
 * @brief Sets the temperature recorded with the calibration.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] temperature Temperature, in degrees Celsius.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CalSetTemperature(ViSession vi, ViConstString channelList, ViReal64 temperature);
/**
 * @brief Sets the device options recorded with the calibration.
 *
 * @param[in] vi External-calibration session from zuVEXA_InitExtCal().
 * @param[in] deviceOptions Bit set of module-defined device options.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CalSetDeviceOptions(ViSession vi, ViUInt64 deviceOptions);

/** @} */

/**
 * @defgroup alignment External alignment
 * Functions of a session opened with zuVEXA_InitializeExternalAlignment().
 * @{
 */

/**
 * @brief Selects the alignment step the following adjustments belong to.
 *
 * @param[in] vi External-alignment session from zuVEXA_InitializeExternalAlignment().
 * @param[in] externalAlignmentStep Alignment step (module-defined values).
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_InitializeExternalAlignmentStep(ViSession vi, ViInt32 externalAlignmentStep);
/**
 * @brief Ends the alignment step selected by zuVEXA_InitializeExternalAlignmentStep().
 *
 * @param[in] vi External-alignment session from zuVEXA_InitializeExternalAlignment().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CloseExternalAlignmentStep(ViSession vi);
/**
 * @brief Aligns the preselector from a set of coefficients.
 *
 * @param[in] vi External-alignment session from zuVEXA_InitializeExternalAlignment().
 * @param[in] numberOfCoefficients Number of entries of @p coefficients.
 * @param[in] coefficients The coefficients.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ExternalAlignmentAdjustPreselector(ViSession vi, ViInt32 numberOfCoefficients,
                                                              const ViReal64 coefficients[]);

/** @} */

/**
 * @defgroup deembedding De-embedding S-parameter tables
 * A table describes the network between a port and the device under test; the instrument removes its
 * effect from the measurements. Frequencies are in hertz.
 * @{
 */

/**
 * @brief Creates a de-embedding table from a Touchstone .s2p file.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] port Port the de-embedding table applies to.
 * @param[in] tableName Name of the de-embedding table.
 * @param[in] s2pFilePath Path of the file.
 * @param[in] sparameterOrientation Order of the ports in each matrix (module-defined values).
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CreateDeembeddingSparameterTableS2PFile(ViSession vi, ViConstString port,
                                                                   ViConstString tableName,
                                                                   ViConstString s2pFilePath,
                                                                   ViInt32 sparameterOrientation);
/**
 * @brief Creates a de-embedding table from arrays.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] port Port the de-embedding table applies to.
 * @param[in] tableName Name of the de-embedding table.
 * @param[in] frequencies The table's frequencies, in hertz.
 * @param[in] frequenciesSize Number of entries of @p frequencies.
 * @param[in] sparameterTable Complex S-parameters: @p frequenciesSize matrices of @p numberOfPorts x @p
 *        numberOfPorts values.
 * @param[in] sparameterTableSize Number of entries of @p sparameterTable.
 * @param[in] numberOfPorts Number of ports of the network.
 * @param[in] sparameterOrientation Order of the ports in each matrix (module-defined values).
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CreateDeembeddingSparameterTableArray(
    ViSession vi, ViConstString port, ViConstString tableName, const ViReal64 frequencies[],
    ViInt32 frequenciesSize, const ZUComplexNumber sparameterTable[], ViInt32 sparameterTableSize,
    ViInt32 numberOfPorts, ViInt32 sparameterOrientation);
/**
 * @brief Creates an empty de-embedding table.
 *
 * Fill it with zuVEXA_ConfigureSparameterTableFrequencies() and
 * zuVEXA_ConfigureSparameterTableSparameters().
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] port Port the de-embedding table applies to.
 * @param[in] tableName Name of the de-embedding table.
 * @param[in] numberOfFrequencies Number of frequencies of the table.
 * @param[in] numberOfPorts Number of ports of the network.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_CreateDeembeddingSparameterTable(ViSession vi, ViConstString port,
                                                            ViConstString tableName,
                                                            ViInt32 numberOfFrequencies,
                                                            ViInt32 numberOfPorts);
/**
 * @brief Sets the frequencies of a table made by zuVEXA_CreateDeembeddingSparameterTable().
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] port Port the de-embedding table applies to.
 * @param[in] tableName Name of the de-embedding table.
 * @param[in] frequencies The frequencies, in hertz.
 * @param[in] frequenciesSize Number of entries of @p frequencies.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureSparameterTableFrequencies(ViSession vi, ViConstString port,
                                                               ViConstString tableName,
                                                               const ViReal64 frequencies[],
                                                               ViInt32 frequenciesSize);
/**
 * @brief Sets the S-parameters of a table made by zuVEXA_CreateDeembeddingSparameterTable().
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] port Port the de-embedding table applies to.
 * @param[in] tableName Name of the de-embedding table.
 * @param[in] sparameterTable Complex S-parameters, one port matrix per frequency.
 * @param[in] sparameterTableSize Number of entries of @p sparameterTable.
 * @param[in] sparameterOrientation Order of the ports in each matrix (module-defined values).
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureSparameterTableSparameters(ViSession vi, ViConstString port,
                                                               ViConstString tableName,
                                                               const ZUComplexNumber sparameterTable[],
                                                               ViInt32 sparameterTableSize,
                                                               ViInt32 sparameterOrientation);
/**
 * @brief Deletes a de-embedding table.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] port Port the de-embedding table applies to.
 * @param[in] tableName Name of the de-embedding table.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_DeleteDeembeddingTable(ViSession vi, ViConstString port, ViConstString tableName);
/**
 * @brief Deletes every de-embedding table of the session.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_DeleteAllDeembeddingTables(ViSession vi);
/**
 * @brief Uses the nearest frequency of the table between its frequencies.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] port Port the de-embedding table applies to.
 * @param[in] tableName Name of the de-embedding table.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureDeembeddingTableInterpolationNearest(ViSession vi, ViConstString port,
                                                                         ViConstString tableName);
/**
 * @brief Interpolates linearly between the table's frequencies.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] port Port the de-embedding table applies to.
 * @param[in] tableName Name of the de-embedding table.
 * @param[in] format Values the interpolation works on (module-defined values).
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureDeembeddingTableInterpolationLinear(ViSession vi, ViConstString port,
                                                                        ViConstString tableName,
                                                                        ViInt32 format);
/**
 * @brief Interpolates with a spline between the table's frequencies.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] port Port the de-embedding table applies to.
 * @param[in] tableName Name of the de-embedding table.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_ConfigureDeembeddingTableInterpolationSpline(ViSession vi, ViConstString port,
                                                                        ViConstString tableName);
/**
 * @brief Returns the S-parameters in use at the current frequency.
 *
 * Both counts are read first. With @p sparametersArraySize 0 only they are returned (a size query);
 * a smaller array than the count is refused before anything is fetched.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[out] sparameters Receives *@p numberOfSparameters values; may be NULL for a size query.
 * @param[in] sparametersArraySize Number of entries @p sparameters holds, or 0.
 * @param[out] numberOfSparameters Receives the number of S-parameters; must not be NULL.
 * @param[out] numberOfPorts Receives the number of ports; must not be NULL.
 * @zu_forwarded
 * @retval ZUVEXA_ERROR_INVALID_PARAMETER A count pointer is NULL, or @p sparametersArraySize is not 0
 *         and smaller than the count.
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetDeembeddingSparameters(ViSession vi, ZUComplexNumber sparameters[],
                                                     ViInt32 sparametersArraySize,
                                                     ViInt32 *numberOfSparameters, ViInt32 *numberOfPorts);
/**
 * @brief Returns the number of ports of the active de-embedding table.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[out] numberOfPorts Receives the number of ports; must not be NULL.
 * @zu_forwarded
 * @retval ZUVEXA_ERROR_INVALID_PARAMETER @p numberOfPorts is NULL.
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetDeembeddingTableNumberOfPorts(ViSession vi, ViInt32 *numberOfPorts);

/** @} */

/**
 * @defgroup device Device data, relays, temperatures and response
 * Frequency responses, scaling coefficients, relay counts and temperatures of the device; the
 * functions with module-defined records serve service tools.
 * @{
 */

/**
 * @brief Returns the frequency response of a signal path of the device.
 *
 * Each array receives one entry per frequency, for up to @p bufferSize frequencies.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] responseType Signal path (module-defined values).
 * @param[in] bufferSize Number of entries each array holds.
 * @param[out] frequencies Receives the frequencies, in hertz.
 * @param[out] magnitudeResponse Receives the magnitude at each frequency, in dB.
 * @param[out] phaseResponse Receives the phase at each frequency, in degrees.
 * @param[out] numberOfFrequencies Receives the number of frequencies.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetDeviceResponse(ViSession vi, ViConstString channelList, ViInt32 responseType,
                                             ViInt32 bufferSize, ViReal64 frequencies[],
                                             ViReal64 magnitudeResponse[], ViReal64 phaseResponse[],
                                             ViInt32 *numberOfFrequencies);
/**
 * @brief Returns the frequency response of the acquisition path.
 *
 * Each array receives one entry per frequency, for up to @p bufferSize frequencies.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] bufferSize Number of entries each array holds.
 * @param[out] frequencies Receives the frequencies, in hertz.
 * @param[out] magnitudeResponse Receives the magnitude at each frequency, in dB.
 * @param[out] phaseResponse Receives the phase at each frequency, in degrees.
 * @param[out] numberOfFrequencies Receives the number of frequencies.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetFrequencyResponse(ViSession vi, ViConstString channelList, ViInt32 bufferSize,
                                                ViReal64 frequencies[], ViReal64 magnitudeResponse[],
                                                ViReal64 phaseResponse[], ViInt32 *numberOfFrequencies);
/**
 * @brief Returns the coefficients that scale raw data.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] arraySize Number of coefficient records @p coefficientInfo holds.
 * @param[out] coefficientInfo Receives the records (module-defined layout).
 * @param[out] numberOfCoefficientSets Receives the number of records.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetScalingCoefficients(ViSession vi, ViConstString channelList, ViInt32 arraySize,
                                                  void *coefficientInfo, ViInt32 *numberOfCoefficientSets);
/**
 * @brief Returns the coefficients that normalise raw data.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] arraySize Number of coefficient records @p coefficientInfo holds.
 * @param[out] coefficientInfo Receives the records (module-defined layout).
 * @param[out] numberOfCoefficientSets Receives the number of records.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetNormalizationCoefficients(ViSession vi, ViConstString channelList,
                                                        ViInt32 arraySize, void *coefficientInfo,
                                                        ViInt32 *numberOfCoefficientSets);
/**
 * @brief Returns how often the relays of the channels have switched.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[out] operationsCount Receives the switching counts.
 * @param[in,out] bufferSize Number of entries of @p operationsCount (module-defined use).
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetRelayOperationsCount(ViSession vi, ViConstString channelList,
                                                   ViInt32 *operationsCount, ViInt32 *bufferSize);
/**
 * @brief Returns the name of a relay.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] index Relay index, counting from 0.
 * @param[out] name Buffer of 256 bytes that receives the name.
 * @param[out] bufferSize Receives the size the name needs.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetRelayName(ViSession vi, ViConstString channelList, ViInt32 index, ViChar name[],
                                        ViInt32 *bufferSize);
/**
 * @brief Sets the module-defined relay switching counts (service use).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetRelayOperationsCount(ViSession vi, void *data1, void *data2, ViInt32 value1);
/**
 * @brief Returns a module-defined device temperature.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] valuePtr Module-defined record the instrument module fills.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetTemperature(ViSession vi, ViInt32 value1, void *valuePtr);
/**
 * @brief Returns the temperature of a module-defined sensor.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] valuePtr Module-defined record the instrument module fills.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetSensorTemperature(ViSession vi, void *data1, void *valuePtr);
/**
 * @brief Uses a given temperature in place of the sensor's.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] enable VI_TRUE uses @p temperature, VI_FALSE the sensor again.
 * @param[in] temperature Temperature, in degrees Celsius.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_OverrideTemperature(ViSession vi, ViBoolean enable, ViReal64 temperature);
/**
 * @brief Module-defined: when a temperature change invalidates the configuration.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_InvalidateConfigurationOnTemperatureChange(ViSession vi, void *data1);
/**
 * @brief Returns the module-defined corrected system gain.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] valuePtr Module-defined record the instrument module fills.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetCorrectedSystemGain(ViSession vi, void *data1, void *data2, ViInt32 value1,
                                                  void *valuePtr);
/**
 * @brief Returns the module-defined equalization configuration.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data3 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data4 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data5 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetEqualizationConfigurationComplexF64(ViSession vi, ViInt32 value1, void *data1,
                                                                  void *data2, void *data3, void *data4,
                                                                  void *data5);
/**
 * @brief Sets the module-defined equalization configuration.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in] real1 Module-defined; passed to the instrument module unchanged.
 * @param[in] real2 Module-defined; passed to the instrument module unchanged.
 * @param[in] real3 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetEqualizationConfigurationComplexF64(ViSession vi, ViInt32 value1, void *data1,
                                                                  ViReal64 real1, ViReal64 real2,
                                                                  ViReal64 real3);
/**
 * @brief Returns the module-defined RAL instructions (service use).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetRALInstructions(ViSession vi, void *data1, void *data2);
/**
 * @brief Overrides the module-defined RAL instructions (service use).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_OverrideRALInstructions(ViSession vi, void *data1, ViInt32 value1);
/**
 * @brief Reads module-defined device data (service use).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @param[in] value2 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data3 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data4 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data5 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_GetDeviceData(ViSession vi, void *data1, ViInt32 value1, ViInt32 value2,
                                         void *data2, void *data3, void *data4, void *data5);
/**
 * @brief Writes module-defined device data (service use).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in,out] data1 Module-defined; passed to the instrument module unchanged.
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @param[in] value2 Module-defined; passed to the instrument module unchanged.
 * @param[in] value3 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] data2 Module-defined; passed to the instrument module unchanged.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_SetDeviceData(ViSession vi, void *data1, ViInt32 value1, ViInt32 value2,
                                         ViInt32 value3, void *data2);
/**
 * @brief Erases the device's stored data (service use).
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus zuVEXA_FormatEEPROM(ViSession vi);

/** @} */

/**
 * @defgroup names Device names and associations
 * Functions without a session. The association and downconverter functions are answered by the
 * module of kind "ka", loaded on first use; their arguments are module-defined and passed on
 * unchanged.
 * @{
 */

/**
 * @brief Lists the devices associated with a device name (module-defined records).
 *
 * @param[in,out] arg1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg2 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg3 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg4 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg5 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg6 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg7 Module-defined; passed to the instrument module unchanged.
 * @zu_nosession_statuses
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_GetAssociatedDevicesForName(void *arg1, void *arg2, void *arg3, void *arg4,
                                                       void *arg5, void *arg6, void *arg7);
/**
 * @brief Lists the devices associated with a device identifier (module-defined records).
 *
 * @param[in,out] arg1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg2 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg3 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg4 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg5 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg6 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg7 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg8 Module-defined; passed to the instrument module unchanged.
 * @zu_nosession_statuses
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_GetAssociatedDevicesForGUID(void *arg1, void *arg2, void *arg3, void *arg4,
                                                       void *arg5, void *arg6, void *arg7, void *arg8);
/**
 * @brief Sets the devices associated with a device identifier (module-defined records).
 *
 * @param[in,out] arg1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg2 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg3 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg4 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg5 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg6 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg7 Module-defined; passed to the instrument module unchanged.
 * @zu_nosession_statuses
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_SetAssociatedDevicesForGUID(void *arg1, void *arg2, void *arg3, void *arg4,
                                                       void *arg5, void *arg6, void *arg7);
/**
 * @brief Returns the name of the digitizer in a downconverter's signal chain.
 *
 * Errors are returned but not recorded.
 *
 * @param[in,out] arg1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg2 Module-defined; passed to the instrument module unchanged.
 * @zu_nosession_statuses
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_GetDigitizerNameForDownconverter(void *arg1, void *arg2);
/**
 * @brief Returns the name of the LO in a downconverter's signal chain.
 *
 * Errors are returned but not recorded.
 *
 * @param[in,out] arg1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg2 Module-defined; passed to the instrument module unchanged.
 * @zu_nosession_statuses
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_GetLONameForDownconverter(void *arg1, void *arg2);
/**
 * @brief Returns the name of the RF conditioning module in a downconverter's signal chain.
 *
 * Errors are returned but not recorded.
 *
 * @param[in,out] arg1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg2 Module-defined; passed to the instrument module unchanged.
 * @zu_nosession_statuses
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_GetRFCondNameForDownconverter(void *arg1, void *arg2);
/**
 * @brief Returns the name of the IF conditioning module in a downconverter's signal chain.
 *
 * Errors are returned but not recorded.
 *
 * @param[in,out] arg1 Module-defined; passed to the instrument module unchanged.
 * @param[in,out] arg2 Module-defined; passed to the instrument module unchanged.
 * @zu_nosession_statuses
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_GetIFCondNameForDownconverter(void *arg1, void *arg2);
/**
 * @brief Returns the folder of the FPGA extension files of a device (IVI buffer convention).
 *
 * The device is forgotten from the library's cache and looked up afresh; the module of its model
 * answers.
 *
 * @param[in] resourceName Device name or alias from the system configuration.
 * @param[in] deviceContext Context value, pointer-sized so that a module may hand one back as a
 *        pointer; it reaches the module unchanged.
 * @param[in] value1 Module-defined; passed to the instrument module unchanged.
 * @param[in] bitfileDirBufferSize Size of @p bitfileDir in bytes.
 * @param[out] bitfileDir Receives the folder.
 * @param[out] requiredBitfileDirBufferSize Receives the size the folder needs.
 * @return VI_SUCCESS, a warning, or an error.
 * @retval ZUVEXA_ERROR_DEVICE_NOT_FOUND No device matches @p resourceName.
 * @retval ZUVEXA_ERROR_MODULE_NOT_LOADED The device's module could not be loaded.
 * @retval ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED The module has no entry for this function.
 * @retval other The module's status.
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_GetFPGAExtensionsBitfileDir(ViConstString resourceName, uintptr_t deviceContext,
                                                       ViInt32 value1, ViInt32 bitfileDirBufferSize,
                                                       ViChar bitfileDir[],
                                                       ViInt32 *requiredBitfileDirBufferSize);

/** @} */

/**
 * @defgroup timestamps Timestamps
 * ZUTimestamp counts from 1904-01-01 00:00:00 UTC; these functions convert to and from seconds since
 * 1970-01-01 00:00:00 UTC plus a fraction in [0, 1). No session, tracing or error information is
 * involved.
 * @{
 */

/**
 * @brief Converts seconds since 1970 and a fraction into a ZUTimestamp.
 *
 * A fraction outside [0, 1) carries its whole seconds into the seconds; NaN counts as 0. The seconds
 * wrap around at the 64-bit limits, so that the two conversions stay inverse to each other.
 *
 * @param[in] seconds Whole seconds since 1970-01-01 00:00:00 UTC.
 * @param[in] fractionalSeconds Fraction of a second.
 * @param[out] timestamp Receives the timestamp.
 * @return VI_SUCCESS, or an error.
 * @retval ZUVEXA_ERROR_NULL_POINTER @p timestamp is NULL.
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_TimestampFromValues(ViInt64 seconds, ViReal64 fractionalSeconds,
                                               ZUTimestamp *timestamp);
/**
 * @brief Converts a ZUTimestamp into seconds since 1970 and a fraction.
 *
 * @param[in] timestamp The timestamp.
 * @param[out] seconds Receives the whole seconds since 1970-01-01 00:00:00 UTC.
 * @param[out] fractionalSeconds Receives the fraction of a second, in [0, 1).
 * @return VI_SUCCESS, or an error.
 * @retval ZUVEXA_ERROR_NULL_POINTER @p seconds or @p fractionalSeconds is NULL (*@p seconds is written
 *         when only @p fractionalSeconds is NULL).
 * @zu_thread_any
 */
ZUVEXA_API ViStatus zuVEXA_ValuesFromTimestamp(ZUTimestamp timestamp, ViInt64 *seconds,
                                               ViReal64 *fractionalSeconds);

/** @} */

/**
 * @defgroup gx Graphical-environment wrappers
 * For the maker's graphical programming environment; C applications use the zuVEXA_* functions.
 * The @c void * parameters are the environment's array, cluster, waveform and data-reference
 * handles, built by the instrument module. @p incomingStatus is the status of the environment's
 * error input. The _32Bit forms take 32-bit record numbers and counts. The open and close wrappers
 * end with an error-description pair that receives the error text on a non-zero status (IVI buffer
 * convention), read with zuVEXA_GetError(), which clears the error information; they take Booleans as
 * 32-bit integers, whose low 16 bits count.
 * @{
 */

/**
 * @brief Opens a session like zuVEXA_init() and returns the error text with the status.
 *
 * @param[in] resourceName Device name or alias from the system configuration, or an IVI logical name.
 * @param[in] IDQuery Non-zero: the instrument module checks the instrument's identity.
 * @param[in] reset Non-zero: the instrument is reset while the session opens.
 * @param[out] newVi Receives the handle of the new session; 0 when the open fails.
 * @param[in] errorDescriptionBufferSize Size of @p errorDescription in bytes (IVI buffer convention).
 * @param[out] errorDescription Receives the error text when the status is not VI_SUCCESS; may be NULL
 *        when @p errorDescriptionBufferSize is 0.
 * @zu_open_statuses
 * @zu_thread_open
 */
ZUVEXA_API ViStatus GX_zuVEXA_init(ViConstString resourceName, ViInt32 IDQuery, ViInt32 reset,
                                   ViSession *newVi, ViInt32 errorDescriptionBufferSize,
                                   ViChar errorDescription[]);
/**
 * @brief Opens a session like zuVEXA_InitWithOptions() and returns the error text with the status.
 *
 * @param[in] resourceName Device name or alias from the system configuration, or an IVI logical name.
 * @param[in] IDQuery Non-zero: the instrument module checks the instrument's identity.
 * @param[in] reset Non-zero: the instrument is reset while the session opens.
 * @param[in] optionString IVI options and DriverSetup keys, for example
 *        "Simulate=1,DriverSetup=Model:Q118"; NULL or "" for none.
 * @param[out] newVi Receives the handle of the new session; 0 when the open fails.
 * @param[in] errorDescriptionBufferSize Size of @p errorDescription in bytes (IVI buffer convention).
 * @param[out] errorDescription Receives the error text when the status is not VI_SUCCESS; may be NULL
 *        when @p errorDescriptionBufferSize is 0.
 * @zu_open_statuses
 * @zu_option_statuses
 * @zu_thread_open
 */
ZUVEXA_API ViStatus GX_zuVEXA_InitWithOptions(ViConstString resourceName, ViInt32 IDQuery, ViInt32 reset,
                                              ViConstString optionString, ViSession *newVi,
                                              ViInt32 errorDescriptionBufferSize, ViChar errorDescription[]);
/**
 * @brief Opens an external-calibration session like zuVEXA_InitExtCal(), with the error text.
 *
 * @param[in] resourceName Device name or alias from the system configuration, or an IVI logical name.
 * @param[in] password Calibration password.
 * @param[in] optionString IVI options and DriverSetup keys, for example
 *        "Simulate=1,DriverSetup=Model:Q118"; NULL or "" for none.
 * @param[out] newVi Receives the handle of the new session; 0 when the open fails.
 * @param[in] errorDescriptionBufferSize Size of @p errorDescription in bytes (IVI buffer convention).
 * @param[out] errorDescription Receives the error text when the status is not VI_SUCCESS; may be NULL
 *        when @p errorDescriptionBufferSize is 0.
 * @zu_open_statuses
 * @zu_option_statuses
 * @zu_thread_open
 */
ZUVEXA_API ViStatus GX_zuVEXA_initExtCal(ViConstString resourceName, ViConstString password,
                                         ViConstString optionString, ViSession *newVi,
                                         ViInt32 errorDescriptionBufferSize, ViChar errorDescription[]);
/**
 * @brief Opens an external-calibration session through the "tov" module, whatever the model.
 *
 * @param[in] resourceName Device name or alias from the system configuration, or an IVI logical name.
 * @param[in] password Calibration password.
 * @param[in] optionString IVI options and DriverSetup keys, for example
 *        "Simulate=1,DriverSetup=Model:Q118"; NULL or "" for none.
 * @param[out] newVi Receives the handle of the new session; 0 when the open fails.
 * @param[in] errorDescriptionBufferSize Size of @p errorDescription in bytes (IVI buffer convention).
 * @param[out] errorDescription Receives the error text when the status is not VI_SUCCESS; may be NULL
 *        when @p errorDescriptionBufferSize is 0.
 * @zu_open_statuses
 * @zu_option_statuses
 * @zu_thread_open
 */
ZUVEXA_API ViStatus GX_zuVEXA_initExtCalTovInternal(ViConstString resourceName, ViConstString password,
                                                    ViConstString optionString, ViSession *newVi,
                                                    ViInt32 errorDescriptionBufferSize,
                                                    ViChar errorDescription[]);
/**
 * @brief Opens an external-alignment session like zuVEXA_InitializeExternalAlignment(), with the error
 * text.
 *
 * @param[in] resourceName Device name or alias from the system configuration, or an IVI logical name.
 * @param[in] optionString IVI options and DriverSetup keys, for example
 *        "Simulate=1,DriverSetup=Model:Q118"; NULL or "" for none.
 * @param[out] newVi Receives the handle of the new session; 0 when the open fails.
 * @param[in] errorDescriptionBufferSize Size of @p errorDescription in bytes (IVI buffer convention).
 * @param[out] errorDescription Receives the error text when the status is not VI_SUCCESS; may be NULL
 *        when @p errorDescriptionBufferSize is 0.
 * @zu_open_statuses
 * @zu_option_statuses
 * @zu_thread_open
 */
ZUVEXA_API ViStatus GX_zuVEXA_InitializeExternalAlignment(ViConstString resourceName,
                                                          ViConstString optionString, ViSession *newVi,
                                                          ViInt32 errorDescriptionBufferSize,
                                                          ViChar errorDescription[]);
/**
 * @brief Closes a session like zuVEXA_close() and returns the error text with the status.
 *
 * @param[in] vi Session to close.
 * @param[in] errorDescriptionBufferSize Size of @p errorDescription in bytes (IVI buffer convention).
 * @param[out] errorDescription Receives the error text when the status is not VI_SUCCESS; may be NULL
 *        when @p errorDescriptionBufferSize is 0.
 * @zu_forwarded
 * @zu_thread_close
 */
ZUVEXA_API ViStatus GX_zuVEXA_close(ViSession vi, ViInt32 errorDescriptionBufferSize,
                                    ViChar errorDescription[]);
/**
 * @brief Closes an external-calibration session like zuVEXA_CloseExtCal(), with the error text.
 *
 * @param[in] vi Session from zuVEXA_InitExtCal() or GX_zuVEXA_initExtCal().
 * @param[in] action Module-defined: whether the module stores or discards the new data.
 * @param[in] errorDescriptionBufferSize Size of @p errorDescription in bytes (IVI buffer convention).
 * @param[out] errorDescription Receives the error text when the status is not VI_SUCCESS; may be NULL
 *        when @p errorDescriptionBufferSize is 0.
 * @zu_forwarded
 * @zu_thread_close
 */
ZUVEXA_API ViStatus GX_zuVEXA_closeExtCal(ViSession vi, ViInt32 action, ViInt32 errorDescriptionBufferSize,
                                          ViChar errorDescription[]);
/**
 * @brief Closes an external-alignment session like zuVEXA_CloseExternalAlignment(), with the error
 * text.
 *
 * @param[in] vi Session from an external-alignment open.
 * @param[in] action Module-defined: whether the module stores or discards the new data.
 * @param[in] errorDescriptionBufferSize Size of @p errorDescription in bytes (IVI buffer convention).
 * @param[out] errorDescription Receives the error text when the status is not VI_SUCCESS; may be NULL
 *        when @p errorDescriptionBufferSize is 0.
 * @zu_forwarded
 * @zu_thread_close
 */
ZUVEXA_API ViStatus GX_zuVEXA_CloseExternalAlignment(ViSession vi, ViInt32 action,
                                                     ViInt32 errorDescriptionBufferSize,
                                                     ViChar errorDescription[]);

/**
 * @brief Fetches one I/Q record as a cluster (t0, dt, data) of 64-bit complex values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQComplexCluster(ViSession vi, ViInt32 incomingStatus,
                                                    ViConstString channelList, ViInt64 recordNumber,
                                                    ViInt64 numberOfSamples, ViReal64 timeout,
                                                    ViInt32 timestampType, void *dataOut, void *infoOut);
/**
 * @brief Fetches one I/Q record as a cluster of 64-bit complex values, with 32-bit counts.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQComplexCluster_32Bit(ViSession vi, ViInt32 incomingStatus,
                                                          ViConstString channelList, ViInt32 recordNumber,
                                                          ViInt32 numberOfSamples, ViReal64 timeout,
                                                          ViInt32 timestampType, void *dataOut,
                                                          void *infoOut);
/**
 * @brief Fetches one I/Q record as a cluster of 32-bit complex values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQComplexClusterF32(ViSession vi, ViInt32 incomingStatus,
                                                       ViConstString channelList, ViInt64 recordNumber,
                                                       ViInt64 numberOfSamples, ViReal64 timeout,
                                                       ViInt32 timestampType, void *dataOut, void *infoOut);
/**
 * @brief Fetches one I/Q record as a complex waveform.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQComplexWDT(ViSession vi, ViInt32 incomingStatus,
                                                ViConstString channelList, ViInt64 recordNumber,
                                                ViInt64 numberOfSamples, ViReal64 timeout,
                                                ViInt32 timestampType, void *dataOut, void *infoOut);
/**
 * @brief Fetches one I/Q record as a complex waveform, with 32-bit counts.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQComplexWDT_32Bit(ViSession vi, ViInt32 incomingStatus,
                                                      ViConstString channelList, ViInt32 recordNumber,
                                                      ViInt32 numberOfSamples, ViReal64 timeout,
                                                      ViInt32 timestampType, void *dataOut, void *infoOut);
/**
 * @brief Fetches one record of raw 16-bit I/Q data into an array handle.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] dataArrPtr Array handle that receives the interleaved values.
 * @param[out] wfmInfo Cluster laid out like the first six WaveformInfo fields.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DI16(ViSession vi, ViInt32 incomingStatus, ViConstString channelList,
                                           ViInt64 recordNumber, ViInt64 numberOfSamples, ViReal64 timeout,
                                           void *dataArrPtr, void *wfmInfo);
/**
 * @brief Fetches one record of raw 16-bit I/Q data into an array handle, with 32-bit counts.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] dataArrPtr Array handle that receives the interleaved values.
 * @param[out] wfmInfo Cluster laid out like the first six WaveformInfo fields, with a 32-bit @c
 *        actualSamples.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DI16_32Bit(ViSession vi, ViInt32 incomingStatus,
                                                 ViConstString channelList, ViInt32 recordNumber,
                                                 ViInt32 numberOfSamples, ViReal64 timeout, void *dataArrPtr,
                                                 void *wfmInfo);
/**
 * @brief Fetches one record of raw 16-bit I/Q data into an external data reference.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[out] externalDVR Receives the data reference.
 * @param[out] elementsRemaining Receives the number of elements still to transfer.
 * @param[out] wfmInfo Cluster laid out like the first six WaveformInfo fields.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DI16_DataRef(ViSession vi, ViInt32 incomingStatus,
                                                   ViConstString channelList, ViInt64 recordNumber,
                                                   ViInt64 numberOfSamples, ViReal64 timeout,
                                                   ViUInt32 *externalDVR, ViUInt32 *elementsRemaining,
                                                   void *wfmInfo);
/**
 * @brief Transfers one record by direct DMA.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] bufferSize Size of the destination, in bytes.
 * @param[out] offsetToFirstSample Receives the byte offset of sample 0.
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQSingleRecordDirectDMA(ViSession vi, ViInt32 incomingStatus,
                                                           ViConstString channelList, ViInt64 recordNumber,
                                                           ViInt64 numberOfSamples, ViReal64 timeout,
                                                           ViInt64 bufferSize, ViInt32 *offsetToFirstSample,
                                                           void *dataOut, void *infoOut);
/**
 * @brief Transfers one record by direct DMA, with 32-bit counts.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record to fetch, counting from 0.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] bufferSize Size of the destination, in bytes.
 * @param[out] offsetToFirstSample Receives the byte offset of sample 0.
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQSingleRecordDirectDMA_32Bit(
    ViSession vi, ViInt32 incomingStatus, ViConstString channelList, ViInt32 recordNumber,
    ViInt32 numberOfSamples, ViReal64 timeout, ViInt32 bufferSize, ViInt32 *offsetToFirstSample,
    void *dataOut, void *infoOut);
/**
 * @brief Fetches several records of raw 16-bit I/Q data as a 2-D array.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] startingRecord First record to fetch, counting from 0.
 * @param[in] numberOfRecords Number of records to fetch.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ2DI16(ViSession vi, ViInt32 incomingStatus, ViConstString channelList,
                                           ViInt64 startingRecord, ViInt64 numberOfRecords,
                                           ViInt64 numberOfSamples, ViReal64 timeout, void *dataOut,
                                           void *infoOut);
/**
 * @brief Fetches several records of raw 16-bit I/Q data as a 2-D array, with 32-bit counts.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] startingRecord First record to fetch, counting from 0.
 * @param[in] numberOfRecords Number of records to fetch.
 * @param[in] numberOfSamples Complex samples wanted; -1 for the whole record.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ2DI16_32Bit(ViSession vi, ViInt32 incomingStatus,
                                                 ViConstString channelList, ViInt32 startingRecord,
                                                 ViInt32 numberOfRecords, ViInt32 numberOfSamples,
                                                 ViReal64 timeout, void *dataOut, void *infoOut);
/**
 * @brief Fetches several records as a 1-D array of clusters of 64-bit complex values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] allowMultipleChannels Non-zero: @p channelList may name several channels.
 * @param[in] startingRecord64bit First record to fetch, counting from 0.
 * @param[in] numberOfRecords64bit Number of records to fetch.
 * @param[in] numberOfSamples64bit Complex samples wanted per record; -1 for whole records.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DComplexCluster(
    ViSession vi, ViInt32 incomingStatus, ViConstString channelList, ViInt32 allowMultipleChannels,
    ViInt64 startingRecord64bit, ViInt64 numberOfRecords64bit, ViInt64 numberOfSamples64bit, ViReal64 timeout,
    ViInt32 timestampType, void *dataOut, void *infoOut);
/**
 * @brief Fetches several records as a 1-D array of clusters, with 32-bit counts.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] allowMultipleChannels Non-zero: @p channelList may name several channels.
 * @param[in] startingRecord32bit First record to fetch, counting from 0.
 * @param[in] numberOfRecords32bit Number of records to fetch.
 * @param[in] numberOfSamples32bit Complex samples wanted per record; -1 for whole records.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DComplexCluster_32Bit(
    ViSession vi, ViInt32 incomingStatus, ViConstString channelList, ViInt32 allowMultipleChannels,
    ViInt32 startingRecord32bit, ViInt32 numberOfRecords32bit, ViInt32 numberOfSamples32bit, ViReal64 timeout,
    ViInt32 timestampType, void *dataOut, void *infoOut);
/**
 * @brief Fetches several records as a 1-D array of clusters of 32-bit complex values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] allowMultipleChannels Non-zero: @p channelList may name several channels.
 * @param[in] startingRecord64bit First record to fetch, counting from 0.
 * @param[in] numberOfRecords64bit Number of records to fetch.
 * @param[in] numberOfSamples64bit Complex samples wanted per record; -1 for whole records.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DComplexClusterF32(
    ViSession vi, ViInt32 incomingStatus, ViConstString channelList, ViInt32 allowMultipleChannels,
    ViInt64 startingRecord64bit, ViInt64 numberOfRecords64bit, ViInt64 numberOfSamples64bit, ViReal64 timeout,
    ViInt32 timestampType, void *dataOut, void *infoOut);
/**
 * @brief Fetches several records as a 1-D array of complex waveforms.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] allowMultipleChannels Non-zero: @p channelList may name several channels.
 * @param[in] startingRecord64bit First record to fetch, counting from 0.
 * @param[in] numberOfRecords64bit Number of records to fetch.
 * @param[in] numberOfSamples64bit Complex samples wanted per record; -1 for whole records.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DComplexWDT(ViSession vi, ViInt32 incomingStatus,
                                                  ViConstString channelList, ViInt32 allowMultipleChannels,
                                                  ViInt64 startingRecord64bit, ViInt64 numberOfRecords64bit,
                                                  ViInt64 numberOfSamples64bit, ViReal64 timeout,
                                                  ViInt32 timestampType, void *dataOut, void *infoOut);
/**
 * @brief Fetches several records as a 1-D array of complex waveforms, with 32-bit counts.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] allowMultipleChannels Non-zero: @p channelList may name several channels.
 * @param[in] startingRecord32bit First record to fetch, counting from 0.
 * @param[in] numberOfRecords32bit Number of records to fetch.
 * @param[in] numberOfSamples32bit Complex samples wanted per record; -1 for whole records.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DComplexWDT_32Bit(
    ViSession vi, ViInt32 incomingStatus, ViConstString channelList, ViInt32 allowMultipleChannels,
    ViInt32 startingRecord32bit, ViInt32 numberOfRecords32bit, ViInt32 numberOfSamples32bit, ViReal64 timeout,
    ViInt32 timestampType, void *dataOut, void *infoOut);
/**
 * @brief Returns the fetch backlog of a record, with a 32-bit record number.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] recordNumber Record, counting from 0.
 * @param[out] backlog Receives the number of samples acquired but not fetched yet.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_GetFetchBacklog_32Bit(ViSession vi, ViConstString channelList,
                                                    ViInt32 recordNumber, ViInt32 *backlog);
/**
 * @brief Acquires and returns one I/Q record as a cluster.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_ReadIQComplexCluster(ViSession vi, ViInt32 incomingStatus,
                                                   ViConstString channelList, ViReal64 timeout,
                                                   ViInt32 timestampType, void *dataOut, void *infoOut);
/**
 * @brief Acquires and returns one I/Q record as a complex waveform.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in] timestampType Time format of t0 in the cluster or waveform (module-defined values).
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @param[in,out] infoOut Environment handle that receives the timing information; built by the
 *        instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_ReadIQComplexWDT(ViSession vi, ViInt32 incomingStatus,
                                               ViConstString channelList, ViReal64 timeout,
                                               ViInt32 timestampType, void *dataOut, void *infoOut);
/**
 * @brief Acquires a power spectrum in dBm as a cluster (f0, df, data) of 64-bit values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_ReadPowerSpectrumF64Cluster(ViSession vi, ViInt32 incomingStatus,
                                                          ViConstString channelList, ViReal64 timeout,
                                                          void *dataOut);
/**
 * @brief Acquires a power spectrum in dBm as a cluster (f0, df, data) of 32-bit values.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] incomingStatus Status of the environment's error input.
 * @param[in] channelList Channels the call applies to; NULL or "" for the default channel.
 * @param[in] timeout Longest wait for the data, in seconds.
 * @param[in,out] dataOut Environment handle that receives the data; built by the instrument module.
 * @zu_forwarded
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_ReadPowerSpectrumF32Cluster(ViSession vi, ViInt32 incomingStatus,
                                                          ViConstString channelList, ViReal64 timeout,
                                                          void *dataOut);
/**
 * @brief Creates a de-embedding table from environment array handles.
 *
 * The library checks the arrays' dimensions (one frequency per matrix, square port matrices) and
 * forwards their data as zuVEXA_CreateDeembeddingSparameterTableArray() does.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[in] port Port the de-embedding table applies to.
 * @param[in] tableName Name of the de-embedding table.
 * @param[in] frequencies Handle of a 1-D array of frequencies, in hertz.
 * @param[in] sparameterTable Handle of a 3-D array of complex S-parameters (frequencies x ports x
 *        ports).
 * @param[in] sparameterOrientation Order of the ports in each matrix (module-defined values).
 * @zu_forwarded
 * @retval 0xBFFA916F An array handle is NULL or its dimensions do not fit.
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_CreateDeembeddingSparameterTableArray(ViSession vi, ViConstString port,
                                                                    ViConstString tableName,
                                                                    void *frequencies, void *sparameterTable,
                                                                    ViInt32 sparameterOrientation);
/**
 * @brief Returns the relay operation counts into three environment handles.
 *
 * A positive result of the module is returned as it stands and errors of the module are not recorded.
 *
 * @param[in] vi Session handle from zuVEXA_init() or zuVEXA_InitWithOptions().
 * @param[out] valuePtr1 First handle the module fills; must not be NULL.
 * @param[out] valuePtr2 Second handle the module fills; must not be NULL.
 * @param[out] valuePtr3 Third handle the module fills; must not be NULL.
 * @zu_forwarded
 * @retval ZUVEXA_ERROR_NULL_POINTER A handle is NULL.
 * @zu_thread_session
 */
ZUVEXA_API ViStatus GX_zuVEXA_Get_Relay_Operation_Counts(ViSession vi, void *valuePtr1, void *valuePtr2,
                                                         void *valuePtr3);
/**
 * @brief Receives the thread-local-storage index of the environment's run-time.
 *
 * The library passes it on to every loaded module and to modules loaded later. A failure is not
 * reported; the function returns nothing.
 *
 * @param[in] index The run-time's thread-local-storage index.
 * @zu_thread_any
 */
ZUVEXA_API void SetGXRTTLSIndexHook(ViUInt32 index);

/** @} */

#ifdef __cplusplus
}
#endif

#endif /* ZUVEXA_H */
