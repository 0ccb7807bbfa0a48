// State the engine keeps per calling thread: the error information of
// vi 0 and the logical name the thread resolved last.
#pragma once

#include <optional>

#include "ErrorInfo.h"
#include "LogicalNameStore.h"

namespace ivistandin {

struct ThreadState {
  ErrorInfo error;
  std::optional<LogicalName> lastLogicalName;
};

// The calling thread's state; needs no lock.
ThreadState &CurrentThreadState();

// Makes every thread's state read as new on its next use.
void ForgetAllThreadStates();

} // namespace ivistandin
