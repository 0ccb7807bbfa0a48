#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "ivi_standin.h"
#include "redirector/api/CallFrame.h"
#include "redirector/api/InterchangeWarnings.h"
#include "redirector/api/IviEngine.h"

using namespace zuapi;

namespace {

constexpr zutrace::CallSite kCommitSite{9, "zuVEXA_Commit"};
constexpr ViStatus kWarning = 0x3FFA0001;
constexpr ViStatus kBackendError = static_cast<ViStatus>(0xBFFA2000);

ViStatus gCommitResult = 0;
int gCommitCalls = 0;
ViSession gCommitVi = 0;
ViStatus FakeCommit(ViSession vi) {
  ++gCommitCalls;
  gCommitVi = vi;
  return gCommitResult;
}

struct Configured {
  ViConstString channel = nullptr;
  ViReal64 frequency = 0;
};
Configured gConfigured;
ViStatus FakeConfigure(ViSession, ViConstString channel, ViReal64 frequency) {
  gConfigured = {channel, frequency};
  return 0;
}

ViInt32 ThreadPrimaryError() {
  ViInt32 primary = 0;
  Ivi_GetAttributeViInt32(0, "", IVI_ATTR_PRIMARY_ERROR, 0, &primary);
  return primary;
}

class CallFrameTest : public ::testing::Test {
protected:
  void SetUp() override {
    IviStandin_Reset();
    ASSERT_EQ(IviStandin_CreateSession("PXI1Slot3", VI_FALSE, &vi), 0);
    table.kind = zumodules::kTov;
    table.slots.Commit = &FakeCommit;
    table.slots.ConfigureIQCarrierFrequency = &FakeConfigure;
    ASSERT_EQ(Sessions().AddSession(vi, L"frame-device", kNormal, &table), 0);
    gCommitResult = 0;
    gCommitCalls = 0;
  }
  void TearDown() override { Sessions().RemoveSession(vi); }

  ViStatus Commit() { return Forward<&zumodules::EntryPointSlots::Commit>(kCommitSite, vi); }

  ViSession vi = 0;
  zumodules::EntryPointTable table;
};

} // namespace

TEST(MergeStatus, FirstWarningKeptErrorWins) {
  IviStandin_Reset();
  ViStatus status = 0;
  EXPECT_EQ(MergeStatus(status, 0, 0), 0);
  EXPECT_EQ(IviStandin_CallCount("Ivi_SetErrorInfo"), 0) << "a zero step is not recorded";
  EXPECT_EQ(MergeStatus(status, 0, kWarning), kWarning);
  EXPECT_EQ(MergeStatus(status, 0, kWarning + 1), kWarning);
  EXPECT_EQ(MergeStatus(status, 0, kBackendError), kBackendError);
  EXPECT_EQ(IviStandin_CallCount("Ivi_SetErrorInfo"), 3);
}

TEST_F(CallFrameTest, ForwardsArgumentsUnchanged) {
  const char *channel = "channel-0";
  constexpr zutrace::CallSite site{30, "zuVEXA_ConfigureIQCarrierFrequency"};
  EXPECT_EQ((Forward<&zumodules::EntryPointSlots::ConfigureIQCarrierFrequency>(site, vi, channel,
                                                                                2.4e9)),
            0);
  EXPECT_EQ(gConfigured.channel, channel) << "the caller's pointer itself is passed on";
  EXPECT_EQ(gConfigured.frequency, 2.4e9);
}

TEST_F(CallFrameTest, BackendStatusesComeBackAndAreRecorded) {
  gCommitResult = kWarning;
  EXPECT_EQ(Commit(), kWarning);
  gCommitResult = kBackendError;
  EXPECT_EQ(Commit(), kBackendError);
  EXPECT_EQ(gCommitVi, vi);
  ViInt32 primary = 0;
  Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_PRIMARY_ERROR, 0, &primary);
  EXPECT_EQ(primary, kBackendError);
}

TEST_F(CallFrameTest, UnknownSessionStopsBeforeTheModule) {
  std::thread([&] {
    EXPECT_EQ(Forward<&zumodules::EntryPointSlots::Commit>(kCommitSite, 0), kErrorUnknownSession);
    EXPECT_EQ(ThreadPrimaryError(), kErrorUnknownSession);
  }).join();
  EXPECT_EQ(gCommitCalls, 0);
}

TEST_F(CallFrameTest, MissingEntryDependsOnModuleKind) {
  table.slots.Commit = nullptr;
  EXPECT_EQ(Commit(), zumodules::kErrorEntryMissing);
  table.kind = zumodules::kVey;
  EXPECT_EQ(ForwardUntraced<&zumodules::EntryPointSlots::Commit>(vi), zumodules::kErrorVeyEntryMissing);
  ViInt32 primary = 0;
  Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_PRIMARY_ERROR, 0, &primary);
  EXPECT_EQ(primary, zumodules::kErrorEntryMissing) << "the session keeps its first error";
}

TEST_F(CallFrameTest, UntracedFrameTakesNoWarnings) {
  IviStandin_QueueInterchangeWarning(vi, "pending");
  EXPECT_EQ(Commit(), 0);
  const char *text = CollectInterchangeWarnings(vi);
  EXPECT_STREQ(text, "pending\r\n\r\n\r\n\r\n") << "warnings stay pending while tracing is off";
  ReleaseInterchangeWarnings(text);
}

TEST(InterchangeWarnings, JoinsEveryWarningThenTheEmptyEnd) {
  IviStandin_Reset();
  ViSession vi = 0;
  ASSERT_EQ(IviStandin_CreateSession("dev", VI_FALSE, &vi), 0);
  const char *none = CollectInterchangeWarnings(vi);
  EXPECT_STREQ(none, "\r\n\r\n");
  ReleaseInterchangeWarnings(none);

  for (int i = 0; i < 130; ++i) IviStandin_QueueInterchangeWarning(vi, ("w" + std::to_string(i)).c_str());
  const char *many = CollectInterchangeWarnings(vi);
  std::string text = many;
  ReleaseInterchangeWarnings(many);
  EXPECT_EQ(text.rfind("w127\r\n\r\n"), text.size() - 8) << "at most 128 warnings per call";
  EXPECT_EQ(text.find("w128"), std::string::npos);
}

namespace {
int gAllocations = 0;
int gFailAt = 0;
void *FailingCalloc(size_t count, size_t size) {
  return ++gAllocations == gFailAt ? nullptr : std::calloc(count, size);
}
} // namespace

TEST(InterchangeWarnings, OutOfMemoryGivesTheFixedText) {
  IviStandin_Reset();
  ViSession vi = 0;
  ASSERT_EQ(IviStandin_CreateSession("dev", VI_FALSE, &vi), 0);
  IviStandin_QueueInterchangeWarning(vi, "first");
  IviStandin_QueueInterchangeWarning(vi, "second");
  ZeroedAllocator previous = SetWarningsAllocator(&FailingCalloc);

  gAllocations = 0;
  gFailAt = 2; // the second warning's buffer
  const char *partial = CollectInterchangeWarnings(vi);
  EXPECT_STREQ(partial, "first\r\n\r\nNot enough memory to return all interchange warnings.\r\n\r\n");
  ReleaseInterchangeWarnings(partial);

  gAllocations = 0;
  gFailAt = 3; // the joined text (one warning left, then the empty end)
  const char *fixed = CollectInterchangeWarnings(vi);
  EXPECT_EQ(fixed, kWarningsOutOfMemory);
  ReleaseInterchangeWarnings(fixed); // must not free the fixed text
  SetWarningsAllocator(previous);
}
