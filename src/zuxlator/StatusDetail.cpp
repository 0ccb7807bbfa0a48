#include "zuxlator/StatusDetail.h"

namespace zuxlator {

jsonz::Cursor DetailObject(zuerr::Status &status, bool taken, const char *key) {
  if (!taken || status.json == nullptr) return jsonz::Cursor{nullptr, nullptr, nullptr};
  jsonz::Cursor cursor = zuerr::StatusCursor(status);
  jsonz::OpenObject(cursor, key);
  return cursor;
}

void AddInternalError(zuerr::Status &status, bool taken, const char *api, int code, const char *text) {
  jsonz::Cursor cursor = DetailObject(status, taken, "internal_error");
  jsonz::PutString(cursor, "api", api);
  jsonz::PutInt(cursor, "code", code);
  jsonz::PutString(cursor, "string", text != nullptr ? text : "");
}

} // namespace zuxlator
