#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "ivi_standin.h"
#include "platform/IviEngine.h"
#include "redirector/api/CallFrame.h"
#include "redirector/api/InterchangeWarnings.h"
#include "status/StatusCodes.h"

using namespace zuapi;

// Counts every operator new: lookups by handle and forwarded calls allocate nothing.
namespace {
std::atomic<long> gNews{0};
}
void *operator new(size_t size) {
  gNews.fetch_add(1, std::memory_order_relaxed);
  if (void *memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void *operator new(size_t size, const std::nothrow_t &) noexcept {
  gNews.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size == 0 ? 1 : size);
}
void operator delete(void *memory) noexcept { std::free(memory); }
void operator delete(void *memory, size_t) noexcept { std::free(memory); }

namespace {

constexpr ViStatus kWarning = 0x3FFA0001;
constexpr ViStatus kBackendError = static_cast<ViStatus>(0xBFFA2000);

ViStatus gCommitResult = 0;
ViStatus FakeCommit(ViSession) { return gCommitResult; }

ViInt32 PrimaryError(ViSession vi) {
  ViInt32 primary = 0;
  Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_PRIMARY_ERROR, 0, &primary);
  return primary;
}

class CallFrameTest : public ::testing::Test {
protected:
  void SetUp() override {
    IviStandin_Reset();
    ASSERT_EQ(IviStandin_CreateSession("PXI1Slot3", VI_FALSE, &vi), 0);
    table.kind = zumodules::kTov;
    table.slots.Commit = &FakeCommit;
    ASSERT_EQ(Sessions().AddSession(vi, L"frame-device", kNormal, &table), 0);
    gCommitResult = 0;
  }
  void TearDown() override { Sessions().RemoveSession(vi); }

  ViStatus Commit() {
    return Forward<&zumodules::EntryPointSlots::Commit, zutrace::sites::zuVEXA_Commit>(vi);
  }

  ViSession vi = 0;
  zumodules::EntryPointTable table;
};

} // namespace

TEST(MergeStatus, FirstWarningKeptErrorWins) {
  IviStandin_Reset();
  ViStatus status = 0;
  EXPECT_EQ(MergeStatus(status, 0, 0), 0);
  EXPECT_EQ(IviStandin_CallCount("Ivi_SetErrorInfo"), 0) << "a zero step is not recorded";
  for (auto [step, merged] :
       {std::pair{kWarning, kWarning}, {kWarning + 1, kWarning}, {kBackendError, kBackendError}})
    EXPECT_EQ(MergeStatus(status, 0, step), merged);
  EXPECT_EQ(IviStandin_CallCount("Ivi_SetErrorInfo"), 3);
}

// Arguments, returned statuses and unknown sessions are covered end to end.
TEST_F(CallFrameTest, BackendStatusesAreRecordedForTheSession) {
  for (ViStatus result : {kWarning, kBackendError}) EXPECT_EQ((gCommitResult = result, Commit()), result);
  EXPECT_EQ(PrimaryError(vi), kBackendError);
}

TEST_F(CallFrameTest, MissingEntryDependsOnModuleKind) {
  table.slots.Commit = nullptr;
  EXPECT_EQ(Commit(), ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED);
  table.kind = zumodules::kVey;
  EXPECT_EQ(ForwardUntraced<&zumodules::EntryPointSlots::Commit>(vi),
            ZUVEXA_ERROR_VEY_FUNCTION_NOT_SUPPORTED);
  EXPECT_EQ(PrimaryError(vi), ZUVEXA_ERROR_FUNCTION_NOT_SUPPORTED) << "the session keeps its first error";
}

TEST_F(CallFrameTest, ForwardingAndLookingUpAllocateNothingAndWarningsJoinAndWaitForATracedFrame) {
  const long before = gNews.load();
  const zumodules::EntryPointTable *found = nullptr;
  SessionKind kind = kExternalAlignment;
  char descriptor[64];
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(ForwardUntraced<&zumodules::EntryPointSlots::Commit>(vi), 0);
    EXPECT_EQ(Sessions().FindTable(vi, found), 0);
    EXPECT_EQ(Sessions().FindSessionKind(vi, kind), 0);
    EXPECT_EQ(Sessions().FindResourceDescriptor(vi, descriptor, sizeof descriptor), 0);
  }
  EXPECT_EQ(std::tuple(gNews.load(), kind, std::string(descriptor)),
            std::tuple(before, kNormal, "PXI1Slot3"));
  EXPECT_GT(gNews.load(), 0) << "the counter counts";
  const char *none = CollectInterchangeWarnings(vi);
  EXPECT_STREQ(none, "\r\n\r\n");
  ReleaseInterchangeWarnings(none);
  IviStandin_QueueInterchangeWarning(vi, "pending");
  EXPECT_EQ(Commit(), 0);
  const char *pending = CollectInterchangeWarnings(vi);
  EXPECT_STREQ(pending, "pending\r\n\r\n\r\n\r\n") << "warnings stay pending while tracing is off";
  ReleaseInterchangeWarnings(pending);

  for (int i = 0; i < 130; ++i) IviStandin_QueueInterchangeWarning(vi, ("w" + std::to_string(i)).c_str());
  const char *many = CollectInterchangeWarnings(vi);
  const std::string text = many;
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

TEST_F(CallFrameTest, InterchangeWarningsOutOfMemoryGivesTheFixedText) {
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
