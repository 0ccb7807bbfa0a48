#include <dlfcn.h>

#include <mutex>

#include "zusysq/stdpath_util.h"

// Where the error description files lie relative to the library's own
// folder; the build sets it from its install directories.
#ifndef ZUVEXA_DATA_FROM_LIBDIR
#define ZUVEXA_DATA_FROM_LIBDIR "../share/zuvexa"
#endif

namespace zusysq {
namespace {

std::mutex overrideMutex;
bool overridden = false;
std::string overrideDirectory;

// The folder of the file holding this code, "" when the loader cannot tell.
std::string OwnFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<const void *>(&OwnFolder), &info) == 0 || info.dli_fname == nullptr) return "";
  const std::string file = info.dli_fname;
  const size_t slash = file.rfind('/');
  return slash == std::string::npos ? "" : file.substr(0, slash + 1);
}

} // namespace

std::string InstalledDataDirectory() {
  {
    std::lock_guard<std::mutex> lock(overrideMutex);
    if (overridden) return overrideDirectory;
  }
  const std::string folder = OwnFolder();
  return folder.empty() ? "" : folder + ZUVEXA_DATA_FROM_LIBDIR;
}

namespace testing {

void SetInstalledDataDirectory(const char *directory) {
  std::lock_guard<std::mutex> lock(overrideMutex);
  overridden = directory != nullptr;
  overrideDirectory = directory != nullptr ? directory : "";
}

} // namespace testing
} // namespace zusysq
