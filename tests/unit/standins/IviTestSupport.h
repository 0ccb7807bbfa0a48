// Common set-up of the IVI engine stand-in tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

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

  struct ErrorRead {
    ViStatus primary = 0;
    ViStatus secondary = 0;
    std::string elaboration;
  };

  static ErrorRead ReadError(ViSession vi) {
    ErrorRead read;
    char text[1025] = {};
    EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_PRIMARY_ERROR, 0, &read.primary), 0);
    EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", IVI_ATTR_SECONDARY_ERROR, 0, &read.secondary), 0);
    EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_ERROR_ELABORATION, 0, sizeof text, text), 0);
    read.elaboration = text;
    return read;
  }
};
