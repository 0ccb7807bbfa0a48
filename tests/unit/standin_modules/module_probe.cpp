// Opens a module by bare file name, as the library does, and reports whether
// it exports a symbol: exit 0 yes, 1 no, 2 the module was not found. Run with
// LD_LIBRARY_PATH naming the module set to probe.
#include <dlfcn.h>

int main(int argc, char **argv) {
  if (argc != 3)
    return 3;
  void *module = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr)
    return 2;
  return dlsym(module, argv[2]) != nullptr ? 0 : 1;
}
