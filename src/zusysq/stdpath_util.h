// Standard paths: the path variables ("$_zuShared32Dir" and friends), the
// table of installation directory kinds (optionally relocated by the
// platform's relocation library), "$" expansion in paths, and whole-file
// reading. Every operation reports failure through the status it is given.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "status/Status.h"
#include "status/StatusCodes.h"

namespace zusysq {

// Where the shared directory is configured, and its value without that file.
// The file lies below the standard sysconfdir.
inline constexpr const char *kShareDirFile = "/etc/kelmar/share/share.dir";
inline constexpr const char *kStandardSysconfdir = "/etc";
inline constexpr const char *kShareDirBelowSysconfdir = "/kelmar/share/share.dir";
inline constexpr const char *kDefaultSharedDirectory = "/usr/local/kelmar/share";

// value = the variable's current value ("" for a name that is not a variable,
// which is no error). Does nothing but clear value when the status holds an
// error on entry.
void LookupVariable(const char *name, std::string &value, zuerr::Status &status);

// Replaces every "$name" (the name runs up to the next '/') by the variable's
// value. Substituted text is not scanned again, so a value holding a reference
// (even to itself) stays as it is. A reference without a following '/'
// sets -52005. Returns the text built; the status tells whether it is valid.
std::string ExpandPath(const char *path, zuerr::Status &status);

// value = the directory kind's current value. First takes the table's own
// construction status (MergeInto); an unknown kind sets -52008.
void DirectoryKind(const char *kind, std::string &value, zuerr::Status &status);

// bytes = the file's content followed by one NUL. Cannot open: -52006; short
// read: -52008; both with the system's error in the JSON detail.
void ReadWholeFile(const char *path, std::vector<char> &bytes, zuerr::Status &status);

// text = the whole content of
// <datarootdir>/<productDirectory>/version/<component>.txt (path cut to 99
// characters), every byte included. Cannot open:
// ZUVEXA_ERROR_VERSION_FILE_NOT_FOUND.
void ComponentVersionText(const char *component, const char *productDirectory, std::string &text,
                          zuerr::Status &status);

// The trimmed content of the share.dir file, or kDefaultSharedDirectory when
// it cannot be read in full. Read anew at every call; never fails. When the
// relocation library moves sysconfdir (a build tree's stand-in does) and
// neither the file nor the default directory exists, the share.dir file
// below the relocated sysconfdir is read instead.
std::string SharedDirectory();

// The error description files installed with this library: the data folder
// of the prefix it was loaded from (found from its own file), "" when the
// loader cannot tell. Searched only after every shared place.
std::string InstalledDataDirectory();

namespace testing {
// Test-only: puts `root` (null or "" for none) in front of the fixed file
// system paths this module reads itself (the share.dir file and the
// component version files), so tests can lay out a private tree. Paths given
// to ReadWholeFile are never changed. The shipped library never calls it.
void SetFileSystemRoot(const char *root);
// Test-only: InstalledDataDirectory() returns `directory` ("" for none)
// instead of the library's own; null restores the library's own.
void SetInstalledDataDirectory(const char *directory);
} // namespace testing

} // namespace zusysq
