/* Opens an analyzer session, acquires one I/Q record and prints what is in it.
 *
 *   fetch_record [RESOURCE [OPTIONS]]
 *
 * Without arguments it opens the simulated analyzer "Analyzer1" with the
 * options "Simulate=1,DriverSetup=Model:Q118". Every call's status is checked;
 * a failure prints the status in hex and the library's description of it. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "zuVEXA.h"

#define SAMPLES 1000

/* Prints the error the library recorded for the session (VI_NULL before a
 * session exists) and returns the status. zuVEXA_GetError also clears it. */
static ViStatus report(ViSession vi, const char *call, ViStatus status) {
  ViStatus code = 0;
  char description[1024] = "";
  zuVEXA_GetError(vi, &code, sizeof description, description);
  fprintf(stderr, "%s failed with status 0x%08X\n  %s\n", call, (unsigned)status, description);
  return status;
}

/* Runs a call; on an error reports it and leaves through `done`. Warnings
 * (positive statuses) are not failures. */
#define CHECK(vi, call)                                                                                      \
  do {                                                                                                       \
    status = (call);                                                                                         \
    if (status < 0) {                                                                                        \
      report(vi, #call, status);                                                                             \
      goto done;                                                                                             \
    }                                                                                                        \
  } while (0)

int main(int argc, char **argv) {
  const char *resource = argc > 1 ? argv[1] : "Analyzer1";
  const char *options = argc > 2 ? argv[2] : "Simulate=1,DriverSetup=Model:Q118";
  ViSession vi = VI_NULL;
  ViStatus status = VI_SUCCESS;
  static ViReal64 iq[2 * SAMPLES]; /* interleaved I, Q */
  WaveformInfo info;
  double power = 0.0;

  CHECK(VI_NULL, zuVEXA_InitWithOptions(resource, VI_FALSE, VI_FALSE, options, &vi));
  CHECK(vi, zuVEXA_ConfigureIQCarrierFrequency(vi, "", 2.4e9));
  CHECK(vi, zuVEXA_ConfigureIQRate(vi, "", 1e6));
  CHECK(vi, zuVEXA_ConfigureNumberOfSamples(vi, "", VI_TRUE, SAMPLES));
  CHECK(vi, zuVEXA_Initiate(vi));
  CHECK(vi, zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, SAMPLES, 10.0, iq, &info));

  for (ViInt64 n = 0; n < info.actualSamples; ++n)
    power += iq[2 * n] * iq[2 * n] + iq[2 * n + 1] * iq[2 * n + 1];
  printf("fetched %lld samples, %.3f us apart\n", (long long)info.actualSamples, info.xIncrement * 1e6);
  printf("first sample I %+.6f Q %+.6f\n", iq[0], iq[1]);
  if (info.actualSamples > 0)
    printf("mean power %.2f dBFS\n", 10.0 * log10(power / (double)info.actualSamples));

done:
  if (vi != VI_NULL) {
    ViStatus closed = zuVEXA_close(vi);
    if (closed < 0 && status >= 0) status = report(VI_NULL, "zuVEXA_close", closed);
    if (closed >= 0) printf("session closed\n");
  }
  return status < 0 ? EXIT_FAILURE : EXIT_SUCCESS;
}
