#include "ServerOptions.h"

#include <fstream>
#include <sstream>

namespace zuremote {

std::optional<std::string> ReadFile(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return text.str();
}

std::string ReadToken(const std::string &path) {
  const auto text = ReadFile(path);
  if (!text) return {};
  std::string line = text->substr(0, text->find('\n'));
  const char *blanks = " \t\r";
  const size_t first = line.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  return line.substr(first, line.find_last_not_of(blanks) - first + 1);
}

bool IsLoopback(const std::string &hostAndPort) {
  std::string host = hostAndPort.substr(0, hostAndPort.rfind(':'));
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
  return host == "localhost" || host == "::1" || host.rfind("127.", 0) == 0;
}

} // namespace zuremote
