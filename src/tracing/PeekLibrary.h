// The optional call-tracing library: loaded once, lazily, on the first
// shim call that needs it, and never again whatever the outcome. Each shim
// forwards to the library's symbol; a symbol the library lacks makes its
// shim do nothing (begin returns null, the mode location a static zero).
#pragma once

#include <atomic>
#include <cstdint>

namespace zutrace {

using PeekRecord = void *;

namespace detail {
// The mode integer's location, kept by the enabled check's first call.
extern std::atomic<const int32_t *> gModeLocation;
const int32_t *FirstModeLookup();
} // namespace detail

// The enabled check: the mode integer the library exposes, looked up once,
// read afresh on every call so the tool can switch tracing on and off.
// Without the library it reads a static zero.
inline bool TracingEnabled() {
  const int32_t *mode = detail::gModeLocation.load(std::memory_order_acquire);
  if (mode == nullptr) [[unlikely]]
    mode = detail::FirstModeLookup();
  return __atomic_load_n(mode, __ATOMIC_RELAXED) != 0;
}

// Shims. Sizes, indices, counts and type codes travel as 64-bit values.
PeekRecord BeginRecord(int32_t functionId, const char *functionName);
void SetParam(PeekRecord record, int64_t index, const void *address, int64_t elementSize, int64_t totalSize,
              const char *name, int64_t typeCode);
void EndParams(PeekRecord record, int64_t count);
void SetReturn(PeekRecord record, int64_t index, const void *address, int64_t elementSize, int64_t totalSize,
               const char *name, int64_t typeCode);
void SetFunctionReturn(PeekRecord record, int64_t index, const int32_t *status, int32_t success);
void EndReturns(PeekRecord *record, int64_t count);
void FreeRecord(PeekRecord record);
const int32_t *ModeLocation();

// Loads the library and resolves its symbols; 1 when it was opened.
int LoadTracingLibrary();

namespace testing {
// Replaces dlopen for the next load (nullptr restores it) and forgets the
// library, its symbols and the kept mode location, so a test can load again.
using LibraryOpener = void *(*)(const char *file, int flags);
void ResetLoader(LibraryOpener opener);
} // namespace testing

} // namespace zutrace
