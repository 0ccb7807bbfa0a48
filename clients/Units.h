// Numbers with units as the programs' users type them: a decimal number
// optionally followed by k, M or G (x1e3, x1e6, x1e9), nothing else.
#pragma once

#include <optional>
#include <string_view>

namespace zuvexaclient {

// For the --help texts of options that take such numbers.
inline constexpr char kUnitsHelp[] = "Numbers take a k, M or G suffix (x1e3, x1e6, x1e9): 2.4G, 10M.";

// "2.4G" -> 2.4e9, "-3" -> -3, "1e6" -> 1e6. Nothing for empty text, other
// suffixes (m is not mega), anything after the suffix, spaces, hex, inf,
// nan or a value beyond double's range.
std::optional<double> ParseScaled(std::string_view text);

} // namespace zuvexaclient
