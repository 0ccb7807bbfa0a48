#include "zusysq/FileSystemRoot.h"

#include <mutex>

#include "zusysq/stdpath_util.h"

namespace zusysq {
namespace {

std::mutex rootMutex;
std::string fileSystemRoot;

} // namespace

std::string RootedPath(const std::string &path) {
  std::lock_guard<std::mutex> lock(rootMutex);
  return fileSystemRoot + path;
}

namespace testing {

void SetFileSystemRoot(const char *root) {
  std::lock_guard<std::mutex> lock(rootMutex);
  fileSystemRoot = root != nullptr ? root : "";
}

} // namespace testing
} // namespace zusysq
