#include "tracing/PeekLibrary.h"

#include <dlfcn.h>

#include <mutex>

namespace zutrace {
namespace {

constexpr char kLibraryFile[] = "libZuPeekLog.so";
constexpr int32_t kApiType = 24;
constexpr int32_t kBeginFlag = 1;
constexpr int64_t kStatusTypeCode = 23;

// Every symbol of the library, resolved in this order; the shims use the
// first ones named here.
enum Symbol {
  kGetCookie,
  kFreeCookie,
  kEndParams,
  kSetParam,
  kSetParamElementSize,
  kEndReturns,
  kSetReturn,
  kSetReturnElementSize,
  kSetFuncReturn,
  kSetFuncReturnElementSize,
  kProcessLogEnable,
  kModeLocation,
  kSetFuncSuccess,
  kGetVersion,
  kManagerCreate,
  kManagerCreateWithArguments,
  kManagerDestroy,
  kManagerPeekProcessEnable,
  kLoggerDebugMessageInternal,
  kSymbolCount
};

constexpr const char *kSymbolNames[kSymbolCount] = {
    "ZuPeekGetCookie",
    "ZuPeekFreeCookie",
    "ZuPeekEndParams",
    "ZuPeekSetParam_generic",
    "ZuPeekSetParamElementSize_generic",
    "ZuPeekEndReturns",
    "ZuPeekSetReturn_generic",
    "ZuPeekSetReturnElementSize_generic",
    "ZuPeekSetFuncReturn_generic",
    "ZuPeekSetFuncReturnElementSize_generic",
    "ZuPeekProcessLogEnable",
    "ZuPeekModeLocation",
    "ZuPeekSetFuncSuccess",
    "ZuPeekGetVersion",
    "_ZN13nZuPeekLog21020CZuPeekLoggerManager6CreateEv",
    "_ZN13nZuPeekLog21020CZuPeekLoggerManager6CreateENS_14EZuPeekApiTypeEibPKc",
    "_ZN13nZuPeekLog21020CZuPeekLoggerManager7DestroyEPNS_13IZuPeekLoggerE",
    "_ZN13nZuPeekLog21020CZuPeekLoggerManager17PeekProcessEnableEb",
    "_ZN13nZuPeekLog21013CZuPeekLogger20DebugMessageInternalENS_14EZuPeekApiTypeEiPKcP13__va_list_tag",
};

using GetCookieFn = void *(*)(int32_t, int32_t, int32_t, const char *);
using FreeCookieFn = void (*)(void *);
using EndParamsFn = void (*)(void *, int64_t);
using SetValueFn = void (*)(void *, int64_t, const void *, int64_t, int64_t, const char *, int64_t);
using SetFuncReturnFn = void (*)(void *, int64_t, const void *, int64_t, int64_t, const char *, int64_t,
                                 int32_t);
using EndReturnsFn = void (*)(void **, int64_t);
using ModeLocationFn = int32_t *(*)();

// Loader state, shared by every thread without a lock: two threads may both
// load the library, which resolves the same symbols twice.
std::atomic<bool> gLoadAttempted{false};
std::atomic<void *> gHandle{nullptr};
std::atomic<void *> gSymbols[kSymbolCount];
std::atomic<testing::LibraryOpener> gOpener{&dlopen};

std::mutex gModeLookup;
const int32_t kZero = 0;

// The symbol, loading the library first when no load was tried yet.
template <class Fn> Fn Resolve(Symbol symbol) {
  void *address = gSymbols[symbol].load(std::memory_order_acquire);
  if (address == nullptr && gHandle.load(std::memory_order_acquire) == nullptr &&
      !gLoadAttempted.load(std::memory_order_acquire)) {
    LoadTracingLibrary();
    address = gSymbols[symbol].load(std::memory_order_acquire);
  }
  return reinterpret_cast<Fn>(address);
}

} // namespace

namespace detail {

std::atomic<const int32_t *> gModeLocation{nullptr};

const int32_t *FirstModeLookup() {
  std::lock_guard<std::mutex> lock(gModeLookup);
  const int32_t *mode = gModeLocation.load(std::memory_order_acquire);
  if (mode != nullptr) return mode;
  mode = ModeLocation();
  if (mode == nullptr) mode = &kZero;
  gModeLocation.store(mode, std::memory_order_release);
  return mode;
}

} // namespace detail

int LoadTracingLibrary() {
  gLoadAttempted.store(true, std::memory_order_release);
  void *handle = gOpener.load(std::memory_order_acquire)(kLibraryFile, RTLD_NOW);
  if (handle == nullptr) return 0;
  for (int symbol = 0; symbol < kSymbolCount; ++symbol)
    gSymbols[symbol].store(dlsym(handle, kSymbolNames[symbol]), std::memory_order_release);
  gHandle.store(handle, std::memory_order_release);
  return 1;
}

PeekRecord BeginRecord(int32_t functionId, const char *functionName) {
  auto begin = Resolve<GetCookieFn>(kGetCookie);
  return begin != nullptr ? begin(kApiType, functionId, kBeginFlag, functionName) : nullptr;
}

void SetParam(PeekRecord record, int64_t index, const void *address, int64_t elementSize, int64_t totalSize,
              const char *name, int64_t typeCode) {
  if (auto set = Resolve<SetValueFn>(kSetParamElementSize))
    set(record, index, address, elementSize, totalSize, name, typeCode);
}

void EndParams(PeekRecord record, int64_t count) {
  if (auto end = Resolve<EndParamsFn>(kEndParams)) end(record, count);
}

void SetReturn(PeekRecord record, int64_t index, const void *address, int64_t elementSize, int64_t totalSize,
               const char *name, int64_t typeCode) {
  if (auto set = Resolve<SetValueFn>(kSetReturnElementSize))
    set(record, index, address, elementSize, totalSize, name, typeCode);
}

void SetFunctionReturn(PeekRecord record, int64_t index, const int32_t *status, int32_t success) {
  if (auto set = Resolve<SetFuncReturnFn>(kSetFuncReturnElementSize))
    set(record, index, status, sizeof *status, sizeof *status, nullptr, kStatusTypeCode, success);
}

void EndReturns(PeekRecord *record, int64_t count) {
  if (auto end = Resolve<EndReturnsFn>(kEndReturns)) end(record, count);
}

void FreeRecord(PeekRecord record) {
  if (auto release = Resolve<FreeCookieFn>(kFreeCookie)) release(record);
}

const int32_t *ModeLocation() {
  auto location = Resolve<ModeLocationFn>(kModeLocation);
  return location != nullptr ? location() : &kZero;
}

namespace testing {

void ResetLoader(LibraryOpener opener) {
  gOpener.store(opener != nullptr ? opener : &dlopen, std::memory_order_release);
  for (auto &symbol : gSymbols) symbol.store(nullptr, std::memory_order_release);
  gHandle.store(nullptr, std::memory_order_release);
  gLoadAttempted.store(false, std::memory_order_release);
  detail::gModeLocation.store(nullptr, std::memory_order_release);
}

} // namespace testing
} // namespace zutrace
