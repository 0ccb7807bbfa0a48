#include <gtest/gtest.h>

#include <dlfcn.h>

#include "status/Status.h"
#include "zuapal/zuapalerr.h"
#include "zudynlib/dynload.h"

namespace {

// Whether the status JSON holds `text` verbatim.
bool Holds(const zuerr::Status &status, const char *text) {
  return status.json != nullptr && std::string(status.json).find(text) != std::string::npos;
}

} // namespace

TEST(DynamicLoading, MissingLibraryOrSymbolIsNamedAndAnErrorOnEntryStopsEveryStep) {
  zuerr::Status status;
  EXPECT_EQ(zudynlib::LoadLibrary("libzuvexa-no-such.so", zudynlib::kBindNow, status), nullptr);
  ASSERT_EQ(status.code, zuapalerr_invalidParameter);
  for (const char *part : {R"("zudynlib_debug":{)", R"("path":"libzuvexa-no-such.so")",
                           R"("internal_error":{"api":"dlerror")", "libzuvexa-no-such.so: cannot open"})
    EXPECT_TRUE(Holds(status, part)) << status.json;
  EXPECT_EQ(dlerror(), nullptr) << "the loader's pending message is cleared";
  zuerr::Status failed;
  void *handle = zudynlib::LoadLibrary("libm.so.6", zudynlib::kBindNowGlobal, failed);
  ASSERT_NE(handle, nullptr);
  EXPECT_NE(zudynlib::GetSymbol(handle, "cos", failed), nullptr);
  EXPECT_EQ(zudynlib::GetSymbol(handle, "zuVEXA_NoSuchSymbol", failed), nullptr);
  ASSERT_EQ(failed.code, zuapalerr_invalidParameter);
  EXPECT_TRUE(Holds(failed, R"("zudynlib_symbol":"zuVEXA_NoSuchSymbol")")) << failed.json;
  EXPECT_EQ(zudynlib::GetSymbol(handle, "cos", failed), nullptr);
  EXPECT_EQ(zudynlib::LoadLibrary("libm.so.6", zudynlib::kBindNow, failed), nullptr);
  EXPECT_EQ(zudynlib::UnloadLibrary(handle), 0);
}
