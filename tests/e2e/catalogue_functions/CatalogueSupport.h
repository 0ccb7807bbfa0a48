// Shared set-up of the catalogue function tests: a clean engine, simulator and
// system configuration with one analyzer, and a simulated tov session.
#pragma once

#include <gtest/gtest.h>

#include "StandIns.h"
#include "ThreadErrorInfo.h"
#include "platform/IviEngine.h"
#include "redirector/api/ExportDeclarations.h"

namespace e2e {

constexpr ViStatus kInvalidArgument = ZUVEXA_ERROR_INVALID_PARAMETER;
constexpr ViStatus kNullPointer = ZUVEXA_ERROR_NULL_POINTER;
constexpr ViStatus kUnknownSession = ZUVEXA_ERROR_INVALID_SESSION;
constexpr ViSession kNeverOpened = 0x7777;
constexpr ViUInt32 kTov = 5;

inline ViStatus ParamPosition(ViInt32 position) { return IVISTANDIN_ERROR_PARAMETER_BASE + position; }

using testsupport::ReadThreadError; // of a session when given its handle

class CatalogueTest : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    ASSERT_EQ(testsupport::AddAnalyzer(), 0);
  }

  // A simulated session served by the tov module; the call log starts empty.
  ViSession OpenSimulated() {
    ViSession vi = 0;
    EXPECT_EQ(zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &vi), 0);
    BackendStandin_ClearCalls();
    return vi;
  }

  static ViInt32 FirstCall(const char *entry) { return BackendStandin_FindCall(0, entry, 0); }
};

} // namespace e2e
