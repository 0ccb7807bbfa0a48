// Loads libzuvexa.so with the dynamic loader, the way an application or a
// graphical environment does, opens a simulated session and closes it.
#include <dlfcn.h>

#include <cstdio>

#include "zuVEXAtypes.h"

namespace {

using InitWithOptionsFn = ViStatus (*)(ViConstString, ViBoolean, ViBoolean, ViConstString, ViSession *);
using CloseFn = ViStatus (*)(ViSession);

template <class Fn> Fn Find(void *library, const char *name) {
  auto fn = reinterpret_cast<Fn>(dlsym(library, name));
  if (fn == nullptr) std::fprintf(stderr, "%s is not exported\n", name);
  return fn;
}

} // namespace

int main(int argc, char **argv) {
  const char *options = argc > 1 ? argv[1] : "Simulate=1,DriverSetup=Model:Q118";
  void *library = dlopen("libzuvexa.so", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "cannot load libzuvexa.so: %s\n", dlerror());
    return 1;
  }
  auto open = Find<InitWithOptionsFn>(library, "zuVEXA_InitWithOptions");
  auto close = Find<CloseFn>(library, "zuVEXA_close");
  if (open == nullptr || close == nullptr) return 1;

  ViSession vi = 0;
  ViStatus status = open("", VI_FALSE, VI_FALSE, options, &vi);
  std::printf("open with \"%s\": status 0x%08X, session %u\n", options, unsigned(status), vi);
  if (status < 0) return 1;
  status = close(vi);
  std::printf("close: status 0x%08X\n", unsigned(status));
  dlclose(library);
  return status < 0 ? 1 : 0;
}
