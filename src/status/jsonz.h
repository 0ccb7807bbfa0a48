// In-place JSON text: members are inserted into a NUL-terminated text that
// lives in a buffer ending in the sentinel 'J' (zero bytes between the text's
// NUL and the sentinel are the free room), and values are found by scanning
// the text. No tree is ever built.
#pragma once

#include <cstddef>
#include <cstdint>

namespace jsonz {

enum ValueType : int32_t {
  kInvalid = 0,
  kNull = 1,
  kBoolean = 2,
  kNumber = 3,
  kString = 4,
  kArray = 5,
  kObject = 6,
};

// Error codes held in Value::length when type is kInvalid.
enum ParseError : int32_t {
  kNoText = 1,            // no text at all
  kStringExpected = 2,    // or unterminated string, or raw control character in it
  kObjectExpected = 3,    // or the text ends inside an object
  kArrayExpected = 4,     // or the text ends inside an array
  kColonExpected = 5,     // after a member name
  kSeparatorExpected = 6, // ',' or the closing bracket after a member or element
  kInvalidEscape = 7,     // in a string
  kTrailingComma = 8,     // ',' directly followed by the closing bracket
};

// One parsed value.
// - string: start = first character after the opening quote, length = raw
//   length (escapes not decoded);
// - number: start/length = its text, isFloat = has a fraction or exponent;
// - boolean: start/length = the literal, boolean = its truth value;
// - null, array, object: start/length = the whole text of the value;
// - invalid: start = position of the error, length = ParseError code.
struct Value {
  int32_t type = kInvalid;
  const char *start = nullptr;
  size_t length = 0;
  bool isFloat = false;
  bool boolean = false;
};

// Where the next insertion goes, and how to enlarge the buffer when it has no
// room: grow(position, argument) returns the same position in the enlarged
// buffer, or null.
struct Cursor {
  char *position;
  char *(*grow)(char *position, void *argument);
  void *argument;
};

// ---- Insertion (never grows the buffer) ----
// `position` is an opening bracket (insert first), a closing bracket (insert
// last), the ',' after a member (insert after that member) or the text's NUL.
// Each returns the position just after what it wrote, or null when there is
// no room or an argument is null; on failure the text is unchanged.
char *AddString(char *position, const char *keyOrNull, const char *value);
char *AddInt(char *position, const char *keyOrNull, int32_t value);
char *AddUInt(char *position, const char *keyOrNull, uint32_t value);
char *AddU64(char *position, const char *keyOrNull, uint64_t value);
char *AddObject(char *position, const char *keyOrNull);
char *AddArray(char *position, const char *keyOrNull);

// ---- Cursor forms: grow and retry until the insertion succeeds ----
// Each stores its result in cursor.position; after a failure the cursor holds
// null and every later call on it returns null at once.
char *PutString(Cursor &cursor, const char *keyOrNull, const char *value);
char *PutInt(Cursor &cursor, const char *keyOrNull, int32_t value);
char *PutU64(Cursor &cursor, const char *keyOrNull, uint64_t value);
// These two return the new container's closing bracket, so that following
// insertions go inside it; Close steps back out into the parent.
char *OpenObject(Cursor &cursor, const char *keyOrNull);
char *OpenArray(Cursor &cursor, const char *keyOrNull);
char *Close(char *position);
void Close(Cursor &cursor);

// ---- Scanning (never reads past the text's NUL) ----
// Parses one value after optional whitespace. Returns the position after it,
// or null with out->type == kInvalid. Containers nested deeper than
// kMaxNesting levels are rejected (kObjectExpected / kArrayExpected at their
// opening bracket), so hostile input cannot exhaust the stack.
inline constexpr int kMaxNesting = 256;
const char *ParseValue(const char *text, Value *out);

// The value of the first top-level member named `key` (names compared after
// decoding their escapes), or null.
const char *Lookup(const char *objectText, const char *key);

// A string value's raw start (escapes still encoded) with its raw length and
// the position after it; otherwise defaultValue, its length (0 for null) and
// *end = null. `length` and `end` may be null.
const char *GetString(const char *value, const char *defaultValue, size_t *length, const char **end);

// A number value as int32 (fractions truncated toward zero); defaultValue when
// the value is not a number or does not fit int32. *end (may be null) is the
// position after the number, or null when the default is returned.
int32_t GetInt(const char *value, int32_t defaultValue, const char **end);

// First element of an array, or null for an empty array or a non-array.
const char *FirstElement(const char *arrayText);
// Given the position just after an element: the next element, or null at ']'.
const char *NextElement(const char *afterElement);

// Decodes `length` raw string characters into `buffer` (length + 1 bytes are
// always enough) as UTF-8 and appends a NUL. Returns the position of that NUL,
// or null when a broken escape ended decoding early.
char *DecodeString(const char *start, size_t length, char *buffer);
// Whether the decoded raw string equals the NUL-terminated key.
bool EqualsDecoded(const char *key, const char *start, size_t length);

// The closing bracket of the object or array starting exactly at `text`.
const char *EndOf(const char *text);
char *EndOf(char *text);

} // namespace jsonz
