#include "zuxlator/gxErrorsParserFailures.h"

#include <cstring>

#include "status/jsonz.h"
#include "zuapal/zuapalerr.h"

namespace zuxlator::failures {
namespace {

// A cursor inside a new "zuxlator_debug" object when the status took the
// code (after an "internal_error" object for a non-zero errno), else a cursor
// that writes nothing.
jsonz::Cursor DebugObject(zuerr::Status &status, bool taken, int error = 0) {
  if (!taken || status.json == nullptr) return jsonz::Cursor{nullptr, nullptr, nullptr};
  jsonz::Cursor cursor = zuerr::StatusCursor(status);
  if (error != 0) {
    const char *description = strerrordesc_np(error);
    jsonz::OpenObject(cursor, "internal_error");
    jsonz::PutString(cursor, "api", "errno");
    jsonz::PutInt(cursor, "code", error);
    jsonz::PutString(cursor, "string", description != nullptr ? description : "Unknown error");
    jsonz::Close(cursor);
  }
  jsonz::OpenObject(cursor, "zuxlator_debug");
  return cursor;
}

} // namespace

void FileCannotOpen(zuerr::Status &status, const char *path) {
  jsonz::Cursor cursor = DebugObject(status, ZUERR_SET(status, zuapalerr_resourceNotFound));
  jsonz::PutString(cursor, "debug", "Could not open status explanations file");
  jsonz::PutString(cursor, "path", path);
}

void EntryNumberUnreadable(zuerr::Status &status, int conversionResult) {
  jsonz::Cursor cursor = DebugObject(status, ZUERR_SET(status, zuapalerr_resourceNotFound));
  jsonz::PutString(cursor, "debug", "Could not successfully read the status data!");
  jsonz::PutInt(cursor, "sscanf", conversionResult);
}

void EntryWithoutEnd(zuerr::Status &status) {
  jsonz::Cursor cursor = DebugObject(status, ZUERR_SET(status, zuapalerr_resourceNotFound));
  jsonz::PutString(cursor, "debug",
                   "Bad explanation file. Could not find the end of the status code definition !");
}

void UnidentifiedSectionHeading(zuerr::Status &status) {
  jsonz::Cursor cursor = DebugObject(status, ZUERR_SET(status, zuapalerr_resourceNotFound));
  jsonz::PutString(cursor, "debug", "Bad explanation file. Unidentified section heading !");
}

void DirectoryCannotOpen(zuerr::Status &status, const char *directory, int error) {
  jsonz::Cursor cursor = DebugObject(status, ZUERR_SET(status, zuapalerr_resourceNotFound), error);
  jsonz::PutString(cursor, "debug", "open dir failed");
  jsonz::PutString(cursor, "path", directory);
}

void EntryInfoUnreadable(zuerr::Status &status, const char *directory, int error) {
  jsonz::Cursor cursor = DebugObject(status, ZUERR_SET(status, zuapalerr_resourceNotFound), error);
  jsonz::PutString(cursor, "zuxlator", "get file info failed");
  jsonz::PutString(cursor, "path", directory);
}

void OutOfMemory(zuerr::Status &status) {
  jsonz::Cursor cursor = DebugObject(status, ZUERR_SET(status, zuapalerr_memoryFull));
  jsonz::PutString(cursor, "zuxlator", "failed to allocate memory");
}

void InvalidLanguage(zuerr::Status &status, uint32_t language) {
  jsonz::Cursor cursor = DebugObject(status, ZUERR_SET(status, zuapalerr_invalidParameter));
  jsonz::PutString(cursor, "gxerrorsparser", "invalid language");
  jsonz::PutU64(cursor, "lang", language);
}

} // namespace zuxlator::failures
