// What a routing function hands back instead of recording a failure: the
// status, and the elaboration the caller records with it. A status of 0
// means nothing is to be recorded.
#pragma once

#include <cstring>

#include "zuVEXAtypes.h"

namespace zurouting {

struct Failure {
  ViStatus status = VI_SUCCESS;
  char elaboration[512] = {}; // empty: none

  // Keeps the status and the elaboration (cut to fit; null for none) and
  // returns the status.
  ViStatus Set(ViStatus failed, const char *text) {
    status = failed;
    elaboration[0] = '\0';
    if (text != nullptr) {
      std::strncpy(elaboration, text, sizeof elaboration - 1);
      elaboration[sizeof elaboration - 1] = '\0';
    }
    return failed;
  }
  // The elaboration as the IVI engine takes it: null for none.
  const char *Elaboration() const { return elaboration[0] != '\0' ? elaboration : nullptr; }
};

} // namespace zurouting
