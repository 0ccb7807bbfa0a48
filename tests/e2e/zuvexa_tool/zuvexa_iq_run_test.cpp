// zuvexa-iq as a user runs it, on the stand-in modules and the demo system
// configuration: what it prints and how it ends.
#include <gtest/gtest.h>

#include <string>

#include "ProgramRun.h"

namespace {

using testsupport::ShellRun;

// Standard error is appended to standard output in `out`.
ShellRun RunZuvexaIq(const std::string &arguments) {
  ShellRun run = testsupport::RunShell(
      "ZUVEXA_SYSAPI_CONFIG='" ZUVEXA_DEMO_SYSAPI_CONFIG "' '" ZUVEXA_IQ_PROGRAM "' " + arguments);
  run.out += run.err;
  return run;
}

} // namespace

TEST(ZuvexaIqRun, ShowsTheSimulatedToneAtTheGivenCarrierOrRefusesTheCommandLine) {
  const ShellRun run = RunZuvexaIq("--carrier 2.4G --rate 10M --samples 4096");
  EXPECT_EQ(run.exitCode, 0);
  for (const char *line :
       {"options       \"Simulate=1,DriverSetup=Model:Q118\"",
        "IQ rate       10 MS/s (sample interval 100.000 ns)", "record        4096 of 4096 samples fetched",
        "       0      0.500000     0.000000", "mean power    -6.02 dBFS",
        "tone          +100.000 kHz from the carrier, at 2.400100000 GHz", "closed        session"})
    EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
  EXPECT_EQ(RunZuvexaIq("--samples 1G").exitCode, 2) << "more samples than the program allocates";
}

// A call the library refuses: the status and the library's description of
// it, from the error description files shipped with the library.
TEST(ZuvexaIqRun, FailedCallPrintsTheStatusAndItsDescription) {
  const ShellRun run = RunZuvexaIq("--rate -5");
  EXPECT_EQ(run.exitCode, 1);
  const std::string failure = "zuVEXA_ConfigureIQRate failed with status 0xBFFA000F\n  ";
  const size_t at = run.out.find(failure);
  ASSERT_NE(at, std::string::npos) << run.out;
  const std::string description = run.out.substr(at + failure.size());
  EXPECT_GT(description.size(), 10u) << run.out;
  for (const char *placeholder : {"no description", "Error description not found", "{\""})
    EXPECT_EQ(description.find(placeholder), std::string::npos) << run.out;
}

// --trace finds the tracer beside the program's lib folder (it is not on the
// loader's path here) and shows every call of the job, in order, as it ran.
TEST(ZuvexaIqRun, TraceShowsEveryCallOfTheJob) {
  const ShellRun run = RunZuvexaIq("--trace --samples 16");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  std::size_t at = 0;
  for (const char *call : {"zuVEXA_InitWithOptions", "zuVEXA_ConfigureIQCarrierFrequency", "zuVEXA_Initiate",
                           "zuVEXA_FetchIQSingleRecordComplexF64", "zuVEXA_close"}) {
    at = run.out.find(std::string("{\"function\":\"") + call + "\"", at);
    EXPECT_NE(at, std::string::npos) << call << "\n" << run.out;
  }
  EXPECT_EQ(RunZuvexaIq("--samples 16").out.find("{\"function\""), std::string::npos) << "only on request";
}
