// Attribute display names as the trace shows them.
#include <gtest/gtest.h>

#include <string>

#include "tracing/AttributeNames.h"

namespace {

TEST(AttributeNames, KnownIdentifiersHaveTheirNamesOthersNone) {
  const struct {
    ViAttr identifier;
    std::string name;
  } cases[] = {
      {1150001, "Acquisition Type"},          // first entry
      {1150255, "Module Power Consumption"},  // last entry
      {1050304, "Resource Descriptor"},       // an engine attribute
      {1150209, " RF Conditioning Cal Tone Frequency"}, // kept as written, leading space included
      {0, "Not Available"},
      {1150000, "Not Available"},
  };
  for (const auto &c : cases) EXPECT_EQ(zutrace::AttributeDisplayName(c.identifier), c.name) << c.identifier;
}

} // namespace
