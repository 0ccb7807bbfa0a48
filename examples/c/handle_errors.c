/* Shows how a program learns what went wrong: the status a call returns, the
 * error the library recorded for the session or the thread, and the
 * description of any status code in the session's language.
 *
 *   handle_errors
 *
 * It needs the simulated analyzer "Analyzer1" of the demo system configuration. */
#include <stdio.h>
#include <stdlib.h>

#include "zuVEXA.h"

/* Prints the recorded error of a session (VI_NULL: of the calling thread)
 * and clears it. */
static void print_error(ViSession vi, ViStatus status) {
  ViStatus code = 0;
  char text[1024] = "";
  zuVEXA_GetError(vi, &code, sizeof text, text);
  printf("status 0x%08X, recorded 0x%08X\n  %s\n", (unsigned)status, (unsigned)code, text);
}

/* Prints the description of a status code in the session's language. */
static void print_description(ViSession vi, ViStatus code) {
  char text[1024] = "";
  zuVEXA_GetErrorMessage(vi, code, sizeof text, text);
  printf("0x%08X: %s\n", (unsigned)code, text);
}

int main(void) {
  ViSession vi = VI_NULL;

  /* A resource that names no device: nothing opens, and the error is the
   * calling thread's. */
  printf("-- open a resource that names no device\n");
  ViStatus status = zuVEXA_InitWithOptions("NoSuchAnalyzer", VI_FALSE, VI_FALSE, "", &vi);
  if (status < 0) print_error(VI_NULL, status);

  /* The DriverSetup's Language chooses the language of the descriptions. */
  printf("-- a session whose descriptions are in German\n");
  status = zuVEXA_InitWithOptions("Analyzer1", VI_FALSE, VI_FALSE,
                                  "Simulate=1,DriverSetup=Model:Q118;Language:de", &vi);
  if (status < 0) {
    print_error(VI_NULL, status);
    return EXIT_FAILURE;
  }
  print_description(vi, ZUVEXA_ERROR_INVALID_PARAMETER);

  /* A rejected value: the error is the session's. */
  printf("-- a negative I/Q rate\n");
  status = zuVEXA_ConfigureIQRate(vi, "", -1.0);
  if (status < 0) print_error(vi, status);

  /* A handle that is no open session: the error is the calling thread's,
   * described in the language of the last option string. */
  printf("-- a session handle that is not open\n");
  status = zuVEXA_Initiate(vi + 1000);
  if (status < 0) print_error(VI_NULL, status);

  status = zuVEXA_close(vi);
  if (status < 0) print_error(VI_NULL, status);
  return status < 0 ? EXIT_FAILURE : EXIT_SUCCESS;
}
