// The symbols of the call-tracing library. The variant built with
// PEEKLOG_PARTIAL lacks ZuPeekEndParams and
// ZuPeekSetReturnElementSize_generic, as an older tool would.
#include <cstdarg>

#include "PeekRecords.h"

#define PEEK_EXPORT __attribute__((visibility("default")))

using peeklog::Record;

namespace {
Record *AsRecord(void *cookie) { return static_cast<Record *>(cookie); }
} // namespace

extern "C" {

PEEK_EXPORT void *ZuPeekGetCookie(int32_t apiType, int32_t functionId, int32_t flag, const char *name) {
  return peeklog::BeginRecord(apiType, functionId, flag, name);
}

PEEK_EXPORT void ZuPeekFreeCookie(void *cookie) {
  if (cookie != nullptr) peeklog::FinishRecord(AsRecord(cookie));
}

#ifndef PEEKLOG_PARTIAL
PEEK_EXPORT void ZuPeekEndParams(void *cookie, int64_t count) {
  if (cookie != nullptr) AsRecord(cookie)->declaredParams = count;
}
#endif

PEEK_EXPORT void ZuPeekSetParamElementSize_generic(void *cookie, int64_t index, const void *address,
                                                   int64_t elementSize, int64_t totalSize, const char *name,
                                                   int64_t typeCode) {
  if (cookie == nullptr) return;
  AsRecord(cookie)->params.push_back(
      peeklog::MakeValue(index, address, elementSize, totalSize, name, typeCode, true));
}

PEEK_EXPORT void ZuPeekSetParam_generic(void *cookie, int64_t index, const void *address, int64_t size,
                                        const char *name, int64_t typeCode) {
  ZuPeekSetParamElementSize_generic(cookie, index, address, size, size, name, typeCode);
}

#ifndef PEEKLOG_PARTIAL
PEEK_EXPORT void ZuPeekSetReturnElementSize_generic(void *cookie, int64_t index, const void *address,
                                                    int64_t elementSize, int64_t totalSize, const char *name,
                                                    int64_t typeCode) {
  if (cookie == nullptr) return;
  AsRecord(cookie)->returns.push_back(
      peeklog::MakeValue(index, address, elementSize, totalSize, name, typeCode, false));
}
#endif

PEEK_EXPORT void ZuPeekSetReturn_generic(void *cookie, int64_t index, const void *address, int64_t size,
                                         const char *name, int64_t typeCode) {
  if (cookie == nullptr) return;
  AsRecord(cookie)->returns.push_back(peeklog::MakeValue(index, address, size, size, name, typeCode, false));
}

PEEK_EXPORT void ZuPeekSetFuncReturnElementSize_generic(void *cookie, int64_t index, const void *address,
                                                        int64_t elementSize, int64_t totalSize,
                                                        const char *name, int64_t typeCode, int32_t success) {
  if (cookie == nullptr) return;
  Record *record = AsRecord(cookie);
  record->returns.push_back(
      peeklog::MakeValue(index, address, elementSize, totalSize, name, typeCode, false));
  record->success = success;
}

PEEK_EXPORT void ZuPeekSetFuncReturn_generic(void *cookie, int64_t index, const void *address, int64_t size,
                                             const char *name, int64_t typeCode, int32_t success) {
  ZuPeekSetFuncReturnElementSize_generic(cookie, index, address, size, size, name, typeCode, success);
}

PEEK_EXPORT void ZuPeekSetFuncSuccess(void *cookie, int32_t success) {
  if (cookie != nullptr) AsRecord(cookie)->success = success;
}

// Finishes the record and clears the caller's variable.
PEEK_EXPORT void ZuPeekEndReturns(void **cookie, int64_t count) {
  if (cookie == nullptr || *cookie == nullptr) return;
  AsRecord(*cookie)->declaredReturns = count;
  peeklog::FinishRecord(AsRecord(*cookie));
  *cookie = nullptr;
}

PEEK_EXPORT void ZuPeekProcessLogEnable(int32_t enable) {
  __atomic_store_n(peeklog::Mode(), enable ? 1 : 0, __ATOMIC_RELAXED);
}

PEEK_EXPORT int32_t *ZuPeekModeLocation(void) { return peeklog::Mode(); }

PEEK_EXPORT int32_t ZuPeekGetVersion(void) { return 210; }

} // extern "C"

// The tool's logger classes, present for their symbols only.
namespace nZuPeekLog210 {

enum EZuPeekApiType { kApiTypeDriver = 24 };
class IZuPeekLogger;

class PEEK_EXPORT CZuPeekLoggerManager {
public:
  static IZuPeekLogger *Create();
  static IZuPeekLogger *Create(EZuPeekApiType apiType, int id, bool enabled, const char *name);
  static void Destroy(IZuPeekLogger *logger);
  static void PeekProcessEnable(bool enable);
};

class PEEK_EXPORT CZuPeekLogger {
public:
  static void DebugMessageInternal(EZuPeekApiType apiType, int id, const char *format, va_list arguments);
};

IZuPeekLogger *CZuPeekLoggerManager::Create() { return nullptr; }
IZuPeekLogger *CZuPeekLoggerManager::Create(EZuPeekApiType, int, bool, const char *) { return nullptr; }
void CZuPeekLoggerManager::Destroy(IZuPeekLogger *) {}
void CZuPeekLoggerManager::PeekProcessEnable(bool enable) { ZuPeekProcessLogEnable(enable ? 1 : 0); }
void CZuPeekLogger::DebugMessageInternal(EZuPeekApiType, int, const char *, va_list) {}

} // namespace nZuPeekLog210
