#include "SessionTable.h"

namespace zuremote {

void SessionTable::Add(const std::string &client, ViSession vi) {
  std::lock_guard lock(mutex_);
  owners_[vi] = client;
}

bool SessionTable::Owns(const std::string &client, ViSession vi) const {
  std::lock_guard lock(mutex_);
  const auto found = owners_.find(vi);
  return found != owners_.end() && found->second == client;
}

bool SessionTable::Take(const std::string &client, ViSession vi) {
  std::lock_guard lock(mutex_);
  const auto found = owners_.find(vi);
  if (found == owners_.end() || found->second != client) return false;
  owners_.erase(found);
  return true;
}

std::vector<ViSession> SessionTable::TakeAll() {
  std::lock_guard lock(mutex_);
  std::vector<ViSession> all;
  for (const auto &[vi, client] : owners_) all.push_back(vi);
  owners_.clear();
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
  for (const auto &[vi, owner] : owners_) count += owner == client ? 1 : 0;
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
    for (auto owned = owners_.begin(); owned != owners_.end();) {
      if (owned->second != client->first) {
        ++owned;
        continue;
      }
      taken.emplace_back(owned->second, owned->first);
      owned = owners_.erase(owned);
    }
    client = clients_.erase(client);
  }
  return taken;
}

} // namespace zuremote
