// Without libzusysapi.so every lookup that needs the system configuration
// library fails with the library's generic failure value.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "DeviceTestSupport.h"

namespace {

void ExpectMissingLibrary(const devtest::Resolution &result) {
  EXPECT_EQ(result.status, devtest::kSystemApiError);
  devtest::ThreadError error = devtest::ReadThreadError();
  EXPECT_EQ(error.primary, devtest::kSystemApiError);
  EXPECT_EQ(error.elaboration, "Unexpected ZU System API Error: -2147467259.");
}

TEST(MissingSystemLibrary, EveryLookupThatNeedsItFails) {
  ASSERT_EQ(dlopen("libzusysapi.so", RTLD_NOW | RTLD_NOLOAD), nullptr);
  Ivi_ClearErrorInfo(0);
  ExpectMissingLibrary(devtest::ResolveInProcess("PXI1Slot4"));
  Ivi_ClearErrorInfo(0);
  ExpectMissingLibrary(devtest::ResolveInProcess("PXI1Slot4")); // tried again, fails again
  Ivi_ClearErrorInfo(0);
  ExpectMissingLibrary(devtest::ResolveInProcess("PXI1Slot4", "Simulate=1,DriverSetup=Model:Q101"));
  EXPECT_EQ(dvlShared::DeviceStore().Count(), 0u);
}

} // namespace
