// The script module "stdint": exact 64-bit integers for the translator
// scripts, whose own numbers are doubles.
//
// stdint.u64(x) and stdint.i64(x) make unsigned and signed values from a
// number (truncated toward zero) or a decimal text (i64 also takes "0x" and
// leading-zero octal); with no or several arguments the value is 0. Values
// support + - * / % unary -, == and < (and so <=) with values of their own
// type or plain numbers, tostring() (decimal) and :hexstring() (lower-case
// hexadecimal of the 64 bits). Arithmetic wraps modulo 2^64; division and
// remainder by zero, and the i64 minimum divided by -1, raise script errors.
#pragma once

#include <lua.h>

// Creates the metatables "u64" and "i64" in the registry (existing ones are
// left as they are), registers the global table "stdint" with the
// constructors u64 and i64, and leaves it on the stack.
int luaopen_stdint(lua_State *L);
