#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "redirector/api/SessionIndex.h"
#include "redirector/api/TestSeam.h"

using namespace zuapi;

namespace {

const zumodules::EntryPointTable *TableFor(ViSession handle) {
  return reinterpret_cast<const zumodules::EntryPointTable *>(uintptr_t{handle} * 16);
}

std::string DescriptorFor(ViSession handle) { return "PXI" + std::to_string(handle) + "Slot"; }

void ExpectSameAs(const SessionIndex &index, const std::map<ViSession, uint32_t> &model,
                  ViSession largestHandle) {
  for (ViSession handle = 1; handle <= largestHandle; ++handle) {
    IndexedSession session;
    char descriptor[kDescriptorSize];
    auto found = model.find(handle);
    if (found == model.end()) {
      ASSERT_EQ(index.Find(handle, session), SessionIndex::Lookup::kAbsent) << handle;
      ASSERT_EQ(index.FindDescriptor(handle, descriptor), SessionIndex::Lookup::kAbsent) << handle;
      continue;
    }
    ASSERT_EQ(index.Find(handle, session), SessionIndex::Lookup::kFound) << handle;
    EXPECT_EQ(session.kind, found->second);
    EXPECT_EQ(session.table, TableFor(handle));
    ASSERT_EQ(index.FindDescriptor(handle, descriptor), SessionIndex::Lookup::kFound);
    EXPECT_EQ(descriptor, DescriptorFor(handle));
  }
}

} // namespace

// Crowded probe runs: removals shift colliding sessions, arrays grow, descriptor cells are reused.
TEST(SessionIndex, AgreesWithAMapThroughAddsRemovesAndGrowth) {
  SessionIndex index;
  std::map<ViSession, uint32_t> model;
  constexpr ViSession kLargest = 300;
  ExpectSameAs(index, model, 5); // never used
  EXPECT_FALSE(index.Remove(7));
  std::mt19937 random(12345);
  for (int step = 0; step < 3000; ++step) {
    const ViSession handle = 1 + random() % kLargest;
    if (model.count(handle) != 0) {
      ASSERT_TRUE(index.Remove(handle));
      model.erase(handle);
    } else {
      ASSERT_FALSE(index.Contains(handle));
      index.Reserve();
      const uint32_t kind = handle % 3;
      index.Insert(handle, {kind, TableFor(handle)}, DescriptorFor(handle).c_str());
      model.emplace(handle, kind);
    }
    if (step % 97 == 0) ExpectSameAs(index, model, kLargest + 5);
  }
  ExpectSameAs(index, model, kLargest + 5);
  IndexedSession session;
  EXPECT_EQ(index.Find(0, session), SessionIndex::Lookup::kAbsent) << "0 is never a session";
  for (auto [handle, kind] : model) ASSERT_TRUE(index.Remove(handle));
  EXPECT_FALSE(index.Remove(1)) << "removing from an empty index";
  ExpectSameAs(index, {}, kLargest + 5);
}

namespace {

// What lookups of one handle return while a writer is held in the middle of its change.
struct LookupsDuringWrite {
  static inline const SessionIndex *index = nullptr;
  static inline ViSession handle = 0;
  static inline std::vector<SessionIndex::Lookup> seen;

  static void Look(seam::Point point) {
    if (point != seam::Point::kIndexWriting) return;
    IndexedSession session;
    char descriptor[kDescriptorSize];
    seen.push_back(index->Find(handle, session));
    seen.push_back(index->FindDescriptor(handle, descriptor));
  }
};

} // namespace

// A lookup never answers from a half-made change: while a writer is at work it
// reports busy, for the handle being added and for the one being removed.
TEST(SessionIndex, LookupsDuringAWriteReportBusy) {
  SessionIndex index;
  index.Reserve();
  index.Insert(3, {1, TableFor(3)}, DescriptorFor(3).c_str());
  LookupsDuringWrite::index = &index;
  seam::hook = &LookupsDuringWrite::Look;
  for (ViSession handle : {ViSession{7}, ViSession{3}}) {
    LookupsDuringWrite::handle = handle;
    LookupsDuringWrite::seen.clear();
    if (handle == 7) {
      index.Reserve();
      index.Insert(7, {2, TableFor(7)}, DescriptorFor(7).c_str());
    } else {
      index.Remove(3);
    }
    EXPECT_EQ(LookupsDuringWrite::seen, std::vector<SessionIndex::Lookup>(2, SessionIndex::Lookup::kBusy))
        << "handle " << handle;
  }
  seam::hook = nullptr;
  ExpectSameAs(index, {{7, 2}}, 8);
}
