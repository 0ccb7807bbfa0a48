// Attribute display names as the trace shows them.
#include <gtest/gtest.h>

#include <string>

#include "tracing/AttributeNames.h"

TEST(AttributeNames, KnownIdentifiersHaveTheirNamesOthersNone) {
  const std::pair<ViAttr, std::string> cases[] = {
      {1150001, "Acquisition Type"},         {1150255, "Module Power Consumption"}, // first and last
      {1050304, "Resource Descriptor"},      {1150209, " RF Conditioning Cal Tone Frequency"}, // as written
      {0, "Not Available"},                  {1150000, "Not Available"},
  };
  for (const auto &[identifier, name] : cases)
    EXPECT_EQ(zutrace::AttributeDisplayName(identifier), name) << identifier;
}
