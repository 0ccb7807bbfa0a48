/* Reads a power spectrum around the simulated tone and prints its strongest line.
 *
 *   read_spectrum [RESOURCE [OPTIONS]]
 *
 * Without arguments it opens the simulated analyzer "Analyzer1". The tone of
 * the simulated instrument lies 100 kHz above the I/Q carrier; the spectrum is
 * centred on it, 1 MHz wide, with a 10 kHz resolution bandwidth. */
#include <stdio.h>
#include <stdlib.h>

#include "zuVEXA.h"

#define CENTER 2.4001e9
#define SPAN 1e6

static ViStatus report(ViSession vi, const char *call, ViStatus status) {
  ViStatus code = 0;
  char description[1024] = "";
  zuVEXA_GetError(vi, &code, sizeof description, description);
  fprintf(stderr, "%s failed with status 0x%08X\n  %s\n", call, (unsigned)status, description);
  return status;
}

#define CHECK(vi, call)                                                                                      \
  do {                                                                                                       \
    status = (call);                                                                                         \
    if (status < 0) {                                                                                        \
      report(vi, #call, status);                                                                             \
      goto done;                                                                                             \
    }                                                                                                        \
  } while (0)

/* The index of the largest of `count` values. */
static ViInt32 strongest(const ViReal64 *powers, ViInt32 count) {
  ViInt32 best = 0;
  for (ViInt32 n = 1; n < count; ++n)
    if (powers[n] > powers[best]) best = n;
  return best;
}

int main(int argc, char **argv) {
  const char *resource = argc > 1 ? argv[1] : "Analyzer1";
  const char *options = argc > 2 ? argv[2] : "Simulate=1,DriverSetup=Model:Q118";
  ViSession vi = VI_NULL;
  ViStatus status = VI_SUCCESS;
  ViInt32 lines = 0;
  ViReal64 *powers = NULL;

  CHECK(VI_NULL, zuVEXA_InitWithOptions(resource, VI_FALSE, VI_FALSE, options, &vi));
  CHECK(vi, zuVEXA_ConfigureIQCarrierFrequency(vi, "", 2.4e9));
  CHECK(vi, zuVEXA_ConfigureSpectrumFrequencyCenterSpan(vi, "", CENTER, SPAN));
  CHECK(vi, zuVEXA_ConfigureResolutionBandwidth(vi, "", 10e3));
  CHECK(vi, zuVEXA_GetNumberOfSpectralLines(vi, "", &lines));
  powers = calloc(lines > 0 ? (size_t)lines : 1, sizeof *powers);
  if (powers == NULL) {
    status = -1;
    goto done;
  }
  CHECK(vi, zuVEXA_ReadPowerSpectrumF64(vi, "", 10.0, powers, lines, NULL));

  printf("%d lines from %.6f to %.6f GHz\n", (int)lines, (CENTER - SPAN / 2) / 1e9,
         (CENTER + SPAN / 2) / 1e9);
  if (lines > 1) {
    ViInt32 peak = strongest(powers, lines);
    double frequency = CENTER - SPAN / 2 + SPAN * peak / (lines - 1);
    printf("peak at %.6f GHz: %.2f dBm\n", frequency / 1e9, powers[peak]);
  }

done:
  free(powers);
  if (vi != VI_NULL) {
    ViStatus closed = zuVEXA_close(vi);
    if (closed < 0 && status >= 0) status = report(VI_NULL, "zuVEXA_close", closed);
  }
  return status < 0 ? EXIT_FAILURE : EXIT_SUCCESS;
}
