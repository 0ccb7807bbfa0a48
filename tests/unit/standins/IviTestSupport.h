// Common set-up of the IVI engine stand-in tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "IviEngine.h"
#include "ivi_standin.h"

class IviStandinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv("ZUVEXA_IVI_CONFIG");
    IviStandin_Reset();
  }
  void TearDown() override { IviStandin_Reset(); }

  static ViSession NewSession(const char *descriptor = "PXI1Slot2", ViBoolean simulate = VI_FALSE) {
    ViSession vi = 0;
    EXPECT_EQ(IviStandin_CreateSession(descriptor, simulate, &vi), VI_SUCCESS);
    return vi;
  }

  // Primary, secondary and elaboration recorded for vi (0: the calling thread).
  using Error = std::tuple<ViStatus, ViStatus, std::string>;
  static Error ReadError(ViSession vi) {
    ViInt32 primary = 0, secondary = 0;
    char text[1025] = {};
    EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_PRIMARY_ERROR, 0, &primary), 0);
    EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_SECONDARY_ERROR, 0, &secondary), 0);
    EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_ERROR_ELABORATION, 0, sizeof text, text), 0);
    return {primary, secondary, text};
  }
};
