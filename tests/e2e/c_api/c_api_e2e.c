/* An application written in plain C against zuVEXA.h and libzuvexa.so:
 * opens a simulated session, configures an I/Q acquisition, fetches one
 * record, checks the error reporting and closes. The stand-in modules'
 * simulated instrument sends a tone of amplitude 0.5 at 100 kHz above the
 * carrier. Exit code 0 when every check passed. */
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

static void CheckSuccess(ViStatus status, const char *what) { Check(status == VI_SUCCESS, what, status); }

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

static void ConfigureFetchAndCheckTone(ViSession vi) {
  static ViReal64 iq[2 * SAMPLES];
  WaveformInfo info;
  ViInt64 n;
  int magnitudesRight = 1;
  CheckSuccess(zuVEXA_ConfigureIQCarrierFrequency(vi, "", 2.4e9), "configure the carrier frequency");
  CheckSuccess(zuVEXA_ConfigureIQRate(vi, "", IQ_RATE), "configure the I/Q rate");
  CheckSuccess(zuVEXA_ConfigureNumberOfSamples(vi, "", VI_TRUE, SAMPLES), "configure the number of samples");
  CheckSuccess(zuVEXA_Initiate(vi), "initiate");
  memset(&info, 0, sizeof info);
  CheckSuccess(zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, SAMPLES, 10.0, iq, &info), "fetch one record");
  Check(info.actualSamples == SAMPLES, "the record holds every sample asked for", 0);
  Check(fabs(info.xIncrement - 1.0 / IQ_RATE) < 1e-15, "xIncrement is 1 / IQ rate", 0);
  for (n = 0; n < info.actualSamples && n < SAMPLES; ++n)
    magnitudesRight &= fabs(hypot(iq[2 * n], iq[2 * n + 1]) - 0.5) < 1e-9;
  Check(magnitudesRight, "every sample has the tone's amplitude", 0);
  Check(fabs(MeanPhaseStep(iq, SAMPLES) - TWO_PI * TONE_OFFSET / IQ_RATE) < 1e-9, "the tone turns at 100 kHz", 0);
}

/* A rejected setting leaves its error with the session; zuVEXA_GetError
 * reports it under the IVI buffer convention. */
static void CheckErrorReporting(ViSession vi) {
  char text[1024];
  ViStatus code = 0;
  ViInt32 needed;
  ViStatus status = zuVEXA_ConfigureIQRate(vi, "", 0.0);
  Check(status == ZUVEXA_ERROR_INVALID_PARAMETER, "an I/Q rate of 0 is rejected", status);
  needed = zuVEXA_GetError(vi, &code, 0, NULL);
  Check(needed >= 1 && code == ZUVEXA_ERROR_INVALID_PARAMETER, "a size query gives the size and code", code);
  CheckSuccess(zuVEXA_GetError(vi, &code, (ViInt32)sizeof text, text), "the text fits");
  Check(code == ZUVEXA_ERROR_INVALID_PARAMETER, "the error stays until it is read", code);
  Check((ViInt32)strlen(text) + 1 == needed, "the text has the size the query announced", needed);
}

int main(void) {
  ViSession vi = 0;
  ViStatus status = zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &vi);
  Check(status == VI_SUCCESS && vi != 0, "open a simulated session", status);
  if (vi != 0) {
    ConfigureFetchAndCheckTone(vi);
    CheckErrorReporting(vi);
    CheckSuccess(zuVEXA_close(vi), "close");
    status = zuVEXA_Initiate(vi);
    Check(status == ZUVEXA_ERROR_INVALID_SESSION, "a closed handle is unknown", status);
  }
  printf("c_api: %d passed, %d failed\n", checks - failures, failures);
  return failures == 0 ? 0 : 1;
}
