// Script modules of third-party packages compiled into the library as text:
// "json.lua" (dkjson, offering json.decode/json.encode) and "util.lua"
// (lua-cjson's utility routines). The table is generated at build time.
#pragma once

#include <cstddef>
#include <span>

namespace zuxlatorlua {

// One script compiled into the library. `text` holds exactly `length` bytes
// (followed by a NUL that is not counted); `name` is the file name.
struct EmbeddedScript {
  const char *name;
  const char *text;
  std::size_t length;
};

// json.lua then util.lua.
std::span<const EmbeddedScript> ThirdPartyScripts();

} // namespace zuxlatorlua
