// The "stdint" module on scripts of 64-bit arithmetic built from the input
// (constructors from numbers and texts, + - * / % ^, unary -, comparisons,
// tostring and :hexstring, both types and plain numbers mixed). A model of
// every value (wrapping uint64, __int128 quotients) writes each step's
// expected texts or expected error into the script; fuzz_mismatch stops it.
#include <cinttypes>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>

#include "FuzzSupport.h"
#include "zuxlatorlua/stdint/Int64Module.h"

namespace {

constexpr size_t kVariables = 8;
constexpr int kMaxSteps = 48;
// Lua numbers are doubles: integers below 2^52 stay exact with ".5" after them.
constexpr int64_t kExactNumber = int64_t{1} << 52;

struct Bytes {
  const uint8_t *data;
  size_t size, at = 0;
  bool Empty() const { return at >= size; }
  uint8_t Next() { return at < size ? data[at++] : 0; }
  uint64_t Next64() {
    uint64_t value = 0;
    for (int i = 0; i < 8; ++i) value = value << 8 | Next();
    return value;
  }
};

struct Value {
  bool isSigned = false;
  uint64_t bits = 0;
  int64_t Signed() const { return static_cast<int64_t>(bits); }
  const char *Type() const { return isSigned ? "i64" : "u64"; }
};

std::string Format(const char *format, auto... args) {
  char text[128];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

std::string Decimal(const Value &value) {
  return value.isSigned ? Format("%" PRIi64, value.Signed()) : Format("%" PRIu64, value.bits);
}

// The result of a binary operator; false when it must raise an error.
bool Arithmetic(char op, const Value &a, const Value &b, Value &result) {
  result.isSigned = a.isSigned;
  if (op == '+' || op == '-' || op == '*') {
    result.bits = op == '+' ? a.bits + b.bits : op == '-' ? a.bits - b.bits : a.bits * b.bits;
    return true;
  }
  if (b.bits == 0) return false;
  if (!a.isSigned) {
    result.bits = op == '/' ? a.bits / b.bits : a.bits % b.bits;
    return true;
  }
  const __int128 x = a.Signed(), y = b.Signed();
  const __int128 exact = op == '/' ? x / y : x % y;
  if (exact > INT64_MAX) return false; // the minimum divided by -1
  result.bits = static_cast<uint64_t>(static_cast<int64_t>(exact));
  return true;
}

class ScriptBuilder {
public:
  explicit ScriptBuilder(Bytes &bytes) : in_(bytes) {
    script_ = "local v = {}\n"
              "for i = 1, 8 do v[i] = stdint.u64(0) end\n" // as the model starts
              "local function chk(x, dec, hex, step)\n"
              "  if tostring(x) ~= dec or x:hexstring() ~= hex then fuzz_mismatch(step) end\n"
              "end\n"
              "local function fails(f, step) if pcall(f) then fuzz_mismatch(step) end end\n"
              "local function is(got, want, step) if got ~= want then fuzz_mismatch(step) end end\n";
  }

  std::string Build() {
    for (int step = 0; step < kMaxSteps && !in_.Empty(); ++step) Step(step);
    return script_;
  }

private:
  void Step(int step) {
    using Kind = void (ScriptBuilder::*)();
    static constexpr Kind kKinds[] = {&ScriptBuilder::FromNumber,     &ScriptBuilder::FromText,
                                      &ScriptBuilder::FromFuzzedText, &ScriptBuilder::BetweenVariables,
                                      &ScriptBuilder::WithNumber,     &ScriptBuilder::Negate,
                                      &ScriptBuilder::Compare,        &ScriptBuilder::Power,
                                      &ScriptBuilder::WrongOperands,  &ScriptBuilder::WithoutValue};
    step_ = step;
    (this->*kKinds[in_.Next() % 10])();
  }

  void Power() { MustFail(Format("return %s ^ %s", Name(Pick()).c_str(), Name(Pick()).c_str())); }
  void WithoutValue() { Construct(in_.Next() & 1 ? "%s()" : "%s(1, 2)", Value{(in_.Next() & 1) != 0, 0}); }

  size_t Pick() { return in_.Next() % kVariables; }
  std::string Name(size_t index) const { return Format("v[%zu]", index + 1); }

  // Assigns the expression's value to a variable and checks both its texts.
  void Assign(const std::string &expression, const Value &value) {
    const size_t target = Pick();
    model_[target] = value;
    script_ += Format("%s = ", Name(target).c_str()) + expression + "\n";
    script_ += Format("chk(%s, \"%s\", \"%" PRIx64 "\", %d)\n", Name(target).c_str(), Decimal(value).c_str(),
                      value.bits, step_);
  }

  void Is(const std::string &expression, bool want) {
    script_ += "is(" + expression + (want ? ", true, " : ", false, ") + std::to_string(step_) + ")\n";
  }

  void Construct(const char *form, const Value &value) {
    Assign("stdint." + Format(form, value.Type()), value);
  }

  void MustFail(const std::string &body) {
    script_ += "fails(function() " + body + Format(" end, %d)\n", step_);
  }

  // An integer a double holds exactly; ".5" after it truncates toward zero.
  void FromNumber() {
    const bool isSigned = in_.Next() & 1, fraction = in_.Next() & 1;
    const int64_t number = static_cast<int64_t>(in_.Next64()) % kExactNumber;
    const std::string literal = Format("%" PRIi64 "%s", number, fraction ? ".5" : "");
    Construct(("%s(" + literal + ")").c_str(), Value{isSigned, static_cast<uint64_t>(number)});
  }

  // Decimal for either type; i64 also from "0x" hexadecimal and octal.
  void FromText() {
    const uint8_t form = in_.Next() % 4;
    Value value{form != 0, in_.Next64()};
    const int64_t number = value.Signed();
    const char *sign = number < 0 ? "-" : "";
    const uint64_t magnitude = number < 0 ? 0 - value.bits : value.bits;
    std::string text = Decimal(value);
    if (form == 2) text = Format("%s0x%" PRIx64, sign, magnitude);
    if (form == 3) text = Format("%s0%" PRIo64, sign, magnitude);
    Construct(("%s(\"" + text + "\")").c_str(), value);
  }

  // Any text of digits, signs, letters and blanks: it may or may not read.
  void FromFuzzedText() {
    static constexpr char kAlphabet[] = "0123456789abcdefxX+- .%\"\\";
    const char *type = in_.Next() & 1 ? "i64" : "u64";
    std::string text;
    for (size_t length = in_.Next() % 24; length > 0; --length) {
      const char c = kAlphabet[in_.Next() % (sizeof kAlphabet - 1)];
      if (c == '"' || c == '\\') text += '\\';
      text += c;
    }
    script_ += Format("pcall(function() local x = stdint.%s(\"", type) + text +
               "\") return tostring(x), x:hexstring(), x + 1, -x end)\n";
  }

  char Operator() {
    static constexpr char kOperators[] = "+-*/%";
    return kOperators[in_.Next() % 5];
  }

  // `expression` is `a op b`; values of two types never mix.
  void Binary(const std::string &expression, char op, const Value &a, const Value &b) {
    Value result;
    if (a.isSigned == b.isSigned && Arithmetic(op, a, b, result)) return Assign(expression, result);
    MustFail("return " + expression);
  }

  void BetweenVariables() {
    const size_t left = Pick(), right = Pick();
    const char op = Operator();
    Binary(Name(left) + " " + op + " " + Name(right), op, model_[left], model_[right]);
  }

  // A plain number on either side, converted to the value's type; on the
  // left, the value's metamethod receives it first.
  void WithNumber() {
    const size_t index = Pick();
    const int32_t number = static_cast<int32_t>(in_.Next64());
    const std::string literal = Format("(%" PRIi32 ")", number);
    const Value converted{model_[index].isSigned, static_cast<uint64_t>(int64_t{number})};
    const char op = Operator();
    if (in_.Next() & 1) return Binary(Name(index) + " " + op + " " + literal, op, model_[index], converted);
    Binary(literal + " " + op + " " + Name(index), op, converted, model_[index]);
  }

  void Negate() {
    const size_t index = Pick();
    Assign("-" + Name(index), Value{model_[index].isSigned, 0 - model_[index].bits});
  }

  // Values of one type compare; mixed types are unequal and do not order;
  // a value never equals a plain number.
  void Compare() {
    const size_t left = Pick(), right = Pick();
    const Value &x = model_[left], &y = model_[right];
    const std::string l = Name(left), r = Name(right);
    const bool same = x.isSigned == y.isSigned;
    const bool less = x.isSigned ? x.Signed() < y.Signed() : x.bits < y.bits;
    Is(l + " == " + r, same && x.bits == y.bits);
    Is(l + " == 0", false);
    if (same) {
      Is(l + " < " + r, less);
      Is(l + " <= " + r, less || x.bits == y.bits);
    } else {
      MustFail("return " + l + " < " + r);
    }
    MustFail("return " + l + " < 1");
  }

  // Operands no value takes: texts, tables, nil, the other type's values.
  void WrongOperands() {
    static constexpr const char *kOperands[] = {"\"12\"", "{}", "nil", "true"};
    const std::string value = Name(Pick());
    const std::string other = kOperands[in_.Next() % 4];
    const char op = Operator();
    MustFail("return " + value + " " + op + " " + other);
    MustFail("return " + other + " " + op + " " + value);
    MustFail("return stdint.u64({})");
  }

  Bytes &in_;
  std::string script_;
  Value model_[kVariables];
  int step_ = 0;
};

// Raises an error outside every pcall of the script, so the run stops there.
int Mismatch(lua_State *L) {
  return luaL_error(L, "step %d off the model", static_cast<int>(lua_tointeger(L, 1)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  Bytes bytes{data, size};
  const std::string script = ScriptBuilder(bytes).Build();
  lua_State *L = luaL_newstate();
  FUZZ_CHECK(L != nullptr);
  for (lua_CFunction open : {luaopen_base, luaopen_stdint}) lua_pushcfunction(L, open), lua_call(L, 0, 0);
  lua_register(L, "fuzz_mismatch", Mismatch);
  // Every step that may fail runs under pcall in the script itself.
  const bool ran =
      luaL_loadbuffer(L, script.data(), script.size(), "fuzz") == 0 && lua_pcall(L, 0, 0, 0) == 0;
  if (!ran) std::fprintf(stderr, "stdint: %s\n%s\n", lua_tostring(L, -1), script.c_str());
  lua_close(L);
  FUZZ_CHECK(ran); // else a step off the model or an unexpected error
  return 0;
}
