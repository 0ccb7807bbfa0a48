#include "zuxlatorlua/stdint/Int64Module.h"

#include <lauxlib.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <type_traits>

// Only plain values live in these frames: luaL_error unwinds with longjmp.
namespace {

constexpr lua_Number kTwoTo63 = 9223372036854775808.0;
constexpr lua_Number kTwoTo64 = 18446744073709551616.0;

// Numbers outside the range saturate at its ends; NaN gives 0.
int64_t SignedFromNumber(lua_Number n) {
  if (n != n) return 0;
  if (n >= kTwoTo63) return INT64_MAX;
  if (n < -kTwoTo63) return INT64_MIN;
  return static_cast<int64_t>(n);
}

// Negative numbers give their two's-complement bit pattern; numbers of 2^63
// and above keep the top bit.
uint64_t UnsignedFromNumber(lua_Number n) {
  if (n >= kTwoTo64) return UINT64_MAX;
  if (n >= kTwoTo63) return static_cast<uint64_t>(SignedFromNumber(n - kTwoTo63)) | (uint64_t{1} << 63);
  return static_cast<uint64_t>(SignedFromNumber(n));
}

struct U64 {
  using Value = uint64_t;
  static constexpr const char *kName = "u64";
  static constexpr const char *kDecimal = "%" SCNu64;
  static Value FromNumber(lua_Number n) { return UnsignedFromNumber(n); }
};

struct I64 {
  using Value = int64_t;
  static constexpr const char *kName = "i64";
  static constexpr const char *kDecimal = "%" SCNi64;
  static Value FromNumber(lua_Number n) { return SignedFromNumber(n); }
};

template <class T> int Push(lua_State *L, typename T::Value value) {
  auto *slot = static_cast<typename T::Value *>(lua_newuserdata(L, sizeof value));
  *slot = value;
  luaL_getmetatable(L, T::kName);
  lua_setmetatable(L, -2);
  return 1;
}

// A number converts as in the constructor; a userdata must be of type T.
template <class T> typename T::Value Get(lua_State *L, int index) {
  switch (lua_type(L, index)) {
  case LUA_TNUMBER:
    return T::FromNumber(lua_tonumber(L, index));
  case LUA_TUSERDATA:
    return *static_cast<typename T::Value *>(luaL_checkudata(L, index, T::kName));
  default:
    luaL_error(L, "Can't get a %s from argument", T::kName);
    return 0;
  }
}

template <class T> typename T::Value Parse(lua_State *L, const char *text) {
  typename T::Value value = 0;
  if (std::sscanf(text, T::kDecimal, &value) != 1)
    luaL_error(L, "Unable to parse a number out of \"%s\"", text);
  return value;
}

template <class T> int Construct(lua_State *L) {
  if (lua_gettop(L) != 1) return Push<T>(L, 0);
  switch (lua_type(L, 1)) {
  case LUA_TNUMBER:
    return Push<T>(L, T::FromNumber(lua_tonumber(L, 1)));
  case LUA_TSTRING:
    return Push<T>(L, Parse<T>(L, lua_tostring(L, 1)));
  default:
    return luaL_error(L, "%s constructor arg must be a number or a string", T::kName);
  }
}

// Wrapping arithmetic is done on the unsigned bits, where it is defined.
template <class T, uint64_t (*Op)(uint64_t, uint64_t)> int Wrapping(lua_State *L) {
  const auto a = static_cast<uint64_t>(Get<T>(L, 1));
  const auto b = static_cast<uint64_t>(Get<T>(L, 2));
  return Push<T>(L, static_cast<typename T::Value>(Op(a, b)));
}
uint64_t Plus(uint64_t a, uint64_t b) { return a + b; }
uint64_t Minus(uint64_t a, uint64_t b) { return a - b; }
uint64_t Times(uint64_t a, uint64_t b) { return a * b; }

template <class T> int Negate(lua_State *L) {
  return Push<T>(L, static_cast<typename T::Value>(0 - static_cast<uint64_t>(Get<T>(L, 1))));
}

// The one quotient that overflows: the i64 minimum divided by -1.
template <class T> bool Overflows(typename T::Value a, typename T::Value b) {
  if constexpr (std::is_signed_v<typename T::Value>) {
    return b == -1 && a == std::numeric_limits<typename T::Value>::min();
  } else {
    return false;
  }
}

// Quotient truncated toward zero.
template <class T> int Divide(lua_State *L) {
  const typename T::Value a = Get<T>(L, 1), b = Get<T>(L, 2);
  if (b == 0) return luaL_error(L, "%s division by zero", T::kName);
  if (Overflows<T>(a, b)) return luaL_error(L, "%s division overflow", T::kName);
  return Push<T>(L, a / b);
}

// Remainder with the sign of the dividend; the i64 minimum modulo -1 is 0.
template <class T> int Remainder(lua_State *L) {
  const typename T::Value a = Get<T>(L, 1), b = Get<T>(L, 2);
  if (b == 0) return luaL_error(L, "%s modulo by zero", T::kName);
  return Push<T>(L, Overflows<T>(a, b) ? 0 : a % b);
}

template <class T> int Equal(lua_State *L) {
  lua_pushboolean(L, Get<T>(L, 1) == Get<T>(L, 2));
  return 1;
}

template <class T> int Less(lua_State *L) {
  lua_pushboolean(L, Get<T>(L, 1) < Get<T>(L, 2));
  return 1;
}

template <class T> int Decimal(lua_State *L) {
  char text[32];
  const typename T::Value value = Get<T>(L, 1);
  const int length = std::is_signed_v<typename T::Value>
                         ? std::snprintf(text, sizeof text, "%" PRIi64, static_cast<int64_t>(value))
                         : std::snprintf(text, sizeof text, "%" PRIu64, static_cast<uint64_t>(value));
  if (length < 0) return luaL_error(L, "Failed to convert %s to string", T::kName);
  lua_pushlstring(L, text, static_cast<size_t>(length));
  return 1;
}

template <class T> int Hex(lua_State *L) {
  char text[32];
  const int length = std::snprintf(text, sizeof text, "%" PRIx64, static_cast<uint64_t>(Get<T>(L, 1)));
  if (length < 0) return luaL_error(L, "Failed to print hex value of %s", T::kName);
  lua_pushlstring(L, text, static_cast<size_t>(length));
  return 1;
}

// Fills the type's metatable only when it is new in the registry.
template <class T> void RegisterType(lua_State *L) {
  if (luaL_newmetatable(L, T::kName)) {
    const luaL_Reg metamethods[] = {
        {"__tostring", Decimal<T>},    {"__add", Wrapping<T, Plus>}, {"__sub", Wrapping<T, Minus>},
        {"__mul", Wrapping<T, Times>}, {"__div", Divide<T>},         {"__mod", Remainder<T>},
        {"__unm", Negate<T>},          {"__eq", Equal<T>},           {"__lt", Less<T>},
    };
    for (const luaL_Reg &entry : metamethods) {
      lua_pushcfunction(L, entry.func);
      lua_setfield(L, -2, entry.name);
    }
    lua_createtable(L, 0, 1);
    lua_pushcfunction(L, Hex<T>);
    lua_setfield(L, -2, "hexstring");
    lua_setfield(L, -2, "__index");
  }
  lua_pop(L, 1);
}

constexpr luaL_Reg kConstructors[] = {
    {"u64", Construct<U64>},
    {"i64", Construct<I64>},
    {nullptr, nullptr},
};

} // namespace

int luaopen_stdint(lua_State *L) {
  RegisterType<U64>(L);
  RegisterType<I64>(L);
  luaL_register(L, "stdint", kConstructors);
  return 1;
}
