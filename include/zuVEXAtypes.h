/* Standard VISA/IVI scalar types used by every libzuvexa function.
 *
 * Sizes follow the VISA conventions on LP64 Linux: ViInt32 and ViStatus are
 * 32 bits, ViSession is an unsigned 32-bit handle (0 means "no session"),
 * ViBoolean is 16 bits with VI_TRUE 1 and VI_FALSE 0. */
#ifndef ZUVEXA_TYPES_H
#define ZUVEXA_TYPES_H

#include <stdint.h>

#ifndef _VI_TYPES_DEFINED
#define _VI_TYPES_DEFINED
typedef int8_t ViInt8;
typedef uint8_t ViUInt8;
typedef int16_t ViInt16;
typedef uint16_t ViUInt16;
typedef int32_t ViInt32;
typedef uint32_t ViUInt32;
typedef int64_t ViInt64;
typedef uint64_t ViUInt64;
typedef float ViReal32;
typedef double ViReal64;
typedef uint16_t ViBoolean;
typedef char ViChar;
typedef unsigned char ViByte;
typedef char *ViString;
typedef const char *ViConstString;
typedef char *ViRsrc;
typedef const char *ViConstRsrc;
typedef ViInt32 ViStatus;
typedef ViUInt32 ViSession;
typedef ViUInt32 ViAttr;
typedef void *ViAddr;
#endif

#ifndef VI_TRUE
#define VI_TRUE ((ViBoolean)1)
#endif
#ifndef VI_FALSE
#define VI_FALSE ((ViBoolean)0)
#endif
#ifndef VI_NULL
#define VI_NULL 0
#endif
#ifndef VI_SUCCESS
#define VI_SUCCESS ((ViStatus)0)
#endif

/* Result record of a fetch or read: 64 bytes, owned by the caller and
 * filled by the instrument driver, one per record. Complex data are
 * interleaved (I then Q); integer data scale as value = raw * gain + offset. */
typedef struct {
  ViReal64 absoluteInitialX; /* timestamp of the first sample, seconds */
  ViReal64 relativeInitialX; /* first sample relative to the trigger, seconds */
  ViReal64 xIncrement;       /* time between samples, seconds (1 / IQ rate) */
  ViInt64 actualSamples;     /* complex samples returned per record */
  ViReal64 offset;           /* scaling of integer data */
  ViReal64 gain;             /* scaling of integer data */
  ViReal64 reserved1;
  ViReal64 reserved2;
} WaveformInfo;

/* Complex values as pairs: attribute arrays and S-parameter tables. */
typedef struct {
  ViReal64 real;
  ViReal64 imaginary;
} ZUComplexNumber;
typedef struct {
  ViReal32 real;
  ViReal32 imaginary;
} ZUComplexNumberF32;
typedef struct {
  ViInt16 real;
  ViInt16 imaginary;
} ZUComplexI16;

/* 16-byte timestamp passed by value: a fraction of a second in units of
 * 2^-64 s, then whole seconds since 1904-01-01 00:00:00 UTC.
 * zuVEXA_ValuesFromTimestamp and zuVEXA_TimestampFromValues convert it to
 * and from seconds since 1970 plus a fraction. */
typedef struct {
  ViUInt64 fraction;
  ViInt64 seconds;
} ZUTimestamp;

#endif /* ZUVEXA_TYPES_H */
