// The server program's options and the files they name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zuremote {

struct ServerOptions {
  std::string listen = "127.0.0.1:50151";
  std::string tokenFile;
  std::string certFile;
  std::string keyFile;
  int64_t replyLimit = int64_t{64} << 20;
  int graceSeconds = 30; // 0: an idle client keeps its sessions
  int maxSessions = 8;
  int maxCalls = 16;
};

// The token: the file's first line without surrounding blanks; empty when
// the file cannot be read or holds none.
std::string ReadToken(const std::string &path);
// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadFile(const std::string &path);
// True for 127.x.x.x, ::1 and localhost: addresses no other host reaches.
bool IsLoopback(const std::string &hostAndPort);

} // namespace zuremote
