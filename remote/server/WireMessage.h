// A response put together in its wire form, so that a stream can send the
// library's arrays without copying them into messages: protobuf-serialized
// fields, then packed array fields whose bytes are the arrays' own memory,
// kept alive until gRPC has sent them. Protobuf parses the concatenation as
// one message, as it would the response with those fields set.
#pragma once

#include <google/protobuf/message_lite.h>
#include <grpcpp/grpcpp.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zuremote {

class WireMessage {
public:
  // Bytes already in wire form (a serialized message's fields).
  void Append(const std::string &fields) {
    if (!fields.empty()) slices_.emplace_back(fields);
  }
  void Append(const google::protobuf::MessageLite &message) { Append(message.SerializeAsString()); }

  // Field `number` as a packed array: the `size` bytes at `data`, which
  // `owner` keeps alive for as long as gRPC holds them.
  void AppendPacked(int number, std::shared_ptr<const void> owner, const void *data, size_t size) {
    if (size == 0) return; // an empty packed field is left out, as protobuf does
    char head[20];
    size_t length = PutVarint(head, (static_cast<uint64_t>(number) << 3) | kLengthDelimited);
    length += PutVarint(head + length, size);
    slices_.emplace_back(head, length);
    auto *keeper = new std::shared_ptr<const void>(std::move(owner));
    slices_.emplace_back(const_cast<void *>(data), size, &Release, keeper);
  }

  grpc::ByteBuffer ToBuffer() const { return grpc::ByteBuffer(slices_.data(), slices_.size()); }

private:
  static constexpr uint64_t kLengthDelimited = 2;
  static size_t PutVarint(char *out, uint64_t value) {
    size_t n = 0;
    for (; value >= 0x80; value >>= 7) out[n++] = static_cast<char>(value | 0x80);
    out[n++] = static_cast<char>(value);
    return n;
  }
  static void Release(void *keeper) { delete static_cast<std::shared_ptr<const void> *>(keeper); }

  std::vector<grpc::Slice> slices_;
};

} // namespace zuremote

// gRPC sends a WireMessage as the bytes it holds; the server never reads one.
template <> class grpc::SerializationTraits<zuremote::WireMessage, void> {
public:
  static grpc::Status Serialize(const zuremote::WireMessage &message, grpc::ByteBuffer *buffer,
                                bool *ownBuffer) {
    *buffer = message.ToBuffer();
    *ownBuffer = true;
    return grpc::Status::OK;
  }
  static grpc::Status Deserialize(grpc::ByteBuffer *, zuremote::WireMessage *) {
    return {grpc::StatusCode::UNIMPLEMENTED, "the server only sends wire messages"};
  }
};
