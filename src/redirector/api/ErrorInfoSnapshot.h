// The calling thread's IVI error information (primary, secondary,
// elaboration of session 0), saved before an attempt that may be retried and
// written back before the retry.
#pragma once

#include "zuVEXAtypes.h"

namespace zuapi {

struct ErrorInfoSnapshot {
  static constexpr int kElaborationSize = 1025;

  ViStatus primary = 0;
  ViStatus secondary = 0;
  ViChar elaboration[kElaborationSize] = {};

  // Reads the three error attributes; a negative read result is returned at
  // once, otherwise the first non-zero read result (or 0).
  ViStatus Save();
  // Clears the thread's error information and records the saved one.
  ViStatus Restore() const;
};

} // namespace zuapi
