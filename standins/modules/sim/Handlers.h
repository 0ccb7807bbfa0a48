// What the simulated instrument does for an entry point. Entries without a
// handler (and every graphical-environment form) only record the call.
#pragma once

#include <span>

#include "EntryCall.h"
#include "Instrument.h"

namespace backendstandin {

using EntryHandler = ViStatus (*)(Instrument &instrument, const EntryCall &call);

struct NamedHandler {
  const char *symbol; // catalogue name
  EntryHandler handler;
};

std::span<const NamedHandler> SessionHandlers();
std::span<const NamedHandler> AttributeHandlers();
std::span<const NamedHandler> ConfigurationHandlers();
std::span<const NamedHandler> FetchHandlers();

// Handler of a slot, or null.
EntryHandler FindHandler(ViUInt32 slot);
// True for the entries that open a session.
bool IsInitEntry(ViUInt32 slot);

} // namespace backendstandin

namespace backendstandin {

using SessionWork = ViStatus (*)(const Instrument &instrument, SimulatedSession &session,
                                 const EntryCall &call);

// Handler running `Work` on the session the call names, when a module of the
// call's kind created it; otherwise BACKENDSTANDIN_ERROR_INVALID_SESSION.
template <SessionWork Work> ViStatus OnSession(Instrument &instrument, const EntryCall &call) {
  SimulatedSession *session = instrument.Find(call.Kind(), call.Session());
  return session != nullptr ? Work(instrument, *session, call) : BACKENDSTANDIN_ERROR_INVALID_SESSION;
}

} // namespace backendstandin
