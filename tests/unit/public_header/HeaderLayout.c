/* The public header compiled as strict C99: it must parse, and the records
 * it defines must have the layout the library and C++ callers see. */
#include <stddef.h>

#include "zuVEXA.h"

#include "HeaderLayout.h"

/* Taking an address proves the declarations are usable from C. */
static ViStatus (*const kFetch)(ViSession, ViConstString, ViInt64, ViInt64, ViReal64, ViReal64 *, WaveformInfo *) =
    zuVEXA_FetchIQSingleRecordComplexF64;

struct HeaderLayoutFromC HeaderLayoutSeenByC(void) {
  struct HeaderLayoutFromC layout;
  layout.waveformInfoSize = sizeof(WaveformInfo);
  layout.actualSamplesOffset = offsetof(WaveformInfo, actualSamples);
  layout.gainOffset = offsetof(WaveformInfo, gain);
  layout.timestampSize = sizeof(ZUTimestamp);
  layout.timestampSecondsOffset = offsetof(ZUTimestamp, seconds);
  layout.complexNumberSize = sizeof(ZUComplexNumber);
  layout.booleanSize = sizeof(ViBoolean);
  layout.sessionSize = sizeof(ViSession);
  layout.fetchIsDeclared = kFetch != NULL;
  return layout;
}
