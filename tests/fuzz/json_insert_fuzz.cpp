// Edits of a status's JSON text in place: members and elements inserted at
// every kind of position (opening bracket, closing bracket, the ',' after a
// member) with the plain insertion functions and with growing cursors, and
// the status operations that rewrite the text. After every step the buffer
// keeps its format (text, NUL, zero bytes, sentinel), the text stays one
// valid JSON value, a refused insertion changes nothing, and what was
// inserted reads back unchanged.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "status/Status.h"

namespace {

// A place where an insertion keeps the text valid, and whether members there
// need a key (inside an object) or not (inside an array).
struct Place {
  size_t offset;
  bool inObject;
};

std::vector<Place> InsertionPlaces(const char *json) {
  std::vector<Place> places;
  std::vector<bool> objects; // the open containers
  bool inString = false;
  for (const char *p = json; *p != '\0'; ++p) {
    if (inString) {
      if (*p == '\\')
        ++p;
      else if (*p == '"')
        inString = false;
      continue;
    }
    const size_t offset = static_cast<size_t>(p - json);
    switch (*p) {
    case '"':
      inString = true;
      break;
    case '{':
    case '[':
      objects.push_back(*p == '{');
      places.push_back({offset, objects.back()});
      break;
    case '}':
    case ']':
      places.push_back({offset, objects.back()});
      objects.pop_back();
      break;
    case ',':
      places.push_back({offset, objects.back()});
      break;
    default:
      break;
    }
  }
  return places;
}

bool IsWhitespaceOnly(const char *p) {
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r') ++p;
  return *p == '\0';
}

// One object or array and nothing after it.
bool IsContainerText(const char *text) {
  jsonz::Value value;
  const char *after = jsonz::ParseValue(text, &value);
  return after != nullptr && (value.type == jsonz::kObject || value.type == jsonz::kArray) &&
         IsWhitespaceOnly(after);
}

void CheckBuffer(const zuerr::Status &status) {
  FUZZ_CHECK(status.json != nullptr && status.capacity >= 4);
  FUZZ_CHECK(status.json[status.capacity - 1] == 'J');
  const size_t length = strnlen(status.json, status.capacity);
  FUZZ_CHECK(length < status.capacity - 1);
  for (size_t i = length; i < status.capacity - 1; ++i) FUZZ_CHECK(status.json[i] == '\0');
  FUZZ_CHECK(IsContainerText(status.json));
}

char *GrowStatus(char *position, void *status) {
  return zuerr::GrowCursor(*static_cast<zuerr::Status *>(status), position);
}

// The string or number inserted first into the object at `object` reads back.
void CheckFirstMember(const char *object, const std::string &key, const std::string *text, int32_t number) {
  const char *value = jsonz::Lookup(object, key.c_str());
  FUZZ_CHECK(value != nullptr);
  if (text == nullptr) {
    FUZZ_CHECK(jsonz::GetInt(value, number == 0 ? 1 : 0, nullptr) == number);
    return;
  }
  size_t length = 0;
  const char *raw = jsonz::GetString(value, nullptr, &length, nullptr);
  FUZZ_CHECK(raw != nullptr);
  std::string decoded(length + 1, '\0');
  char *end = jsonz::DecodeString(raw, length, decoded.data());
  FUZZ_CHECK(end != nullptr);
  decoded.resize(static_cast<size_t>(end - decoded.data()));
  FUZZ_CHECK(decoded == *text);
}

class Editor {
public:
  explicit Editor(FuzzedDataProvider &input) : input_(input) {}

  void Start() {
    const std::string text = input_.ConsumeRandomLengthString(1024);
    FUZZ_CHECK(zuerr::ResetJson(status_, IsContainerText(text.c_str()) ? text.c_str() : "{}") != nullptr);
    CheckBuffer(status_);
  }

  void Step() {
    const std::vector<Place> places = InsertionPlaces(status_.json);
    const Place place = places[input_.ConsumeIntegralInRange<size_t>(0, places.size() - 1)];
    char *position = status_.json + place.offset;
    const bool atOpening = *position == '{' || *position == '[';
    const std::string key = Text(), value = Text();
    const char *keyOrNull = place.inObject ? key.c_str() : nullptr;
    const std::string before = status_.json;
    switch (input_.ConsumeIntegralInRange(0, 9)) {
    case 0: {
      const bool added = jsonz::AddString(position, keyOrNull, value.c_str()) != nullptr;
      Settle(before, added);
      if (added && atOpening && place.inObject) CheckFirstMember(status_.json + place.offset, key, &value, 0);
      break;
    }
    case 1: {
      const int32_t number = input_.ConsumeIntegral<int32_t>();
      const bool added = jsonz::AddInt(position, keyOrNull, number) != nullptr;
      Settle(before, added);
      if (added && atOpening && place.inObject)
        CheckFirstMember(status_.json + place.offset, key, nullptr, number);
      break;
    }
    case 2:
      Settle(before, jsonz::AddUInt(position, keyOrNull, input_.ConsumeIntegral<uint32_t>()) != nullptr);
      break;
    case 3:
      Settle(before, jsonz::AddU64(position, keyOrNull, input_.ConsumeIntegral<uint64_t>()) != nullptr);
      break;
    case 4:
      Settle(before, jsonz::AddObject(position, keyOrNull) != nullptr);
      break;
    case 5:
      Settle(before, jsonz::AddArray(position, keyOrNull) != nullptr);
      break;
    case 6:
      PutThroughCursor(place, keyOrNull, value);
      break;
    case 7:
      SetLocation(key, value);
      break;
    case 8:
      MergeOrCopy(value);
      break;
    default:
      FUZZ_CHECK(zuerr::ResetJson(status_, nullptr) != nullptr);
      break;
    }
    CheckBuffer(status_);
  }

private:
  std::string Text() { return input_.ConsumeRandomLengthString(80).c_str(); }

  // A refused insertion leaves the text as it was.
  void Settle(const std::string &before, bool added) {
    if (!added) FUZZ_CHECK(before == status_.json);
  }

  // Cursor insertions grow the buffer until they succeed. Only a text that
  // does not begin with its bracket cannot grow (its root is not found
  // there); a refused insertion then changes nothing.
  void PutThroughCursor(const Place &place, const char *keyOrNull, const std::string &value) {
    jsonz::Cursor cursor{status_.json + place.offset, &GrowStatus, &status_};
    switch (input_.ConsumeIntegralInRange(0, 3)) {
    case 0:
      CursorStep([&] { return jsonz::PutString(cursor, keyOrNull, value.c_str()); });
      break;
    case 1:
      CursorStep([&] { return jsonz::PutU64(cursor, keyOrNull, input_.ConsumeIntegral<uint64_t>()); });
      break;
    case 2:
      if (CursorStep([&] { return jsonz::OpenObject(cursor, keyOrNull); })) {
        FUZZ_CHECK(*cursor.position == '}');
        CursorStep([&] { return jsonz::PutInt(cursor, value.c_str(), input_.ConsumeIntegral<int32_t>()); });
      }
      break;
    default:
      if (CursorStep([&] { return jsonz::OpenArray(cursor, keyOrNull); })) {
        FUZZ_CHECK(*cursor.position == ']');
        CursorStep([&] { return jsonz::PutString(cursor, nullptr, value.c_str()); });
        jsonz::Close(cursor);
      }
      break;
    }
  }

  template <class Insert> bool CursorStep(Insert insert) {
    const bool growable = *status_.json == '{' || *status_.json == '[';
    const std::string before = status_.json;
    if (insert() != nullptr) return true;
    FUZZ_CHECK(!growable && before == status_.json);
    return false;
  }

  // A code that replaces the status's code rewrites the text as the location.
  void SetLocation(const std::string &file, const std::string &constant) {
    const int line = input_.ConsumeIntegral<int>();
    const zuerr::SourceLocation location{file.c_str(), line, "zuvexa", constant.c_str()};
    const int32_t code = input_.ConsumeIntegral<int32_t>();
    bool complete = false;
    if (!zuerr::SetCodeWithLocation(status_, code, location, &complete)) return;
    FUZZ_CHECK(complete && status_.code == code);
    CheckFirstMember(status_.json, "line", nullptr, line);
    CheckFirstMember(status_.json, "file", &file, 0);
    CheckFirstMember(status_.json, "error_constant", &constant, 0);
  }

  // Another status's code and text move over by the replacement rule.
  void MergeOrCopy(const std::string &name) {
    zuerr::Status other;
    const int32_t code = input_.ConsumeIntegral<int32_t>();
    const zuerr::SourceLocation location{name.c_str(), 1, nullptr, name.c_str()};
    zuerr::SetCodeWithLocation(other, code, location);
    if (input_.ConsumeBool()) {
      FUZZ_CHECK(zuerr::CopyStatus(status_, other));
      FUZZ_CHECK(status_.code == other.code);
      if (other.json == nullptr)
        zuerr::ResetJson(status_, nullptr); // a copied empty status has no text
      else
        FUZZ_CHECK(std::strcmp(status_.json, other.json) == 0);
      return;
    }
    const int32_t previous = status_.code;
    const bool replaced = zuerr::MergeInto(status_, other);
    const bool expected = (previous == 0 && code != 0) || (previous > 0 && code < 0);
    FUZZ_CHECK(replaced == expected);
    if (replaced) FUZZ_CHECK(status_.code == code && std::strcmp(status_.json, other.json) == 0);
  }

  FuzzedDataProvider &input_;
  zuerr::Status status_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider input(data, size);
  Editor editor(input);
  editor.Start();
  for (int step = 0; step < 16 && input.remaining_bytes() > 0; ++step) editor.Step();
  return 0;
}
