// Shared set-up of the guard-page tests: clean stand-ins with one analyzer
// (a tov device, "Analyzer") and a simulated session on it.
#pragma once

#include <gtest/gtest.h>

#include "GuardedBuffer.h"
#include "StandIns.h"
#include "ThreadErrorInfo.h"
#include "backend_standin.h"
#include "sysapi_standin.h"
#include "zuVEXA.h"

namespace guardpage {

constexpr ViSession kNeverOpened = 0x7777;

class GuardPageTest : public testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    SysapiStandinDevice device{"PXI1Slot2", "Analyzer", "RIO0", 0x1C02, 0, SYSAPISTANDIN_NO_VALUE, 0};
    ASSERT_EQ(SysapiStandin_AddDevice(&device), 0);
    ASSERT_EQ(zuVEXA_InitWithOptions("Analyzer", VI_FALSE, VI_FALSE, "Simulate=1", &vi_), 0);
  }
  void TearDown() override { zuVEXA_close(vi_); }

  ViSession vi_ = 0;
  GuardedBuffer guarded_;
};

} // namespace guardpage
