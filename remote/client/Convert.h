// Copies between the caller's arguments and the service's messages.
#pragma once

#include <grpcpp/support/status_code_enum.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>

#include "zuVEXAtypes.h"
#include "zuvexa_remote.pb.h"

namespace zuclient {

namespace pb = ::zuvexa::remote;

inline void Put(const ZUComplexNumber &value, pb::Complex *message) {
  message->set_real(value.real);
  message->set_imaginary(value.imaginary);
}
inline void Put(const ZUTimestamp &value, pb::Timestamp *message) {
  message->set_fraction(value.fraction);
  message->set_seconds(value.seconds);
}

inline void Take(const pb::WaveformInfo &message, WaveformInfo *info) {
  if (info == nullptr) return;
  info->absoluteInitialX = message.absolute_initial_x();
  info->relativeInitialX = message.relative_initial_x();
  info->xIncrement = message.x_increment();
  info->actualSamples = message.actual_samples();
  info->offset = message.offset();
  info->gain = message.gain();
  info->reserved1 = message.reserved1();
  info->reserved2 = message.reserved2();
}
inline void Take(const pb::Complex &message, ZUComplexNumber *value) {
  if (value != nullptr) *value = {message.real(), message.imaginary()};
}
inline void Take(const pb::Timestamp &message, ZUTimestamp *value) {
  if (value != nullptr) *value = {message.fraction(), message.seconds()};
}
template <class T, class Field> void Take(const Field &message, T *value) {
  if (value != nullptr) *value = static_cast<T>(message);
}

// An input array of `count` elements; nothing when it is absent or the count
// is not positive (the server then refuses the count).
template <class T, class Field>
void PutArray(const T *values, int64_t count, google::protobuf::RepeatedField<Field> *out) {
  if (values == nullptr || count <= 0) return;
  out->Reserve(static_cast<int>(count));
  for (int64_t i = 0; i < count; ++i) out->AddAlreadyReserved(static_cast<Field>(values[i]));
}
template <class T, class Message>
void PutArray(const T *values, int64_t count, google::protobuf::RepeatedPtrField<Message> *out) {
  if (values == nullptr || count <= 0) return;
  for (int64_t i = 0; i < count; ++i) Put(values[i], out->Add());
}
inline void PutArray(const ViByte *values, int64_t count, std::string *out) {
  if (values != nullptr && count > 0) out->assign(reinterpret_cast<const char *>(values), count);
}

// The elements the server returned, never more than the caller's array holds.
inline size_t Fitting(size_t returned, int64_t capacity) {
  return capacity <= 0 ? 0 : std::min(returned, static_cast<size_t>(capacity));
}
template <class T, class Field>
void TakeArray(const google::protobuf::RepeatedField<Field> &values, T *out, int64_t capacity) {
  if (out == nullptr) return;
  const size_t count = Fitting(static_cast<size_t>(values.size()), capacity);
  for (size_t i = 0; i < count; ++i) out[i] = static_cast<T>(values.Get(static_cast<int>(i)));
}
template <class T, class Message>
void TakeArray(const google::protobuf::RepeatedPtrField<Message> &values, T *out, int64_t capacity) {
  if (out == nullptr) return;
  const size_t count = Fitting(static_cast<size_t>(values.size()), capacity);
  for (size_t i = 0; i < count; ++i) Take(values.Get(static_cast<int>(i)), &out[i]);
}
inline void TakeArray(const std::string &values, ViByte *out, int64_t capacity) {
  if (out != nullptr) std::memcpy(out, values.data(), Fitting(values.size(), capacity));
}

// A text into a buffer of `size` bytes: as much as fits, always terminated.
inline void TakeText(const std::string &text, ViChar *buffer, int64_t size) {
  if (buffer == nullptr || size <= 0) return;
  const size_t length = std::min(text.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

// Elements of an output array of `count` items of `parts` elements each;
// 0 when either is not positive or the product overflows.
constexpr int64_t Capacity(int64_t count, int64_t parts) {
  return count <= 0 || parts <= 0 || count > INT64_MAX / parts ? 0 : count * parts;
}

// gRPC's name of a status code, as a transport failure's description shows it.
inline const char *CodeName(grpc::StatusCode code) {
  static const char *const kNames[] = {
      "OK",        "CANCELLED",      "UNKNOWN",           "INVALID_ARGUMENT",   "DEADLINE_EXCEEDED",
      "NOT_FOUND", "ALREADY_EXISTS", "PERMISSION_DENIED", "RESOURCE_EXHAUSTED", "FAILED_PRECONDITION",
      "ABORTED",   "OUT_OF_RANGE",   "UNIMPLEMENTED",     "INTERNAL",           "UNAVAILABLE",
      "DATA_LOSS", "UNAUTHENTICATED"};
  const auto index = static_cast<size_t>(code);
  return index < std::size(kNames) ? kNames[index] : "UNKNOWN";
}

} // namespace zuclient
