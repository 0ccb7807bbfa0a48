// The panel's port belongs to it alone. cpp-httplib's default socket options
// include SO_REUSEPORT, with which a second server binds the same port and
// the kernel deals the connections out between the two, each with its own
// token.
#pragma once

#include <string>

namespace zuvexapanel {

// The options of the listening socket: SO_REUSEADDR only, so that a restart
// binds beside the last run's connections in TIME_WAIT, but never beside
// another listener.
void SetListenOptions(int socket);

// Why `address` port `port` cannot be listened on, from an attempt of its
// own with the same options: the resolver's or the system's reason ("" when
// the attempt succeeds).
std::string ListenFailure(const std::string &address, int port);

} // namespace zuvexapanel
