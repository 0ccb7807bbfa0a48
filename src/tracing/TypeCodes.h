// Type codes the call-tracing library receives with every traced value,
// and the code of each catalogue type: as a parameter at call time and as
// the value an output holds on return.
#pragma once

#include <cstdint>
#include <string_view>

namespace zutrace {

enum TypeCode : int32_t {
  kUInt32Value = 1, // data-reference outputs
  kInt32 = 3,
  kInt32Pointer = 4, // also ViInt32 arrays
  kInt16 = 7,
  kInt16Array = 8,
  kByteBuffer = 12,
  kOpaquePointer = 14, // placeholders, null strings, text buffers at call time
  kReal32Array = 18,
  kReal64 = 19,
  kReal64Array = 20, // also other pointers (records, complex arrays) at call time
  kBoolean = 21,
  kBooleanPointer = 22,
  kStatus = 23, // the function return only
  kAttribute = 29,
  kSession = 35,
  kSessionPointer = 36,
  kString = 45,
  kInt64 = 97,
  kInt64Pointer = 98,
};

// The code of a parameter of catalogue type `type` as traced at call time:
// scalars by value, pointers and arrays by their pointer type.
constexpr TypeCode CallTimeCode(std::string_view type) {
  if (type == "ViInt32" || type == "ViStatus") return kInt32;
  if (type == "ViInt16") return kInt16;
  if (type == "ViReal64") return kReal64;
  if (type == "ViBoolean") return kBoolean;
  if (type == "ViAttr") return kAttribute;
  if (type == "ViSession") return kSession;
  if (type == "ViUInt32") return kUInt32Value;
  if (type == "ViInt64" || type == "uintptr_t") return kInt64;
  if (type == "ViConstString") return kString;
  if (type.ends_with("ViInt32*") || type.ends_with("ViStatus*") || type.ends_with("ViUInt32*") ||
      type.ends_with("ViAttr*"))
    return kInt32Pointer;
  if (type.ends_with("ViInt16*")) return kInt16Array;
  if (type.ends_with("ViReal32*")) return kReal32Array;
  if (type.ends_with("ViBoolean*")) return kBooleanPointer;
  if (type.ends_with("ViSession*")) return kSessionPointer;
  if (type.ends_with("ViInt64*")) return kInt64Pointer;
  if (type.ends_with("ViByte*")) return kByteBuffer;
  if (type == "ViChar*") return kOpaquePointer;
  return kReal64Array;
}

// The code of the value an output pointer of catalogue type `type` refers
// to, as traced on return; arrays keep their array code.
constexpr TypeCode ReturnCode(std::string_view type, bool isArray) {
  if (isArray) return CallTimeCode(type);
  if (type.ends_with("ViInt32*") || type.ends_with("ViStatus*")) return kInt32;
  if (type.ends_with("ViUInt32*")) return kUInt32Value;
  if (type.ends_with("ViInt16*")) return kInt16;
  if (type.ends_with("ViReal64*")) return kReal64;
  if (type.ends_with("ViBoolean*")) return kBoolean;
  if (type.ends_with("ViSession*")) return kSession;
  if (type.ends_with("ViInt64*")) return kInt64;
  if (type == "ViChar*") return kString;
  return CallTimeCode(type);
}

} // namespace zutrace
