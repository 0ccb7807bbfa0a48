/* Control interface of the call-tracing library stand-in (libZuPeekLog.so).
 *
 * The stand-in keeps every finished trace record in memory and, when an
 * output is set, writes each as one JSON line. Tracing is switched on by the
 * environment variable ZUPEEK_TRACE ("stderr", or the path of a file to
 * append to) when the library is loaded, or by ZuPeekControl_SetEnabled.
 * Every function is thread-safe. */
#ifndef PEEKLOG_STANDIN_H
#define PEEKLOG_STANDIN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define PEEKLOG_API __attribute__((visibility("default")))

/* One parameter or return of a record. `value` is the JSON text of the
 * value as the stand-in renders it by type code: integers and reals as
 * numbers, texts as JSON strings, pointers as "0x..." strings, arrays as
 * {"count":n,"first":[...]} with up to four elements, null for a null
 * address. A name longer than the field is cut. */
typedef struct {
  int64_t index;
  int hasName; /* 0 for the function return */
  char name[64];
  int64_t typeCode;
  int64_t elementSize;
  int64_t totalSize;
  char value[1024];
} ZuPeekValue;

/* The mode integer the traced library reads: non-zero traces. */
PEEKLOG_API void ZuPeekControl_SetEnabled(int enabled);
PEEKLOG_API int ZuPeekControl_Enabled(void);
/* Where finished records are written: "stderr", a file path (appended to),
 * or NULL for nowhere. */
PEEKLOG_API void ZuPeekControl_SetOutput(const char *destination);

/* Forgets the kept records (the mode and output stay). */
PEEKLOG_API void ZuPeekControl_Clear(void);
PEEKLOG_API int ZuPeekControl_RecordCount(void);
/* Records begun and not yet finished. */
PEEKLOG_API int ZuPeekControl_OpenRecordCount(void);

/* Fields of finished record `record` (0 = oldest kept). Texts follow the
 * IVI buffer rule: size 0 returns the needed size, a too small buffer gets
 * the text cut and the needed size back, a fitting text returns 0; -1 for
 * no such record. */
PEEKLOG_API int ZuPeekControl_RecordFunction(int record, int size, char *buffer);
PEEKLOG_API int ZuPeekControl_RecordJson(int record, int size, char *buffer);
PEEKLOG_API int64_t ZuPeekControl_RecordId(int record);
/* The arguments of the begin call: API type and third argument. */
PEEKLOG_API int64_t ZuPeekControl_RecordApiType(int record);
PEEKLOG_API int64_t ZuPeekControl_RecordBeginFlag(int record);
/* Counts given to the end calls; -1 when that end call never came. */
PEEKLOG_API int64_t ZuPeekControl_DeclaredParamCount(int record);
PEEKLOG_API int64_t ZuPeekControl_DeclaredReturnCount(int record);
/* Success flag given with the function return; -1 without one. */
PEEKLOG_API int64_t ZuPeekControl_RecordSuccess(int record);

/* Parameters (returns == 0) or returns (returns != 0) as they were set,
 * the function return included; Value fills `out` and returns 0, or -1. */
PEEKLOG_API int ZuPeekControl_ValueCount(int record, int returns);
PEEKLOG_API int ZuPeekControl_Value(int record, int returns, int value, ZuPeekValue *out);

#ifdef __cplusplus
}
#endif

#endif /* PEEKLOG_STANDIN_H */
