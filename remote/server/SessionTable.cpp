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
