#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "status/Status.h"
#include "zuapal/zuapalerr.h"

namespace {

using zuerr::Status;

bool RefuseGrowth(Status &status, uint32_t newCapacity) {
  return newCapacity == 0 ? zuerr::DefaultReallocateJson(status, 0) : false;
}

TEST(StatusLocation, ErrorGetsItsLocationTextInABufferLargeEnoughOrOnlyItsCode) {
  Status status;
  bool complete = false;
  const zuerr::SourceLocation location{"src/a.cpp", 42, "zuvexa", "zuapalerr_memoryFull"};
  EXPECT_TRUE(zuerr::SetCodeWithLocation(status, zuapalerr_memoryFull, location, &complete));
  EXPECT_TRUE(complete);
  EXPECT_EQ(status.capacity, 512u);
  EXPECT_EQ(status.json[511], 'J');
  EXPECT_STREQ(
      status.json,
      R"({"error_constant":"zuapalerr_memoryFull","file":"src/a.cpp","line":42,"component":"zuvexa"})");

  Status longPath;
  const std::string file(1500, 'f');
  zuerr::SetCodeWithLocation(longPath, -1, {file.c_str(), 1, nullptr, "c"}, &complete);
  EXPECT_TRUE(complete);
  EXPECT_EQ(longPath.capacity, 2048u);
  EXPECT_EQ(std::string(longPath.json), R"({"error_constant":"c","file":")" + file + R"(","line":1})");
  Status refused;
  refused.reallocateJson = &RefuseGrowth;
  bool done = true;
  EXPECT_TRUE(zuerr::SetCodeWithLocation(refused, -3, {"f", 1, "zuvexa", "c"}, &done));
  EXPECT_FALSE(done);
  EXPECT_EQ(refused.code, -3);
  EXPECT_EQ(refused.json, nullptr);
}

// A caller's reallocation granting the size asked for plus gSlack bytes, in an arena whose bytes past the
// buffer must stay untouched.
char gArena[32];
int gSlack = 0;
bool GrantExactly(Status &status, uint32_t newCapacity) {
  status.json = newCapacity == 0 ? nullptr : gArena;
  status.capacity = newCapacity == 0 ? 0 : newCapacity + gSlack;
  return true;
}

// The cursor's growth itself is covered through the JSON cursor.
TEST(StatusBuffer, RefusesOutsideCursorsAndHugeSizesAndTextFitsExactlyLengthPlusNulAndSentinel) {
  Status status;
  char *last = zuerr::ResetJson(status, R"({"a":[1]})");
  EXPECT_EQ(zuerr::RootCursor(status, 2), last);
  EXPECT_EQ(zuerr::RootCursor(status, 0x7FFFFFFE), nullptr);
  char elsewhere[4] = "{}";
  EXPECT_EQ(zuerr::GrowCursor(status, elsewhere), nullptr);
  EXPECT_FALSE(zuerr::DefaultReallocateJson(status, 0x80000000u));
  EXPECT_STREQ(status.json, R"({"a":[1]})");
  const std::string text = R"({"a":1})"; // 7 characters: needs 9 bytes
  for (int slack : {-1, 0, 1}) {
    SCOPED_TRACE(slack);
    std::memset(gArena, '#', sizeof gArena);
    gSlack = slack;
    Status status;
    status.reallocateJson = &GrantExactly;
    char *last = zuerr::ResetJson(status, text.c_str());
    const size_t size = text.size() + 2 + slack;
    EXPECT_EQ(std::string(gArena + size, gArena + sizeof gArena), std::string(sizeof gArena - size, '#'));
    if (slack < 0) {
      EXPECT_EQ(last, nullptr);
      continue;
    }
    EXPECT_EQ(last, gArena + text.size() - 1);
    EXPECT_EQ(std::string(gArena, size), text + std::string(1 + slack, '\0') + "J");
  }
}

TEST(StatusTransfer, MergeTakesTheFirstErrorCopyAllOrNothingAndMovedFromIsFresh) {
  Status target, first, second, refusing, empty;
  ZUERR_SET(first, zuapalerr_osFault);
  ZUERR_SET(second, zuapalerr_memoryFull);
  bool complete = false;
  EXPECT_TRUE(zuerr::MergeInto(target, first, &complete));
  EXPECT_TRUE(complete);
  EXPECT_FALSE(zuerr::MergeInto(target, second));
  EXPECT_EQ(target.code, zuapalerr_osFault);
  EXPECT_STREQ(target.json, first.json);
  EXPECT_NE(target.json, first.json) << "a copy of the text";

  EXPECT_TRUE(zuerr::CopyStatus(target, second));
  EXPECT_EQ(target.code, zuapalerr_memoryFull);
  EXPECT_STREQ(target.json, second.json);
  refusing.reallocateJson = &RefuseGrowth;
  refusing.code = 4;
  EXPECT_FALSE(zuerr::CopyStatus(refusing, first));
  EXPECT_EQ(refusing.code, 4);
  EXPECT_TRUE(zuerr::CopyStatus(target, empty));
  EXPECT_EQ(target.json, nullptr);
  EXPECT_TRUE(zuerr::CopyStatus(first, first));
  EXPECT_EQ(first.code, zuapalerr_osFault);
  Status source, assigned;
  ZUERR_SET(source, zuapalerr_osFault);
  ZUERR_SET(assigned, zuapalerr_memoryFull);
  assigned = Status(std::move(source));
  EXPECT_EQ(assigned.code, zuapalerr_osFault);
  EXPECT_EQ(source.json, nullptr);
  EXPECT_EQ(source.code, 0);
}

} // namespace
