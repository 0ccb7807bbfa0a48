// Shared set-up of the catalogue function tests: a clean engine, simulator and
// system configuration with one analyzer, and a simulated tov session.
#pragma once

#include <gtest/gtest.h>

#include "StandIns.h"
#include "ThreadErrorInfo.h"
#include "backend_standin.h"
#include "ivi_standin.h"
#include "platform/IviEngine.h"
#include "redirector/api/ExportDeclarations.h"
#include "sysapi_standin.h"

namespace e2e {

constexpr ViStatus kInvalidArgument = static_cast<ViStatus>(0xBFFA000F);
constexpr ViStatus kNullPointer = static_cast<ViStatus>(0xBFFA0058);
constexpr ViStatus kUnknownSession = static_cast<ViStatus>(0xBFFA1190);
constexpr ViSession kNeverOpened = 0x7777;
constexpr ViUInt32 kTov = 5;

inline ViStatus ParamPosition(ViInt32 position) { return IVISTANDIN_ERROR_PARAMETER_BASE + position; }

using testsupport::ReadThreadError;
using testsupport::ThreadError;

inline ThreadError ReadSessionError(ViSession vi) {
  ThreadError error;
  char text[1025] = {};
  Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_PRIMARY_ERROR, 0, &error.primary);
  Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_SECONDARY_ERROR, 0, &error.secondary);
  Ivi_GetAttributeViString(vi, "", IVI_ATTR_ERROR_ELABORATION, 0, sizeof text, text);
  error.elaboration = text;
  return error;
}

class CatalogueTest : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    SysapiStandinDevice device{"PXI1Slot2", "Analyzer", "RIO0", 0x1C02, 0, SYSAPISTANDIN_NO_VALUE, 0};
    ASSERT_EQ(SysapiStandin_AddDevice(&device), 0);
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
