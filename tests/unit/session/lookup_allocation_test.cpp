// Lookups by handle and the forwarded call allocate nothing: operator new is
// replaced in this program to count.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "ivi_standin.h"
#include "redirector/api/CallFrame.h"

namespace {
std::atomic<long> gNews{0};
}

void *operator new(size_t size) {
  gNews.fetch_add(1, std::memory_order_relaxed);
  if (void *memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void *memory) noexcept { std::free(memory); }
void operator delete(void *memory, size_t) noexcept { std::free(memory); }

using namespace zuapi;

TEST(LookupAllocations, ForwardingAndLookingUpAllocateNothing) {
  IviStandin_Reset();
  ViSession vi = 0;
  ASSERT_EQ(IviStandin_CreateSession("PXI1Slot4", VI_FALSE, &vi), 0);
  zumodules::EntryPointTable table;
  table.kind = zumodules::kTov;
  table.slots.Commit = [](ViSession) { return ViStatus{0}; };
  ASSERT_EQ(Sessions().AddSession(vi, L"allocation-device", kNormal, &table), 0);

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
  EXPECT_EQ(gNews.load(), before);
  EXPECT_EQ(kind, kNormal);
  EXPECT_STREQ(descriptor, "PXI1Slot4");
  EXPECT_GT(gNews.load(), 0) << "the counter counts";
  EXPECT_EQ(Sessions().RemoveSession(vi), 0);
}
