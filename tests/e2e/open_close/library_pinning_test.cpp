// The library keeps itself loaded once it has loaded a backend module, and does so through the file it was
// loaded from. The program loads a copy of the library from a folder of its own, as an installed runtime
// (soname only) would be loaded, while another "libzuvexa.so" is on the search path.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "zuVEXA.h"

namespace {

namespace fs = std::filesystem;

using InitFunction = ViStatus (*)(ViRsrc, ViBoolean, ViBoolean, ViConstString, ViSession *);
using CloseFunction = ViStatus (*)(ViSession);

fs::path CopyOfLibrary() {
  fs::path folder = fs::temp_directory_path() / ("zuvexa-pin-" + std::to_string(getpid()));
  fs::create_directories(folder);
  fs::path copy = folder / "libzuvexa.so.0";
  fs::copy_file(ZU_TEST_LIBRARY, copy, fs::copy_options::overwrite_existing);
  return copy;
}

TEST(LibraryPinning, AModuleLoadPinsTheFileTheLibraryCameFrom) {
  setenv("ZUVEXA_SYSAPI_CONFIG", ZU_TEST_SYSAPI_CONFIG, 1);
  const fs::path copy = CopyOfLibrary();
  void *library = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  auto init = reinterpret_cast<InitFunction>(dlsym(library, "zuVEXA_InitWithOptions"));
  auto close = reinterpret_cast<CloseFunction>(dlsym(library, "zuVEXA_close"));
  ASSERT_TRUE(init != nullptr && close != nullptr);

  ViSession vi = 0;
  // The demo system configuration's simulated analyzer.
  ASSERT_EQ(
      init(const_cast<ViRsrc>("Analyzer1"), VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &vi),
      VI_SUCCESS);
  EXPECT_EQ(close(vi), VI_SUCCESS);

  EXPECT_EQ(dlopen("libzuvexa.so", RTLD_NOW | RTLD_NOLOAD), nullptr)
      << "a second copy of the library was loaded";
  dlclose(library);
  void *still = dlopen(copy.c_str(), RTLD_NOW | RTLD_NOLOAD);
  EXPECT_NE(still, nullptr) << "the library was unloaded under its modules";
  fs::remove_all(copy.parent_path());
}

} // namespace
