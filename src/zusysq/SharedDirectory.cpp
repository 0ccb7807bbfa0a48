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

} // namespace

std::string SharedDirectory() {
  zuerr::Status readStatus;
  std::vector<char> bytes;
  ReadWholeFile(RootedPath(kShareDirFile).c_str(), bytes, readStatus);
  if (zuerr::IsError(readStatus)) return kDefaultSharedDirectory;
  return TrimShareDir(std::string_view(bytes.data(), bytes.size()));
}

} // namespace zusysq
