// The sessions the server opened, each with the clients holding it (the one
// it was opened for and those that attached to it by its name), and what each
// client is doing: its calls in flight, its opens under way and when it was
// last heard from. A client reaches only the sessions it holds; a session is
// released when its last holder lets go. The table never calls the library,
// so no lock is held while the library works.
#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "zuVEXAtypes.h"

namespace zuremote {

class SessionTable {
public:
  using Clock = std::chrono::steady_clock;

  // What a client letting go of a session leaves: nothing to do (it did
  // not hold it), the session for its other holders, or a session to release.
  enum class Left { NotHeld, Shared, Last };
  enum class Attachment { Attached, NoSuchName, Exclusive };

  // Holds a session name for an open under way: false when it is in use.
  bool ReserveName(const std::string &name);
  // The open of a reserved name failed: the name is free again.
  void DropName(const std::string &name);
  // A session opened for the client, under a name reserved for it (or "").
  // An exclusive session takes no other holder.
  void Add(const std::string &client, ViSession vi, const std::string &name = {}, bool exclusive = false);
  bool Owns(const std::string &client, ViSession vi) const;
  // Makes the client a holder of the session of that name.
  Attachment Attach(const std::string &client, const std::string &name, ViSession &vi);
  Left Take(const std::string &client, ViSession vi);
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
  // Every client with no call in flight that was last heard from before
  // `cutoff` lets go of its sessions and is forgotten; returns the sessions
  // that lost their last holder, each with that holder.
  std::vector<std::pair<std::string, ViSession>> TakeIdle(Clock::time_point cutoff);

private:
  struct Activity {
    int inFlight = 0;
    int opening = 0;
    Clock::time_point lastHeard;
  };
  struct Held {
    std::set<std::string> holders;
    std::string name;
    bool exclusive = false;
  };
  int SessionsOf(const std::string &client) const;
  // Removes the client from the session's holders; true when none is left,
  // and then the session and its name are gone from the table.
  bool LetGo(std::map<ViSession, Held>::iterator held, const std::string &client);

  mutable std::mutex mutex_;
  std::map<ViSession, Held> sessions_;
  std::map<std::string, ViSession> names_; // VI_NULL while its open is under way
  std::map<std::string, Activity> clients_;
};

} // namespace zuremote
