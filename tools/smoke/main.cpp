// Loads libzuvexa.so with the dynamic loader, the way an application or a
// graphical environment does, and reports what it exports.
#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char **argv) {
  const char *path = argc > 1 ? argv[1] : "libzuvexa.so";
  void *library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
    return 1;
  }
  Dl_info info{};
  void *anchor = dlsym(library, "zuVEXA_init");
  std::printf("loaded %s\n", path);
  if (anchor != nullptr && dladdr(anchor, &info) != 0)
    std::printf("zuVEXA_init found in %s\n", info.dli_fname);
  else
    std::printf("zuVEXA_init is not exported yet\n");
  if (dlclose(library) != 0) {
    std::fprintf(stderr, "cannot unload %s: %s\n", path, dlerror());
    return 1;
  }
  std::printf("unloaded cleanly\n");
  return 0;
}
