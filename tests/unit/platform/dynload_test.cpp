#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

#include "status/Status.h"
#include "status/jsonz.h"
#include "zuapal/zuapalerr.h"
#include "zudynlib/dynload.h"

namespace {

std::string Member(const char *object, const char *key) {
  const char *value = jsonz::Lookup(object, key);
  if (value == nullptr) return "<missing>";
  size_t length = 0;
  const char *text = jsonz::GetString(value, nullptr, &length, nullptr);
  if (text == nullptr) return "<not a string>";
  std::string decoded(length + 1, '\0');
  jsonz::DecodeString(text, length, decoded.data());
  return decoded.c_str();
}

} // namespace

TEST(DynamicLoading, LoadsSearchesAndUnloads) {
  zuerr::Status status;
  void *handle = zudynlib::LoadLibrary("libm.so.6", zudynlib::kBindNowGlobal, status);
  ASSERT_NE(handle, nullptr);
  EXPECT_NE(zudynlib::GetSymbol(handle, "cos", status), nullptr);
  EXPECT_EQ(status.code, 0);
  EXPECT_EQ(zudynlib::UnloadLibrary(handle), 0);
}

TEST(DynamicLoading, MissingLibraryCarriesLoaderMessage) {
  zuerr::Status status;
  EXPECT_EQ(zudynlib::LoadLibrary("libzuvexa-no-such.so", zudynlib::kBindNow, status), nullptr);
  ASSERT_EQ(status.code, zuapalerr_invalidParameter);
  const char *debug = jsonz::Lookup(status.json, "zudynlib_debug");
  ASSERT_NE(debug, nullptr) << status.json;
  EXPECT_EQ(Member(debug, "debug"), "failed to zudynlib_load library");
  EXPECT_EQ(Member(debug, "path"), "libzuvexa-no-such.so");
  const char *internal = jsonz::Lookup(status.json, "internal_error");
  ASSERT_NE(internal, nullptr);
  EXPECT_EQ(Member(internal, "api"), "dlerror");
  EXPECT_NE(Member(internal, "string").find("libzuvexa-no-such.so"), std::string::npos);
  EXPECT_EQ(dlerror(), nullptr) << "the loader's pending message is cleared";
}

TEST(DynamicLoading, MissingSymbolIsNamed) {
  zuerr::Status status;
  void *handle = zudynlib::LoadLibrary("libm.so.6", zudynlib::kBindNow, status);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(zudynlib::GetSymbol(handle, "zuVEXA_NoSuchSymbol", status), nullptr);
  ASSERT_EQ(status.code, zuapalerr_invalidParameter);
  const char *debug = jsonz::Lookup(status.json, "zudynlib_debug");
  ASSERT_NE(debug, nullptr);
  EXPECT_EQ(Member(debug, "debug"), "failed to get symbol");
  EXPECT_EQ(Member(debug, "zudynlib_symbol"), "zuVEXA_NoSuchSymbol");
  EXPECT_EQ(zudynlib::GetSymbol(handle, "cos", status), nullptr)
      << "a status holding an error makes the search do nothing";
  zudynlib::UnloadLibrary(handle);
}

TEST(DynamicLoading, ErrorOnEntrySkipsTheLoader) {
  zuerr::Status status;
  zuerr::SetCode(status, -1);
  EXPECT_EQ(zudynlib::LoadLibrary("libm.so.6", zudynlib::kBindNow, status), nullptr);
  EXPECT_EQ(status.code, -1);
  EXPECT_EQ(status.json, nullptr);
}
