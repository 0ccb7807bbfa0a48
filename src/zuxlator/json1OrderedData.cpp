#include <cstring>

#include "zuxlator/json1.h"

namespace zuxlator::json1 {
namespace {

jsonz::Cursor NullCursor() { return jsonz::Cursor{nullptr, nullptr, nullptr}; }

// Writes "is_debug": "0", "version": 1 and "ordered_data": [] at the cursor;
// returns the cursor inside the new array.
jsonz::Cursor AddTranslatorInfoMembers(jsonz::Cursor cursor) {
  jsonz::PutString(cursor, "is_debug", "0");
  jsonz::PutInt(cursor, "version", 1);
  jsonz::OpenArray(cursor, "ordered_data");
  return cursor;
}

bool HoldsName(const char *value, const char *name) {
  size_t length = 0;
  const char *text = jsonz::GetString(value, nullptr, &length, nullptr);
  return text != nullptr && length == std::strlen(name) && std::memcmp(text, name, length) == 0;
}

// `position` (read-only, inside the status JSON) as a cursor that writes there.
jsonz::Cursor At(jsonz::Cursor cursor, zuerr::Status &status, const char *position) {
  cursor.position = position != nullptr ? status.json + (position - status.json) : nullptr;
  return cursor;
}

} // namespace

jsonz::Cursor OpenOrderedData(zuerr::Status &status, const char *translatorName) {
  jsonz::Cursor root = zuerr::StatusCursor(status);
  if (root.position == nullptr) return NullCursor();
  const char *translator = jsonz::Lookup(status.json, "translator");
  if (translator == nullptr) {
    jsonz::PutString(root, "translator", translatorName);
    jsonz::OpenObject(root, "translator_info");
    return AddTranslatorInfoMembers(root);
  }
  if (!HoldsName(translator, translatorName)) return NullCursor();
  const char *info = jsonz::Lookup(status.json, "translator_info");
  if (info == nullptr) {
    jsonz::OpenObject(root, "translator_info");
    return AddTranslatorInfoMembers(root);
  }
  if (*info != '{') return NullCursor();
  if (const char *ordered = jsonz::Lookup(info, "ordered_data")) {
    const char *end = *ordered == '[' ? jsonz::EndOf(ordered) : nullptr;
    return At(root, status, end);
  }
  return AddTranslatorInfoMembers(At(root, status, info));
}

} // namespace zuxlator::json1
