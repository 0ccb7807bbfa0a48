// A private file tree, a scoped environment variable and a reader of the status JSON.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "TemporaryDirectory.h"
#include "status/jsonz.h"
#include "zusysq/stdpath_util.h"

namespace pathtest {

// A fresh temporary folder, the root of the fixed paths for one test.
class FileTree : public testsupport::TemporaryDirectory {
public:
  FileTree() { zusysq::testing::SetFileSystemRoot(Path().c_str()); }
  ~FileTree() { zusysq::testing::SetFileSystemRoot(nullptr); }

  // Writes `content` (every byte) to root + path, creating its folders.
  std::string Write(const std::string& path, const std::string& content) const {
    std::filesystem::path full = Path() + path;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << content;
    return full.string();
  }
};

class ScopedEnv {
public:
  ScopedEnv(const char* name, const char* valueOrNull) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Apply(valueOrNull);
  }
  ~ScopedEnv() { Apply(old_ ? old_->c_str() : nullptr); }

private:
  void Apply(const char* value) { value != nullptr ? setenv(name_.c_str(), value, 1) : unsetenv(name_.c_str()); }
  std::string name_;
  std::optional<std::string> old_;
};

// The decoded string member `key` of `object` ("<missing>" when absent).
inline std::string Member(const char* object, const char* key) {
  const char* value = object != nullptr ? jsonz::Lookup(object, key) : nullptr;
  size_t length = 0;
  const char* text = value != nullptr ? jsonz::GetString(value, nullptr, &length, nullptr) : nullptr;
  if (text == nullptr) return "<missing>";
  std::string decoded(length + 1, '\0');
  jsonz::DecodeString(text, length, decoded.data());
  return decoded.c_str();
}

inline std::string DirectoryKind(const char* kind, int32_t expectedCode = 0) {
  zuerr::Status status;
  std::string value = "stale";
  zusysq::DirectoryKind(kind, value, status);
  EXPECT_EQ(status.code, expectedCode) << kind;
  return value;
}

inline std::string VersionText(const char* component, int32_t expectedCode = 0) {
  zuerr::Status status;
  std::string text;
  zusysq::ComponentVersionText(component, "zu-vexa", text, status);
  EXPECT_EQ(status.code, expectedCode) << component;
  return text;
}

} // namespace pathtest
