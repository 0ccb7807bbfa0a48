// A whole response sent as a stream of smaller ones: each output array in
// slices of at most kChunkBytes, every message with the call's status, the
// last one with the arrays' remainders and every other output. A client
// joins the slices in order to get the unary reply.
#pragma once

#include <grpcpp/grpcpp.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <type_traits>

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

template <class Array> size_t SizeOf(const Array &array) { return static_cast<size_t>(array.size()); }

template <class Array> void AppendSlice(const Array &from, size_t first, size_t count, Array *to) {
  to->Reserve(static_cast<int>(count));
  for (size_t i = first; i < first + count; ++i) *to->Add() = from.Get(static_cast<int>(i));
}
template <class T>
void AppendSlice(const google::protobuf::RepeatedField<T> &from, size_t first, size_t count,
                 google::protobuf::RepeatedField<T> *to) {
  to->Add(from.begin() + first, from.begin() + first + count);
}
inline void AppendSlice(const std::string &from, size_t first, size_t count, std::string *to) {
  to->append(from, first, count);
}

template <class Array> void EraseFront(Array &array, size_t count) {
  array.erase(array.begin(), array.begin() + static_cast<std::ptrdiff_t>(count));
}

// Sends the full slices of one array (`field` gives its address in a response), leaving its remainder in
// `whole`; false when the client is gone.
template <class Response, class Writer, class Field>
bool SendSlices(Response &whole, Writer &writer, size_t chunkBytes, Field field) {
  auto &array = *field(whole);
  const size_t perMessage = std::max<size_t>(1, chunkBytes / ElementBytes(array));
  size_t sent = 0;
  for (; SizeOf(array) - sent > perMessage; sent += perMessage) {
    Response slice;
    *slice.mutable_status() = whole.status();
    AppendSlice(array, sent, perMessage, field(slice));
    if (!writer.Write(slice)) return false;
  }
  EraseFront(array, sent);
  return true;
}

// CANCELLED when the client went away before the last message.
template <class Response, class Writer, class... Fields>
grpc::Status SendInChunks(Response &whole, Writer &writer, size_t chunkBytes, Fields... fields) {
  const bool sent = (SendSlices(whole, writer, chunkBytes, fields) && ...) && writer.Write(whole);
  if (sent) return grpc::Status::OK;
  return {grpc::StatusCode::CANCELLED, "the client went away during the stream"};
}

} // namespace zuremote
