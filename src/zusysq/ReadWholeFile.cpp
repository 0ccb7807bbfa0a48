#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

#include "status/jsonz.h"
#include "zuapal/zuapalerr.h"
#include "zusysq/stdpath_util.h"

namespace zusysq {
namespace {

// strerror_r comes in a GNU form (returns the text) and an XSI form (fills
// the buffer); these pick the text from either.
[[maybe_unused]] const char *ErrorText(const char *result, const char *) { return result; }
[[maybe_unused]] const char *ErrorText(int result, const char *buffer) { return result == 0 ? buffer : ""; }

void AddErrnoDetail(jsonz::Cursor &cursor, int error) {
  char buffer[256] = "";
  jsonz::OpenObject(cursor, "internal_error");
  jsonz::PutString(cursor, "api", "errno");
  jsonz::PutInt(cursor, "code", error);
  jsonz::PutString(cursor, "string", ErrorText(strerror_r(error, buffer, sizeof buffer), buffer));
  jsonz::Close(cursor);
}

void FailOpen(zuerr::Status &status, const char *path, int error) {
  if (!ZUERR_SET(status, zuapalerr_resourceNotFound) || status.json == nullptr) return;
  jsonz::Cursor cursor = zuerr::StatusCursor(status);
  AddErrnoDetail(cursor, error);
  jsonz::OpenObject(cursor, "zusysq_debug");
  jsonz::PutString(cursor, "desc", "error opening file");
  jsonz::PutString(cursor, "filename", path);
  jsonz::Close(cursor);
}

void FailRead(zuerr::Status &status, const char *path, int error, uint64_t fileSize, uint64_t bytesRead) {
  if (!ZUERR_SET(status, zuapalerr_osFault) || status.json == nullptr) return;
  jsonz::Cursor cursor = zuerr::StatusCursor(status);
  AddErrnoDetail(cursor, error);
  jsonz::OpenObject(cursor, "zusysq_debug");
  jsonz::PutString(cursor, "desc", "didn't read full content of file");
  jsonz::PutU64(cursor, "fileSize", fileSize);
  jsonz::PutU64(cursor, "fread_return", bytesRead);
  jsonz::PutString(cursor, "filename", path);
  jsonz::Close(cursor);
}

// A directory opens for reading but has no content to read: report it as a
// file that cannot be opened.
FILE *OpenRegularContent(const char *path) {
  FILE *file = std::fopen(path, "rb");
  if (file == nullptr) return nullptr;
  struct stat info {};
  if (fstat(fileno(file), &info) == 0 && S_ISDIR(info.st_mode)) {
    std::fclose(file);
    errno = EISDIR;
    return nullptr;
  }
  return file;
}

// The file's size, with the position back at the start; -1 when it cannot
// be learnt.
long SizeOf(FILE *file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  long size = std::ftell(file);
  if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) return -1;
  return size;
}

void ReadOpenFile(FILE *file, const char *path, std::vector<char> &bytes, zuerr::Status &status) {
  errno = 0;
  long size = SizeOf(file);
  if (size < 0) {
    FailRead(status, path, errno, 0, 0);
    return;
  }
  size_t fileSize = static_cast<size_t>(size);
  try {
    bytes.resize(fileSize + 1);
  } catch (const std::exception &) {
    ZUERR_SET(status, zuapalerr_memoryFull);
    return;
  }
  errno = 0;
  size_t bytesRead = std::fread(bytes.data(), 1, fileSize, file);
  if (bytesRead < fileSize) {
    FailRead(status, path, errno, fileSize, bytesRead);
    return;
  }
  bytes[fileSize] = '\0';
}

} // namespace

void ReadWholeFile(const char *path, std::vector<char> &bytes, zuerr::Status &status) {
  if (zuerr::IsError(status)) return;
  if (path == nullptr) {
    FailOpen(status, "", EINVAL);
    return;
  }
  FILE *file = OpenRegularContent(path);
  if (file == nullptr) {
    FailOpen(status, path, errno);
    return;
  }
  ReadOpenFile(file, path, bytes, status);
  std::fclose(file);
}

} // namespace zusysq
