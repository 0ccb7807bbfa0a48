// The error information the IVI engine holds for a session or the thread.
#pragma once

#include <string>

#include "platform/IviEngine.h"

namespace testsupport {

struct ThreadError {
  ViInt32 primary = 0;
  ViInt32 secondary = 0;
  std::string elaboration;
};

// vi 0 (or a handle the engine does not know) reads the calling thread's.
inline ThreadError ReadThreadError(ViSession vi = 0) {
  ThreadError error;
  char text[1025] = {};
  Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_PRIMARY_ERROR, 0, &error.primary);
  Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_SECONDARY_ERROR, 0, &error.secondary);
  Ivi_GetAttributeViString(vi, "", IVI_ATTR_ERROR_ELABORATION, 0, sizeof text, text);
  error.elaboration = text;
  return error;
}

} // namespace testsupport
