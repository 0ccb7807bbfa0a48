#include <gtest/gtest.h>

#include "zuapal/Growable.h"
#include "zuapal/zuapalerr.h"

using namespace zuapal;

TEST(Growth, CapacityNeverPassesTheLimitAndArrayAndTextSurviveOverflow) {
  EXPECT_EQ(NextTextCapacity(200, 500, SIZE_MAX), 500u) << "at least what is needed";
  EXPECT_EQ(NextArrayCapacity(100, 10, 120), 0u) << "growth beyond the limit is refused";
  EXPECT_EQ(NextArrayCapacity(SIZE_MAX - 1, SIZE_MAX, SIZE_MAX), SIZE_MAX);
  StatusRecord status;
  tArray<std::string> names;
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(names.push_back(std::to_string(i), status));
  names.erase(5);
  ASSERT_EQ(names.size(), 19u);
  EXPECT_EQ(names[4] + names[5] + names[18], "4619");
  EXPECT_FALSE(names.reserve(SIZE_MAX / 2, status));
  EXPECT_EQ(status.code, zuapalerr_memoryFull);
  EXPECT_EQ(names.size(), 19u);
  EXPECT_FALSE(names.push_back("20", status)) << "a status holding an error stops further work";
  StatusRecord textStatus;
  tWideText text;
  EXPECT_EQ(text.data()[0], U'\0');
  ASSERT_TRUE(text.append(U"ab", 2, textStatus));
  ASSERT_TRUE(text.append(U"c", 1, textStatus));
  EXPECT_EQ(std::u32string(text.data()), U"abc");
  ASSERT_TRUE(text.assign(U"z", 1, textStatus));
  EXPECT_FALSE(text.append(U"x", SIZE_MAX / 2, textStatus));
  EXPECT_EQ(textStatus.code, zuapalerr_memoryFull);
  EXPECT_EQ(std::u32string(text.data()), U"z");
}
