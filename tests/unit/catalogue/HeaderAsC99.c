/* The public header compiled as strict C99, with its records' layout. */
#include "zuVEXA.h"

#include "RecordLayoutChecks.h"

/* Taking an address proves the declarations are usable from C. */
ViStatus (*const kFetchFromC)(ViSession, ViConstString, ViInt64, ViInt64, ViReal64, ViReal64 *,
                              WaveformInfo *) = zuVEXA_FetchIQSingleRecordComplexF64;
