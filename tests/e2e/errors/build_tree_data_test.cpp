// Run from the build tree, the library describes its statuses with the error
// description files shipped in data/.
#include <gtest/gtest.h>

#include <string>

#include "zuVEXA.h"

TEST(BuildTreeData, ShippedFilesDescribeTheLibrarysStatuses) {
  for (uint32_t code : {0xBFFA000Fu, 0xBFFA1190u, 0xBFFA9400u}) {
    char text[1024] = {};
    EXPECT_EQ(zuVEXA_GetErrorMessage(0, static_cast<ViStatus>(code), sizeof text, text), 0);
    const std::string description = text;
    EXPECT_FALSE(description.empty() || description == "Error description not found" || description[0] == '{')
        << std::hex << code << ": " << description;
  }
}
