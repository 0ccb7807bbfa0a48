// Reading back the error information recorded for the calling thread.
#pragma once

#include "ThreadErrorInfo.h"

#include <gtest/gtest.h>

#include <string>

#include "ivi_standin.h"
#include "platform/IviEngine.h"

namespace routingtest {

using RecordedError = testsupport::ThreadError;
inline RecordedError ThreadError() { return testsupport::ReadThreadError(); }

// Every case starts with a clean engine: no sessions, names or errors.
class EngineTest : public ::testing::Test {
protected:
  void SetUp() override { IviStandin_Reset(); }
  void TearDown() override { IviStandin_Reset(); }
};

} // namespace routingtest
