// Run from the build tree, the library describes its statuses with the error
// description files shipped in data/.
#include <gtest/gtest.h>

#include <string>

#include "zuVEXA.h"

TEST(BuildTreeData, ShippedFilesDescribeTheLibrarysStatuses) {
  for (ViStatus code : {static_cast<ViStatus>(0xBFFA000F), static_cast<ViStatus>(0xBFFA1190),
                        static_cast<ViStatus>(0xBFFA9400)}) {
    char text[1024] = {};
    EXPECT_EQ(zuVEXA_GetErrorMessage(0, code, sizeof text, text), 0);
    const std::string description = text;
    EXPECT_FALSE(description.empty()) << std::hex << code;
    EXPECT_NE(description, "Error description not found") << std::hex << code;
    EXPECT_NE(description.front(), '{') << "a failure's JSON: " << description;
  }
}
