// The sessions the server opened, each with the client it opened it for.
// A client reaches only its own sessions; the table never calls the library,
// so no lock is held while the library works.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "zuVEXAtypes.h"

namespace zuremote {

class SessionTable {
public:
  void Add(const std::string &client, ViSession vi);
  bool Owns(const std::string &client, ViSession vi) const;
  // Removes the client's session from the table: true when it was there.
  bool Take(const std::string &client, ViSession vi);
  // Empties the table, returning every session it held.
  std::vector<ViSession> TakeAll();

private:
  mutable std::mutex mutex_;
  std::map<ViSession, std::string> owners_;
};

} // namespace zuremote
