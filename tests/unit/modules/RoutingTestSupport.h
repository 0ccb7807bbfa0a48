// Every case starts with a clean engine: no sessions, names or errors.
#pragma once

#include <gtest/gtest.h>

#include "ThreadErrorInfo.h"
#include "ivi_standin.h"

namespace routingtest {

inline testsupport::ThreadError ThreadError() { return testsupport::ReadThreadError(); }

class EngineTest : public ::testing::Test {
protected:
  void SetUp() override { IviStandin_Reset(); }
  void TearDown() override { IviStandin_Reset(); }
};

} // namespace routingtest
