// A private file system tree for the path tests, and helpers to read the
// status JSON.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "status/jsonz.h"
#include "zusysq/stdpath_util.h"

namespace pathtest {

// Makes a fresh temporary folder the root of the fixed paths for one test.
class FileTree {
public:
  FileTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zusysq-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    zusysq::testing::SetFileSystemRoot(root_.c_str());
  }
  ~FileTree() {
    zusysq::testing::SetFileSystemRoot(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  FileTree(const FileTree&) = delete;
  FileTree& operator=(const FileTree&) = delete;

  // Writes `content` (every byte) to root + path, creating its folders.
  std::string Write(const std::string& path, const std::string& content) const {
    std::filesystem::path full = root_ + path;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << content;
    return full.string();
  }
  void WriteShareDir(const std::string& content) const { Write(zusysq::kShareDirFile, content); }
  const std::string& Root() const { return root_; }

private:
  std::string root_;
};

// Sets or unsets an environment variable for one scope.
class ScopedEnv {
public:
  ScopedEnv(const char* name, const char* valueOrNull) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Apply(valueOrNull);
  }
  ~ScopedEnv() { Apply(old_ ? old_->c_str() : nullptr); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
  void Apply(const char* value) {
    if (value != nullptr)
      setenv(name_.c_str(), value, 1);
    else
      unsetenv(name_.c_str());
  }
  std::string name_;
  std::optional<std::string> old_;
};

// The decoded string member `key` of the object `object` ("<missing>" when absent).
inline std::string Member(const char* object, const char* key) {
  const char* value = object != nullptr ? jsonz::Lookup(object, key) : nullptr;
  if (value == nullptr) return "<missing>";
  size_t length = 0;
  const char* text = jsonz::GetString(value, nullptr, &length, nullptr);
  if (text == nullptr) return "<not a string>";
  std::string decoded(length + 1, '\0');
  jsonz::DecodeString(text, length, decoded.data());
  return decoded.c_str();
}

inline int32_t IntMember(const char* object, const char* key) {
  const char* value = object != nullptr ? jsonz::Lookup(object, key) : nullptr;
  return value != nullptr ? jsonz::GetInt(value, -1, nullptr) : -1;
}

} // namespace pathtest
