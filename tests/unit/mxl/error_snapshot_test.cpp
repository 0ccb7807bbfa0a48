#include <gtest/gtest.h>

#include <thread>

#include "ThreadErrorInfo.h"
#include "platform/IviEngine.h"
#include "redirector/api/ErrorInfoSnapshot.h"

namespace {

using testsupport::ReadThreadError;
using testsupport::ThreadError;

constexpr ViStatus kFirst = static_cast<ViStatus>(0xBFFA0060);
constexpr ViStatus kLater = static_cast<ViStatus>(0xBFFA000A);

} // namespace

TEST(ErrorInfoSnapshot, RestoreBringsBackTheSavedErrorOnly) {
  std::thread([] {
    Ivi_ClearErrorInfo(0);
    Ivi_SetErrorInfo(0, VI_FALSE, kFirst, 7, "x");
    zuapi::ErrorInfoSnapshot snapshot;
    ASSERT_EQ(snapshot.Save(), 0);
    EXPECT_EQ(snapshot.primary, kFirst);
    EXPECT_STREQ(snapshot.elaboration, "x");

    Ivi_SetErrorInfo(0, VI_TRUE, kLater, 0, "Driver Module: libzuvexatov.so.");
    Ivi_SetErrorInfo(0, VI_FALSE, -1, 0, "later");
    ASSERT_EQ(snapshot.Restore(), 0);

    ThreadError now = ReadThreadError();
    EXPECT_EQ(now.primary, kFirst);
    EXPECT_EQ(now.secondary, 7);
    EXPECT_EQ(now.elaboration, "x");
  }).join();
}

TEST(ErrorInfoSnapshot, EmptySnapshotRestoresACleanThread) {
  std::thread([] {
    Ivi_ClearErrorInfo(0);
    zuapi::ErrorInfoSnapshot snapshot;
    ASSERT_EQ(snapshot.Save(), 0);
    Ivi_SetErrorInfo(0, VI_FALSE, kLater, 0, "attempt failed");
    snapshot.Restore();
    ThreadError now = ReadThreadError();
    EXPECT_EQ(now.primary, 0);
    EXPECT_EQ(now.elaboration, "");
  }).join();
}
