// Rendering of traced values by type code, and of a record as JSON.
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "PeekRecords.h"

namespace peeklog {
namespace {

constexpr int64_t kShownElements = 4;

std::string Quoted(const char *text, size_t length) {
  std::string out = "\"";
  for (size_t i = 0; i < length; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\r' || c == '\n' || c == '\t') {
      out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : "\\t";
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

template <class T> T Read(const void *address) {
  T value;
  std::memcpy(&value, address, sizeof value);
  return value;
}

std::string Number(int64_t value) { return std::to_string(value); }
std::string Unsigned(uint64_t value) { return std::to_string(value); }
std::string Real(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}
std::string Pointer(const void *address) {
  char text[24];
  std::snprintf(text, sizeof text, "\"0x%" PRIxPTR "\"", reinterpret_cast<uintptr_t>(address));
  return text;
}

// One element of an array code; complex pairs of reals show as [re, im].
std::string Element(const unsigned char *at, int64_t typeCode, int64_t elementSize) {
  switch (typeCode) {
  case 4:
    return Number(Read<int32_t>(at));
  case 8:
    return Number(Read<int16_t>(at));
  case 12:
    return Number(*at);
  case 18:
    return Real(Read<float>(at));
  case 22:
    return Number(Read<uint16_t>(at));
  case 36:
    return Unsigned(Read<uint32_t>(at));
  case 98:
    return Number(Read<int64_t>(at));
  default:
    if (elementSize == 16) return "[" + Real(Read<double>(at)) + "," + Real(Read<double>(at + 8)) + "]";
    return Real(Read<double>(at));
  }
}

int64_t NaturalSize(int64_t typeCode) {
  switch (typeCode) {
  case 4:
  case 18:
  case 36:
    return 4;
  case 8:
  case 22:
    return 2;
  case 12:
    return 1;
  default:
    return 8;
  }
}

bool IsArrayCode(int64_t typeCode) {
  switch (typeCode) {
  case 4:
  case 8:
  case 12:
  case 18:
  case 20:
  case 22:
  case 36:
  case 98:
    return true;
  default:
    return false;
  }
}

std::string Array(const void *address, int64_t elementSize, int64_t totalSize, int64_t typeCode) {
  const int64_t size = elementSize > 0 ? elementSize : NaturalSize(typeCode);
  const int64_t count = totalSize / size;
  std::string out = "{\"count\":" + Number(count) + ",\"first\":[";
  const auto *at = static_cast<const unsigned char *>(address);
  for (int64_t i = 0; i < count && i < kShownElements; ++i)
    out += (i ? "," : "") + Element(at + i * size, typeCode, size);
  return out + "]}";
}

} // namespace

std::string RenderValue(const void *address, int64_t elementSize, int64_t totalSize, int64_t typeCode,
                        bool atCallTime) {
  if (typeCode == 14) return address != nullptr ? Pointer(address) : "null";
  if (address == nullptr) return "null";
  if (IsArrayCode(typeCode)) {
    if (atCallTime && elementSize == 8 && totalSize == 8) return Pointer(address);
    return Array(address, elementSize, totalSize, typeCode);
  }
  switch (typeCode) {
  case 45:
    return Quoted(static_cast<const char *>(address), static_cast<size_t>(totalSize));
  case 3:
  case 23:
    return Number(Read<int32_t>(address));
  case 7:
    return Number(Read<int16_t>(address));
  case 21:
    return Number(Read<uint16_t>(address));
  case 1:
  case 29:
  case 35:
    return Unsigned(Read<uint32_t>(address));
  case 97:
    return Number(Read<int64_t>(address));
  case 19:
    return Real(Read<double>(address));
  default:
    return Pointer(address);
  }
}

Value MakeValue(int64_t index, const void *address, int64_t elementSize, int64_t totalSize, const char *name,
                int64_t typeCode, bool atCallTime) {
  Value value{index, name != nullptr, name != nullptr ? name : "", typeCode, elementSize, totalSize, ""};
  value.json = RenderValue(address, elementSize, totalSize, typeCode, atCallTime);
  return value;
}

namespace {
std::string ValuesJson(const std::vector<Value> &values) {
  std::string out = "[";
  for (size_t i = 0; i < values.size(); ++i) {
    const Value &v = values[i];
    out += (i ? "," : "") + std::string("{\"index\":") + Number(v.index) +
           ",\"name\":" + (v.hasName ? Quoted(v.name.data(), v.name.size()) : "null") +
           ",\"type\":" + Number(v.typeCode) + ",\"elementSize\":" + Number(v.elementSize) +
           ",\"size\":" + Number(v.totalSize) + ",\"value\":" + v.json + "}";
  }
  return out + "]";
}
} // namespace

std::string ToJson(const Record &record) {
  return "{\"function\":" + Quoted(record.function.data(), record.function.size()) +
         ",\"id\":" + Number(record.id) + ",\"params\":" + ValuesJson(record.params) +
         ",\"returns\":" + ValuesJson(record.returns) + ",\"success\":" + Number(record.success) + "}";
}

} // namespace peeklog
