// Error description files for one test, and readers of what a search leaves.
#pragma once

#include <gtest/gtest.h>

#include "JsonMember.h"
#include "SharedErrorFiles.h"
#include "status/Status.h"
#include "zuVEXAtypes.h"

namespace xlatortest {

inline constexpr ViStatus kCode = static_cast<ViStatus>(0xBFFA0056);

using testsupport::Detail;
using testsupport::Document;
using testsupport::Entry;
using testsupport::Member;

// A private folder of error description files.
class ErrorFileTree : private testsupport::TemporaryDirectory, public testsupport::SharedErrorFiles {
public:
  ErrorFileTree() : SharedErrorFiles(TemporaryDirectory::Path()) {}
  using SharedErrorFiles::Path;
};

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

} // namespace xlatortest
