#include "SessionTable.h"

#include <mutex>
#include <unordered_map>

namespace ivistandin {

namespace {

struct Table {
  std::mutex mutex;
  std::unordered_map<ViSession, Session> sessions;
  ViSession lastHandle = 0x10000; // distinct from small integers by design
};

Table &TheTable() {
  static Table table;
  return table;
}

ViSession NextFreeHandle(Table &table) {
  do {
    ++table.lastHandle;
  } while (table.lastHandle == 0 || table.sessions.count(table.lastHandle) != 0);
  return table.lastHandle;
}

} // namespace

SessionAccess::SessionAccess(ViSession vi) : session_(nullptr) {
  Table &table = TheTable();
  table.mutex.lock();
  auto it = table.sessions.find(vi);
  if (it != table.sessions.end()) session_ = &it->second;
}

SessionAccess::~SessionAccess() { TheTable().mutex.unlock(); }

ViSession AddSession(Session session) {
  Table &table = TheTable();
  std::lock_guard guard(table.mutex);
  const ViSession vi = NextFreeHandle(table);
  table.sessions.emplace(vi, std::move(session));
  return vi;
}

bool RemoveSession(ViSession vi) {
  std::shared_ptr<SessionLock> lock;
  {
    Table &table = TheTable();
    std::lock_guard guard(table.mutex);
    auto it = table.sessions.find(vi);
    if (it == table.sessions.end()) return false;
    lock = std::move(it->second.lock);
    table.sessions.erase(it);
  }
  lock->Close();
  return true;
}

size_t SessionCount() {
  Table &table = TheTable();
  std::lock_guard guard(table.mutex);
  return table.sessions.size();
}

void RemoveAllSessions() {
  std::unordered_map<ViSession, Session> removed;
  {
    Table &table = TheTable();
    std::lock_guard guard(table.mutex);
    removed.swap(table.sessions);
  }
  for (auto &[vi, session] : removed) session.lock->Close();
}

} // namespace ivistandin
