// Where a call's output arrays go: whole into the unary response, or as a
// stream of smaller responses. A stream sends each array in slices of at most
// kChunkBytes, every message with the call's status, and the last message
// with the arrays' remainders and every other output; a client joins the
// slices in order to get the unary reply. A floating-point array goes out in
// its own memory (its packed wire form is its bytes); others are copied into
// one reused message slice by slice.
#pragma once

#include <grpcpp/grpcpp.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "Messages.h"
#include "WireMessage.h"
#include "zuvexa_remote.pb.h"

namespace zuremote {

constexpr size_t kChunkBytes = size_t{1} << 20;
// The largest record message of the service (WaveformInfo: 8 fields, 74 bytes).
constexpr size_t kRecordBytes = 128;

// Encoded bytes one element takes at most: a float is fixed, an integer a
// varint (a negative non-zigzag 32-bit value takes 10 bytes, which only
// doubles a slice: the service streams none).
template <class T> constexpr size_t ElementBytes(const google::protobuf::RepeatedField<T> &) {
  if constexpr (std::is_floating_point_v<T>) return sizeof(T);
  return sizeof(T) <= 4 ? 5 : 10;
}
template <class M> constexpr size_t ElementBytes(const google::protobuf::RepeatedPtrField<M> &) {
  return kRecordBytes;
}
constexpr size_t ElementBytes(const std::string &) { return 1; }

template <class Array> void ClearArray(Array *array) { array->Clear(); }
inline void ClearArray(std::string *array) { array->clear(); }

// The unary reply: each array's first `count` elements into the response.
template <class Response> class WholeArrays {
public:
  explicit WholeArrays(Response *response) : response_(response) {}
  template <class T, class A, class Field>
  void Put(std::vector<T, A> &array, size_t count, Field field, int) {
    PutArray(array.data(), count, field(*response_));
  }

private:
  Response *response_;
};

// An array whose packed wire form is its memory.
template <class T, class Field>
constexpr bool kSentAsItIs = std::is_floating_point_v<T> &&std::is_same_v<T, Field>;
template <class Field> struct FieldType;
template <class F> struct FieldType<google::protobuf::RepeatedField<F>> { using type = F; };
template <class M> struct FieldType<google::protobuf::RepeatedPtrField<M>> { using type = M; };
template <> struct FieldType<std::string> { using type = std::string; };

// The streamed reply. `last` holds the status before the first array is put
// (Put may take the array), and gets the remainders; Finish sends it.
template <class Response, class Writer> class StreamedArrays {
public:
  StreamedArrays(Response *last, Writer &writer, size_t chunkBytes)
      : last_(last), writer_(writer), chunkBytes_(chunkBytes) {}

  template <class T, class A, class Field>
  void Put(std::vector<T, A> &array, size_t count, Field field, int number) {
    auto *slice = field(slice_);
    using Element = typename FieldType<std::remove_pointer_t<decltype(slice)>>::type;
    const size_t perMessage = std::max<size_t>(1, chunkBytes_ / ElementBytes(*slice));
    *slice_.mutable_status() = last_->status();
    const std::string status = slice_.SerializeAsString();
    const auto owner = std::make_shared<const std::vector<T, A>>(std::move(array));
    const T *values = owner->data();
    size_t sent = 0;
    for (; sent_ && count - sent > perMessage; sent += perMessage) {
      WireMessage message;
      if constexpr (kSentAsItIs<T, Element>) {
        message.Append(status);
        message.AppendPacked(number, owner, values + sent, perMessage * sizeof(T));
      } else {
        ClearArray(slice);
        PutArray(values + sent, perMessage, slice);
        message.Append(slice_);
      }
      sent_ = writer_.Write(message);
    }
    ClearArray(slice);
    PutArray(values + sent, count - sent, field(*last_));
  }

  // CANCELLED when the client went away before the last message.
  grpc::Status Finish() {
    WireMessage message;
    message.Append(*last_);
    if (sent_ && writer_.Write(message)) return grpc::Status::OK;
    return {grpc::StatusCode::CANCELLED, "the client went away during the stream"};
  }

private:
  Response *last_;
  Writer &writer_;
  size_t chunkBytes_;
  Response slice_;
  bool sent_ = true;
};

} // namespace zuremote
