// The copies between a caller's arguments and the service's messages: an
// input array carries its count of elements, an output never goes beyond
// the caller's buffer, a text is always terminated within it, and a count
// out of range gives no room at all.
#include <gtest/gtest.h>

#include <climits>

#include "Convert.h"

namespace zuclient {
namespace {

using google::protobuf::RepeatedField;
using google::protobuf::RepeatedPtrField;

TEST(RemoteClientConvert, InputArraysCarryTheirCountOfElements) {
  const double numbers[3] = {1, 2, 3};
  const ZUComplexNumber complex[2] = {{1, 2}, {3, 4}};
  const ViByte bytes[3] = {7, 8, 9};
  RepeatedField<double> numberField, absent;
  RepeatedPtrField<pb::Complex> complexField;
  std::string byteField;
  PutArray(numbers, 2, &numberField);
  PutArray(complex, 1, &complexField);
  PutArray(bytes, 2, &byteField);
  PutArray(numbers, -1, &absent);
  PutArray(static_cast<const double *>(nullptr), 3, &absent);
  EXPECT_EQ(std::vector<double>(numberField.begin(), numberField.end()), (std::vector<double>{1, 2}));
  ASSERT_EQ(complexField.size(), 1);
  EXPECT_EQ(complexField.Get(0).imaginary(), 2);
  EXPECT_EQ(byteField, "\x07\x08");
  EXPECT_TRUE(absent.empty());
}

TEST(RemoteClientConvert, OutputsStayWithinTheCallersBuffer) {
  RepeatedField<int32_t> values;
  for (int32_t value : {-5, 6, 7, 8}) values.Add(value);
  ViInt16 numbers[5] = {0, 0, 0, 99, 99};
  TakeArray(values, numbers, 3);
  EXPECT_EQ(std::vector<ViInt16>(numbers, numbers + 5), (std::vector<ViInt16>{-5, 6, 7, 99, 99}));
  TakeArray(values, numbers, 0);
  TakeArray(values, static_cast<ViInt16 *>(nullptr), 4);
  EXPECT_EQ(numbers[3], 99);

  ViByte bytes[4] = {0, 0, 0, 99};
  TakeArray(std::string("\x01\x02\x03\x04"), bytes, 3);
  EXPECT_EQ(bytes[2], 3);
  EXPECT_EQ(bytes[3], 99);

  RepeatedPtrField<pb::WaveformInfo> infos;
  infos.Add()->set_actual_samples(10);
  infos.Add()->set_actual_samples(20);
  WaveformInfo records[2] = {};
  records[1].actualSamples = -1;
  TakeArray(infos, records, 1);
  EXPECT_EQ(records[0].actualSamples, 10);
  EXPECT_EQ(records[1].actualSamples, -1);
}

TEST(RemoteClientConvert, TextsAreCutAndTerminatedWithinTheBuffer) {
  // The whole buffer of 8 after the copy into its first `size` bytes.
  const std::pair<int64_t, std::string> cases[] = {{4, std::string("abc\0###\0", 8)},
                                                   {1, std::string("\0######\0", 8)},
                                                   {7, std::string("abcdef\0\0", 8)},
                                                   {0, std::string("#######\0", 8)}};
  for (const auto &[size, expected] : cases) {
    char buffer[8] = "#######";
    TakeText("abcdef", buffer, size);
    EXPECT_EQ(std::string(buffer, 8), expected) << size;
  }
}

TEST(RemoteClientConvert, CapacityIsZeroForCountsOutOfRange) {
  const int64_t cases[][3] = {{3, 2, 6},
                              {0, 2, 0},
                              {-1, 2, 0},
                              {2, -1, 0},
                              {-2, -1, 0},
                              {INT64_MAX, 2, 0},
                              {INT64_MAX / 2, 2, INT64_MAX - 1}};
  for (const auto &c : cases) EXPECT_EQ(Capacity(c[0], c[1]), c[2]) << c[0] << " x " << c[1];
}

TEST(RemoteClientConvert, StatusCodesAreNamedAsGrpcNamesThem) {
  EXPECT_STREQ(CodeName(grpc::StatusCode::OK), "OK");
  EXPECT_STREQ(CodeName(grpc::StatusCode::UNAVAILABLE), "UNAVAILABLE");
  EXPECT_STREQ(CodeName(grpc::StatusCode::UNAUTHENTICATED), "UNAUTHENTICATED");
  EXPECT_STREQ(CodeName(static_cast<grpc::StatusCode>(17)), "UNKNOWN") << "a code gRPC does not define";
  EXPECT_STREQ(CodeName(static_cast<grpc::StatusCode>(-1)), "UNKNOWN");
}

} // namespace
} // namespace zuclient
