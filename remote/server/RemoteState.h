// What every call of the service shares: the access token, the sessions
// opened for clients, the largest reply the server builds and what each
// client may hold at once.
#pragma once

#include <cstdint>
#include <string>

#include "SessionTable.h"

namespace zuremote {

struct RemoteState {
  std::string token;
  SessionTable sessions;
  int64_t replyLimit = int64_t{64} << 20;
  int maxSessions = 8;
  int maxCalls = 16;
};

} // namespace zuremote
