/* Control interface of the system configuration library stand-in
 * (libzusysapi.so).
 *
 * Tests use these functions to decide which devices and experts the
 * framework reports, to make single operations fail, to count calls and to
 * deliver change notifications to the handlers registered with the
 * frameworks. Texts are narrow; each byte becomes one 32-bit unit. */
#ifndef SYSAPI_STANDIN_H
#define SYSAPI_STANDIN_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Statuses of the stand-in beyond those of the binary interface. */
#define SYSAPISTANDIN_S_NONE ((int32_t)1)             /* nothing found / property absent / no handler */
#define SYSAPISTANDIN_E_FAILURE ((int32_t)0x80004005) /* reserved operation, unexpected failure */
#define SYSAPISTANDIN_E_NULL_POINTER ((int32_t)0x80004003)
#define SYSAPISTANDIN_E_OUT_OF_MEMORY ((int32_t)0x8007000E)
#define SYSAPISTANDIN_E_INVALID_ARGUMENT ((int32_t)0x80070057)
#define SYSAPISTANDIN_E_NOT_FOUND ((int32_t)0x80070490) /* GetResourceByName: no such resource */
#define SYSAPISTANDIN_E_PROPERTY_ABSENT ((int32_t)0x80040371)
#define SYSAPISTANDIN_E_NO_SUCH_EXPERT ((int32_t)0x80040374)

/* Field value meaning "this property is absent". */
#define SYSAPISTANDIN_NO_VALUE (-1)

/* Operations that can be counted and made to fail. */
typedef enum SysapiStandinOperation {
  SYSAPISTANDIN_OP_INSTANTIATE_FRAMEWORK = 1, /* zusysInstantiateFramework */
  SYSAPISTANDIN_OP_FIND_RESOURCES = 2,        /* framework position 4 */
  SYSAPISTANDIN_OP_GET_RESOURCE_BY_NAME = 3,  /* framework position 6 */
  SYSAPISTANDIN_OP_GET_EXPERT = 4,            /* framework position 7 */
  SYSAPISTANDIN_OP_REGISTER_HANDLER = 5       /* framework position 8 */
} SysapiStandinOperation;

typedef struct SysapiStandinDevice {
  const char *resourceName; /* property 0x101D000; required, not empty */
  const char *alias;        /* property 0x101F000; NULL: absent */
  const char *backend;      /* property 0x1070000; NULL: absent */
  int64_t productId;        /* property 0x1005000 (0..0xFFFFFFFF); SYSAPISTANDIN_NO_VALUE: absent */
  int32_t simulated;        /* property 0x1009000 */
  int32_t hidden;           /* property 0x12000000; SYSAPISTANDIN_NO_VALUE: absent */
  int32_t excluded;         /* not 0: property 0x2002000 present */
} SysapiStandinDevice;

/* Drops every run-time change, call count and pending failure and reads
 * the file named by ZUVEXA_SYSAPI_CONFIG again. Registered handlers stay
 * with their frameworks. */
void SysapiStandin_Reset(void);

/* Adds a device, replacing one with the same resource name (ignoring
 * case). Run-time changes are kept over later readings of the file. */
int32_t SysapiStandin_AddDevice(const SysapiStandinDevice *device);
/* 0 when a device was removed, SYSAPISTANDIN_S_NONE when none had that name. */
int32_t SysapiStandin_RemoveDevice(const char *resourceName);

/* Experts by bare name ("zu-vexa"); GetExpert is asked "//localhost/zu-vexa". */
int32_t SysapiStandin_AddExpert(const char *name);
int32_t SysapiStandin_RemoveExpert(const char *name);

/* Calls of an operation since the last reset, failed ones included;
 * -1 for an unknown operation. */
int64_t SysapiStandin_CallCount(SysapiStandinOperation operation);

/* Makes the next call of the operation return `status` (and no object)
 * without doing anything else. Status 0 cancels a pending failure. */
int32_t SysapiStandin_FailNextCall(SysapiStandinOperation operation, int32_t status);

/* Objects of the stand-in currently alive (frameworks, filters,
 * collections, enumerators, resources, experts). */
int64_t SysapiStandin_LiveObjectCount(void);

/* Notification handlers held by live frameworks. */
int32_t SysapiStandin_HandlerCount(void);

/* Calls position 3 Notify(NULL, kind, names) of every registered handler
 * from a thread of its own, each with a fresh enumerator over the names as
 * length-prefixed texts, and returns after that thread has ended. Returns
 * the first non-zero handler status, 0 when all returned 0, and
 * SYSAPISTANDIN_S_NONE when no handler is registered. */
int32_t SysapiStandin_NotifyChange(uint32_t kind, const char *const *names, int32_t nameCount);

#ifdef __cplusplus
}
#endif

#endif /* SYSAPI_STANDIN_H */
