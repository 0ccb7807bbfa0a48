// Cursor forms of the insertion functions: on no room, grow and retry.
#include "status/jsonz.h"

namespace jsonz {
namespace {

// Runs insert(position) until it succeeds, growing the buffer after each
// refusal. Callers check their arguments first, so a refusal means no room.
template <typename Insert> char *InsertGrowing(Cursor &cursor, Insert insert) {
  while (cursor.position != nullptr) {
    if (char *after = insert(cursor.position)) {
      cursor.position = after;
      return after;
    }
    cursor.position = cursor.grow ? cursor.grow(cursor.position, cursor.argument) : nullptr;
  }
  return nullptr;
}

// Leaves the cursor at the closing bracket of the container just written.
char *EnterContainer(Cursor &cursor, char *after) {
  cursor.position = after ? after - 1 : nullptr;
  return cursor.position;
}

} // namespace

char *PutString(Cursor &cursor, const char *keyOrNull, const char *value) {
  if (value == nullptr) {
    cursor.position = nullptr;
    return nullptr;
  }
  return InsertGrowing(cursor, [&](char *p) { return AddString(p, keyOrNull, value); });
}

char *PutInt(Cursor &cursor, const char *keyOrNull, int32_t value) {
  return InsertGrowing(cursor, [&](char *p) { return AddInt(p, keyOrNull, value); });
}

char *PutU64(Cursor &cursor, const char *keyOrNull, uint64_t value) {
  return InsertGrowing(cursor, [&](char *p) { return AddU64(p, keyOrNull, value); });
}

char *OpenObject(Cursor &cursor, const char *keyOrNull) {
  return EnterContainer(cursor, InsertGrowing(cursor, [&](char *p) { return AddObject(p, keyOrNull); }));
}

char *OpenArray(Cursor &cursor, const char *keyOrNull) {
  return EnterContainer(cursor, InsertGrowing(cursor, [&](char *p) { return AddArray(p, keyOrNull); }));
}

char *Close(char *position) { return position ? position + 1 : nullptr; }

void Close(Cursor &cursor) { cursor.position = Close(cursor.position); }

} // namespace jsonz
