// Shared helpers: the module libraries opened by path, entry points resolved
// with the entry-point table's own signatures, and a clean simulator and IVI
// engine for every case.
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "backend_standin.h"
#include "ivi_standin.h"
#include "redirector/modules/EntryPointTable.h"

namespace standin_test {

using Slots = zumodules::EntryPointSlots;

inline constexpr ViUInt32 kKa = 1, kLem = 2, kVey = 4, kTov = 5, kPil = 6;
inline constexpr ViStatus kInvalidArgument = BACKENDSTANDIN_ERROR_INVALID_ARGUMENT;
inline constexpr ViStatus kInvalidSession = BACKENDSTANDIN_ERROR_INVALID_SESSION;

// A module library of the full set (it stays open for the process).
inline void *OpenModule(const std::string &file) {
  return dlopen((ZU_TEST_MODULES_DIR "/" + file).c_str(), RTLD_NOW | RTLD_LOCAL);
}

// The export `name` of `module`, typed as the entry-point table slot `Member`.
template <auto Member> auto Resolve(void *module, const char *name) {
  using Entry = std::remove_reference_t<decltype(std::declval<Slots &>().*Member)>;
  return reinterpret_cast<Entry>(dlsym(module, name));
}

inline ViStatus FakeCloseCallback(ViSession) { return 0x3FFA0001; }

class StandinModuleTest : public ::testing::Test {
protected:
  void SetUp() override {
    IviStandin_Reset();
    BackendStandin_Reset();
    ka_ = OpenModule("libzuvexaka.so");
    ASSERT_NE(ka_, nullptr) << dlerror();
  }

  // A ka session opened through the module's InitWithOptions.
  ViSession OpenKaSession(const char *options = "") {
    auto init = Resolve<&Slots::InitWithOptions_kaVey>(ka_, "zuVEXAka_InitWithOptions");
    ViSession vi = 0;
    EXPECT_EQ(init("PXI1Slot2", VI_FALSE, VI_FALSE, options, FakeCloseCallback, &vi), VI_SUCCESS);
    return vi;
  }

  void *ka_ = nullptr;
};

} // namespace standin_test
