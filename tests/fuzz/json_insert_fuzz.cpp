// Edits of a status's JSON text in place: insertions at every kind of place
// (plain and through growing cursors) and the status operations that rewrite
// it. After each step the buffer keeps its format and one valid value; plain
// insertions give the model's text or change nothing, the status operations
// follow the code rules, and inserted members read back.
#include <fuzzer/FuzzedDataProvider.h>

#include <cinttypes>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "JsonModel.h"
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
      inString = *p != '"';
      p += *p == '\\';
      continue;
    }
    inString = *p == '"';
    if (*p == '{' || *p == '[') objects.push_back(*p == '{');
    if (std::strchr("{[,]}", *p) != nullptr)
      places.push_back({static_cast<size_t>(p - json), objects.back()});
    if (*p == '}' || *p == ']') objects.pop_back();
  }
  return places;
}

// The text as the insertion functions write it: short escapes where JSON has
// them, \u00XX for the other control characters and DEL.
std::string Quoted(const std::string &text) {
  constexpr auto npos = std::string_view::npos;
  std::string out = "\"";
  for (unsigned char c : text) {
    const size_t letter = c == 0 ? npos : std::string_view("\"\\\b\t\n\f\r").find(static_cast<char>(c));
    char escaped[8] = {static_cast<char>(c)};
    if (letter != npos) std::snprintf(escaped, sizeof escaped, "\\%c", "\"\\btnfr"[letter]);
    if (letter == npos && (c < 0x20 || c == 0x7F)) std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
    out += escaped;
  }
  return out + "\"";
}

bool IsWhitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// `before` with the member or element `fragment` inserted at `offset`: first
// after an opening bracket, last before a closing one, after the member
// whose ',' is there; with the comma that separates it from its neighbours.
std::string Inserted(const std::string &before, size_t offset, const std::string &fragment) {
  const char c = before[offset];
  if (c == '{' || c == '[') {
    const bool empty = *jsonmodel::SkipBlanks(before.c_str() + offset + 1) == (c == '{' ? '}' : ']');
    return std::string(before).insert(offset + 1, empty ? fragment : fragment + ",");
  }
  if (c == ',') return std::string(before).insert(offset, "," + fragment);
  size_t previous = offset - 1;
  while (IsWhitespace(before[previous])) --previous;
  const bool empty = before[previous] == (c == '}' ? '{' : '[');
  return std::string(before).insert(offset, empty ? fragment : "," + fragment);
}

// One object or array and nothing after it.
bool IsContainerText(const char *text) {
  jsonz::Value value;
  const char *after = jsonz::ParseValue(text, &value);
  return after != nullptr && (value.type == jsonz::kObject || value.type == jsonz::kArray) &&
         *jsonmodel::SkipBlanks(after) == '\0';
}

void CheckBuffer(const zuerr::Status &status) {
  FUZZ_CHECK(status.json != nullptr && status.capacity >= 4 && status.json[status.capacity - 1] == 'J');
  const size_t length = strnlen(status.json, status.capacity);
  FUZZ_CHECK(length < status.capacity - 1 && IsContainerText(status.json));
  for (size_t i = length; i < status.capacity - 1; ++i) FUZZ_CHECK(status.json[i] == '\0');
}

char *GrowStatus(char *position, void *status) {
  return zuerr::GrowCursor(*static_cast<zuerr::Status *>(status), position);
}

// The string or number inserted first into the object at `object` reads back.
void CheckFirstMember(const char *object, const std::string &key, const std::string *text, int32_t number) {
  const char *value = jsonz::Lookup(object, key.c_str());
  FUZZ_CHECK(value != nullptr);
  if (text == nullptr) return FUZZ_CHECK(jsonz::GetInt(value, number == 0 ? 1 : 0, nullptr) == number);
  size_t length = 0;
  const char *raw = jsonz::GetString(value, nullptr, &length, nullptr);
  std::string decoded(length + 1, '\0');
  const char *end = raw == nullptr ? nullptr : jsonz::DecodeString(raw, length, decoded.data());
  FUZZ_CHECK(end != nullptr && std::string_view(decoded.data(), end - decoded.data()) == *text);
}

class Editor {
public:
  // Starts from the input's text when it is one object or array, else from "{}".
  explicit Editor(FuzzedDataProvider &input) : input_(input) {
    const std::string text = input_.ConsumeRandomLengthString(1024);
    FUZZ_CHECK(zuerr::ResetJson(status_, IsContainerText(text.c_str()) ? text.c_str() : "{}") != nullptr);
    CheckBuffer(status_);
    // Null arguments are refused.
    FUZZ_CHECK(jsonz::AddString(nullptr, "k", "v") == nullptr);
    FUZZ_CHECK(jsonz::AddString(status_.json, "k", nullptr) == nullptr);
  }

  void Step() {
    const std::vector<Place> places = InsertionPlaces(status_.json);
    const Place place = places[input_.ConsumeIntegralInRange<size_t>(0, places.size() - 1)];
    const std::string key = Text(), value = Text();
    const char *keyOrNull = place.inObject ? key.c_str() : nullptr;
    const int kind = input_.ConsumeIntegralInRange(0, 9);
    if (kind <= 5) PlainInsertion(kind, place, key, keyOrNull, value);
    if (kind == 6) PutThroughCursor(place, keyOrNull, value);
    if (kind == 7) SetLocation(key, value);
    if (kind == 8) MergeOrCopy(value);
    if (kind == 9) SetCode(input_.ConsumeIntegral<int32_t>());
    CheckBuffer(status_);
  }

private:
  std::string Text() { return input_.ConsumeRandomLengthString(80).c_str(); }

  struct Made {
    std::string fragment; // the member or element as the model writes it
    bool added;
  };

  template <class N>
  static Made Number(char *at, const char *key, N n, char *(*add)(char *, const char *, N)) {
    return {std::to_string(n), add(at, key, n) != nullptr};
  }

  Made Plain(int kind, char *at, const char *key, const std::string &value) {
    if (kind == 0) return {Quoted(value), jsonz::AddString(at, key, value.c_str()) != nullptr};
    if (kind == 1) return Number(at, key, input_.ConsumeIntegral<int32_t>(), &jsonz::AddInt);
    if (kind == 2) return Number(at, key, input_.ConsumeIntegral<uint32_t>(), &jsonz::AddUInt);
    if (kind == 3) return Number(at, key, input_.ConsumeIntegral<uint64_t>(), &jsonz::AddU64);
    return {kind == 4 ? "{}" : "[]",
            (kind == 4 ? jsonz::AddObject(at, key) : jsonz::AddArray(at, key)) != nullptr};
  }

  // The model's text when the zero bytes hold the insertion, else no change;
  // a string or int32 member inserted first reads back.
  void PlainInsertion(int kind, const Place &place, const std::string &key, const char *keyOrNull,
                      const std::string &value) {
    const std::string before = status_.json;
    const Made made = Plain(kind, status_.json + place.offset, keyOrNull, value);
    const std::string name = place.inObject ? Quoted(key) + ":" : "";
    const std::string expected = Inserted(before, place.offset, name + made.fragment);
    const bool fits = expected.size() + 2 <= status_.capacity;
    FUZZ_CHECK(made.added == fits && status_.json == (fits ? expected : before));
    if (made.added && place.inObject && kind <= 1 && before[place.offset] == '{')
      CheckFirstMember(status_.json + place.offset, key, kind == 0 ? &value : nullptr,
                       kind == 1 ? std::stoi(made.fragment) : 0);
  }

  static bool Replaces(int32_t current, int32_t incoming) {
    return (current == 0 && incoming != 0) || (current > 0 && incoming < 0);
  }

  // A code that replaces the status's code empties the text; any other
  // changes nothing.
  void SetCode(int32_t code) {
    const int32_t previous = status_.code;
    const std::string before = status_.json;
    const bool replaces = Replaces(previous, code);
    FUZZ_CHECK(zuerr::SetCode(status_, code) == replaces);
    FUZZ_CHECK(status_.code == (replaces ? code : previous) && status_.json == (replaces ? "{}" : before));
  }

  // Cursor insertions grow the buffer until they succeed. Only a text that
  // does not begin with its bracket cannot grow (its root is not found
  // there); a refused insertion then changes nothing.
  void PutThroughCursor(const Place &place, const char *keyOrNull, const std::string &value) {
    jsonz::Cursor cursor{status_.json + place.offset, &GrowStatus, &status_};
    const int kind = input_.ConsumeIntegralInRange(0, 3);
    if (kind == 0) CursorStep([&] { return jsonz::PutString(cursor, keyOrNull, value.c_str()); });
    if (kind == 1)
      CursorStep([&] { return jsonz::PutU64(cursor, keyOrNull, input_.ConsumeIntegral<uint64_t>()); });
    if (kind == 2 && CursorStep([&] { return jsonz::OpenObject(cursor, keyOrNull); })) {
      FUZZ_CHECK(*cursor.position == '}');
      CursorStep([&] { return jsonz::PutInt(cursor, value.c_str(), input_.ConsumeIntegral<int32_t>()); });
    }
    if (kind == 3 && CursorStep([&] { return jsonz::OpenArray(cursor, keyOrNull); })) {
      FUZZ_CHECK(*cursor.position == ']');
      CursorStep([&] { return jsonz::PutString(cursor, nullptr, value.c_str()); });
      jsonz::Close(cursor);
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
    const int32_t previous = status_.code;
    const std::string before = status_.json;
    bool complete = false;
    const bool set = zuerr::SetCodeWithLocation(status_, code, location, &complete);
    const std::string text = "{\"error_constant\":" + Quoted(constant) + ",\"file\":" + Quoted(file) +
                             ",\"line\":" + std::to_string(line) + ",\"component\":\"zuvexa\"}";
    FUZZ_CHECK(set == Replaces(previous, code));
    FUZZ_CHECK(set ? complete && status_.code == code && status_.json == text
                   : status_.code == previous && status_.json == before);
  }

  // Another status's code and text move over by the replacement rule.
  void MergeOrCopy(const std::string &name) {
    zuerr::Status other;
    const int32_t code = input_.ConsumeIntegral<int32_t>();
    const zuerr::SourceLocation location{name.c_str(), 1, nullptr, name.c_str()};
    zuerr::SetCodeWithLocation(other, code, location);
    if (input_.ConsumeBool()) {
      FUZZ_CHECK(zuerr::CopyStatus(status_, other) && status_.code == other.code);
      FUZZ_CHECK(other.json == nullptr || std::strcmp(status_.json, other.json) == 0);
      if (other.json == nullptr) zuerr::ResetJson(status_, nullptr); // a copied empty status has no text
      return;
    }
    const int32_t previous = status_.code;
    const std::string before = status_.json;
    const bool replaced = zuerr::MergeInto(status_, other);
    FUZZ_CHECK(replaced == Replaces(previous, code));
    FUZZ_CHECK(replaced ? status_.code == code && status_.json != other.json &&
                              status_.json == std::string(other.json)
                        : status_.code == previous && status_.json == before);
  }

  FuzzedDataProvider &input_;
  zuerr::Status status_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FuzzedDataProvider input(data, size);
  Editor editor(input);
  for (int step = 0; step < 16 && input.remaining_bytes() > 0; ++step) editor.Step();
  return 0;
}
