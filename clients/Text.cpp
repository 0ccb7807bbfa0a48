#include "Text.h"

#include <cstdio>

namespace zuvexaclient {

std::string HexStatus(ViStatus status) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(status));
  return text;
}

std::string Narrow(const std::wstring &wide) {
  std::string text;
  text.reserve(wide.size());
  for (wchar_t unit : wide) text += static_cast<unsigned>(unit) < 0x80 ? static_cast<char>(unit) : '?';
  return text;
}

ViStatus ReadText(const TextCall &call, std::string &text) {
  text.clear();
  const ViStatus needed = call(0, nullptr);
  if (needed <= 0) return needed;
  std::string buffer(static_cast<std::size_t>(needed), '\0');
  const ViStatus status = call(needed, buffer.data());
  if (status < 0) return status;
  buffer.resize(buffer.find('\0') == std::string::npos ? buffer.size() : buffer.find('\0'));
  text = std::move(buffer);
  return status;
}

std::string TakeErrorText(ViSession vi, ViStatus *code) {
  ViStatus recorded = 0;
  std::string text;
  ReadText([&](ViInt32 size, ViChar *buffer) { return zuVEXA_GetError(vi, &recorded, size, buffer); }, text);
  if (code != nullptr) *code = recorded;
  return text;
}

std::string DescribeStatus(ViSession vi, ViStatus status) {
  std::string text;
  ReadText([&](ViInt32 size, ViChar *buffer) { return zuVEXA_GetErrorMessage(vi, status, size, buffer); },
           text);
  return text;
}

} // namespace zuvexaclient
