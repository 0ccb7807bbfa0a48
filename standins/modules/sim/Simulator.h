// The one simulator all five modules share, behind one mutex.
#pragma once

#include <mutex>

#include "CallLog.h"
#include "Instrument.h"
#include "Scripts.h"

namespace backendstandin {

struct Simulator {
  std::mutex mutex;
  CallLog log;
  Scripts scripts;
  Instrument instrument;
};

// Created on first use and never destroyed, so module calls made while the
// process exits still find it.
Simulator &TheSimulator();

} // namespace backendstandin
