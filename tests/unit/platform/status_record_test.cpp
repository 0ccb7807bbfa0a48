#include <gtest/gtest.h>

#include <string>

#include "zuapal/StatusRecord.h"

using zuapal::StatusRecord;

TEST(StatusRecord, FirstErrorWinsAndErrorReplacesWarning) {
  StatusRecord record;
  EXPECT_FALSE(zuapal::SetCode(record, 0, "a", "f.cpp", 1));
  EXPECT_TRUE(zuapal::SetCode(record, 5, "a", "f.cpp", 1));
  EXPECT_FALSE(zuapal::SetCode(record, 6, "b", "g.cpp", 2)) << "a warning never replaces a warning";
  EXPECT_TRUE(zuapal::SetCode(record, -1, "comp", "err.cpp", 3));
  EXPECT_FALSE(zuapal::SetCode(record, -2, "x", "x.cpp", 4));
  EXPECT_FALSE(zuapal::SetCode(record, 5, "x", "x.cpp", 4));
  EXPECT_EQ(record.code, -1);
  EXPECT_STREQ(record.component, "comp");
  EXPECT_STREQ(record.file, "err.cpp");
  EXPECT_EQ(record.line, 3u);
}

TEST(StatusRecord, TextFieldsAreCutToTheirFields) {
  StatusRecord record;
  record.extension[0] = 77;
  std::string longFile = std::string(60, 'a') + std::string(30, 'b') + std::string(60, 'c');
  ASSERT_EQ(longFile.size(), 150u);
  zuapal::SetCode(record, -52000, "componentname", longFile.c_str(), 9);
  EXPECT_STREQ(record.component, "component");
  EXPECT_EQ(std::string(record.file), std::string(49, 'a') + ".." + std::string(49, 'c'));
  EXPECT_EQ(record.extension[0], 0u) << "a new code clears the first extension word";

  StatusRecord exact;
  std::string hundred(100, 'x');
  zuapal::SetCode(exact, -1, "c", hundred.c_str(), 1);
  EXPECT_EQ(std::string(exact.file), hundred);
}

TEST(StatusRecord, ShortLayoutKeepsOnlyTheCode) {
  StatusRecord record;
  record.size = 16;
  zuapal::SetCode(record, -3, "comp", "file.cpp", 12);
  EXPECT_EQ(record.code, -3);
  EXPECT_STREQ(record.component, "");
  EXPECT_EQ(record.line, 0u);
}

TEST(StatusRecord, MergeCopiesExtensionUpToFirstZero) {
  StatusRecord source;
  zuapal::SetCode(source, -7, "src", "s.cpp", 8);
  source.extension[0] = 1;
  source.extension[1] = 2;
  source.extension[2] = 0;
  source.extension[3] = 4;
  StatusRecord target;
  target.extension[3] = 99;
  EXPECT_TRUE(zuapal::Merge(target, source));
  EXPECT_EQ(target.code, -7);
  EXPECT_STREQ(target.file, "s.cpp");
  EXPECT_EQ(target.extension[1], 2u);
  EXPECT_EQ(target.extension[3], 99u);

  StatusRecord later;
  zuapal::SetCode(later, -9, "l", "l.cpp", 1);
  EXPECT_FALSE(zuapal::Merge(target, later));
  EXPECT_EQ(target.code, -7);
}

#include "status/Status.h"
#include "zuapal/StatusConversion.h"

TEST(StatusConversion, KeepsCodeComponentFileAndLine) {
  StatusRecord record;
  zuapal::SetCode(record, -52005, "zuvexa", "src/zudynlib/dynload.cpp", 42);
  zuerr::Status status;
  ASSERT_TRUE(zuapal::FromStatusRecord(record, status));
  EXPECT_EQ(status.code, -52005);

  StatusRecord back;
  ASSERT_TRUE(zuapal::ToStatusRecord(status, back));
  EXPECT_EQ(back.code, -52005);
  EXPECT_STREQ(back.component, "zuvexa");
  EXPECT_STREQ(back.file, "src/zudynlib/dynload.cpp");
  EXPECT_EQ(back.line, 42u);

  zuerr::Status warning;
  zuerr::SetCode(warning, 3);
  EXPECT_FALSE(zuapal::ToStatusRecord(warning, back)) << "the record keeps its first error";
}
