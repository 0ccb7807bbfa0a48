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
#include <optional>
#include <string>

#include "FuzzSupport.h"
#include "JsonModel.h"
#include "status/Status.h"

namespace {

const char *gDecimalCommaLocale = nullptr;

// Decoded into a buffer of length + 1 bytes, terminated even on failure.
std::optional<std::string> Decoded(const char *raw, size_t length) {
  std::unique_ptr<char[]> buffer(new char[length + 1]);
  const char *end = jsonz::DecodeString(raw, length, buffer.get());
  FUZZ_CHECK(end == nullptr ? strnlen(buffer.get(), length + 1) <= length
                            : end >= buffer.get() && end <= buffer.get() + length && *end == '\0');
  return end == nullptr ? std::nullopt
                        : std::optional<std::string>(std::string(buffer.get(), end - buffer.get()));
}

// Also decodes all but the last byte: the length, not what follows, ends
// the text.
void CheckDecodeRoundTrip(const uint8_t *data, size_t size) {
  const char *raw = reinterpret_cast<const char *>(data);
  if (size > 0) FUZZ_CHECK(Decoded(raw, size - 1) == jsonmodel::Decode({raw, size - 1}));
  const auto decoded = Decoded(raw, size);
  FUZZ_CHECK(decoded == jsonmodel::Decode({raw, size}));
  if (!decoded) return;
  // A key is a C text: it never equals a decoding with a NUL in it.
  const bool hasNul = decoded->find('\0') != std::string::npos;
  FUZZ_CHECK(jsonz::EqualsDecoded(decoded->c_str(), raw, size) == !hasNul);
  FUZZ_CHECK(!jsonz::EqualsDecoded((*decoded + "a").c_str(), raw, size));
  if (hasNul) return;
  if (!decoded->empty())
    FUZZ_CHECK(!jsonz::EqualsDecoded(decoded->substr(0, decoded->size() - 1).c_str(), raw, size));

  zuerr::Status status;
  FUZZ_CHECK(zuerr::ResetJson(status, "[]") != nullptr);
  jsonz::Cursor cursor = zuerr::StatusCursor(status);
  FUZZ_CHECK(jsonz::PutString(cursor, nullptr, decoded->c_str()) != nullptr);
  size_t length = 0;
  const char *written = jsonz::GetString(jsonz::FirstElement(status.json), nullptr, &length, nullptr);
  FUZZ_CHECK(written != nullptr && Decoded(written, length) == decoded);
}

void CheckGetInt(const char *text) {
  const char *end = nullptr;
  const int32_t result = jsonz::GetInt(text, 7, &end);
  jsonz::Value number;
  const char *after = jsonz::ParseValue(text, &number);
  const auto expected = after != nullptr && number.type == jsonz::kNumber
                            ? jsonmodel::NumberValue(std::string(number.start, number.length), number.isFloat)
                            : std::nullopt;
  FUZZ_CHECK(end == nullptr ? result == 7 && !expected : after == end && expected == result);
  if (end == nullptr || gDecimalCommaLocale == nullptr) return;
  std::setlocale(LC_NUMERIC, gDecimalCommaLocale);
  const char *commaEnd = nullptr;
  const int32_t commaResult = jsonz::GetInt(text, 7, &commaEnd);
  std::setlocale(LC_NUMERIC, "C");
  FUZZ_CHECK(commaResult == result && commaEnd == end);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
    if (gDecimalCommaLocale == nullptr && std::setlocale(LC_NUMERIC, name) != nullptr)
      gDecimalCommaLocale = name;
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
