// A private folder of error description files for one test, and readers of
// the status JSON members the searches write.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "status/Status.h"
#include "status/jsonz.h"
#include "zuVEXAtypes.h"

namespace xlatortest {

class ErrorFileTree {
public:
  ErrorFileTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zuxlator-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
  }
  ~ErrorFileTree() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  // Writes `content` (every byte) to root/relative, creating its folders;
  // returns the full path.
  std::string Write(const std::string &relative, const std::string &content) const {
    std::filesystem::path full = Path(relative);
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << content;
    return full.string();
  }
  std::string Path(const std::string &relative = "") const {
    return relative.empty() ? root_ : root_ + "/" + relative;
  }

private:
  std::string root_;
};

inline constexpr ViStatus kCode = static_cast<ViStatus>(0xBFFA0056);

// What a search left: its text, status code and status JSON.
struct Found {
  std::string text;
  int32_t code;
  std::string json;
};

// Runs search(text, status) with a stale text and a fresh status.
template <class Search> Found Searched(Search search) {
  zuerr::Status status;
  std::string text = "stale";
  search(text, status);
  return {text, status.code, status.json != nullptr ? status.json : ""};
}

// A well-formed file holding the given entries, e.g. Entry(0x1, "text").
inline std::string Document(const std::string &entries) {
  return "<?xml version=\"1.0\">\n<zudocument>\n" + entries + "</zudocument>\n";
}
inline std::string Entry(const std::string &code, const std::string &body) {
  return "<zuerror code=\"" + code + "\">\n" + body + "\n</zuerror>\n";
}

// The value of `key` in `object`, decoded when it is a string and as its raw
// text otherwise; "<missing>" when absent.
inline std::string Member(const char *object, const char *key) {
  const char *value = object != nullptr ? jsonz::Lookup(object, key) : nullptr;
  if (value == nullptr) return "<missing>";
  jsonz::Value parsed;
  const char *end = jsonz::ParseValue(value, &parsed);
  if (end == nullptr) return "<invalid>";
  if (parsed.type != jsonz::kString) return std::string(value, end);
  std::string decoded(parsed.length + 1, '\0');
  jsonz::DecodeString(parsed.start, parsed.length, decoded.data());
  return decoded.c_str();
}

// Member `key` of the status JSON's object `object`.
inline std::string Detail(const char *json, const char *object, const char *key) {
  return Member(json != nullptr ? jsonz::Lookup(json, object) : nullptr, key);
}

} // namespace xlatortest
