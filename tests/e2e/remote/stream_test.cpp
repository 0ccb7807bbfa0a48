// How a call's outputs leave the server: a stream's messages parse as the
// response, and joined in order give the unary reply, whether an array goes
// out in its own memory (floating point) or copied (integers, records); each
// slice stays within its byte budget and carries the status; a client gone
// mid-stream stops it. A single record is
// sent as far as the library reports it wrote, and a record with an
// impossible count is sent zeroed.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "Stream.h"

namespace zuremote {
namespace {

using Response = pb::FetchIQMultiRecordComplexI16Response;

// Keeps what is written as gRPC would hold it, to be parsed once the server
// side is gone (the arrays sent in their own memory must outlive it);
// refuses every write after the first `accepted`.
struct FakeWriter {
  std::vector<grpc::ByteBuffer> written;
  size_t accepted = SIZE_MAX;
  bool Write(const WireMessage &message) {
    if (written.size() == accepted) return false;
    bool own = false;
    EXPECT_TRUE(
        grpc::SerializationTraits<WireMessage>::Serialize(message, &written.emplace_back(), &own).ok());
    return true;
  }
  template <class Message> std::vector<Message> Parsed() const {
    std::vector<Message> messages;
    for (const grpc::ByteBuffer &buffer : written) {
      std::vector<grpc::Slice> slices;
      EXPECT_TRUE(buffer.Dump(&slices).ok());
      std::string bytes;
      for (const grpc::Slice &slice : slices)
        bytes.append(reinterpret_cast<const char *>(slice.begin()), slice.size());
      EXPECT_TRUE(messages.emplace_back().ParseFromString(bytes));
    }
    return messages;
  }
};

auto Data = [](Response &r) { return r.mutable_data(); };
auto Infos = [](Response &r) { return r.mutable_wfm_info(); };

struct Streamed {
  FakeWriter writer; // every message, the last one too
  Response last;
  grpc::Status status;
};

// Streams `values` samples and `records` infos in slices of `chunkBytes`.
void Stream(Streamed &out, size_t values, size_t records, size_t chunkBytes) {
  std::vector<ViInt16> data(values);
  std::iota(data.begin(), data.end(), ViInt16{1});
  std::vector<WaveformInfo> infos(records);
  for (size_t i = 0; i < records; ++i) infos[i].actualSamples = static_cast<ViInt64>(i);
  out.last.mutable_status()->set_code(0x3FFA2010);
  StreamedArrays<Response, FakeWriter> arrays(&out.last, out.writer, chunkBytes);
  arrays.Put(data, data.size(), Data, Response::kDataFieldNumber);
  arrays.Put(infos, infos.size(), Infos, Response::kWfmInfoFieldNumber);
  out.status = arrays.Finish();
}

TEST(RemoteStream, JoinedMessagesGiveTheWholeReplyInSlicesWithinTheBudget) {
  struct Case {
    size_t values, records, chunkBytes, messages;
  } cases[] = {
      {0, 0, 100, 1},   // nothing to slice: the last message alone
      {20, 0, 100, 1},  // 20 values of at most 5 bytes fit one message
      {21, 0, 100, 2},  // one more needs a slice
      {100, 3, 100, 7}, // four slices of data, two of one info, the rest last
      {10, 5, 256, 3},  // two infos a slice
      {7, 0, 1, 7},     // a budget below one element still moves one a message
  };
  for (const Case &c : cases) {
    Streamed out;
    Stream(out, c.values, c.records, c.chunkBytes);
    ASSERT_TRUE(out.status.ok());
    ASSERT_EQ(out.writer.written.size(), c.messages) << c.values << " values";
    Response joined;
    for (const Response &m : out.writer.Parsed<Response>()) {
      EXPECT_EQ(m.status().code(), 0x3FFA2010) << "every message carries the status";
      EXPECT_LE(m.data_size() * 5u, std::max<size_t>(c.chunkBytes, 5));
      EXPECT_LE(m.wfm_info_size() * kRecordBytes, std::max(c.chunkBytes, kRecordBytes));
      joined.MergeFrom(m);
    }
    ASSERT_EQ(static_cast<size_t>(joined.data_size()), c.values);
    for (int i = 0; i < joined.data_size(); ++i) EXPECT_EQ(joined.data(i), i + 1);
    ASSERT_EQ(static_cast<size_t>(joined.wfm_info_size()), c.records);
    for (int i = 0; i < joined.wfm_info_size(); ++i) EXPECT_EQ(joined.wfm_info(i).actual_samples(), i);
  }
}

TEST(RemoteStream, DoublesGoOutInTheirOwnMemoryAndParseAsTheRecord) {
  using F64 = pb::FetchIQSingleRecordComplexF64Response;
  FakeWriter writer;
  {
    FilledArray<double> data(1000);
    std::iota(data.begin(), data.end(), 0.5);
    F64 last;
    last.mutable_status()->set_code(7);
    StreamedArrays<F64, FakeWriter> arrays(&last, writer, 800);
    arrays.Put(
        data, 990, [](F64 &r) { return r.mutable_data(); }, F64::kDataFieldNumber);
    last.mutable_wfm_info()->set_actual_samples(495);
    ASSERT_TRUE(arrays.Finish().ok());
  } // the arrays and the fetched data are gone; the written messages hold theirs
  const std::vector<F64> messages = writer.Parsed<F64>();
  ASSERT_EQ(messages.size(), 10u) << "nine slices of 100 doubles, 90 in the last";
  F64 joined;
  for (const F64 &m : messages) {
    EXPECT_EQ(m.status().code(), 7);
    EXPECT_LE(m.data_size(), 100);
    joined.MergeFrom(m);
  }
  ASSERT_EQ(joined.data_size(), 990);
  for (int i = 0; i < joined.data_size(); ++i) ASSERT_EQ(joined.data(i), i + 0.5);
  EXPECT_EQ(joined.wfm_info().actual_samples(), 495);
}

TEST(RemoteStream, BytesGoOutInSlicesOfTheirBudget) {
  using Bytes = pb::GetUserDataResponse;
  std::vector<ViByte> data(2500);
  std::iota(data.begin(), data.end(), ViByte{0});
  const std::string expected(data.begin(), data.end()); // Put may take the array
  FakeWriter writer;
  Bytes last;
  StreamedArrays<Bytes, FakeWriter> arrays(&last, writer, 1000);
  arrays.Put(
      data, data.size(), [](Bytes &r) { return r.mutable_data(); }, Bytes::kDataFieldNumber);
  ASSERT_TRUE(arrays.Finish().ok());
  std::string joined;
  for (const Bytes &m : writer.Parsed<Bytes>()) {
    EXPECT_LE(m.data().size(), 1000u);
    joined += m.data();
  }
  EXPECT_EQ(writer.written.size(), 3u);
  EXPECT_TRUE(joined == expected);
}

TEST(RemoteStream, AClientGoneStopsTheStream) {
  for (size_t accepted : {size_t{0}, size_t{2}, size_t{4}}) {
    Streamed out;
    out.writer.accepted = accepted;
    Stream(out, 100, 3, 100);
    EXPECT_EQ(out.status.error_code(), grpc::StatusCode::CANCELLED);
    EXPECT_EQ(out.writer.written.size(), accepted) << "nothing is written after a refused write";
  }
}

TEST(RemoteStream, ARecordIsSentAsFarAsTheLibraryWroteIt) {
  const auto sent = [](ViInt64 actualSamples, std::vector<double> &values) {
    FilledArray<double> array(8, 7.0);
    WaveformInfo info{};
    info.actualSamples = actualSamples;
    const size_t count = SentSamples(info, array);
    values.assign(array.begin(), array.begin() + static_cast<std::ptrdiff_t>(count));
  };
  std::vector<double> values;
  sent(3, values);
  EXPECT_EQ(values, std::vector<double>(6, 7.0));
  sent(4, values);
  EXPECT_EQ(values, std::vector<double>(8, 7.0)) << "a full record";
  sent(0, values);
  EXPECT_TRUE(values.empty());
  for (ViInt64 impossible : {ViInt64{-1}, ViInt64{5}}) {
    sent(impossible, values);
    EXPECT_EQ(values, std::vector<double>(8, 0.0)) << impossible << " samples: the whole array, zeroed";
  }
}

} // namespace
} // namespace zuremote
