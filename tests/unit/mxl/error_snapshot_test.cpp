#include <gtest/gtest.h>

#include <thread>

#include "ThreadErrorInfo.h"
#include "platform/IviEngine.h"
#include "redirector/api/ErrorInfoSnapshot.h"

// Restore brings back what Save found, an empty thread included, whatever
// was recorded (even with override) in between.
TEST(ErrorInfoSnapshot, RestoreBringsBackTheSavedErrorOnly) {
  const testsupport::ThreadError saved[] = {{static_cast<ViStatus>(0xBFFA0060), 7, "x"}, {0, 0, ""}};
  for (const testsupport::ThreadError &before : saved) {
    std::thread([&] {
      Ivi_ClearErrorInfo(0);
      if (before.primary != 0) Ivi_SetErrorInfo(0, VI_FALSE, before.primary, before.secondary, "x");
      zuapi::ErrorInfoSnapshot snapshot;
      ASSERT_EQ(snapshot.Save(), 0);
      Ivi_SetErrorInfo(0, VI_TRUE, static_cast<ViStatus>(0xBFFA000A), 0, "Driver Module: libzuvexatov.so.");
      Ivi_SetErrorInfo(0, VI_FALSE, -1, 0, "later");
      ASSERT_EQ(snapshot.Restore(), 0);
      const testsupport::ThreadError now = testsupport::ReadThreadError();
      EXPECT_EQ(now.primary, before.primary);
      EXPECT_EQ(now.secondary, before.secondary);
      EXPECT_EQ(now.elaboration, before.elaboration);
    }).join();
  }
}
