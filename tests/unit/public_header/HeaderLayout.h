/* Sizes and offsets of the public records as a C compilation sees them. */
#ifndef PUBLIC_HEADER_LAYOUT_H
#define PUBLIC_HEADER_LAYOUT_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

struct HeaderLayoutFromC {
  size_t waveformInfoSize;
  size_t actualSamplesOffset;
  size_t gainOffset;
  size_t timestampSize;
  size_t timestampSecondsOffset;
  size_t complexNumberSize;
  size_t booleanSize;
  size_t sessionSize;
  int fetchIsDeclared;
};

struct HeaderLayoutFromC HeaderLayoutSeenByC(void);

#ifdef __cplusplus
}
#endif

#endif
