#include "PanelListen.h"

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace zuvexapanel {

namespace {

// "" when a socket of `entry` binds, else the system's reason.
std::string TryListen(const addrinfo &entry) {
  const int socket = ::socket(entry.ai_family, entry.ai_socktype | SOCK_CLOEXEC, entry.ai_protocol);
  if (socket < 0) return std::generic_category().message(errno);
  SetListenOptions(socket);
  std::string reason;
  if (bind(socket, entry.ai_addr, entry.ai_addrlen) != 0) // a listener's port is in use for bind already
    reason = std::generic_category().message(errno);
  close(socket);
  return reason;
}

} // namespace

void SetListenOptions(int socket) {
  const int yes = 1;
  setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
}

std::string ListenFailure(const std::string &address, int port) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_PASSIVE;
  addrinfo *found = nullptr;
  if (const int failure = getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &found))
    return gai_strerror(failure);
  std::string reason;
  for (const addrinfo *entry = found; entry != nullptr; entry = entry->ai_next)
    if ((reason = TryListen(*entry)).empty()) break;
  freeaddrinfo(found);
  return reason;
}

} // namespace zuvexapanel
