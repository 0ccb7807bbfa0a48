// The value readers on arbitrary text. DecodeString of the whole input as raw
// string text (inner NULs included) into a buffer of exactly length + 1
// bytes decodes as the reference decoder (JsonModel.h) does; a decoded text
// written back with the insertion functions' escaping decodes to itself
// again. GetInt of the input as a NUL-terminated text reads numbers as the
// reference reader does, and a decimal-comma locale (when one is installed)
// as the C locale does.
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "JsonModel.h"
#include "status/Status.h"

namespace {

const char *gDecimalCommaLocale = nullptr;

std::string Decoded(const char *raw, size_t length, bool &ok) {
  std::unique_ptr<char[]> buffer(new char[length + 1]);
  char *end = jsonz::DecodeString(raw, length, buffer.get());
  ok = end != nullptr;
  if (!ok) {
    FUZZ_CHECK(strnlen(buffer.get(), length + 1) <= length); // still terminated
    return {};
  }
  FUZZ_CHECK(end >= buffer.get() && end <= buffer.get() + length && *end == '\0');
  return std::string(buffer.get(), end);
}

// Also decodes all but the last byte: the length, not what follows, ends
// the text.
void CheckDecodeRoundTrip(const uint8_t *data, size_t size) {
  const char *raw = reinterpret_cast<const char *>(data);
  bool ok = false;
  if (size > 0) {
    const std::string prefix = Decoded(raw, size - 1, ok);
    const auto expected = jsonmodel::Decode({raw, size - 1});
    FUZZ_CHECK(ok == expected.has_value() && (!ok || prefix == *expected));
  }
  const std::string decoded = Decoded(raw, size, ok);
  const auto expected = jsonmodel::Decode({raw, size});
  FUZZ_CHECK(ok == expected.has_value());
  if (!ok) return;
  FUZZ_CHECK(decoded == *expected);
  // A key is a C text: it never equals a decoding with a NUL in it.
  FUZZ_CHECK(jsonz::EqualsDecoded(decoded.c_str(), raw, size) == (decoded.find('\0') == std::string::npos));
  FUZZ_CHECK(!jsonz::EqualsDecoded((decoded + "a").c_str(), raw, size));
  if (decoded.find('\0') != std::string::npos) return;
  if (!decoded.empty())
    FUZZ_CHECK(!jsonz::EqualsDecoded(decoded.substr(0, decoded.size() - 1).c_str(), raw, size));

  zuerr::Status status;
  FUZZ_CHECK(zuerr::ResetJson(status, "[]") != nullptr);
  jsonz::Cursor cursor = zuerr::StatusCursor(status);
  FUZZ_CHECK(jsonz::PutString(cursor, nullptr, decoded.c_str()) != nullptr);
  size_t length = 0;
  const char *written = jsonz::GetString(jsonz::FirstElement(status.json), nullptr, &length, nullptr);
  FUZZ_CHECK(written != nullptr);
  bool again = false;
  FUZZ_CHECK(Decoded(written, length, again) == decoded && again);
}

void CheckGetInt(const char *text) {
  const char *end = nullptr;
  const int32_t result = jsonz::GetInt(text, 7, &end);
  if (end == nullptr) {
    FUZZ_CHECK(result == 7);
    jsonz::Value number;
    if (jsonz::ParseValue(text, &number) != nullptr && number.type == jsonz::kNumber)
      FUZZ_CHECK(!jsonmodel::NumberValue(std::string(number.start, number.length), number.isFloat));
    return;
  }
  jsonz::Value number;
  FUZZ_CHECK(jsonz::ParseValue(text, &number) == end && number.type == jsonz::kNumber);
  const auto expected = jsonmodel::NumberValue(std::string(number.start, number.length), number.isFloat);
  FUZZ_CHECK(expected && *expected == result);
  if (gDecimalCommaLocale != nullptr) {
    std::setlocale(LC_NUMERIC, gDecimalCommaLocale);
    const char *commaEnd = nullptr;
    const int32_t commaResult = jsonz::GetInt(text, 7, &commaEnd);
    std::setlocale(LC_NUMERIC, "C");
    FUZZ_CHECK(commaResult == result && commaEnd == end);
  }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      gDecimalCommaLocale = name;
      break;
    }
  }
  std::setlocale(LC_NUMERIC, "C");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  CheckDecodeRoundTrip(data, size);
  std::unique_ptr<char[]> text(new char[size + 1]);
  std::memcpy(text.get(), data, size);
  text[size] = '\0';
  CheckGetInt(text.get());
  return 0;
}
