#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "status/Status.h"
#include "status/jsonz.h"

namespace {

// A buffer in the status format: text, NUL, `room` zero bytes, 'J'.
std::vector<char> Buffer(const std::string &text, size_t room) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.resize(text.size() + 1 + room, '\0');
  buffer.push_back('J');
  return buffer;
}

// Insertions and their commas elsewhere: the model of tests/fuzz/json_insert_fuzz.cpp.
TEST(JsonInsert, InsertsIntoSpacedContainersNestsAndGrowsOrStopsWhenGrowthFails) {
  auto spaced = Buffer("{ }", 32);
  jsonz::AddString(spaced.data(), "k", "v");
  EXPECT_STREQ(spaced.data(), R"({"k":"v" })");
  auto closing = Buffer("[ \n]", 32);
  jsonz::AddUInt(closing.data() + 3, nullptr, 7);
  EXPECT_STREQ(closing.data(), "[ \n7]");
  zuerr::Status status;
  jsonz::Cursor cursor = zuerr::StatusCursor(status);
  jsonz::OpenObject(cursor, "zudynlib_debug");
  jsonz::OpenArray(cursor, "codes");
  jsonz::PutU64(cursor, nullptr, 1);
  jsonz::PutInt(cursor, nullptr, -2);
  jsonz::Close(cursor);
  jsonz::Close(cursor);
  EXPECT_STREQ(status.json, R"({"zudynlib_debug":{"codes":[1,-2]}})");
  const std::string filler(465, 'x');
  ASSERT_NE(jsonz::PutString(cursor, "f", filler.c_str()), nullptr);
  EXPECT_EQ(status.capacity, 512u);
  ASSERT_NE(jsonz::PutInt(cursor, "n", 12), nullptr);
  EXPECT_EQ(status.capacity, 1024u);
  EXPECT_EQ(std::string(status.json),
            R"({"zudynlib_debug":{"codes":[1,-2]},"f":")" + filler + R"(","n":12})");
  EXPECT_EQ(status.json[1023], 'J');
  zuerr::Status refusing;
  refusing.reallocateJson = [](zuerr::Status &s, uint32_t n) {
    return n <= 512 ? zuerr::DefaultReallocateJson(s, n) : false;
  };
  jsonz::Cursor stopped = zuerr::StatusCursor(refusing);
  const std::string big(600, 'x');
  EXPECT_EQ(jsonz::PutString(stopped, "big", big.c_str()), nullptr);
  EXPECT_EQ(stopped.position, nullptr);
  EXPECT_EQ(jsonz::PutInt(stopped, "small", 1), nullptr);
  EXPECT_STREQ(refusing.json, "{}");
  EXPECT_EQ(jsonz::Close(static_cast<char *>(nullptr)), nullptr);
}

} // namespace
