// The supported-models text with module version files in a private tree.
#include "../sysq/PathsTestSupport.h"
#include "redirector/api/SupportedModelsText.h"

TEST(SupportedModels, ListsTheInstalledModulesInTableOrder) {
  pathtest::FileTree tree;
  EXPECT_EQ(zuapi::SupportedModelsText(), "") << "no module installed";
  tree.Write("/usr/share/zu-vexa/version/zuVEXAtov.txt", "1.0.0\n");
  const std::string tovOnly = zuapi::SupportedModelsText();
  EXPECT_EQ(tovOnly.rfind("ZU PXIe-Q118, ", 0), 0u) << tovOnly;
  tree.Write("/usr/share/zu-vexa/version/zuVEXAka.txt", "1.0.0\n");
  EXPECT_EQ(zuapi::SupportedModelsText(),
            "ZU PXIe-Q109, ZU PXIe-Q117 (14GHz), ZU PXIe-Q117 (26.5GHz), ZU PXIe-Q117, ZU PXIe-Q125, " +
                tovOnly);
}
