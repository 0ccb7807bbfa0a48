// What an init entry takes from its option string: the simulation flag, the
// DriverSetup text, the session language from DriverSetup's Language key and
// the scene file from its Scene key, the recording from its Replay key.
#pragma once

#include <string>

#include "zuVEXAtypes.h"

namespace backendstandin {

struct InitOptions {
  bool simulate = false;
  std::string driverSetup;
  ViInt32 language = 0;   // en 0, fr 1, de 2, jp 3, ko 4, ch 5; anything else 0
  std::string scenePath;  // "" for none
  std::string replayPath; // "" for none
};

// Lenient: entries it does not know or cannot read are skipped (the library
// has validated the option string before calling the module).
InitOptions ParseInitOptions(const char *optionString);

} // namespace backendstandin
