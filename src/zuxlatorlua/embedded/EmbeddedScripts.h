// Script modules compiled into the library as text: those of third-party
// packages, "json.lua" (dkjson, offering json.decode/json.encode) and
// "util.lua" (lua-cjson's utility routines), and the library's own. The
// tables are generated at build time.
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

// The library's own script modules: the translator scripts and the tables
// they use, in the order they enter the preload table.
std::span<const EmbeddedScript> TranslatorScripts();

} // namespace zuxlatorlua
