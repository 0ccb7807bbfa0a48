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

#endif /* ZUVEXA_TYPES_H */
