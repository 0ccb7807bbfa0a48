// Error description files where an installed machine has them, seen by this
// process only: the test process enters a mount namespace of its own in
// which /usr/local (and /etc/kelmar, when the machine has it) is an empty
// in-memory file system; the library's default shared directory
// /usr/local/kelmar/share is made there. Nothing reaches the real /etc or
// /usr. Needs root; must run before the process starts any thread.
#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/vfs.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "SharedErrorFiles.h"

namespace testsupport {

inline constexpr const char *kDefaultSharedDirectory = "/usr/local/kelmar/share";

// Empty, private, in memory; false with the reason when it cannot be.
inline bool MountPrivateEmpty(const char *directory, std::string &why) {
  struct stat info;
  if (stat(directory, &info) != 0) return true; // nothing there to hide
  if (mount("tmpfs", directory, "tmpfs", 0, "size=16m,mode=755") != 0) {
    why = std::string("mount tmpfs on ") + directory + ": " + std::strerror(errno);
    return false;
  }
  constexpr long kTmpfsMagic = 0x01021994;
  struct statfs fileSystem;
  if (statfs(directory, &fileSystem) != 0 || fileSystem.f_type != kTmpfsMagic) {
    why = std::string(directory) + " is not the private file system";
    return false;
  }
  return true;
}

// Enters the namespace; false with the reason (the caller skips) when the
// process may not.
inline bool EnterPrivateSharedDirectory(std::string &why) {
  if (unshare(CLONE_NEWNS) != 0) {
    why = std::string("unshare(CLONE_NEWNS): ") + std::strerror(errno);
    return false;
  }
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    why = std::string("making / private: ") + std::strerror(errno);
    return false;
  }
  if (!MountPrivateEmpty("/etc/kelmar", why) || !MountPrivateEmpty("/usr/local", why)) return false;
  std::error_code error;
  std::filesystem::create_directories(kDefaultSharedDirectory, error);
  why = error.message();
  return !error;
}

} // namespace testsupport
