/* libzuvexa: C interface for applications that drive the RF signal analyzer.
 *
 * Link with -lzuvexa. Every function below is exported by libzuvexa.so; the
 * library finds the device, loads the matching instrument module and forwards
 * each call of a session to it.
 *
 * SESSION LIFECYCLE
 *   1. Open a session with zuVEXA_init or zuVEXA_InitWithOptions. The
 *      resource name is the device name or alias from the system
 *      configuration (or an IVI logical name). The option string takes
 *      IVI options and DriverSetup keys, for example
 *      "Simulate=1,DriverSetup=Model:Q118" for a simulated instrument.
 *      On success *newVi holds a non-zero handle; on failure it is 0.
 *   2. Configure (zuVEXA_Configure*, zuVEXA_SetAttribute*), start an
 *      acquisition (zuVEXA_Initiate) and fetch data (zuVEXA_Fetch*), or
 *      use zuVEXA_ReadIQSingleRecordComplexF64, which does all three.
 *   3. Close the session with zuVEXA_close. A closed handle is unknown to
 *      every function afterwards (status ZUVEXA_ERROR_INVALID_SESSION).
 *   Opening a second normal session on the same device in one process
 *   closes the first one, unless the new session is simulated. Sessions
 *   of different threads may be used at the same time; the instrument
 *   module serialises calls on one session.
 *   External-calibration and external-alignment sessions have their own
 *   open and close functions (zuVEXA_InitExtCal / zuVEXA_CloseExtCal,
 *   zuVEXA_InitializeExternalAlignment / zuVEXA_CloseExternalAlignment).
 *
 * STATUS
 *   Every function returns a ViStatus (except SetGXRTTLSIndexHook):
 *   0 (VI_SUCCESS) is success, a negative value an error, a positive value a
 *   warning (the call did its work). After a non-zero status call
 *   zuVEXA_GetError with the session (or VI_NULL when no session exists
 *   yet, for example after a failed open) to get the code and its text;
 *   it also clears the error information. zuVEXA_GetErrorMessage describes
 *   any status code without touching the error information.
 *
 * OWNERSHIP
 *   The caller owns every buffer and array it passes; the library and the
 *   instrument module only write into it during the call and keep no
 *   pointer to it afterwards. Nothing that needs releasing is handed out.
 *
 * TEXT OUTPUTS (IVI buffer convention)
 *   A function that takes a buffer size and a ViChar buffer:
 *   - size 0: writes nothing and returns the needed size (text length + 1);
 *   - size too small: writes the first size - 1 characters and a NUL and
 *     returns the needed size (a positive value);
 *   - the text fits: writes it with its NUL and returns 0;
 *   - a negative size copies the whole text without a size check.
 *   A text output without a size parameter needs a buffer of 256 bytes
 *   unless its comment says otherwise.
 *
 * DATA
 *   I/Q data are complex samples stored interleaved, I then Q: an array for
 *   n complex samples holds 2 n elements (ViInt16, ViReal32 or ViReal64).
 *   Every fetch fills a WaveformInfo record (zuVEXAtypes.h) per record:
 *   timing of the first sample, the sample interval, the number of samples
 *   returned and, for integer data, the scaling value = raw * gain + offset.
 *   Timeouts are in seconds.
 *
 * NAMES
 *   Channel names and channel lists are text; NULL or "" selects the
 *   default channel. GX_zuVEXA_* functions serve the maker's graphical
 *   programming environment; C applications use the zuVEXA_* forms.
 *   Parameters named dataN, valueN, argN or valuePtr belong to service
 *   functions whose records are defined by the instrument module; the
 *   library passes them on unchanged.
 */
#ifndef ZUVEXA_H
#define ZUVEXA_H

#include "zuVEXAtypes.h"

#if defined(__GNUC__)
#define ZUVEXA_API __attribute__((visibility("default")))
#else
#define ZUVEXA_API
#endif

/* Status codes returned by the library itself. Instrument modules return
 * further codes; zuVEXA_GetErrorMessage describes every one of them. */
#define ZUVEXA_ERROR_CANNOT_RECOVER ((ViStatus)0xBFFA0000)
#define ZUVEXA_ERROR_MODULE_NOT_LOADED ((ViStatus)0xBFFA000A)
#define ZUVEXA_ERROR_INVALID_PARAMETER ((ViStatus)0xBFFA000F)
#define ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED ((ViStatus)0xBFFA0011)
#define ZUVEXA_ERROR_INVALID_MODULE_KIND ((ViStatus)0xBFFA0014)
#define ZUVEXA_ERROR_OPTION_MISSING_NAME ((ViStatus)0xBFFA0049)
#define ZUVEXA_ERROR_OPTION_MISSING_VALUE ((ViStatus)0xBFFA004A)
#define ZUVEXA_ERROR_OPTION_UNKNOWN_NAME ((ViStatus)0xBFFA004B)
#define ZUVEXA_ERROR_OPTION_BAD_VALUE ((ViStatus)0xBFFA004C)
#define ZUVEXA_ERROR_OUT_OF_MEMORY ((ViStatus)0xBFFA0056)
#define ZUVEXA_ERROR_NULL_POINTER ((ViStatus)0xBFFA0058)
#define ZUVEXA_ERROR_DEVICE_NOT_FOUND ((ViStatus)0xBFFA0060)
#define ZUVEXA_ERROR_INVALID_SESSION ((ViStatus)0xBFFA1190)
#define ZUVEXA_ERROR_INVALID_LANGUAGE ((ViStatus)0xBFFA916C)
/* Warning of zuVEXA_error_query: the instrument's error queue is not read. */
#define ZUVEXA_WARN_ERROR_QUEUE_NOT_READ ((ViStatus)0x3FFA0068)

/* Attribute identifiers the library itself uses. */
#define ZUVEXA_ATTR_ACQUISITION_TYPE ((ViAttr)1150001)
#define ZUVEXA_ATTR_START_TRIGGER_TYPE ((ViAttr)1150024)
#define ZUVEXA_ATTR_REF_TRIGGER_TYPE ((ViAttr)1150028)
#define ZUVEXA_ATTR_ADVANCE_TRIGGER_TYPE ((ViAttr)1150036)
#define ZUVEXA_ATTR_SUPPORTED_INSTRUMENT_MODELS ((ViAttr)1050327)
#define ZUVEXA_ATTR_DEEMBEDDING_SPARAMETERS ((ViAttr)1100341)
#define ZUVEXA_ATTR_DEEMBEDDING_NUMBER_OF_PORTS ((ViAttr)1100342)

/* Trigger type values of the *_TRIGGER_TYPE attributes. */
#define ZUVEXA_VAL_TRIGGER_NONE 600
#define ZUVEXA_VAL_TRIGGER_SOFTWARE_EDGE 604

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Session open and close ------------------------------------------- */

/* Opens a session on resourceName with an empty option string. IDQuery asks
 * the module to check the instrument's identity, reset to reset it. */
ZUVEXA_API ViStatus zuVEXA_init(ViConstString resourceName, ViBoolean IDQuery, ViBoolean reset,
                                ViSession *newVi);
/* Opens a session with an option string ("Simulate=1,DriverSetup=Model:Q118",
 * "RangeCheck=1", ...). On failure *newVi is 0. */
ZUVEXA_API ViStatus zuVEXA_InitWithOptions(ViConstString resourceName, ViBoolean IDQuery, ViBoolean reset,
                                           ViConstString optionString, ViSession *newVi);
/* Closes a session opened by zuVEXA_init or zuVEXA_InitWithOptions. Once
 * the instrument module has been called the handle is invalid, whatever
 * status the module returned. */
ZUVEXA_API ViStatus zuVEXA_close(ViSession vi);
/* Returns the open normal session of this process on the named device, if
 * any (*existingVi is left unchanged when there is none). */
ZUVEXA_API ViStatus zuVEXA_GetViSessionByName(ViConstString resourceName, ViSession *existingVi);

/* Opens an external-calibration session, protected by the calibration
 * password. Close it with zuVEXA_CloseExtCal. */
ZUVEXA_API ViStatus zuVEXA_InitExtCal(ViConstString resourceName, ViConstString password,
                                      ViConstString optionString, ViSession *newVi);
/* Closes an external-calibration session; action tells the module whether
 * to store or discard the new calibration data. */
ZUVEXA_API ViStatus zuVEXA_CloseExtCal(ViSession vi, ViInt32 action);
/* Opens an external-alignment session. Close it with
 * zuVEXA_CloseExternalAlignment. */
ZUVEXA_API ViStatus zuVEXA_InitializeExternalAlignment(ViConstString resourceName, ViConstString optionString,
                                                       ViSession *newVi);
/* Closes an external-alignment session; action tells the module whether to
 * store or discard the alignment. */
ZUVEXA_API ViStatus zuVEXA_CloseExternalAlignment(ViSession vi, ViInt32 action);

/* For a session server: opens like zuVEXA_InitWithOptions without tracing
 * or retry. data1 is ignored. */
ZUVEXA_API ViStatus InitializeSessionForServer(ViConstString resourceName, ViBoolean IDQuery, ViBoolean reset,
                                               ViConstString optionString, void *data1, ViSession *newVi);
/* For a session server: closes like zuVEXA_close. */
ZUVEXA_API ViStatus ReleaseSessionForServer(ViSession vi);

/* ---- Errors -------------------------------------------------------------- */

/* Gets the first error recorded for vi (VI_NULL: for the calling thread)
 * and its full text (description, secondary error, elaboration), under
 * the IVI buffer convention, then clears the error information. A size
 * query (size 0) leaves the error in place. */
ZUVEXA_API ViStatus zuVEXA_GetError(ViSession vi, ViStatus *errorCodePtr, ViInt32 errorDescriptionBufferSize,
                                    ViChar errorDescription[]);
/* Describes errorCode in the session's language (IVI buffer convention).
 * Does not clear the error information. */
ZUVEXA_API ViStatus zuVEXA_GetErrorMessage(ViSession vi, ViStatus errorCode,
                                           ViInt32 errorDescriptionBufferSize, ViChar errorDescription[]);
/* Clears the error information of vi (VI_NULL: of the calling thread). */
ZUVEXA_API ViStatus zuVEXA_ClearError(ViSession vi);
/* IVI error query: the instrument's error queue is not read; *errorCode is
 * set to 0 and the warning ZUVEXA_WARN_ERROR_QUEUE_NOT_READ returned.
 * errorMessage (256 bytes) must not be NULL but is not written. */
ZUVEXA_API ViStatus zuVEXA_error_query(ViSession vi, ViInt32 *errorCode, ViChar errorMessage[]);
/* IVI error message: the description of statusCode, cut to 255 characters,
 * into errorMessage (256 bytes). */
ZUVEXA_API ViStatus zuVEXA_error_message(ViSession vi, ViStatus statusCode, ViChar errorMessage[]);

/* ---- Session utilities ---------------------------------------------------- */

/* Resets the instrument to its default state. */
ZUVEXA_API ViStatus zuVEXA_reset(ViSession vi);
/* Resets and applies the default settings of every attribute. */
ZUVEXA_API ViStatus zuVEXA_ResetWithDefaults(ViSession vi);
/* Resets with module-defined option bits (resetOptions). */
ZUVEXA_API ViStatus zuVEXA_ResetWithOptions(ViSession vi, ViUInt64 resetOptions);
/* Resets the device hardware (a longer reset than zuVEXA_reset). */
ZUVEXA_API ViStatus zuVEXA_ResetDevice(ViSession vi);
/* Resets the device into the state its manufacturing tests expect. */
ZUVEXA_API ViStatus zuVEXA_ResetForManufacturingTest(ViSession vi);
/* Puts the instrument in a quiescent state. */
ZUVEXA_API ViStatus zuVEXA_Disable(ViSession vi);
/* Runs the instrument's self test: *testResult 0 means passed; testMessage
 * (256 bytes) receives the result text. */
ZUVEXA_API ViStatus zuVEXA_self_test(ViSession vi, ViInt16 *testResult, ViChar testMessage[]);
/* Returns the module and firmware revisions (256-byte buffers each). */
ZUVEXA_API ViStatus zuVEXA_revision_query(ViSession vi, ViChar instrumentDriverRevision[],
                                          ViChar firmwareRevision[]);
/* Locks the session against other threads; *callerHasLock tracks nesting. */
ZUVEXA_API ViStatus zuVEXA_LockSession(ViSession vi, ViBoolean *callerHasLock);
/* Releases a lock taken with zuVEXA_LockSession. */
ZUVEXA_API ViStatus zuVEXA_UnlockSession(ViSession vi, ViBoolean *callerHasLock);
/* Allows or forbids other processes to share the session's device. */
ZUVEXA_API ViStatus zuVEXA_EnableSessionAccess(ViSession vi, ViBoolean enable);
/* Returns the handle of the session-server session behind vi. */
ZUVEXA_API ViStatus zuVEXA_GetVEXAServerSession(ViSession vi, ViSession *serverSession);
/* Asks the instrument to give control back to its front panel. */
ZUVEXA_API ViStatus zuVEXA_RequestLocalControl(ViSession vi);
/* Returns the front-panel control state (module-defined record). */
ZUVEXA_API ViStatus zuVEXA_GetLocalControlStatus(ViSession vi, void *valuePtr);
/* Returns the writer handle of a named data stream endpoint. */
ZUVEXA_API ViStatus zuVEXA_GetStreamEndpointHandle(ViSession vi, ViConstString streamEndpoint,
                                                   ViInt32 *writerHandle);
/* Stores bufferSize bytes of user data under identifier on the device. */
ZUVEXA_API ViStatus zuVEXA_SetUserData(ViSession vi, ViConstString identifier, ViInt32 bufferSize,
                                       const ViByte data[]);
/* Reads the user data stored under identifier into data (bufferSize bytes);
 * *actualDataSize is the stored size. */
ZUVEXA_API ViStatus zuVEXA_GetUserData(ViSession vi, ViConstString identifier, ViInt32 bufferSize,
                                       ViByte data[], ViInt32 *actualDataSize);

/* ---- Attributes ------------------------------------------------------------ */
/* channelName selects the repeated capability (NULL or "" for none);
 * attributeId is an attribute identifier of the instrument module. */

ZUVEXA_API ViStatus zuVEXA_SetAttributeViInt32(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                               ViInt32 value);
ZUVEXA_API ViStatus zuVEXA_SetAttributeViInt64(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                               ViInt64 value);
ZUVEXA_API ViStatus zuVEXA_SetAttributeViReal64(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                ViReal64 value);
ZUVEXA_API ViStatus zuVEXA_SetAttributeViString(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                ViConstString value);
ZUVEXA_API ViStatus zuVEXA_SetAttributeViBoolean(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                 ViBoolean value);
ZUVEXA_API ViStatus zuVEXA_SetAttributeViSession(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                 ViSession value);
/* Sets an array attribute from valueLengthInElements values. */
ZUVEXA_API ViStatus zuVEXA_SetAttributeViReal64Array(ViSession vi, ViConstString channelName,
                                                     ViAttr attributeId, ViInt32 valueLengthInElements,
                                                     const ViReal64 value[]);
ZUVEXA_API ViStatus zuVEXA_SetAttributeZUComplexNumberArray(ViSession vi, ViConstString channelName,
                                                            ViAttr attributeId, ViInt32 valueLengthInElements,
                                                            const ZUComplexNumber value[]);

ZUVEXA_API ViStatus zuVEXA_GetAttributeViInt32(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                               ViInt32 *value);
ZUVEXA_API ViStatus zuVEXA_GetAttributeViInt64(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                               ViInt64 *value);
ZUVEXA_API ViStatus zuVEXA_GetAttributeViReal64(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                ViReal64 *value);
/* Text attribute under the IVI buffer convention (bufSize bytes). For
 * ZUVEXA_ATTR_SUPPORTED_INSTRUMENT_MODELS the library lists the models of
 * the installed modules ("Q118, ..."); channelName must then be empty. */
ZUVEXA_API ViStatus zuVEXA_GetAttributeViString(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                ViInt32 bufSize, ViChar value[]);
ZUVEXA_API ViStatus zuVEXA_GetAttributeViBoolean(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                 ViBoolean *value);
ZUVEXA_API ViStatus zuVEXA_GetAttributeViSession(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                                 ViSession *value);
/* Reads an array attribute into value (valueLengthInElements elements). */
ZUVEXA_API ViStatus zuVEXA_GetAttributeViReal64Array(ViSession vi, ViConstString channelName,
                                                     ViAttr attributeId, ViInt32 valueLengthInElements,
                                                     ViReal64 value[]);
ZUVEXA_API ViStatus zuVEXA_GetAttributeZUComplexNumberArray(ViSession vi, ViConstString channelName,
                                                            ViAttr attributeId, ViInt32 valueLengthInElements,
                                                            ZUComplexNumber value[]);

/* The value last set by the application, which the instrument may have
 * coerced or not applied yet. */
ZUVEXA_API ViStatus zuVEXA_GetDesiredAttributeViInt32(ViSession vi, ViConstString channelName,
                                                      ViAttr attributeId, ViInt32 *value);
ZUVEXA_API ViStatus zuVEXA_GetDesiredAttributeViInt64(ViSession vi, ViConstString channelName,
                                                      ViAttr attributeId, ViInt64 *value);
ZUVEXA_API ViStatus zuVEXA_GetDesiredAttributeViReal64(ViSession vi, ViConstString channelName,
                                                       ViAttr attributeId, ViReal64 *value);
ZUVEXA_API ViStatus zuVEXA_GetDesiredAttributeViString(ViSession vi, ViConstString channelName,
                                                       ViAttr attributeId, ViInt32 bufSize, ViChar value[]);
ZUVEXA_API ViStatus zuVEXA_GetDesiredAttributeViBoolean(ViSession vi, ViConstString channelName,
                                                        ViAttr attributeId, ViBoolean *value);

/* Which party last set the attribute (module-defined record). */
ZUVEXA_API ViStatus zuVEXA_GetAttributeAuthor(ViSession vi, ViConstString channelName, ViAttr attributeId,
                                              void *valuePtr);
/* Module-defined query of attribute contexts. */
ZUVEXA_API ViStatus zuVEXA_GetAttributeContexts(ViSession vi, ViInt32 value1, ViInt32 value2, void *valuePtr1,
                                                void *valuePtr2);
/* Returns the attribute to its default value. */
ZUVEXA_API ViStatus zuVEXA_ResetAttribute(ViSession vi, ViConstString channelName, ViAttr attributeId);
/* Marks every cached attribute value as unknown, so the next access goes to
 * the instrument. */
ZUVEXA_API ViStatus zuVEXA_InvalidateAllAttributes(ViSession vi);

/* ---- Acquisition configuration ---------------------------------------------- */

/* Selects I/Q or spectrum acquisition (ZUVEXA_ATTR_ACQUISITION_TYPE). */
ZUVEXA_API ViStatus zuVEXA_ConfigureAcquisitionType(ViSession vi, ViInt32 acquisitionType);
/* Reference clock source and its rate in hertz. */
ZUVEXA_API ViStatus zuVEXA_ConfigureRefClock(ViSession vi, ViConstString clockSource, ViReal64 refClockRate);
/* Source of the chassis 10 MHz clock. */
ZUVEXA_API ViStatus zuVEXA_ConfigurePXIChassisClk10(ViSession vi, ViConstString pxiClk10Source);
/* Expected input power in dBm; sets the instrument's gain and attenuation. */
ZUVEXA_API ViStatus zuVEXA_ConfigureReferenceLevel(ViSession vi, ViConstString channelList,
                                                   ViReal64 referenceLevel);
/* Centre frequency of I/Q acquisitions, in hertz. */
ZUVEXA_API ViStatus zuVEXA_ConfigureIQCarrierFrequency(ViSession vi, ViConstString channelList,
                                                       ViReal64 carrierFrequency);
/* I/Q sample rate, in samples per second. */
ZUVEXA_API ViStatus zuVEXA_ConfigureIQRate(ViSession vi, ViConstString channelList, ViReal64 iqRate);
/* Samples per record; numberOfSamplesIsFinite VI_FALSE acquires
 * continuously. */
ZUVEXA_API ViStatus zuVEXA_ConfigureNumberOfSamples(ViSession vi, ViConstString channelList,
                                                    ViBoolean numberOfSamplesIsFinite,
                                                    ViInt64 samplesPerRecord);
/* Records per acquisition; numberOfRecordsIsFinite VI_FALSE acquires until
 * aborted. */
ZUVEXA_API ViStatus zuVEXA_ConfigureNumberOfRecords(ViSession vi, ViConstString channelList,
                                                    ViBoolean numberOfRecordsIsFinite,
                                                    ViInt64 numberOfRecords);
/* Spectrum frequency range as centre and span, in hertz. */
ZUVEXA_API ViStatus zuVEXA_ConfigureSpectrumFrequencyCenterSpan(ViSession vi, ViConstString channelList,
                                                                ViReal64 centerFrequency, ViReal64 span);
/* Spectrum frequency range as start and stop, in hertz. */
ZUVEXA_API ViStatus zuVEXA_ConfigureSpectrumFrequencyStartStop(ViSession vi, ViConstString channelList,
                                                               ViReal64 startFrequency,
                                                               ViReal64 stopFrequency);
/* Spectrum resolution bandwidth, in hertz. */
ZUVEXA_API ViStatus zuVEXA_ConfigureResolutionBandwidth(ViSession vi, ViConstString channelList,
                                                        ViReal64 resolutionBandwidth);
/* Number of values a spectrum read returns with the current settings. */
ZUVEXA_API ViStatus zuVEXA_GetNumberOfSpectralLines(ViSession vi, ViConstString channelList,
                                                    ViInt32 *numberOfSpectralLines);
/* Number of FFT sub-spans the current spectrum settings need. */
ZUVEXA_API ViStatus zuVEXA_GetFFTSpanCount(ViSession vi, ViInt32 *fftSpanCount);
/* Per sub-span: frequency step, centre, start and number of lines, for up to
 * spanInfoArraySizeIn sub-spans; *spanInfoArraySizeOut is the count. */
ZUVEXA_API ViStatus zuVEXA_GetFFTSubSpanInfo(ViSession vi, ViInt32 spanInfoArraySizeIn,
                                             ViInt32 *spanInfoArraySizeOut, ViReal64 spanInfoDFs[],
                                             ViReal64 spanInfoCenterFrequencies[],
                                             ViReal64 spanInfoStartFrequencies[],
                                             ViInt32 spanInfoRunLengths[]);
/* Time the downconverter's PLL gets to settle (seconds), and whether to
 * wait until it reports lock. */
ZUVEXA_API ViStatus zuVEXA_ConfigureDownconverterPLLSettlingTime(ViSession vi, ViReal64 pllSettlingTime,
                                                                 ViBoolean ensurePLLLocked);
/* Fills a module-defined spectral-information record. */
ZUVEXA_API ViStatus zuVEXA_GetSpectralInfoForQVK(ViSession vi, void *data1);

/* ---- Triggers and signals ---------------------------------------------------- */

/* Start trigger: digital edge on source (edge: rising or falling). */
ZUVEXA_API ViStatus zuVEXA_ConfigureDigitalEdgeStartTrigger(ViSession vi, ViConstString source, ViInt32 edge);
/* Start trigger: software edge (zuVEXA_SendSoftwareEdgeTrigger). */
ZUVEXA_API ViStatus zuVEXA_ConfigureSoftwareEdgeStartTrigger(ViSession vi);
/* No start trigger: acquisition starts with zuVEXA_Initiate. */
ZUVEXA_API ViStatus zuVEXA_DisableStartTrigger(ViSession vi);
/* Reference trigger: digital edge, keeping pretriggerSamples samples before
 * it. */
ZUVEXA_API ViStatus zuVEXA_ConfigureDigitalEdgeRefTrigger(ViSession vi, ViConstString source, ViInt32 edge,
                                                          ViInt64 pretriggerSamples);
/* Reference trigger: I/Q power crossing level (dBm) on slope. */
ZUVEXA_API ViStatus zuVEXA_ConfigureIQPowerEdgeRefTrigger(ViSession vi, ViConstString source, ViReal64 level,
                                                          ViInt32 slope, ViInt64 pretriggerSamples);
/* Reference trigger: software edge. */
ZUVEXA_API ViStatus zuVEXA_ConfigureSoftwareEdgeRefTrigger(ViSession vi, ViInt64 pretriggerSamples);
/* No reference trigger. */
ZUVEXA_API ViStatus zuVEXA_DisableRefTrigger(ViSession vi);
/* Advance trigger (next record): digital edge on source. */
ZUVEXA_API ViStatus zuVEXA_ConfigureDigitalEdgeAdvanceTrigger(ViSession vi, ViConstString source,
                                                              ViInt32 edge);
/* Advance trigger: software edge. */
ZUVEXA_API ViStatus zuVEXA_ConfigureSoftwareEdgeAdvanceTrigger(ViSession vi);
/* No advance trigger. */
ZUVEXA_API ViStatus zuVEXA_DisableAdvanceTrigger(ViSession vi);
/* Sends the software edge of the trigger kind named by trigger. */
ZUVEXA_API ViStatus zuVEXA_SendSoftwareEdgeTrigger(ViSession vi, ViInt32 trigger,
                                                   ViConstString triggerIdentifier);
/* Routes an internal signal to an output terminal. */
ZUVEXA_API ViStatus zuVEXA_ExportSignal(ViSession vi, ViInt32 signal, ViConstString signalIdentifier,
                                        ViConstString outputTerminal);
/* Module-defined import of a user signal. */
ZUVEXA_API ViStatus zuVEXA_ImportUserSignal(ViSession vi, void *data1, void *data2);
/* Fully qualified terminal name of a signal (IVI buffer convention). */
ZUVEXA_API ViStatus zuVEXA_GetTerminalName(ViSession vi, ViInt32 signal, ViConstString signalIdentifier,
                                           ViInt32 bufferSize, ViChar terminalName[]);

/* ---- Acquisition control ------------------------------------------------------ */

/* Applies the configuration to the hardware without starting. */
ZUVEXA_API ViStatus zuVEXA_Commit(ViSession vi);
/* Starts an acquisition; fetch its records afterwards. */
ZUVEXA_API ViStatus zuVEXA_Initiate(ViSession vi);
/* *isDone VI_TRUE when the acquisition has finished. */
ZUVEXA_API ViStatus zuVEXA_CheckAcquisitionStatus(ViSession vi, ViBoolean *isDone);
/* Module-defined software acquisition state. */
ZUVEXA_API ViStatus zuVEXA_GetSWAcquisitionState(ViSession vi, void *valuePtr);
/* Stops a running acquisition. */
ZUVEXA_API ViStatus zuVEXA_Abort(ViSession vi);

/* ---- Data fetch and read --------------------------------------------------------
 * Fetch: returns data of an acquisition started with zuVEXA_Initiate.
 * Read: initiates, waits and fetches in one call.
 * numberOfSamples is the complex sample count wanted (-1: the whole record);
 * data holds 2 * numberOfSamples interleaved I/Q elements; wfmInfo receives
 * one WaveformInfo (one per record for the multi-record forms), whose
 * actualSamples tells how many were returned. */

ZUVEXA_API ViStatus zuVEXA_FetchIQSingleRecordComplexF64(ViSession vi, ViConstString channelList,
                                                         ViInt64 recordNumber, ViInt64 numberOfSamples,
                                                         ViReal64 timeout, ViReal64 data[],
                                                         WaveformInfo *wfmInfo);
ZUVEXA_API ViStatus zuVEXA_FetchIQSingleRecordComplexF32(ViSession vi, ViConstString channelList,
                                                         ViInt64 recordNumber, ViInt64 numberOfSamples,
                                                         ViReal64 timeout, ViReal32 data[],
                                                         WaveformInfo *wfmInfo);
/* Raw 16-bit samples: scaled value = raw * wfmInfo->gain + wfmInfo->offset.
 * The library fills wfmInfo with neutral values (gain 1, xIncrement 1)
 * first, so it is defined even when the fetch fails. */
ZUVEXA_API ViStatus zuVEXA_FetchIQSingleRecordComplexI16(ViSession vi, ViConstString channelList,
                                                         ViInt64 recordNumber, ViInt64 numberOfSamples,
                                                         ViReal64 timeout, ViInt16 data[],
                                                         WaveformInfo *wfmInfo);
/* numberOfRecords records starting at startingRecord, one after another in
 * data (2 * numberOfSamples elements each); wfmInfo has numberOfRecords
 * entries. */
ZUVEXA_API ViStatus zuVEXA_FetchIQMultiRecordComplexF64(ViSession vi, ViConstString channelList,
                                                        ViInt64 startingRecord, ViInt64 numberOfRecords,
                                                        ViInt64 numberOfSamples, ViReal64 timeout,
                                                        ViReal64 data[], WaveformInfo wfmInfo[]);
ZUVEXA_API ViStatus zuVEXA_FetchIQMultiRecordComplexF32(ViSession vi, ViConstString channelList,
                                                        ViInt64 startingRecord, ViInt64 numberOfRecords,
                                                        ViInt64 numberOfSamples, ViReal64 timeout,
                                                        ViReal32 data[], WaveformInfo wfmInfo[]);
ZUVEXA_API ViStatus zuVEXA_FetchIQMultiRecordComplexI16(ViSession vi, ViConstString channelList,
                                                        ViInt64 startingRecord, ViInt64 numberOfRecords,
                                                        ViInt64 numberOfSamples, ViReal64 timeout,
                                                        ViInt16 data[], WaveformInfo wfmInfo[]);
/* Raw IF samples of one record (real, 16-bit); wfmInfo as for the I16
 * I/Q fetch. */
ZUVEXA_API ViStatus zuVEXA_FetchIFDataSingleRecordI16(ViSession vi, ViConstString channelList,
                                                      ViInt64 recordNumber, ViInt64 numberOfSamples,
                                                      ViReal64 timeout, ViInt16 data[],
                                                      WaveformInfo *wfmInfo);
/* Transfers one record straight into device memory at destinationAddress
 * (bufferSize bytes); wfmInfo as for the I16 fetch. */
ZUVEXA_API ViStatus zuVEXA_FetchIQSingleRecordDirectDMA(ViSession vi, ViConstString channelList,
                                                        ViInt64 recordNumber, ViInt64 numberOfSamples,
                                                        ViReal64 timeout, ViInt64 bufferSize,
                                                        void *destinationAddress, WaveformInfo *wfmInfo,
                                                        void *data1);
/* Samples of record recordNumber acquired but not fetched yet. */
ZUVEXA_API ViStatus zuVEXA_GetFetchBacklog(ViSession vi, ViConstString channelList, ViInt64 recordNumber,
                                           ViInt64 *backlog);
/* Acquires and returns record 0: up to dataArraySizeInSamples complex
 * samples into data (2 * dataArraySizeInSamples elements). */
ZUVEXA_API ViStatus zuVEXA_ReadIQSingleRecordComplexF64(ViSession vi, ViConstString channelList,
                                                        ViReal64 timeout, ViReal64 data[],
                                                        ViInt64 dataArraySizeInSamples,
                                                        WaveformInfo *wfmInfo);
/* Acquires a power spectrum in dBm: dataArraySize values (see
 * zuVEXA_GetNumberOfSpectralLines). data1 is passed to the module
 * unchanged (module-defined spectrum information). */
ZUVEXA_API ViStatus zuVEXA_ReadPowerSpectrumF64(ViSession vi, ViConstString channelList, ViReal64 timeout,
                                                ViReal64 powerSpectrumData[], ViInt32 dataArraySize,
                                                void *data1);
ZUVEXA_API ViStatus zuVEXA_ReadPowerSpectrumF32(ViSession vi, ViConstString channelList, ViReal64 timeout,
                                                ViReal32 powerSpectrumData[], ViInt32 dataArraySize,
                                                void *data1);

/* ---- Configuration lists -----------------------------------------------------
 * A list steps through configurations of the listed attributes. */

/* Creates a list over numberOfListAttributes attribute identifiers. */
ZUVEXA_API ViStatus zuVEXA_CreateConfigurationList(ViSession vi, ViConstString listName,
                                                   ViInt32 numberOfListAttributes,
                                                   const ViAttr listAttributeIDs[],
                                                   ViBoolean setAsActiveList);
/* Appends a step to the active list; attribute sets then apply to it. */
ZUVEXA_API ViStatus zuVEXA_CreateConfigurationListStep(ViSession vi, ViBoolean setAsActiveStep);
ZUVEXA_API ViStatus zuVEXA_DeleteConfigurationList(ViSession vi, ViConstString listName);
/* Module-defined reconfiguration times of the list steps. */
ZUVEXA_API ViStatus zuVEXA_GetListStepReconfigTimes(ViSession vi, void *data1, ViInt32 value1, void *data2,
                                                    void *data3);

/* ---- Self-calibration ---------------------------------------------------------- */

/* Self-calibrates the device; stepsToOmit is a bit set of steps to skip. */
ZUVEXA_API ViStatus zuVEXA_SelfCalibrate(ViSession vi, ViInt64 stepsToOmit);
/* zuVEXA_SelfCalibrate with no step omitted. */
ZUVEXA_API ViStatus zuVEXA_SelfCal(ViSession vi);
/* Self-calibrates only the given frequency and reference-level ranges. */
ZUVEXA_API ViStatus zuVEXA_SelfCalibrateRange(ViSession vi, ViInt64 stepsToOmit, ViReal64 minFrequency,
                                              ViReal64 maxFrequency, ViReal64 minReferenceLevel,
                                              ViReal64 maxReferenceLevel);
/* Forgets the ranges of zuVEXA_SelfCalibrateRange. */
ZUVEXA_API ViStatus zuVEXA_ClearSelfCalibrateRange(ViSession vi);
/* The calibrated ranges, up to bufferSize entries per array;
 * *actualDataSize is the number of entries. */
ZUVEXA_API ViStatus zuVEXA_GetSelfCalibrateRangeState(ViSession vi, ViInt32 bufferSize, ViInt64 step[],
                                                      ViReal64 temperature[], ViReal64 minFrequency[],
                                                      ViReal64 maxFrequency[], ViReal64 minReferenceLevel[],
                                                      ViReal64 maxReferenceLevel[], ViInt32 *actualDataSize);
/* Corrects for the device's temperature drift since self-calibration. */
ZUVEXA_API ViStatus zuVEXA_PerformThermalCorrection(ViSession vi);
/* Module-defined self-calibration records (service use). */
ZUVEXA_API ViStatus zuVEXA_GetSelfCalLastDateAndTime(ViSession vi, void *data1, void *data2, void *data3,
                                                     void *data4, void *data5, void *data6);
ZUVEXA_API ViStatus zuVEXA_GetSelfCalLastTemp(ViSession vi, void *data1, void *data2);
ZUVEXA_API ViStatus zuVEXA_IsSelfCalValid(ViSession vi, void *data1, void *data2);
ZUVEXA_API ViStatus zuVEXA_ExtCalStoreBaselineForSelfCalibration(ViSession vi, void *data1, void *data2);
ZUVEXA_API ViStatus zuVEXA_GetGainReferenceCalBaseline(ViSession vi, ViInt32 value1, void *data1,
                                                       void *data2);

/* ---- External calibration (session from zuVEXA_InitExtCal) --------------------- */

/* Date and time of the last external calibration. */
ZUVEXA_API ViStatus zuVEXA_GetExtCalLastDateAndTime(ViSession vi, ViInt32 *year, ViInt32 *month, ViInt32 *day,
                                                    ViInt32 *hour, ViInt32 *minute);
/* Date and time of the last external adjustment. */
ZUVEXA_API ViStatus zuVEXA_GetExtCalLastAdjustDateAndTime(ViSession vi, ViInt32 *year, ViInt32 *month,
                                                          ViInt32 *day, ViInt32 *hour, ViInt32 *minute);
/* Device temperature (degrees Celsius) at the last external calibration. */
ZUVEXA_API ViStatus zuVEXA_GetExtCalLastTemp(ViSession vi, ViReal64 *temperature);
/* Recommended calibration interval in months. */
ZUVEXA_API ViStatus zuVEXA_GetExtCalRecommendedInterval(ViSession vi, ViInt32 *months);
ZUVEXA_API ViStatus zuVEXA_ChangeExtCalPassword(ViSession vi, ViConstString oldPassword,
                                                ViConstString newPassword);
/* Free text stored with the calibration data. */
ZUVEXA_API ViStatus zuVEXA_SetCalUserDefinedInfo(ViSession vi, ViConstString info);
/* Reads that text; info needs zuVEXA_GetCalUserDefinedInfoMaxSize bytes. */
ZUVEXA_API ViStatus zuVEXA_GetCalUserDefinedInfo(ViSession vi, ViChar info[]);
ZUVEXA_API ViStatus zuVEXA_GetCalUserDefinedInfoMaxSize(ViSession vi, ViInt32 *infoSize);
/* Selects the calibration step the following adjustments belong to. */
ZUVEXA_API ViStatus zuVEXA_InitializeCalibrationStep(ViSession vi, ViInt32 calibrationStep);
ZUVEXA_API ViStatus zuVEXA_CloseCalibrationStep(ViSession vi);
/* Adjustments from external measurements (frequencies in hertz, gains and
 * measured powers in dB and dBm). */
ZUVEXA_API ViStatus zuVEXA_CalAdjustDownconverterGain(ViSession vi, ViConstString channelList,
                                                      ViReal64 frequency, ViReal64 gain);
ZUVEXA_API ViStatus zuVEXA_CalAdjustDeviceGain(ViSession vi, ViConstString channelList, ViReal64 frequency,
                                               ViReal64 gain);
ZUVEXA_API ViStatus zuVEXA_CalAdjustCalTonePower(ViSession vi, ViConstString channelList,
                                                 ViReal64 measurement);
ZUVEXA_API ViStatus zuVEXA_CalAdjustIFAttenuationCalibration(ViSession vi, ViConstString channelList,
                                                             ViInt32 IFFilter, ViInt32 numberOfAttenuators,
                                                             const ViReal64 attenuatorSettings[],
                                                             ViReal64 measurement);
ZUVEXA_API ViStatus zuVEXA_CalAdjustIFResponseCalibration(ViSession vi, ViConstString channelList,
                                                          ViInt32 IFFilter, ViReal64 RFFrequency,
                                                          ViReal64 bandWidth, ViInt32 numberOfMeasurements,
                                                          const ViReal64 measurements[]);
/* value1 is a module-defined selector. */
ZUVEXA_API ViStatus zuVEXA_CalAdjustRefLevelCalibration(ViSession vi, ViConstString channelList,
                                                        ViInt32 referenceLevelDataType, ViInt32 value1,
                                                        ViInt32 attenuatorTableNumber, ViReal64 frequency,
                                                        ViReal64 measurement);
/* Reads back the frequency points and LO attenuations it adjusted
 * (numberOfFrequencyPoints elements each). */
ZUVEXA_API ViStatus zuVEXA_CalAdjustLOExportCalibration(ViSession vi, ViConstString channelList,
                                                        ViInt32 LONumber, ViInt32 numberOfFrequencyPoints,
                                                        ViReal64 FrequencyPoints[], ViReal64 LOAttenuation[]);
ZUVEXA_API ViStatus zuVEXA_CalAdjustRFOverloadThreshold(ViSession vi, void *data1);
/* Temperature (degrees Celsius) to record with the calibration. */
ZUVEXA_API ViStatus zuVEXA_CalSetTemperature(ViSession vi, ViConstString channelList, ViReal64 temperature);
ZUVEXA_API ViStatus zuVEXA_CalSetDeviceOptions(ViSession vi, ViUInt64 deviceOptions);

/* ---- External alignment (session from zuVEXA_InitializeExternalAlignment) -------- */

ZUVEXA_API ViStatus zuVEXA_InitializeExternalAlignmentStep(ViSession vi, ViInt32 externalAlignmentStep);
ZUVEXA_API ViStatus zuVEXA_CloseExternalAlignmentStep(ViSession vi);
/* Preselector alignment from numberOfCoefficients coefficients. */
ZUVEXA_API ViStatus zuVEXA_ExternalAlignmentAdjustPreselector(ViSession vi, ViInt32 numberOfCoefficients,
                                                              const ViReal64 coefficients[]);

/* ---- De-embedding S-parameter tables --------------------------------------------
 * Tables describe the network between a port and the device under test; the
 * instrument removes its effect from the measurements. */

/* Table from a Touchstone .s2p file. */
ZUVEXA_API ViStatus zuVEXA_CreateDeembeddingSparameterTableS2PFile(ViSession vi, ViConstString port,
                                                                   ViConstString tableName,
                                                                   ViConstString s2pFilePath,
                                                                   ViInt32 sparameterOrientation);
/* Table from arrays: frequenciesSize frequencies (hertz), and
 * sparameterTableSize complex values (frequenciesSize x numberOfPorts x
 * numberOfPorts). */
ZUVEXA_API ViStatus zuVEXA_CreateDeembeddingSparameterTableArray(
    ViSession vi, ViConstString port, ViConstString tableName, const ViReal64 frequencies[],
    ViInt32 frequenciesSize, const ZUComplexNumber sparameterTable[], ViInt32 sparameterTableSize,
    ViInt32 numberOfPorts, ViInt32 sparameterOrientation);
/* Empty table to fill with the two functions below. */
ZUVEXA_API ViStatus zuVEXA_CreateDeembeddingSparameterTable(ViSession vi, ViConstString port,
                                                            ViConstString tableName,
                                                            ViInt32 numberOfFrequencies,
                                                            ViInt32 numberOfPorts);
ZUVEXA_API ViStatus zuVEXA_ConfigureSparameterTableFrequencies(ViSession vi, ViConstString port,
                                                               ViConstString tableName,
                                                               const ViReal64 frequencies[],
                                                               ViInt32 frequenciesSize);
ZUVEXA_API ViStatus zuVEXA_ConfigureSparameterTableSparameters(ViSession vi, ViConstString port,
                                                               ViConstString tableName,
                                                               const ZUComplexNumber sparameterTable[],
                                                               ViInt32 sparameterTableSize,
                                                               ViInt32 sparameterOrientation);
ZUVEXA_API ViStatus zuVEXA_DeleteDeembeddingTable(ViSession vi, ViConstString port, ViConstString tableName);
ZUVEXA_API ViStatus zuVEXA_DeleteAllDeembeddingTables(ViSession vi);
/* Interpolation between the table's frequencies. */
ZUVEXA_API ViStatus zuVEXA_ConfigureDeembeddingTableInterpolationNearest(ViSession vi, ViConstString port,
                                                                         ViConstString tableName);
ZUVEXA_API ViStatus zuVEXA_ConfigureDeembeddingTableInterpolationLinear(ViSession vi, ViConstString port,
                                                                        ViConstString tableName,
                                                                        ViInt32 format);
ZUVEXA_API ViStatus zuVEXA_ConfigureDeembeddingTableInterpolationSpline(ViSession vi, ViConstString port,
                                                                        ViConstString tableName);
/* S-parameters in use at the current frequency. With sparametersArraySize 0
 * only the two counts are returned (a size query); a smaller non-zero size
 * than *numberOfSparameters gives ZUVEXA_ERROR_INVALID_PARAMETER. */
ZUVEXA_API ViStatus zuVEXA_GetDeembeddingSparameters(ViSession vi, ZUComplexNumber sparameters[],
                                                     ViInt32 sparametersArraySize,
                                                     ViInt32 *numberOfSparameters, ViInt32 *numberOfPorts);
ZUVEXA_API ViStatus zuVEXA_GetDeembeddingTableNumberOfPorts(ViSession vi, ViInt32 *numberOfPorts);

/* ---- Device data, relays, temperatures and response ------------------------------- */

/* Frequency response of the signal path: up to bufferSize points of
 * frequency (hertz), magnitude (dB) and phase (degrees);
 * *numberOfFrequencies is the count. responseType selects the path. */
ZUVEXA_API ViStatus zuVEXA_GetDeviceResponse(ViSession vi, ViConstString channelList, ViInt32 responseType,
                                             ViInt32 bufferSize, ViReal64 frequencies[],
                                             ViReal64 magnitudeResponse[], ViReal64 phaseResponse[],
                                             ViInt32 *numberOfFrequencies);
ZUVEXA_API ViStatus zuVEXA_GetFrequencyResponse(ViSession vi, ViConstString channelList, ViInt32 bufferSize,
                                                ViReal64 frequencies[], ViReal64 magnitudeResponse[],
                                                ViReal64 phaseResponse[], ViInt32 *numberOfFrequencies);
/* Up to arraySize coefficient records (module-defined layout) that scale or
 * normalise raw data; *numberOfCoefficientSets is the count. */
ZUVEXA_API ViStatus zuVEXA_GetScalingCoefficients(ViSession vi, ViConstString channelList, ViInt32 arraySize,
                                                  void *coefficientInfo, ViInt32 *numberOfCoefficientSets);
ZUVEXA_API ViStatus zuVEXA_GetNormalizationCoefficients(ViSession vi, ViConstString channelList,
                                                        ViInt32 arraySize, void *coefficientInfo,
                                                        ViInt32 *numberOfCoefficientSets);
/* Switching count of the relays of channelList. */
ZUVEXA_API ViStatus zuVEXA_GetRelayOperationsCount(ViSession vi, ViConstString channelList,
                                                   ViInt32 *operationsCount, ViInt32 *bufferSize);
/* Name of relay index (256 bytes); *bufferSize is the size it needs. */
ZUVEXA_API ViStatus zuVEXA_GetRelayName(ViSession vi, ViConstString channelList, ViInt32 index, ViChar name[],
                                        ViInt32 *bufferSize);
/* Module-defined device data, temperatures and corrections (service use). */
ZUVEXA_API ViStatus zuVEXA_SetRelayOperationsCount(ViSession vi, void *data1, void *data2, ViInt32 value1);
ZUVEXA_API ViStatus zuVEXA_GetTemperature(ViSession vi, ViInt32 value1, void *valuePtr);
ZUVEXA_API ViStatus zuVEXA_GetSensorTemperature(ViSession vi, void *data1, void *valuePtr);
/* Uses temperature (degrees Celsius) in place of the sensor while enable is
 * VI_TRUE. */
ZUVEXA_API ViStatus zuVEXA_OverrideTemperature(ViSession vi, ViBoolean enable, ViReal64 temperature);
ZUVEXA_API ViStatus zuVEXA_InvalidateConfigurationOnTemperatureChange(ViSession vi, void *data1);
ZUVEXA_API ViStatus zuVEXA_GetCorrectedSystemGain(ViSession vi, void *data1, void *data2, ViInt32 value1,
                                                  void *valuePtr);
ZUVEXA_API ViStatus zuVEXA_GetEqualizationConfigurationComplexF64(ViSession vi, ViInt32 value1, void *data1,
                                                                  void *data2, void *data3, void *data4,
                                                                  void *data5);
ZUVEXA_API ViStatus zuVEXA_SetEqualizationConfigurationComplexF64(ViSession vi, ViInt32 value1, void *data1,
                                                                  ViReal64 real1, ViReal64 real2,
                                                                  ViReal64 real3);
ZUVEXA_API ViStatus zuVEXA_GetRALInstructions(ViSession vi, void *data1, void *data2);
ZUVEXA_API ViStatus zuVEXA_OverrideRALInstructions(ViSession vi, void *data1, ViInt32 value1);
ZUVEXA_API ViStatus zuVEXA_GetDeviceData(ViSession vi, void *data1, ViInt32 value1, ViInt32 value2,
                                         void *data2, void *data3, void *data4, void *data5);
ZUVEXA_API ViStatus zuVEXA_SetDeviceData(ViSession vi, void *data1, ViInt32 value1, ViInt32 value2,
                                         ViInt32 value3, void *data2);
/* Erases the device's stored data (service use). */
ZUVEXA_API ViStatus zuVEXA_FormatEEPROM(ViSession vi);

/* ---- Device names and associations (no session) ---------------------------------
 * Arguments are module-defined and passed on unchanged. */

ZUVEXA_API ViStatus zuVEXA_GetAssociatedDevicesForName(void *arg1, void *arg2, void *arg3, void *arg4,
                                                       void *arg5, void *arg6, void *arg7);
ZUVEXA_API ViStatus zuVEXA_GetAssociatedDevicesForGUID(void *arg1, void *arg2, void *arg3, void *arg4,
                                                       void *arg5, void *arg6, void *arg7, void *arg8);
ZUVEXA_API ViStatus zuVEXA_SetAssociatedDevicesForGUID(void *arg1, void *arg2, void *arg3, void *arg4,
                                                       void *arg5, void *arg6, void *arg7);
/* Names of the modules that make up a downconverter's signal chain. */
ZUVEXA_API ViStatus zuVEXA_GetDigitizerNameForDownconverter(void *arg1, void *arg2);
ZUVEXA_API ViStatus zuVEXA_GetLONameForDownconverter(void *arg1, void *arg2);
ZUVEXA_API ViStatus zuVEXA_GetRFCondNameForDownconverter(void *arg1, void *arg2);
ZUVEXA_API ViStatus zuVEXA_GetIFCondNameForDownconverter(void *arg1, void *arg2);
/* Folder of the FPGA extension files of the named device (IVI buffer
 * convention on bitfileDir; *requiredBitfileDirBufferSize is the size it
 * needs). deviceContext is a context value, pointer-sized so that a module
 * may hand one back as a pointer; it reaches the module unchanged. value1 is
 * module-defined. */
ZUVEXA_API ViStatus zuVEXA_GetFPGAExtensionsBitfileDir(ViConstString resourceName, uintptr_t deviceContext,
                                                       ViInt32 value1, ViInt32 bitfileDirBufferSize,
                                                       ViChar bitfileDir[],
                                                       ViInt32 *requiredBitfileDirBufferSize);

/* ---- Timestamps -------------------------------------------------------------------
 * ZUTimestamp counts from 1904-01-01 00:00:00 UTC; these functions convert
 * to and from seconds since 1970-01-01 00:00:00 UTC plus a fraction in
 * [0, 1). No session is involved. */

ZUVEXA_API ViStatus zuVEXA_TimestampFromValues(ViInt64 seconds, ViReal64 fractionalSeconds,
                                               ZUTimestamp *timestamp);
ZUVEXA_API ViStatus zuVEXA_ValuesFromTimestamp(ZUTimestamp timestamp, ViInt64 *seconds,
                                               ViReal64 *fractionalSeconds);

/* ---- Graphical-environment wrappers ----------------------------------------------
 * For the maker's graphical programming environment; C applications use the
 * zuVEXA_* functions above. void * parameters are the environment's array,
 * cluster, waveform and data-reference handles, built by the instrument
 * module. incomingStatus is the status of the environment's error input.
 * _32Bit forms take 32-bit record numbers and counts. The open and close
 * wrappers end with an error-description pair: on a non-zero status it
 * receives the error text (IVI buffer convention). */

ZUVEXA_API ViStatus GX_zuVEXA_init(ViConstString resourceName, ViInt32 IDQuery, ViInt32 reset,
                                   ViSession *newVi, ViInt32 errorDescriptionBufferSize,
                                   ViChar errorDescription[]);
ZUVEXA_API ViStatus GX_zuVEXA_InitWithOptions(ViConstString resourceName, ViInt32 IDQuery, ViInt32 reset,
                                              ViConstString optionString, ViSession *newVi,
                                              ViInt32 errorDescriptionBufferSize, ViChar errorDescription[]);
ZUVEXA_API ViStatus GX_zuVEXA_initExtCal(ViConstString resourceName, ViConstString password,
                                         ViConstString optionString, ViSession *newVi,
                                         ViInt32 errorDescriptionBufferSize, ViChar errorDescription[]);
/* External-calibration open through the tov module whatever the model. */
ZUVEXA_API ViStatus GX_zuVEXA_initExtCalTovInternal(ViConstString resourceName, ViConstString password,
                                                    ViConstString optionString, ViSession *newVi,
                                                    ViInt32 errorDescriptionBufferSize,
                                                    ViChar errorDescription[]);
ZUVEXA_API ViStatus GX_zuVEXA_InitializeExternalAlignment(ViConstString resourceName,
                                                          ViConstString optionString, ViSession *newVi,
                                                          ViInt32 errorDescriptionBufferSize,
                                                          ViChar errorDescription[]);
ZUVEXA_API ViStatus GX_zuVEXA_close(ViSession vi, ViInt32 errorDescriptionBufferSize,
                                    ViChar errorDescription[]);
ZUVEXA_API ViStatus GX_zuVEXA_closeExtCal(ViSession vi, ViInt32 action, ViInt32 errorDescriptionBufferSize,
                                          ViChar errorDescription[]);
ZUVEXA_API ViStatus GX_zuVEXA_CloseExternalAlignment(ViSession vi, ViInt32 action,
                                                     ViInt32 errorDescriptionBufferSize,
                                                     ViChar errorDescription[]);

/* I/Q record as a cluster (t0, dt, data) or waveform; timestampType selects
 * the time format of t0. */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQComplexCluster(ViSession vi, ViInt32 incomingStatus,
                                                    ViConstString channelList, ViInt64 recordNumber,
                                                    ViInt64 numberOfSamples, ViReal64 timeout,
                                                    ViInt32 timestampType, void *dataOut, void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQComplexCluster_32Bit(ViSession vi, ViInt32 incomingStatus,
                                                          ViConstString channelList, ViInt32 recordNumber,
                                                          ViInt32 numberOfSamples, ViReal64 timeout,
                                                          ViInt32 timestampType, void *dataOut,
                                                          void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQComplexClusterF32(ViSession vi, ViInt32 incomingStatus,
                                                       ViConstString channelList, ViInt64 recordNumber,
                                                       ViInt64 numberOfSamples, ViReal64 timeout,
                                                       ViInt32 timestampType, void *dataOut, void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQComplexWDT(ViSession vi, ViInt32 incomingStatus,
                                                ViConstString channelList, ViInt64 recordNumber,
                                                ViInt64 numberOfSamples, ViReal64 timeout,
                                                ViInt32 timestampType, void *dataOut, void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQComplexWDT_32Bit(ViSession vi, ViInt32 incomingStatus,
                                                      ViConstString channelList, ViInt32 recordNumber,
                                                      ViInt32 numberOfSamples, ViReal64 timeout,
                                                      ViInt32 timestampType, void *dataOut, void *infoOut);
/* Interleaved 16-bit I/Q array plus a waveform-information cluster laid out
 * like the first six WaveformInfo fields (32-bit actualSamples in the
 * _32Bit form). */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DI16(ViSession vi, ViInt32 incomingStatus, ViConstString channelList,
                                           ViInt64 recordNumber, ViInt64 numberOfSamples, ViReal64 timeout,
                                           void *dataArrPtr, void *wfmInfo);
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DI16_32Bit(ViSession vi, ViInt32 incomingStatus,
                                                 ViConstString channelList, ViInt32 recordNumber,
                                                 ViInt32 numberOfSamples, ViReal64 timeout, void *dataArrPtr,
                                                 void *wfmInfo);
/* As GX_zuVEXA_FetchIQ1DI16, into an external data reference. */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DI16_DataRef(ViSession vi, ViInt32 incomingStatus,
                                                   ViConstString channelList, ViInt64 recordNumber,
                                                   ViInt64 numberOfSamples, ViReal64 timeout,
                                                   ViUInt32 *externalDVR, ViUInt32 *elementsRemaining,
                                                   void *wfmInfo);
/* Direct-DMA transfer; *offsetToFirstSample is the byte offset of sample 0. */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQSingleRecordDirectDMA(ViSession vi, ViInt32 incomingStatus,
                                                           ViConstString channelList, ViInt64 recordNumber,
                                                           ViInt64 numberOfSamples, ViReal64 timeout,
                                                           ViInt64 bufferSize, ViInt32 *offsetToFirstSample,
                                                           void *dataOut, void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQSingleRecordDirectDMA_32Bit(
    ViSession vi, ViInt32 incomingStatus, ViConstString channelList, ViInt32 recordNumber,
    ViInt32 numberOfSamples, ViReal64 timeout, ViInt32 bufferSize, ViInt32 *offsetToFirstSample,
    void *dataOut, void *infoOut);
/* Several records as a 2-D 16-bit array. */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ2DI16(ViSession vi, ViInt32 incomingStatus, ViConstString channelList,
                                           ViInt64 startingRecord, ViInt64 numberOfRecords,
                                           ViInt64 numberOfSamples, ViReal64 timeout, void *dataOut,
                                           void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ2DI16_32Bit(ViSession vi, ViInt32 incomingStatus,
                                                 ViConstString channelList, ViInt32 startingRecord,
                                                 ViInt32 numberOfRecords, ViInt32 numberOfSamples,
                                                 ViReal64 timeout, void *dataOut, void *infoOut);
/* Several records (of several channels when allowMultipleChannels is not
 * 0) as a 1-D array of clusters or waveforms. */
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DComplexCluster(
    ViSession vi, ViInt32 incomingStatus, ViConstString channelList, ViInt32 allowMultipleChannels,
    ViInt64 startingRecord64bit, ViInt64 numberOfRecords64bit, ViInt64 numberOfSamples64bit, ViReal64 timeout,
    ViInt32 timestampType, void *dataOut, void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DComplexCluster_32Bit(
    ViSession vi, ViInt32 incomingStatus, ViConstString channelList, ViInt32 allowMultipleChannels,
    ViInt32 startingRecord32bit, ViInt32 numberOfRecords32bit, ViInt32 numberOfSamples32bit, ViReal64 timeout,
    ViInt32 timestampType, void *dataOut, void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DComplexClusterF32(
    ViSession vi, ViInt32 incomingStatus, ViConstString channelList, ViInt32 allowMultipleChannels,
    ViInt64 startingRecord64bit, ViInt64 numberOfRecords64bit, ViInt64 numberOfSamples64bit, ViReal64 timeout,
    ViInt32 timestampType, void *dataOut, void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DComplexWDT(ViSession vi, ViInt32 incomingStatus,
                                                  ViConstString channelList, ViInt32 allowMultipleChannels,
                                                  ViInt64 startingRecord64bit, ViInt64 numberOfRecords64bit,
                                                  ViInt64 numberOfSamples64bit, ViReal64 timeout,
                                                  ViInt32 timestampType, void *dataOut, void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_FetchIQ1DComplexWDT_32Bit(
    ViSession vi, ViInt32 incomingStatus, ViConstString channelList, ViInt32 allowMultipleChannels,
    ViInt32 startingRecord32bit, ViInt32 numberOfRecords32bit, ViInt32 numberOfSamples32bit, ViReal64 timeout,
    ViInt32 timestampType, void *dataOut, void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_GetFetchBacklog_32Bit(ViSession vi, ViConstString channelList,
                                                    ViInt32 recordNumber, ViInt32 *backlog);
ZUVEXA_API ViStatus GX_zuVEXA_ReadIQComplexCluster(ViSession vi, ViInt32 incomingStatus,
                                                   ViConstString channelList, ViReal64 timeout,
                                                   ViInt32 timestampType, void *dataOut, void *infoOut);
ZUVEXA_API ViStatus GX_zuVEXA_ReadIQComplexWDT(ViSession vi, ViInt32 incomingStatus,
                                               ViConstString channelList, ViReal64 timeout,
                                               ViInt32 timestampType, void *dataOut, void *infoOut);
/* Power spectrum (dBm) as a cluster (f0, df, data). */
ZUVEXA_API ViStatus GX_zuVEXA_ReadPowerSpectrumF64Cluster(ViSession vi, ViInt32 incomingStatus,
                                                          ViConstString channelList, ViReal64 timeout,
                                                          void *dataOut);
ZUVEXA_API ViStatus GX_zuVEXA_ReadPowerSpectrumF32Cluster(ViSession vi, ViInt32 incomingStatus,
                                                          ViConstString channelList, ViReal64 timeout,
                                                          void *dataOut);
/* De-embedding table from a 1-D frequency array handle and a 3-D complex
 * S-parameter array handle (frequencies x ports x ports). */
ZUVEXA_API ViStatus GX_zuVEXA_CreateDeembeddingSparameterTableArray(ViSession vi, ViConstString port,
                                                                    ViConstString tableName,
                                                                    void *frequencies, void *sparameterTable,
                                                                    ViInt32 sparameterOrientation);
/* Relay operation counts into three environment handles. */
ZUVEXA_API ViStatus GX_zuVEXA_Get_Relay_Operation_Counts(ViSession vi, void *valuePtr1, void *valuePtr2,
                                                         void *valuePtr3);
/* Called by the environment's run-time with its thread-local-storage index;
 * the library passes it on to every loaded module. */
ZUVEXA_API void SetGXRTTLSIndexHook(ViUInt32 index);

#ifdef __cplusplus
}
#endif

#endif /* ZUVEXA_H */
