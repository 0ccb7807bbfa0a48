// Error description files for one test, found by the library through the
// file-system seam (share.dir below a private root); nothing else is written.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "SharedErrorFiles.h"
#include "dvlShared/tErrorLookup.h"
#include "redirector/api/ExportDeclarations.h"
#include "zumxl/mxlate.h"
#include "zusysq/stdpath_util.h"

namespace errortest {

using testsupport::ErrorEntries;

// The temporary folder is a base: it exists before the files' directory.
class SeamErrorTree : private testsupport::TemporaryDirectory, public testsupport::SharedErrorFiles {
public:
  SeamErrorTree() : SharedErrorFiles(TemporaryDirectory::Path() + "/share") {
    zusysq::testing::SetFileSystemRoot(TemporaryDirectory::Path().c_str());
    Write("../etc/kelmar/share/share.dir", Directory() + "\n");
  }
  using SharedErrorFiles::Path;
  ~SeamErrorTree() {
    zusysq::testing::SetFileSystemRoot(nullptr);
    dvlShared::ErrorLookup().defaultLanguage = zumxl::kEnglish;
  }
};

// zuVEXA_GetErrorMessage without a session, in `language`.
inline std::string Describe(ViStatus code, zumxl::LanguageId language = zumxl::kEnglish) {
  dvlShared::ErrorLookup().defaultLanguage = language;
  char text[2048] = {};
  EXPECT_EQ(zuVEXA_GetErrorMessage(0, code, sizeof text, text), 0) << std::hex << code;
  return text;
}

// Runs `body` on a thread of its own, with empty IVI error information.
template <class Body> void OnFreshThread(Body body) { std::thread(body).join(); }

} // namespace errortest
