// Reading back the error information recorded for the calling thread.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ivi_standin.h"
#include "redirector/api/IviEngine.h"

namespace routingtest {

struct RecordedError {
  ViInt32 primary = 0;
  std::string elaboration;
};

inline RecordedError ThreadError() {
  RecordedError error;
  char text[1025] = {};
  Ivi_GetAttributeViInt32(0, "", IVI_ATTR_PRIMARY_ERROR, 0, &error.primary);
  Ivi_GetAttributeViString(0, "", IVI_ATTR_ERROR_ELABORATION, 0, sizeof text, text);
  error.elaboration = text;
  return error;
}

// Every case starts with a clean engine: no sessions, names or errors.
class EngineTest : public ::testing::Test {
protected:
  void SetUp() override { IviStandin_Reset(); }
  void TearDown() override { IviStandin_Reset(); }
};

} // namespace routingtest
