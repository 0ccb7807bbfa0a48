#include "Environment.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace zubench {
namespace {

[[noreturn]] void Fail(const std::string &what) {
  std::fprintf(stderr, "zuvexa_bench: %s\n", what.c_str());
  std::exit(2);
}

template <class Entry> void Resolve(void *module, const char *name, Entry &entry) {
  entry = reinterpret_cast<Entry>(dlsym(module, name));
  if (entry == nullptr) Fail(std::string("the no-op module lacks ") + name);
}

} // namespace

void EnterBenchEnvironment(char **argv) {
  if (std::getenv("ZUBENCH_ENVIRONMENT") != nullptr) return;
  const char *searchPath = std::getenv("LD_LIBRARY_PATH");
  std::string path = std::string(ZUBENCH_MODULE_DIR) + ":" + ZUBENCH_SYSAPI_DIR;
  if (searchPath != nullptr && *searchPath != '\0') path += std::string(":") + searchPath;
  setenv("LD_LIBRARY_PATH", path.c_str(), 1);
  setenv("ZUVEXA_SYSAPI_CONFIG", ZUBENCH_SYSAPI_CONFIG, 1);
  unsetenv("ZUVEXA_IVI_CONFIG");
  setenv("ZUBENCH_ENVIRONMENT", "1", 1);
  execv("/proc/self/exe", argv);
  Fail("cannot restart itself");
}

ViSession OpenBenchSession() {
  ViSession vi = 0;
  const ViStatus status = zuVEXA_InitWithOptions(kResource, VI_FALSE, VI_FALSE, kOptions, &vi);
  if (status != VI_SUCCESS) {
    char text[1024] = "";
    zuVEXA_GetErrorMessage(0, status, sizeof text, text);
    Fail("opening " + std::string(kResource) + " failed: " + std::to_string(status) + " " + text);
  }
  return vi;
}

ViSession OpenServerSession() {
  ViSession vi = 0;
  const ViStatus status = InitializeSessionForServer(kResource, VI_FALSE, VI_FALSE, kOptions, nullptr, &vi);
  if (status != VI_SUCCESS)
    Fail("InitializeSessionForServer(" + std::string(kResource) + ") failed: " + std::to_string(status));
  return vi;
}

ViSession MainSession() {
  static const ViSession vi = OpenBenchSession();
  return vi;
}

const DirectEntries &Direct() {
  static const DirectEntries entries = [] {
    MainSession(); // the library has loaded the module by now
    void *module = dlopen("libzuvexatov.so", RTLD_NOW | RTLD_NOLOAD);
    if (module == nullptr || dlsym(module, "zuvexa_bench_noop_module") == nullptr)
      Fail("the library did not load the no-op module (bench-modules first in LD_LIBRARY_PATH?)");
    DirectEntries direct{};
    Resolve(module, "zuVEXAtov_InitWithOptions3", direct.init);
    Resolve(module, "zuVEXAtov_close", direct.close);
    Resolve(module, "zuVEXAtov_Commit", direct.commit);
    Resolve(module, "zuVEXAtov_FetchIQSingleRecordComplexF64", direct.fetchF64);
    return direct;
  }();
  return entries;
}

} // namespace zubench
