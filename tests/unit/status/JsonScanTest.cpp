#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "TemporaryDirectory.h"
#include "status/jsonz.h"

namespace {

TEST(JsonParse, ErrorCodesAndPositions) {
  const struct {
    const char* text;
    int32_t code;
    size_t offset;
  } cases[] = {
      {"", jsonz::kNoText, 0},
      {"  \t\n", jsonz::kNoText, 4},
      {"\"abc", jsonz::kStringExpected, 4},
      {"\"a\tb\"", jsonz::kStringExpected, 2},
      {"\"a\x1f\"", jsonz::kStringExpected, 2},
      {"{1:2}", jsonz::kStringExpected, 1},
      {"{\"a\":1", jsonz::kObjectExpected, 6},
      {"[1, 2", jsonz::kArrayExpected, 5},
      {R"({"a" 1})", jsonz::kColonExpected, 5},
      {R"({"a":1 "b":2})", jsonz::kSeparatorExpected, 7},
      {R"(["a\x"])", jsonz::kInvalidEscape, 3},
      {R"("\u12G4")", jsonz::kInvalidEscape, 1},
      {R"("\u123G")", jsonz::kInvalidEscape, 1},
      {R"({"a":1,})", jsonz::kTrailingComma, 7},
      {"[{\"a\" 1}]", jsonz::kColonExpected, 6},
  };
  for (const auto& c : cases) {
    jsonz::Value value;
    value.type = jsonz::kString;
    EXPECT_EQ(jsonz::ParseValue(c.text, &value), nullptr) << c.text;
    EXPECT_EQ(value.type, jsonz::kInvalid) << c.text;
    EXPECT_EQ(value.length, static_cast<size_t>(c.code)) << c.text;
    EXPECT_EQ(value.start, c.text + c.offset) << c.text;
  }
  jsonz::Value value;
  EXPECT_EQ(jsonz::ParseValue(nullptr, &value), nullptr);
  EXPECT_EQ(value.length, static_cast<size_t>(jsonz::kNoText));
}

TEST(JsonParse, ValueKinds) {
  jsonz::Value value;
  const char* text = R"( "a\"b" ,)";
  EXPECT_EQ(jsonz::ParseValue(text, &value), text + 7);
  EXPECT_EQ(value.type, jsonz::kString);
  EXPECT_EQ(std::string(value.start, value.length), R"(a\"b)");
  EXPECT_NE(jsonz::ParseValue("-1.5e+3", &value), nullptr);
  EXPECT_TRUE(value.type == jsonz::kNumber && value.isFloat && value.length == 7);
  text = "12.";
  EXPECT_EQ(jsonz::ParseValue(text, &value), text + 2) << "an incomplete fraction is not taken";
  EXPECT_NE(jsonz::ParseValue("false", &value), nullptr);
  EXPECT_TRUE(value.type == jsonz::kBoolean && !value.boolean);
  EXPECT_EQ(jsonz::ParseValue("True", &value), nullptr);
  text = R"({ "a" : [ 1 , { } , [ ] ] , "b":null })";
  EXPECT_NE(jsonz::ParseValue(text, &value), nullptr);
  EXPECT_EQ(value.type, jsonz::kObject);
  EXPECT_EQ(value.length, std::string(text).size());
}

TEST(JsonParse, DeepNestingIsRejectedNotRecursedInto) {
  const std::string ok = std::string(jsonz::kMaxNesting, '[') + std::string(jsonz::kMaxNesting, ']');
  EXPECT_NE(jsonz::ParseValue(ok.c_str(), nullptr), nullptr);
  const std::string hostile(1'000'000, '[');
  jsonz::Value value;
  EXPECT_EQ(jsonz::ParseValue(hostile.c_str(), &value), nullptr);
  EXPECT_EQ(value.length, static_cast<size_t>(jsonz::kArrayExpected));
  EXPECT_EQ(value.start, hostile.c_str() + jsonz::kMaxNesting);
}

TEST(JsonScan, LookupComparesTopLevelDecodedNames) {
  const char* text = R"({"a":{"b":1},"b":2})";
  const char* found = jsonz::Lookup(text, "b");
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(*found, '2');
  EXPECT_EQ(jsonz::Lookup(R"( { "\u0061" : "x" })", "a")[0], '"');
  EXPECT_EQ(jsonz::Lookup(text, "c"), nullptr);
  EXPECT_EQ(jsonz::Lookup(R"({"a":1 "b":2})", "b"), nullptr);
  EXPECT_EQ(jsonz::Lookup("[1]", "a"), nullptr);
}

TEST(JsonScan, GetStringAndGetInt) {
  size_t length = 99;
  const char* end = "";
  const char* raw = jsonz::GetString(R"("x\ny" ,)", "d", &length, &end);
  EXPECT_EQ(std::string(raw, length), R"(x\ny)");
  EXPECT_EQ(*end, ' ');
  EXPECT_STREQ(jsonz::GetString("12", "dflt", &length, &end), "dflt");
  EXPECT_EQ(length, 4u);
  EXPECT_EQ(end, nullptr);
  EXPECT_EQ(jsonz::GetString("12", nullptr, &length, nullptr), nullptr);
  EXPECT_EQ(length, 0u);

  const std::pair<const char*, int32_t> numbers[] = {
      {"-1.9", -1}, {"\"12\"", 7}, {"2.5e1", 25}, {"010", 8} /* read like %i */, {"0x10", 0} /* its own text only */,
      {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX}, {"2147483648", 7}, {"3e9", 7}, {"1e999", 7}};
  for (auto [text, expected] : numbers) EXPECT_EQ(jsonz::GetInt(text, 7, nullptr), expected) << text;
  const char* text = "42]";
  EXPECT_EQ(jsonz::GetInt(text, 7, &end), 42);
  EXPECT_EQ(end, text + 2);
}

// In a decimal-comma LC_NUMERIC: an installed locale, or one compiled into a temporary folder.
TEST(JsonScan, FloatsAreReadWhateverTheLocalesDecimalPoint) {
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  bool set = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  testsupport::TemporaryDirectory directory;
  const std::string localedef = "/usr/bin/localedef -i de_DE -f UTF-8 " + directory.File("de_DE.UTF-8");
  if (!set && access("/usr/bin/localedef", X_OK) == 0 && std::system((localedef + " >/dev/null 2>&1").c_str()) == 0) {
    setenv("LOCPATH", directory.Path().c_str(), 1);
    set = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    unsetenv("LOCPATH");
  }
  if (!set) GTEST_SKIP() << "no decimal-comma locale available";
  char formatted[8];
  std::snprintf(formatted, sizeof formatted, "%.1f", 1.5);
  EXPECT_STREQ(formatted, "1,5");
  EXPECT_EQ(jsonz::GetInt("1.5e2", 7, nullptr), 150);
  EXPECT_EQ(jsonz::GetInt("-2.75E1", 7, nullptr), -27);
  EXPECT_EQ(jsonz::GetInt("1.9", 7, nullptr), 1);
  std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(JsonScan, ArrayElementsAndContainerEnd) {
  int count = 0;
  for (const char* element = jsonz::FirstElement(R"( [ 1 , "two" ,{"x":3} ] )"); element != nullptr;
       element = jsonz::NextElement(jsonz::ParseValue(element, nullptr)))
    ++count;
  EXPECT_EQ(count, 3);
  EXPECT_EQ(jsonz::FirstElement("[ ]"), nullptr);
  EXPECT_EQ(jsonz::FirstElement("{}"), nullptr);
  const char* text = R"({"a":"}"} tail)";
  EXPECT_EQ(jsonz::EndOf(text), text + 8);
  EXPECT_EQ(jsonz::EndOf(" {}"), nullptr);
  EXPECT_EQ(jsonz::EndOf("{"), nullptr);
}

TEST(JsonDecode, EscapesSurrogatesAndUtf8OrNothingWhenBroken) {
  const std::string raw = R"(a\"\\\/\b\f\n\r\t\u00e9\u20ac\ud83d\ude00)";
  char buffer[64];
  char* end = jsonz::DecodeString(raw.data(), raw.size(), buffer);
  ASSERT_NE(end, nullptr);
  const std::string decoded("a\"\\/\b\f\n\r\t\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80", 19);
  EXPECT_EQ(std::string(buffer, end + 1), decoded) << "NUL-terminated";
  for (const std::string broken : {R"(ab\q)", R"(x\ud83d)", R"(x\ud83dz)", R"(x\ude00)", R"(x\ud83d\u0041)", R"(x\u00)"})
    EXPECT_EQ(jsonz::DecodeString(broken.data(), broken.size(), buffer), nullptr) << broken;
  const std::string cut = R"(ab\u0041)";
  EXPECT_EQ(jsonz::DecodeString(cut.data(), cut.size() - 1, buffer), nullptr) << "an escape cut by the length";

  const std::string raw2 = R"(\u0061b)", withNul = R"(a\u0000)";
  EXPECT_TRUE(jsonz::EqualsDecoded("ab", raw2.data(), raw2.size()));
  for (const char* other : {"a", "abc"}) EXPECT_FALSE(jsonz::EqualsDecoded(other, raw2.data(), raw2.size())) << other;
  EXPECT_FALSE(jsonz::EqualsDecoded("a", withNul.data(), withNul.size()));
}

} // namespace
