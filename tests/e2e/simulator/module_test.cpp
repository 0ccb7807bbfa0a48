// The simulated module's edges: what an open carries into the engine's
// session, outputs and record numbers a fetch refuses or takes, sessions a
// module of another kind cannot reach, and what the control interface
// refuses, forgets or restores.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "StandIns.h"
#include "backend_standin_entry.h"
#include "platform/IviEngine.h"

namespace {

class SimulatedModule : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    ASSERT_EQ(testsupport::AddAnalyzer(), 0);
    ASSERT_EQ(testsupport::AddDevice("LemSim", nullptr, 0x1A02, nullptr, 1), 0);
    ASSERT_EQ(testsupport::AddDevice("LemReal", nullptr, 0x1A03, nullptr), 0);
  }
  ViSession Open(const char *resource, const std::string &options) {
    ViSession vi = 0;
    EXPECT_EQ(zuVEXA_InitWithOptions(resource, VI_FALSE, VI_FALSE, options.c_str(), &vi), 0) << options;
    opened.push_back(vi);
    return vi;
  }
  void TearDown() override {
    for (ViSession vi : opened) zuVEXA_close(vi);
  }

  std::vector<ViSession> opened;
};

// The lem open passes the simulation flag as an argument (a simulated device
// sets it without a Simulate option); the others take it from the options.
TEST_F(SimulatedModule, TheEnginesSessionSimulatesAsTheOpenSaysAndSpeaksItsLanguage) {
  EXPECT_EQ(Ivi_Simulating(Open("LemSim", "")), VI_TRUE);
  EXPECT_EQ(Ivi_Simulating(Open("LemReal", "")), VI_FALSE);
  EXPECT_EQ(Ivi_Simulating(Open("", "Simulate=1,DriverSetup=Model:Q118")), VI_TRUE);
  const char *codes[] = {"en", "FR", "de", "Jp", "ko", "ch"};
  for (ViInt32 number = 0; number < 6; ++number) {
    const ViSession vi = Open("", std::string("Simulate=1,DriverSetup=Model:Q118;Language:") + codes[number]);
    ViInt32 language = -1;
    EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", ZUVEXA_ATTR_SESSION_LANGUAGE, 0, &language), 0);
    EXPECT_EQ(language, number) << codes[number];
  }
}

TEST_F(SimulatedModule, AFetchRefusesEitherNullOutputAndTakesRecordZerosBacklog) {
  const ViSession vi = Open("", "Simulate=1,DriverSetup=Model:Q118");
  std::vector<ViReal64> data(2000);
  WaveformInfo info{};
  EXPECT_LT(zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, -1, 1.0, data.data(), nullptr), 0);
  EXPECT_LT(zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, -1, 1.0, nullptr, &info), 0);
  EXPECT_EQ(zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, -1, 1.0, data.data(), &info), 0);
  EXPECT_EQ(zuVEXA_FetchIQMultiRecordComplexF64(vi, "", 0, 0, -1, 1.0, data.data(), &info), 0)
      << "no records";
  ViInt64 backlog = -1;
  EXPECT_EQ(zuVEXA_GetFetchBacklog(vi, "", 0, &backlog), 0);
  EXPECT_EQ(backlog, 1000);
  EXPECT_LT(zuVEXA_GetFetchBacklog(vi, "", -1, &backlog), 0);
  EXPECT_EQ(zuVEXA_ReadPowerSpectrumF64(vi, "", 1.0, data.data(), 0, nullptr), 0) << "no lines asked";
  EXPECT_LT(zuVEXA_ReadPowerSpectrumF64(vi, "", 1.0, data.data(), -1, nullptr), 0);
}

TEST_F(SimulatedModule, AnArrayAttributeRefusesANegativeCountOrAMissingArray) {
  const ViSession vi = Open("", "Simulate=1,DriverSetup=Model:Q118");
  constexpr ViAttr kTable = 1100341;
  const ZUComplexNumber table[2] = {{1, 2}, {3, 4}};
  EXPECT_LT(zuVEXA_SetAttributeZUComplexNumberArray(vi, "", kTable, -1, table), 0);
  EXPECT_LT(zuVEXA_SetAttributeZUComplexNumberArray(vi, "", kTable, 2, nullptr), 0);
  EXPECT_EQ(zuVEXA_SetAttributeZUComplexNumberArray(vi, "", kTable, 0, nullptr), 0) << "an empty table";
  EXPECT_EQ(zuVEXA_SetAttributeZUComplexNumberArray(vi, "", kTable, 2, table), 0);
  ZUComplexNumber read[2] = {};
  EXPECT_EQ(zuVEXA_GetAttributeZUComplexNumberArray(vi, "", kTable, 0, nullptr), 2) << "the size";
  EXPECT_EQ(zuVEXA_GetAttributeZUComplexNumberArray(vi, "", kTable, 1, read), 2) << "too small";
  EXPECT_EQ(zuVEXA_GetAttributeZUComplexNumberArray(vi, "", kTable, 2, read), 0) << "just enough";
  EXPECT_EQ(read[1].imaginary, 4.0);
}

TEST_F(SimulatedModule, ScriptsForUnknownEntriesAreRefusedAndClearedOnesForgotten) {
  EXPECT_EQ(BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, "NoSuchEntry", -1, VI_FALSE),
            BACKENDSTANDIN_ERROR_INVALID_ARGUMENT);
  EXPECT_EQ(BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, nullptr, -1, VI_FALSE),
            BACKENDSTANDIN_ERROR_INVALID_ARGUMENT);
  EXPECT_EQ(BackendStandin_ScriptStatus(3, "Initiate", -1, VI_FALSE), BACKENDSTANDIN_ERROR_INVALID_ARGUMENT)
      << "no module has kind 3";
  ASSERT_EQ(
      BackendStandin_ScriptNextInit(BACKENDSTANDIN_ALL_KINDS, VI_FALSE, 0, BACKENDSTANDIN_ERROR_UNEXPECTED),
      0);
  ASSERT_EQ(BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, "Initiate", -1, VI_TRUE), 0);
  BackendStandin_ClearScripts();
  const ViSession vi = Open("", "Simulate=1,DriverSetup=Model:Q118");
  EXPECT_EQ(zuVEXA_Initiate(vi), 0);
  ASSERT_EQ(BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, "ConfigureIQRate", VI_SUCCESS, VI_FALSE),
            0);
  EXPECT_EQ(zuVEXA_ConfigureIQRate(vi, "", 2e6), 0);
  BackendStandinConfiguration configuration{};
  EXPECT_EQ(BackendStandin_GetConfiguration(vi, &configuration), 0);
  EXPECT_EQ(configuration.iqRate, 2e6) << "a scripted success still does the work";
}

// I of sample 1 of record 0: the tone's phase after one sample.
double SecondI(ViSession vi) {
  std::vector<ViReal64> data(4);
  WaveformInfo info{};
  EXPECT_EQ(zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, 2, 1.0, data.data(), &info), 0);
  return data[2];
}

TEST_F(SimulatedModule, AnotherKindsModuleFindsNoSessionAndAResetRestoresTheToneOffset) {
  BackendStandin_SetToneOffset(250e3);
  const ViSession vi = Open("", "Simulate=1,DriverSetup=Model:Q118");
  EXPECT_NEAR(SecondI(vi), 0.0, 1e-9) << "a quarter turn a sample";
  const ViInt32 slot =
      BackendStandin_CallSlot(BackendStandin_FindCall(5, "FetchIQSingleRecordComplexF64", 0));
  ASSERT_GE(slot, 0);
  std::vector<ViReal64> data(4);
  WaveformInfo info{};
  const ViInt64 record = 0, samples = 2;
  const BackendStandinArgument arguments[] = {
      backendstandin::MakeArgument(vi),     backendstandin::MakeArgument(""),
      backendstandin::MakeArgument(record), backendstandin::MakeArgument(samples),
      backendstandin::MakeArgument(1.0),    backendstandin::MakeArgument(data.data()),
      backendstandin::MakeArgument(&info)};
  EXPECT_EQ(BackendStandin_EnterEntryPoint(1, ViUInt32(slot), "", arguments, 7),
            BACKENDSTANDIN_ERROR_INVALID_SESSION)
      << "a ka module";
  BackendStandin_Reset();
  EXPECT_NEAR(SecondI(Open("", "Simulate=1,DriverSetup=Model:Q118")), 0.5 * std::cos(0.2 * std::numbers::pi),
              1e-9);
}

} // namespace
