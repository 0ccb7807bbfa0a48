// Replaces the global allocation functions and, through the linker's
// --wrap=malloc/calloc/realloc, the malloc family of the statically linked
// code; both count for the armed thread and fail its n-th request.
#include "AllocationInjector.h"

#include <dlfcn.h>
#include <execinfo.h>

#include <cstdlib>
#include <cstring>
#include <new>

extern "C" {
void *__real_malloc(size_t size);
void *__real_calloc(size_t count, size_t size);
void *__real_realloc(void *memory, size_t size);
}

namespace allocfail {
namespace {

struct ThreadState {
  bool armed = false;
  uint64_t count = 0, failAt = 0;
  bool injected = false, byPlatform = false;
};
thread_local ThreadState t;

// The shared libraries that stand in for the platform's components.
constexpr const char *kPlatformLibraries[] = {
    "/libivi.so",       "/libzusysapi.so",  "/libzuvexa_backend_sim.so", "/libzuvexaka.so",
    "/libzuvexalem.so", "/libzuvexavey.so", "/libzuvexatov.so",          "/libzuvexapil.so"};

// Whether a frame of the calling stack lies in a platform stand-in.
bool CalledByPlatform() {
  void *frames[64];
  const int depth = backtrace(frames, 64);
  for (int i = 0; i < depth; ++i) {
    Dl_info info;
    if (dladdr(frames[i], &info) == 0 || info.dli_fname == nullptr) continue;
    for (const char *library : kPlatformLibraries)
      if (std::strstr(info.dli_fname, library) != nullptr) return true;
  }
  return false;
}

// True when this request is the one to fail.
bool FailsNow() {
  if (!t.armed || ++t.count != t.failAt) return false;
  t.armed = false; // the stack walk may allocate
  t.byPlatform = CalledByPlatform();
  t.armed = t.injected = true;
  return true;
}

void *Allocate(size_t size) { return FailsNow() ? nullptr : __real_malloc(size == 0 ? 1 : size); }

void *AllocateAligned(size_t size, std::align_val_t alignment) {
  if (FailsNow()) return nullptr;
  const auto align = static_cast<size_t>(alignment);
  return std::aligned_alloc(align, (size + align - 1) / align * align);
}

} // namespace

void FailNth(uint64_t n) { t = {true, 0, n, false, false}; }

Outcome Disarm() {
  t.armed = false;
  return {t.count, t.injected, t.byPlatform};
}

} // namespace allocfail

// Visible: the linker checks them against the shared libraries' references.
#define INJECTOR_VISIBLE __attribute__((visibility("default")))

extern "C" {
INJECTOR_VISIBLE void *__wrap_malloc(size_t size) {
  return allocfail::FailsNow() ? nullptr : __real_malloc(size);
}
INJECTOR_VISIBLE void *__wrap_calloc(size_t count, size_t size) {
  return allocfail::FailsNow() ? nullptr : __real_calloc(count, size);
}
INJECTOR_VISIBLE void *__wrap_realloc(void *memory, size_t size) {
  return allocfail::FailsNow() ? nullptr : __real_realloc(memory, size);
}
}

void *operator new(size_t size) {
  if (void *memory = allocfail::Allocate(size)) return memory;
  throw std::bad_alloc();
}
void *operator new[](size_t size) { return operator new(size); }
void *operator new(size_t size, const std::nothrow_t &) noexcept { return allocfail::Allocate(size); }
void *operator new[](size_t size, const std::nothrow_t &) noexcept { return allocfail::Allocate(size); }
void *operator new(size_t size, std::align_val_t alignment) {
  if (void *memory = allocfail::AllocateAligned(size, alignment)) return memory;
  throw std::bad_alloc();
}
void *operator new[](size_t size, std::align_val_t alignment) { return operator new(size, alignment); }

void operator delete(void *memory) noexcept { std::free(memory); }
void operator delete[](void *memory) noexcept { std::free(memory); }
void operator delete(void *memory, size_t) noexcept { std::free(memory); }
void operator delete[](void *memory, size_t) noexcept { std::free(memory); }
void operator delete(void *memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete[](void *memory, std::align_val_t) noexcept { std::free(memory); }
void operator delete(void *memory, size_t, std::align_val_t) noexcept { std::free(memory); }
void operator delete[](void *memory, size_t, std::align_val_t) noexcept { std::free(memory); }
