// Status code rules: the first error wins, an error replaces a warning.
#include "status/Status.h"

namespace zuerr {
namespace {

bool Replaces(int32_t current, int32_t incoming) {
  return (current == 0 && incoming != 0) || (current > 0 && incoming < 0);
}

// Appends the location members at the cursor; false if any is missing.
bool WriteLocation(jsonz::Cursor &cursor, const SourceLocation &location) {
  if (location.errorConstant != nullptr) {
    jsonz::PutString(cursor, "error_constant", location.errorConstant);
  }
  if (location.file != nullptr) {
    jsonz::PutString(cursor, "file", location.file);
  }
  jsonz::PutInt(cursor, "line", location.line);
  if (location.component != nullptr) {
    jsonz::PutString(cursor, "component", location.component);
  }
  return cursor.position != nullptr && location.errorConstant != nullptr && location.file != nullptr;
}

} // namespace

bool SetCode(Status &status, int32_t code) {
  if (!Replaces(status.code, code)) {
    return false;
  }
  status.code = code;
  if (status.json != nullptr) {
    ResetJson(status, nullptr);
  }
  return true;
}

bool SetCodeWithLocation(Status &status, int32_t code, const SourceLocation &location, bool *jsonComplete) {
  if (jsonComplete != nullptr) {
    *jsonComplete = true;
  }
  if (!SetCode(status, code)) {
    return false;
  }
  bool complete = ResetJson(status, nullptr) != nullptr;
  if (complete) {
    jsonz::Cursor cursor = StatusCursor(status);
    complete = WriteLocation(cursor, location);
  }
  if (jsonComplete != nullptr) {
    *jsonComplete = complete;
  }
  return true;
}

bool MergeInto(Status &target, const Status &source, bool *jsonComplete) {
  if (jsonComplete != nullptr) {
    *jsonComplete = true;
  }
  if (!SetCode(target, source.code)) {
    return false;
  }
  if (source.json != nullptr && source.capacity != 0 && ResetJson(target, source.json) == nullptr &&
      jsonComplete != nullptr) {
    *jsonComplete = false;
  }
  return true;
}

bool CopyStatus(Status &target, const Status &source) {
  if (&target == &source) {
    return true;
  }
  if (source.json == nullptr || source.capacity == 0) {
    if (target.json != nullptr && target.reallocateJson != nullptr) {
      target.reallocateJson(target, 0);
    }
    target.code = source.code;
    return true;
  }
  if (ResetJson(target, source.json) == nullptr) {
    return false;
  }
  target.code = source.code;
  return true;
}

} // namespace zuerr
