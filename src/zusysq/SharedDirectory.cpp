#include <sys/stat.h>

#include <cstring>
#include <string_view>

#include "zusysq/FileSystemRoot.h"
#include "zusysq/stdpath_util.h"

namespace zusysq {
namespace {

bool IsBlank(char c) { return c != '\0' && std::strchr(" \t\n\v\f\r", c) != nullptr; }

// Drops trailing blanks, NUL bytes and '/', then leading blanks; inner
// characters (line ends included) stay.
std::string TrimShareDir(std::string_view text) {
  while (!text.empty() && (IsBlank(text.back()) || text.back() == '\0' || text.back() == '/'))
    text.remove_suffix(1);
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return std::string(text);
}

// The trimmed content of the share.dir file at `path`, false when it cannot
// be read in full.
bool ReadShareDir(const std::string &path, std::string &directory) {
  zuerr::Status readStatus;
  std::vector<char> bytes;
  ReadWholeFile(RootedPath(path).c_str(), bytes, readStatus);
  if (zuerr::IsError(readStatus)) return false;
  directory = TrimShareDir(std::string_view(bytes.data(), bytes.size()));
  return true;
}

// A relocated sysconfdir (as a build tree's relocation library gives) is
// asked only when neither standard place holds anything, so a machine's
// own set-up always wins.
bool ReadRelocatedShareDir(std::string &directory) {
  zuerr::Status kindStatus;
  std::string sysconfdir;
  DirectoryKind("sysconfdir", sysconfdir, kindStatus);
  if (zuerr::IsError(kindStatus) || sysconfdir == kStandardSysconfdir) return false;
  struct stat info;
  if (stat(RootedPath(kDefaultSharedDirectory).c_str(), &info) == 0) return false;
  return ReadShareDir(sysconfdir + kShareDirBelowSysconfdir, directory);
}

} // namespace

std::string SharedDirectory() {
  std::string directory;
  if (ReadShareDir(kShareDirFile, directory) || ReadRelocatedShareDir(directory)) return directory;
  return kDefaultSharedDirectory;
}

} // namespace zusysq
