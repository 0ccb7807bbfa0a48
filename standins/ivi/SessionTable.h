// The sessions of the engine, under one mutex.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>

#include "ErrorInfo.h"
#include "SessionLock.h"
#include "zuVEXAtypes.h"

namespace ivistandin {

struct Session {
  bool simulate = false;
  std::map<ViAttr, std::string> strings;
  std::map<ViAttr, ViInt32> ints;
  ErrorInfo error;
  std::deque<std::string> interchangeWarnings;
  std::shared_ptr<SessionLock> lock = std::make_shared<SessionLock>();
};

// Adds the session under a fresh non-zero handle and returns the handle.
ViSession AddSession(Session session);

// Runs action(Session&) under the table mutex. False for an unknown handle.
template <class Action> bool WithSession(ViSession vi, Action &&action);

// Removes the session and closes its lock. False for an unknown handle.
bool RemoveSession(ViSession vi);

size_t SessionCount();
void RemoveAllSessions();

// Implementation detail of WithSession.
class SessionAccess {
public:
  explicit SessionAccess(ViSession vi);
  ~SessionAccess();
  SessionAccess(const SessionAccess &) = delete;
  SessionAccess &operator=(const SessionAccess &) = delete;
  Session *get() const { return session_; }

private:
  Session *session_;
};

template <class Action> bool WithSession(ViSession vi, Action &&action) {
  SessionAccess access(vi);
  if (access.get() == nullptr) return false;
  action(*access.get());
  return true;
}

} // namespace ivistandin
