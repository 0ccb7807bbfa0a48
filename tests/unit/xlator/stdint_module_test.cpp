#include "BareLua.h"
#include "zuxlatorlua/stdint/Int64Module.h"

namespace {

struct Case {
  const char *expression;
  const char *expected; // the expression's value as text, or "error: test:1: <message>"
};

class StdintModule : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(lua.Open(luaopen_stdint, "stdint"));
    lua.Run("u64, i64 = stdint.u64, stdint.i64 "
            "function show(v) return type(v) == 'userdata' and tostring(v) .. ':' .. v:hexstring() or v end");
  }

  void Check(std::initializer_list<Case> cases) {
    for (const Case &c : cases)
      EXPECT_EQ(lua.Run(std::string("return show(") + c.expression + ")"), c.expected) << c.expression;
  }

  luatest::BareLua lua;
};

} // namespace

TEST_F(StdintModule, ConstructorsFromNumbersAndTexts) {
  Check({
      {"u64(-1)", "18446744073709551615:ffffffffffffffff"},
      {"i64(-1)", "-1:ffffffffffffffff"},
      {"u64()", "0:0"},
      {"i64(1, 2)", "0:0"},
      {"u64(-2.9)", "18446744073709551614:fffffffffffffffe"}, // truncated toward zero
      {"u64(2^63 + 2^11)", "9223372036854777856:8000000000000800"},
      {"u64(2^70)", "18446744073709551615:ffffffffffffffff"}, // out of range: saturated
      {"i64(2^63)", "9223372036854775807:7fffffffffffffff"},
      {"u64(0/0)", "0:0"},
      {"u64('18446744073709551615') - u64('18446744073709551614')", "1:1"},
      {"i64('-0x10')", "-16:fffffffffffffff0"},
      {"i64('010')", "8:8"},
      {"u64('0x10')", "0:0"}, // u64 texts are decimal
      {"u64('abc')", "error: test:1: Unable to parse a number out of \"abc\""},
      {"u64({})", "error: test:1: u64 constructor arg must be a number or a string"},
      {"i64(true)", "error: test:1: i64 constructor arg must be a number or a string"},
  });
}

TEST_F(StdintModule, ArithmeticWrapsAndTakesPlainNumbers) {
  Check({
      {"u64(5) + 3", "8:8"},
      {"u64(0) - 1", "18446744073709551615:ffffffffffffffff"},
      {"i64('9223372036854775807') + 1", "-9223372036854775808:8000000000000000"},
      {"u64('4294967296') * u64('4294967296')", "0:0"},
      {"-u64(1)", "18446744073709551615:ffffffffffffffff"},
      {"-i64(5)", "-5:fffffffffffffffb"},
      {"u64(1) + i64(1)", "error: test:1: bad argument #2 to '?' (u64 expected, got userdata)"},
      {"u64(1) + 'x'", "error: test:1: Can't get a u64 from argument"},
      {"i64(1) * {}", "error: test:1: Can't get a i64 from argument"},
  });
}

TEST_F(StdintModule, DivisionAndComparisonsFollowTheTypeAndNeverCrash) {
  Check({
      {"i64(7) / -2", "-3:fffffffffffffffd"},
      {"i64(7) % -2", "1:1"},
      {"i64(-7) % 2", "-1:ffffffffffffffff"},
      {"u64(-1) / 2", "9223372036854775807:7fffffffffffffff"},
      {"u64(7) % u64(-1)", "7:7"},
      {"i64('-9223372036854775808') % -1", "0:0"},
      {"i64('-9223372036854775808') / -1", "error: test:1: i64 division overflow"},
      {"u64(1) / 0", "error: test:1: u64 division by zero"},
      {"u64(1) % 0", "error: test:1: u64 modulo by zero"},
      {"i64(1) / i64(0)", "error: test:1: i64 division by zero"},
      {"u64(-1) > u64(1)", "true"},
      {"i64(-1) < i64(1)", "true"},
      {"u64(3) == u64(3)", "true"},
      {"u64(2) <= u64(2)", "true"},
      {"u64(1) < i64(2)", "error: test:1: attempt to compare two userdata values"},
  });
}

TEST_F(StdintModule, OpeningAgainKeepsTheExistingMetatables) {
  lua.Run("debug.getregistry().u64.marker = 'kept' old = u64(41)");
  ASSERT_TRUE(lua.Open(luaopen_stdint, "stdint"));
  EXPECT_EQ(lua.Run("return debug.getregistry().u64.marker"), "kept");
  EXPECT_EQ(lua.Run("return tostring(old + stdint.u64(1))"), "42");
  EXPECT_EQ(lua.Run("return package.loaded.stdint == stdint and type(stdint.i64)"), "function");
}
