/* Describes 0xBFFA0060 in French: a simulated open in that language sets
   the language of descriptions without a session, even when it fails. */
#include <stdio.h>

#include "zuVEXA.h"

int main(void) {
  ViSession vi = VI_NULL;
  char text[1024] = "";
  if (zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Language:fr", &vi) < 0)
    vi = VI_NULL;
  ViStatus status = zuVEXA_GetErrorMessage(vi, (ViStatus)0xBFFA0060, sizeof text, text);
  if (vi != VI_NULL) zuVEXA_close(vi);
  puts(text);
  return status == VI_SUCCESS ? 0 : 1;
}
