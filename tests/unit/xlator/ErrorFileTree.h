// Error description files for one test, and readers of what a search leaves.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "SharedErrorFiles.h"
#include "status/Status.h"
#include "status/jsonz.h"
#include "zuVEXAtypes.h"

namespace xlatortest {

inline constexpr ViStatus kCode = static_cast<ViStatus>(0xBFFA0056);

// A private folder of files; Write returns the written file's path.
class ErrorFileTree : private testsupport::TemporaryDirectory, public testsupport::SharedErrorFiles {
public:
  ErrorFileTree() : SharedErrorFiles(TemporaryDirectory::Path()) {}
  std::string Write(const std::string &relative, const std::string &content) const {
    SharedErrorFiles::Write(relative, content);
    return Path(relative);
  }
  std::string Path(const std::string &relative = "") const { return Directory() + "/" + relative; }
};

inline std::string Entry(const std::string &code, const std::string &body) {
  return "<zuerror code=\"" + code + "\">\n" + body + "\n</zuerror>\n";
}
inline std::string Document(const std::string &entries) {
  return "<?xml version=\"1.0\">\n<zudocument>\n" + entries + "</zudocument>\n";
}
inline std::string Described(const std::string &text) { return Document(Entry("0xBFFA0056", text)); }

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

// Member `key` of `object` (decoded when a string, else its raw text), or
// "<missing>".
inline std::string Member(const char *object, const char *key) {
  jsonz::Value value;
  const char *start = object != nullptr ? jsonz::Lookup(object, key) : nullptr;
  const char *end = start != nullptr ? jsonz::ParseValue(start, &value) : nullptr;
  if (end == nullptr) return "<missing>";
  if (value.type != jsonz::kString) return std::string(start, end);
  std::string decoded(value.length + 1, '\0');
  jsonz::DecodeString(value.start, value.length, decoded.data());
  return decoded.c_str();
}
inline std::string Detail(const std::string &json, const char *object, const char *key) {
  return Member(jsonz::Lookup(json.c_str(), object), key);
}

} // namespace xlatortest
