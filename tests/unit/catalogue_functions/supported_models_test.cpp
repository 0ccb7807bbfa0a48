// The supported-models text with module version files in a private tree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "redirector/api/SupportedModelsText.h"
#include "zusysq/stdpath_util.h"

namespace fs = std::filesystem;

namespace {

class SupportedModelsTest : public ::testing::Test {
protected:
  void SetUp() override {
    char pattern[] = "/tmp/zu-models-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root = pattern;
    fs::create_directories(root / "usr/share/zu-vexa/version");
    zusysq::testing::SetFileSystemRoot(root.c_str());
  }
  void TearDown() override {
    zusysq::testing::SetFileSystemRoot(nullptr);
    fs::remove_all(root);
  }
  void Install(const std::string &driverPrefix) {
    std::ofstream(root / "usr/share/zu-vexa/version" / (driverPrefix + ".txt")) << "1.0.0\n";
  }
  fs::path root;
};

} // namespace

TEST_F(SupportedModelsTest, ListsTheInstalledModulesInTableOrder) {
  EXPECT_EQ(zuapi::SupportedModelsText(), "") << "no module installed";
  Install("zuVEXAtov");
  std::string tovOnly = zuapi::SupportedModelsText();
  EXPECT_EQ(tovOnly.rfind("ZU PXIe-Q118, ", 0), 0u) << tovOnly;
  Install("zuVEXAka");
  EXPECT_EQ(zuapi::SupportedModelsText(),
            "ZU PXIe-Q109, ZU PXIe-Q117 (14GHz), ZU PXIe-Q117 (26.5GHz), ZU PXIe-Q117, ZU PXIe-Q125, " + tovOnly);
}
