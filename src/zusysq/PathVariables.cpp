#include <cstdlib>
#include <cstring>
#include <new>

#include "zuapal/zuapalerr.h"
#include "zusysq/stdpath_util.h"

namespace zusysq {
namespace {

constexpr const char *kCommonAppDataDir = "/var/local/kelmar";

// TMPDIR as it is (even empty) when set, else "/tmp".
std::string TempDirectory() {
  const char *tmpdir = std::getenv("TMPDIR");
  return tmpdir != nullptr ? tmpdir : "/tmp";
}

bool Is(const char *name, const char *variable) { return std::strcmp(name, variable) == 0; }

// Every value is computed anew; only the directory kinds are cached.
void ComputeVariable(const char *name, std::string &value, zuerr::Status &status) {
  if (Is(name, "_zuShared32Dir") || Is(name, "_zuSharedDir")) {
    value = SharedDirectory();
  } else if (Is(name, "_multiarchlibdir")) {
    DirectoryKind("multiarchlibdir", value, status);
  } else if (Is(name, "_commonAppDataDir")) {
    value = kCommonAppDataDir;
  } else if (Is(name, "_tempDir")) {
    value = TempDirectory();
  }
}

} // namespace

void LookupVariable(const char *name, std::string &value, zuerr::Status &status) {
  value.clear();
  if (zuerr::IsError(status) || name == nullptr) return;
  try {
    ComputeVariable(name, value, status);
  } catch (const std::bad_alloc &) {
    value.clear();
    ZUERR_SET(status, zuapalerr_memoryFull);
  }
}

} // namespace zusysq
