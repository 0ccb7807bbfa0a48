// A private file tree, a scoped environment variable and readers of directory kinds and versions.
#pragma once

#include <gtest/gtest.h>

#include <optional>

#include "JsonMember.h"
#include "SharedErrorFiles.h"
#include "zusysq/stdpath_util.h"

namespace pathtest {

// A fresh temporary folder, the root of the fixed paths for one test.
class FileTree : private testsupport::TemporaryDirectory, public testsupport::SharedErrorFiles {
public:
  FileTree() : SharedErrorFiles(TemporaryDirectory::Path()) {
    zusysq::testing::SetFileSystemRoot(Directory().c_str());
  }
  ~FileTree() { zusysq::testing::SetFileSystemRoot(nullptr); }
  using SharedErrorFiles::Path;
};

// Sets or (for nullptr) removes an environment variable while it lives.
class ScopedEnv {
public:
  ScopedEnv(const char *name, const char *value) : name_(name) {
    if (const char *old = std::getenv(name)) old_ = old;
    Apply(value);
  }
  ~ScopedEnv() { Apply(old_ ? old_->c_str() : nullptr); }

private:
  void Apply(const char *value) {
    value != nullptr ? setenv(name_.c_str(), value, 1) : unsetenv(name_.c_str());
  }
  std::string name_;
  std::optional<std::string> old_;
};

using testsupport::Member;

// The result of read(value, status) started with a stale value, expecting `expectedCode`.
template <class Read> std::string Checked(const char *what, int32_t expectedCode, Read read) {
  zuerr::Status status;
  std::string value = "stale";
  read(value, status);
  EXPECT_EQ(status.code, expectedCode) << what;
  return value;
}

inline std::string DirectoryKind(const char *kind, int32_t expectedCode = 0) {
  return Checked(kind, expectedCode,
                 [&](std::string &v, zuerr::Status &s) { zusysq::DirectoryKind(kind, v, s); });
}

inline std::string VersionText(const char *component, int32_t expectedCode = 0) {
  return Checked(component, expectedCode, [&](std::string &v, zuerr::Status &s) {
    v.clear(), zusysq::ComponentVersionText(component, "zu-vexa", v, s);
  });
}

} // namespace pathtest
