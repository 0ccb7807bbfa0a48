/* An application written in plain C against zuVEXA.h and libzuvexa.so:
 * opens a simulated session, configures an I/Q acquisition, fetches one
 * record, checks the error reporting and closes. Runs on the stand-in
 * modules, whose simulated instrument sends a tone of amplitude 0.5 at
 * 100 kHz above the carrier. Exit code 0 when every check passed. */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "zuVEXA.h"

#define SAMPLES 1000
#define IQ_RATE 1.0e6
#define TONE_OFFSET 100.0e3
#define TWO_PI 6.283185307179586

static int checks;
static int failures;

static void Check(int passed, const char *what, ViStatus status) {
  ++checks;
  if (!passed) {
    ++failures;
    fprintf(stderr, "FAILED: %s (status 0x%08X)\n", what, (unsigned)status);
  }
}

static ViSession OpenSimulatedSession(void) {
  ViSession vi = 0;
  ViStatus status =
      zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &vi);
  Check(status == VI_SUCCESS && vi != 0, "open a simulated session", status);
  return vi;
}

static void Configure(ViSession vi) {
  ViStatus status = zuVEXA_ConfigureIQCarrierFrequency(vi, "", 2.4e9);
  Check(status == VI_SUCCESS, "configure the carrier frequency", status);
  status = zuVEXA_ConfigureIQRate(vi, "", IQ_RATE);
  Check(status == VI_SUCCESS, "configure the I/Q rate", status);
  status = zuVEXA_ConfigureNumberOfSamples(vi, "", VI_TRUE, SAMPLES);
  Check(status == VI_SUCCESS, "configure the number of samples", status);
  status = zuVEXA_Initiate(vi);
  Check(status == VI_SUCCESS, "initiate", status);
}

/* Phase step between neighbouring samples, from the mean of x[n+1] * conj(x[n]). */
static double MeanPhaseStep(const ViReal64 *iq, ViInt64 count) {
  double re = 0.0, im = 0.0;
  ViInt64 n;
  for (n = 0; n + 1 < count; ++n) {
    const double i0 = iq[2 * n], q0 = iq[2 * n + 1], i1 = iq[2 * n + 2], q1 = iq[2 * n + 3];
    re += i1 * i0 + q1 * q0;
    im += q1 * i0 - i1 * q0;
  }
  return atan2(im, re);
}

static void FetchAndCheckTone(ViSession vi) {
  static ViReal64 iq[2 * SAMPLES];
  WaveformInfo info;
  ViInt64 n;
  int magnitudesRight = 1;
  ViStatus status;
  memset(&info, 0, sizeof info);
  status = zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, SAMPLES, 10.0, iq, &info);
  Check(status == VI_SUCCESS, "fetch one record", status);
  Check(info.actualSamples == SAMPLES, "the record holds every sample asked for", status);
  Check(fabs(info.xIncrement - 1.0 / IQ_RATE) < 1e-15, "xIncrement is 1 / IQ rate", status);
  for (n = 0; n < info.actualSamples && n < SAMPLES; ++n)
    magnitudesRight &= fabs(hypot(iq[2 * n], iq[2 * n + 1]) - 0.5) < 1e-9;
  Check(magnitudesRight, "every sample has the tone's amplitude", status);
  Check(fabs(MeanPhaseStep(iq, SAMPLES) - TWO_PI * TONE_OFFSET / IQ_RATE) < 1e-9,
        "the tone turns at 100 kHz", status);
}

/* A rejected setting leaves its error with the session; zuVEXA_GetError
 * reports it under the IVI buffer convention. (Clearing is the module's
 * ClearError entry, which the stand-in only records.) */
static void CheckErrorReporting(ViSession vi) {
  char text[1024];
  ViStatus code = 0;
  ViInt32 needed;
  ViStatus status = zuVEXA_ConfigureIQRate(vi, "", 0.0);
  Check(status == ZUVEXA_ERROR_INVALID_PARAMETER, "an I/Q rate of 0 is rejected", status);

  needed = zuVEXA_GetError(vi, &code, 0, NULL);
  Check(needed >= 1, "a size query returns the needed size", needed);
  Check(code == ZUVEXA_ERROR_INVALID_PARAMETER, "the size query reports the error code", code);

  status = zuVEXA_GetError(vi, &code, (ViInt32)sizeof text, text);
  Check(status == VI_SUCCESS, "the text fits", status);
  Check(code == ZUVEXA_ERROR_INVALID_PARAMETER, "the error stays until it is read", code);
  Check((ViInt32)strlen(text) + 1 == needed, "the text has the size the query announced", needed);
  printf("error text: %s\n", text);
}

static void CloseAndCheckHandleIsGone(ViSession vi) {
  ViStatus status = zuVEXA_close(vi);
  Check(status == VI_SUCCESS, "close", status);
  status = zuVEXA_Initiate(vi);
  Check(status == ZUVEXA_ERROR_INVALID_SESSION, "a closed handle is unknown", status);
  zuVEXA_ClearError(VI_NULL);
}

int main(void) {
  ViSession vi = OpenSimulatedSession();
  if (vi != 0) {
    Configure(vi);
    FetchAndCheckTone(vi);
    CheckErrorReporting(vi);
    CloseAndCheckHandleIsGone(vi);
  }
  printf("c_api: %d passed, %d failed\n", checks - failures, failures);
  return failures == 0 ? 0 : 1;
}
