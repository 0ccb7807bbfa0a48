// zuvexa-iq as a user runs it, on the stand-in modules and the demo system
// configuration: what it prints and how it ends.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct ProgramRun {
  int exitCode = -1;
  std::string output; // standard output and standard error
};

ProgramRun RunZuvexaIq(const std::string &arguments) {
  const std::string command = "ZUVEXA_SYSAPI_CONFIG='" ZUVEXA_DEMO_SYSAPI_CONFIG "' '" ZUVEXA_IQ_PROGRAM "' " +
                              arguments + " 2>&1";
  ProgramRun run;
  FILE *pipe = popen(command.c_str(), "r");
  if (pipe == nullptr)
    return run;
  char buffer[512];
  for (std::size_t read; (read = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.output.append(buffer, read);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

} // namespace

TEST(ZuvexaIqRun, ShowsTheSimulatedToneAndClosesTheSession) {
  const ProgramRun run = RunZuvexaIq("");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("options       \"Simulate=1,DriverSetup=Model:Q118\""), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("record        1000 of 1000 samples fetched"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("       0      0.500000     0.000000"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("mean power    -6.02 dBFS"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("tone          +100.000 kHz from the carrier, at 1.000100000 GHz, -6.02 dBFS"),
            std::string::npos)
      << run.output;
  EXPECT_NE(run.output.find("closed        session"), std::string::npos) << run.output;
}

TEST(ZuvexaIqRun, UsesTheCarrierRateAndLengthItIsGiven) {
  const ProgramRun run = RunZuvexaIq("--carrier 2.4G --rate 10M --samples 4096");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(run.output.find("IQ rate       10 MS/s (sample interval 100.000 ns)"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("record        4096 of 4096 samples fetched"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("at 2.400100000 GHz"), std::string::npos) << run.output;
}

TEST(ZuvexaIqRun, AFailedCallShowsItsStatusInHex) {
  ProgramRun run = RunZuvexaIq("--rate 0");
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("zuVEXA_ConfigureIQRate failed with status 0xBFFA000F"), std::string::npos)
      << run.output;

  run = RunZuvexaIq("--options Bogus=1");
  EXPECT_EQ(run.exitCode, 1) << run.output;
  EXPECT_NE(run.output.find("zuVEXA_InitWithOptions failed with status 0xBFFA004B"), std::string::npos)
      << run.output;
}

TEST(ZuvexaIqRun, HelpAndUnusableCommandLines) {
  const ProgramRun help = RunZuvexaIq("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.output.find("--carrier HZ"), std::string::npos) << help.output;
  EXPECT_EQ(RunZuvexaIq("--samples none").exitCode, 2);
}
