// What the trace needs to know about a session, supplied by the layer that
// keeps the sessions: its resource descriptor and its pending interchange
// warnings. Without hooks the descriptor is empty and no warnings are read.
#pragma once

#include "zuVEXAtypes.h"

namespace zutrace {

struct SessionHooks {
  ViStatus (*resourceDescriptor)(ViSession vi, ViChar *buffer, ViInt32 size);
  const char *(*collectWarnings)(ViSession vi);
  void (*releaseWarnings)(const char *text);
};

void SetSessionHooks(const SessionHooks *hooks);
const SessionHooks *GetSessionHooks();

} // namespace zutrace
