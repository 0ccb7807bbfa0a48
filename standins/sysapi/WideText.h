// Text helpers. The stand-in widens narrow texts byte by byte and compares
// names ignoring ASCII letter case.
#pragma once

#include <string>
#include <string_view>

namespace sysapistandin {

std::wstring Widen(std::string_view text);
// Units above 0xFF become '?'; used for messages only.
std::string Narrow(std::wstring_view text);

bool EqualsIgnoringCase(std::wstring_view left, std::wstring_view right);

// The text after the last '/', or the whole text when it has none.
std::wstring_view LastPathComponent(std::wstring_view path);

} // namespace sysapistandin
