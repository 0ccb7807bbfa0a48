#!/usr/bin/env bash
# check_no_library_copy.sh NM PROGRAM: fails when PROGRAM carries a copy of
# the library instead of calling libzuvexa's exports: an exported API name,
# code of an internal namespace other than the routing component (zurouting,
# which holds no state), or Lua.
set -euo pipefail
nm=$1 program=$2
internal='zuapi|zumodules|dvlShared|zumxl|zutrace|zuxlator|zuxlatorlua|zusysq|zuapal|zu|zudynlib|zuerr|jsonz'
symbols=$("$nm" -C --defined-only "$program") || { echo "$nm failed on $program" >&2; exit 1; }
copies=$(grep -E " T (GX_)?zuVEXA_| [A-Za-z] (.*[^A-Za-z0-9_:])?($internal)::| [A-Za-z] (lua_|luaL_|luaopen_)" \
  <<<"$symbols" || true)
if [ -n "$copies" ]; then
  echo "$program carries parts of the library:" >&2
  echo "$copies" >&2
  exit 1
fi
