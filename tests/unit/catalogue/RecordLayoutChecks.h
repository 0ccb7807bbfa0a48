/* Layout of the public records, checked at compile time in C and C++ alike:
 * a wrong size or offset is a negative array size. */
#ifndef PUBLIC_HEADER_RECORD_LAYOUT_CHECKS_H
#define PUBLIC_HEADER_RECORD_LAYOUT_CHECKS_H

#include <stddef.h>

#define ZU_LAYOUT_CHECK(name, condition) typedef char zu_layout_##name[(condition) ? 1 : -1]
ZU_LAYOUT_CHECK(waveform_info, sizeof(WaveformInfo) == 64 && offsetof(WaveformInfo, actualSamples) == 24 &&
                                   offsetof(WaveformInfo, gain) == 40);
ZU_LAYOUT_CHECK(timestamp, sizeof(ZUTimestamp) == 16 && offsetof(ZUTimestamp, seconds) == 8);
ZU_LAYOUT_CHECK(complex_number, sizeof(ZUComplexNumber) == 2 * sizeof(ViReal64));
ZU_LAYOUT_CHECK(scalars, sizeof(ViBoolean) == 2 && sizeof(ViSession) == 4);

#endif
