// Copies between the library's records and arrays and the service's messages.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "zuVEXAtypes.h"
#include "zuvexa_remote.pb.h"

namespace zuremote {

namespace pb = ::zuvexa::remote;

inline void Put(const WaveformInfo &info, pb::WaveformInfo *message) {
  message->set_absolute_initial_x(info.absoluteInitialX);
  message->set_relative_initial_x(info.relativeInitialX);
  message->set_x_increment(info.xIncrement);
  message->set_actual_samples(info.actualSamples);
  message->set_offset(info.offset);
  message->set_gain(info.gain);
  message->set_reserved1(info.reserved1);
  message->set_reserved2(info.reserved2);
}

inline void Put(const ZUComplexNumber &value, pb::Complex *message) {
  message->set_real(value.real);
  message->set_imaginary(value.imaginary);
}

inline void Put(const ZUTimestamp &value, pb::Timestamp *message) {
  message->set_fraction(value.fraction);
  message->set_seconds(value.seconds);
}

inline ZUComplexNumber FromMessage(const pb::Complex &message) {
  return {message.real(), message.imaginary()};
}
inline ZUTimestamp FromMessage(const pb::Timestamp &message) {
  return {message.fraction(), message.seconds()};
}

// The first `count` elements of an output array.
template <class T, class Field>
void PutArray(const std::vector<T> &array, size_t count, google::protobuf::RepeatedField<Field> *out) {
  out->Reserve(static_cast<int>(count));
  for (size_t i = 0; i < count; ++i) out->AddAlreadyReserved(static_cast<Field>(array[i]));
}
template <class T, class Message>
void PutArray(const std::vector<T> &array, size_t count, google::protobuf::RepeatedPtrField<Message> *out) {
  out->Reserve(static_cast<int>(count));
  for (size_t i = 0; i < count; ++i) Put(array[i], out->Add());
}
inline void PutArray(const std::vector<ViByte> &array, size_t count, std::string *out) {
  out->assign(reinterpret_cast<const char *>(array.data()), count);
}

template <class T, class Field>
void CopyInput(const google::protobuf::RepeatedField<Field> &values, std::vector<T> &array, size_t count) {
  for (size_t i = 0; i < count; ++i) array[i] = static_cast<T>(values.Get(static_cast<int>(i)));
}
template <class T, class Message>
void CopyInput(const google::protobuf::RepeatedPtrField<Message> &values, std::vector<T> &array,
               size_t count) {
  for (size_t i = 0; i < count; ++i) array[i] = FromMessage(values.Get(static_cast<int>(i)));
}
inline void CopyInput(const std::string &values, std::vector<ViByte> &array, size_t count) {
  std::copy_n(values.data(), count, array.data());
}

// The interleaved elements a fetch returned: two per sample it reports,
// never more than the array holds.
inline size_t SamplesOf(const WaveformInfo &info, size_t capacity) {
  if (info.actualSamples < 0 || static_cast<uint64_t>(info.actualSamples) > capacity / 2) return capacity;
  return static_cast<size_t>(info.actualSamples) * 2;
}

// The text up to its terminating NUL, within the buffer.
inline std::string TextOf(const std::vector<ViChar> &text) {
  return std::string(text.data(), strnlen(text.data(), text.size()));
}

} // namespace zuremote
