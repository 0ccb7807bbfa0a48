// Error description files below a shared directory, laid out as the library searches them.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "TemporaryDirectory.h"

namespace testsupport {

// {code as written in the file ("0xBFFA000F", "-52005"), description}
using ErrorEntries = std::vector<std::pair<std::string, std::string>>;

inline std::string Entry(const std::string &code, const std::string &description) {
  return "<zuerror code=\"" + code + "\">\n" + description + "\n</zuerror>\n";
}
// A document around entries written out.
inline std::string Document(const std::string &entries) {
  return "<?xml version=\"1.0\">\n<zudocument>\n" + entries + "</zudocument>\n";
}
inline std::string ErrorDocument(const ErrorEntries &entries) {
  std::string text;
  for (const auto &[code, description] : entries) text += Entry(code, description);
  return Document(text);
}

class SharedErrorFiles {
public:
  explicit SharedErrorFiles(std::string sharedDirectory) : shared_(std::move(sharedDirectory)) {}

  // Writes `content` (every byte) to shared/relative, creating its folders; its path.
  std::string Write(const std::string &relative, const std::string &content) const {
    std::filesystem::path full = Path(relative);
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << content;
    return full.string();
  }
  std::string Path(const std::string &relative = "") const { return shared_ + "/" + relative; }
  // mierrors/zuVEXA/<language>/<file>
  void Driver(const std::string &language, const std::string &file, const ErrorEntries &entries) const {
    Write("mierrors/zuVEXA/" + language + "/" + file, ErrorDocument(entries));
  }
  // errors/<language>/<file>, or errors/<file> for an empty language.
  void Shared(const std::string &language, const std::string &file, const ErrorEntries &entries) const {
    Write("errors/" + (language.empty() ? "" : language + "/") + file, ErrorDocument(entries));
  }
  const std::string &Directory() const { return shared_; }

private:
  std::string shared_;
};

} // namespace testsupport
