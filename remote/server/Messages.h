// Copies between the library's records and arrays and the service's messages.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "zuVEXAtypes.h"
#include "zuvexa_remote.pb.h"

namespace zuremote {

namespace pb = ::zuvexa::remote;

// An allocator that leaves new elements unset, for arrays the library fills
// and only the filled part of which is sent (see SentSamples): zeroing 16 MiB
// before a fetch overwrites it would cost as much as a copy.
template <class T> struct UnsetAllocator : std::allocator<T> {
  template <class U> struct rebind { using other = UnsetAllocator<U>; };
  template <class U> void construct(U *at) noexcept { ::new (static_cast<void *>(at)) U; }
};
template <class T> using FilledArray = std::vector<T, UnsetAllocator<T>>;

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

// `count` elements of an output array, appended to a message's field (a
// block copy where the library's type is the field's).
template <class T, class Field>
void PutArray(const T *values, size_t count, google::protobuf::RepeatedField<Field> *out) {
  if constexpr (std::is_same_v<T, Field>) {
    out->Add(values, values + count);
  } else {
    out->Reserve(out->size() + static_cast<int>(count));
    for (size_t i = 0; i < count; ++i) out->AddAlreadyReserved(static_cast<Field>(values[i]));
  }
}
template <class T, class Message>
void PutArray(const T *values, size_t count, google::protobuf::RepeatedPtrField<Message> *out) {
  out->Reserve(out->size() + static_cast<int>(count));
  for (size_t i = 0; i < count; ++i) Put(values[i], out->Add());
}
inline void PutArray(const ViByte *values, size_t count, std::string *out) {
  out->append(reinterpret_cast<const char *>(values), count);
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
// The elements of a single record the library reports it wrote: two per
// sample. A record reporting an impossible count (negative or more than the
// array holds) is sent whole, zeroed, since what it wrote is unknown.
template <class T> size_t SentSamples(const WaveformInfo &info, FilledArray<T> &array) {
  if (info.actualSamples >= 0 && static_cast<uint64_t>(info.actualSamples) <= array.size() / 2)
    return static_cast<size_t>(info.actualSamples) * 2;
  std::fill(array.begin(), array.end(), T{});
  return array.size();
}

// The text up to its terminating NUL, within the buffer.
inline std::string TextOf(const std::vector<ViChar> &text) {
  return std::string(text.data(), strnlen(text.data(), text.size()));
}

} // namespace zuremote
