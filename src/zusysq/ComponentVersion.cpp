#include <new>

#include "status/StatusCodes.h"
#include "status/jsonz.h"
#include "zuapal/zuapalerr.h"
#include "zusysq/FileSystemRoot.h"
#include "zusysq/stdpath_util.h"

namespace zusysq {
namespace {

constexpr size_t kMaxVersionPathLength = 99;

void FailNotInstalled(zuerr::Status &status, const std::string &path) {
  if (!ZUERR_SET(status, ZUVEXA_ERROR_VERSION_FILE_NOT_FOUND) || status.json == nullptr) return;
  jsonz::Cursor cursor = zuerr::StatusCursor(status);
  jsonz::OpenObject(cursor, "zusysq_debug");
  jsonz::PutString(cursor, "desc", "error opening file");
  jsonz::PutString(cursor, "filename", path.c_str());
  jsonz::Close(cursor);
}

void ReadVersionFile(const std::string &path, std::string &text, zuerr::Status &status) {
  zuerr::Status readStatus;
  std::vector<char> bytes;
  ReadWholeFile(RootedPath(path).c_str(), bytes, readStatus);
  if (readStatus.code == zuapalerr_resourceNotFound) {
    FailNotInstalled(status, path);
  } else if (zuerr::IsError(readStatus)) {
    zuerr::MergeInto(status, readStatus);
  } else {
    text.assign(bytes.data(), bytes.size() - 1); // every byte but the added NUL
  }
}

} // namespace

void ComponentVersionText(const char *component, const char *productDirectory, std::string &text,
                          zuerr::Status &status) {
  if (zuerr::IsError(status)) return;
  try {
    std::string path;
    DirectoryKind("datarootdir", path, status);
    if (zuerr::IsError(status)) return;
    path.append("/").append(productDirectory != nullptr ? productDirectory : "");
    path.append("/version/").append(component != nullptr ? component : "").append(".txt");
    if (path.size() > kMaxVersionPathLength) path.resize(kMaxVersionPathLength);
    ReadVersionFile(path, text, status);
  } catch (const std::bad_alloc &) {
    ZUERR_SET(status, zuapalerr_memoryFull);
  }
}

} // namespace zusysq
