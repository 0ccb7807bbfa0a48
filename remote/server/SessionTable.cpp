#include "SessionTable.h"

namespace zuremote {

bool SessionTable::ReserveName(const std::string &name) {
  std::lock_guard lock(mutex_);
  return names_.emplace(name, VI_NULL).second;
}

void SessionTable::DropName(const std::string &name) {
  std::lock_guard lock(mutex_);
  const auto found = names_.find(name);
  if (found != names_.end() && found->second == VI_NULL) names_.erase(found);
}

void SessionTable::Add(const std::string &client, ViSession vi, const std::string &name, bool exclusive) {
  std::lock_guard lock(mutex_);
  sessions_[vi] = Held{{client}, name, exclusive};
  if (!name.empty()) names_[name] = vi;
}

bool SessionTable::Owns(const std::string &client, ViSession vi) const {
  std::lock_guard lock(mutex_);
  const auto found = sessions_.find(vi);
  return found != sessions_.end() && found->second.holders.count(client) > 0;
}

SessionTable::Attachment SessionTable::Attach(const std::string &client, const std::string &name,
                                              ViSession &vi) {
  std::lock_guard lock(mutex_);
  const auto named = names_.find(name);
  if (name.empty() || named == names_.end() || named->second == VI_NULL) return Attachment::NoSuchName;
  Held &held = sessions_.at(named->second);
  if (held.exclusive && held.holders.count(client) == 0) return Attachment::Exclusive;
  held.holders.insert(client);
  vi = named->second;
  return Attachment::Attached;
}

bool SessionTable::LetGo(std::map<ViSession, Held>::iterator held, const std::string &client) {
  held->second.holders.erase(client);
  if (!held->second.holders.empty()) return false;
  names_.erase(held->second.name);
  sessions_.erase(held);
  return true;
}

SessionTable::Left SessionTable::Take(const std::string &client, ViSession vi) {
  std::lock_guard lock(mutex_);
  const auto found = sessions_.find(vi);
  if (found == sessions_.end() || found->second.holders.count(client) == 0) return Left::NotHeld;
  return LetGo(found, client) ? Left::Last : Left::Shared;
}

std::vector<ViSession> SessionTable::TakeAll() {
  std::lock_guard lock(mutex_);
  std::vector<ViSession> all;
  for (const auto &[vi, held] : sessions_) all.push_back(vi);
  sessions_.clear();
  names_.clear();
  return all;
}

} // namespace zuremote

namespace zuremote {

bool SessionTable::Enter(const std::string &client, int maxCalls, Clock::time_point now) {
  std::lock_guard lock(mutex_);
  Activity &activity = clients_[client];
  activity.lastHeard = now;
  if (activity.inFlight >= maxCalls) return false;
  ++activity.inFlight;
  return true;
}

void SessionTable::Leave(const std::string &client, Clock::time_point now) {
  std::lock_guard lock(mutex_);
  Activity &activity = clients_[client];
  activity.lastHeard = now;
  if (activity.inFlight > 0) --activity.inFlight;
}

int SessionTable::SessionsOf(const std::string &client) const {
  int count = 0;
  for (const auto &[vi, held] : sessions_) count += static_cast<int>(held.holders.count(client));
  return count;
}

bool SessionTable::ReserveOpen(const std::string &client, int maxSessions) {
  std::lock_guard lock(mutex_);
  Activity &activity = clients_[client];
  if (SessionsOf(client) + activity.opening >= maxSessions) return false;
  ++activity.opening;
  return true;
}

void SessionTable::EndOpen(const std::string &client) {
  std::lock_guard lock(mutex_);
  Activity &activity = clients_[client];
  if (activity.opening > 0) --activity.opening;
}

std::vector<std::pair<std::string, ViSession>> SessionTable::TakeIdle(Clock::time_point cutoff) {
  std::lock_guard lock(mutex_);
  std::vector<std::pair<std::string, ViSession>> taken;
  for (auto client = clients_.begin(); client != clients_.end();) {
    const Activity &activity = client->second;
    if (activity.inFlight > 0 || activity.opening > 0 || activity.lastHeard >= cutoff) {
      ++client;
      continue;
    }
    for (auto held = sessions_.begin(); held != sessions_.end();) {
      const auto next = std::next(held);
      const ViSession vi = held->first;
      if (held->second.holders.count(client->first) > 0 && LetGo(held, client->first))
        taken.emplace_back(client->first, vi);
      held = next;
    }
    client = clients_.erase(client);
  }
  return taken;
}

} // namespace zuremote
