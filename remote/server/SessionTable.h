// The sessions the server opened, each with the client it opened it for, and
// what each client is doing: its calls in flight, its opens under way and
// when it was last heard from. A client reaches only its own sessions; the
// table never calls the library, so no lock is held while the library works.
#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "zuVEXAtypes.h"

namespace zuremote {

class SessionTable {
public:
  using Clock = std::chrono::steady_clock;

  void Add(const std::string &client, ViSession vi);
  bool Owns(const std::string &client, ViSession vi) const;
  // Removes the client's session from the table: true when it was there.
  bool Take(const std::string &client, ViSession vi);
  // Empties the table, returning every session it held.
  std::vector<ViSession> TakeAll();

  // A call of the client begins: false, and nothing counted, when the
  // client already has `maxCalls` calls in flight.
  bool Enter(const std::string &client, int maxCalls, Clock::time_point now);
  // The call ends; the client was last heard from `now`.
  void Leave(const std::string &client, Clock::time_point now);
  // Holds room for one more session of the client: false when its sessions
  // and the opens under way already reach `maxSessions`.
  bool ReserveOpen(const std::string &client, int maxSessions);
  // The open ends (its session added to the table, or none opened).
  void EndOpen(const std::string &client);
  // Takes the sessions of every client with no call in flight that was last
  // heard from before `cutoff`, and forgets those clients.
  std::vector<std::pair<std::string, ViSession>> TakeIdle(Clock::time_point cutoff);

private:
  struct Activity {
    int inFlight = 0;
    int opening = 0;
    Clock::time_point lastHeard;
  };
  int SessionsOf(const std::string &client) const;

  mutable std::mutex mutex_;
  std::map<ViSession, std::string> owners_;
  std::map<std::string, Activity> clients_;
};

} // namespace zuremote
