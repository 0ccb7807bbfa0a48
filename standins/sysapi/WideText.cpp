#include "WideText.h"

#include <algorithm>

namespace sysapistandin {
namespace {

wchar_t FoldAsciiCase(wchar_t unit) {
  return (unit >= L'A' && unit <= L'Z') ? static_cast<wchar_t>(unit - L'A' + L'a') : unit;
}

} // namespace

std::wstring Widen(std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (char byte : text) wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
  return wide;
}

std::string Narrow(std::wstring_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (wchar_t unit : text) narrow.push_back(unit >= 0 && unit <= 0xFF ? static_cast<char>(unit) : '?');
  return narrow;
}

bool EqualsIgnoringCase(std::wstring_view left, std::wstring_view right) {
  return std::ranges::equal(left, right,
                            [](wchar_t a, wchar_t b) { return FoldAsciiCase(a) == FoldAsciiCase(b); });
}

std::wstring_view LastPathComponent(std::wstring_view path) {
  const size_t slash = path.rfind(L'/');
  return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

} // namespace sysapistandin
