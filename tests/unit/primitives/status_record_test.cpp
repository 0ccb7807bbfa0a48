#include <gtest/gtest.h>

#include "status/Status.h"
#include "zuapal/StatusConversion.h"
#include "zuapal/StatusRecord.h"

using zuapal::StatusRecord;

TEST(StatusRecord, FirstErrorWinsFieldsAreCutMergeCopiesTheExtensionAndConversionKeepsAll) {
  StatusRecord first;
  EXPECT_FALSE(zuapal::SetCode(first, 0, "a", "f.cpp", 1));
  EXPECT_TRUE(zuapal::SetCode(first, 5, "a", "f.cpp", 1));
  EXPECT_FALSE(zuapal::SetCode(first, 6, "b", "g.cpp", 2)) << "a warning never replaces a warning";
  EXPECT_TRUE(zuapal::SetCode(first, -1, "comp", "err.cpp", 3));
  EXPECT_FALSE(zuapal::SetCode(first, -2, "x", "x.cpp", 4));
  EXPECT_EQ(first.code, -1);
  EXPECT_EQ(std::string(first.component) + first.file + std::to_string(first.line), "comperr.cpp3");
  StatusRecord record;
  record.extension[0] = 77;
  const std::string longFile = std::string(60, 'a') + std::string(30, 'b') + std::string(60, 'c');
  zuapal::SetCode(record, -52000, "componentname", longFile.c_str(), 9);
  EXPECT_STREQ(record.component, "component");
  EXPECT_EQ(std::string(record.file), std::string(49, 'a') + ".." + std::string(49, 'c'));
  EXPECT_EQ(record.extension[0], 0u) << "a new code clears the first extension word";
  StatusRecord exact;
  zuapal::SetCode(exact, -1, "c", std::string(100, 'x').c_str(), 1);
  EXPECT_EQ(std::string(exact.file), std::string(100, 'x'));

  StatusRecord shortLayout;
  shortLayout.size = 16;
  zuapal::SetCode(shortLayout, -3, "comp", "file.cpp", 12);
  EXPECT_EQ(shortLayout.code, -3);
  EXPECT_EQ(shortLayout.component[0] + shortLayout.line, 0u);
  StatusRecord source, later, target;
  zuapal::SetCode(source, -7, "src", "s.cpp", 8);
  source.extension[0] = 1;
  source.extension[1] = 2;
  source.extension[3] = 4; // after the zero at 2
  target.extension[3] = 99;
  EXPECT_TRUE(zuapal::Merge(target, source));
  EXPECT_EQ(target.code, -7);
  EXPECT_STREQ(target.file, "s.cpp");
  EXPECT_EQ(target.extension[1] * 100 + target.extension[3], 299u);
  zuapal::SetCode(later, -9, "l", "l.cpp", 1);
  EXPECT_FALSE(zuapal::Merge(target, later));
  EXPECT_EQ(target.code, -7);
  StatusRecord converted, back;
  zuapal::SetCode(converted, -52005, "zuvexa", "src/zudynlib/dynload.cpp", 42);
  zuerr::Status status;
  ASSERT_TRUE(zuapal::FromStatusRecord(converted, status));
  ASSERT_TRUE(zuapal::ToStatusRecord(status, back));
  EXPECT_EQ(back.code, -52005);
  EXPECT_EQ(std::string(back.component) + " " + back.file + ":" + std::to_string(back.line),
            "zuvexa src/zudynlib/dynload.cpp:42");
  zuerr::Status warning;
  zuerr::SetCode(warning, 3);
  EXPECT_FALSE(zuapal::ToStatusRecord(warning, back)) << "the record keeps its first error";
}
