// zuvexa models, probe, fetch and error as a user runs them: what they print,
// what they write and how they end.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <string>

#include "ProgramRun.h"

using testsupport::RunShell;
using testsupport::ShellRun;

namespace {

// `environment`: further shell assignments ("NAME='value' ").
ShellRun Zuvexa(const std::string &arguments, const std::string &environment = "") {
  return RunShell(environment + "ZUVEXA_SYSAPI_CONFIG='" ZUVEXA_DEMO_SYSAPI_CONFIG "' '" ZUVEXA_PROGRAM "' " +
                  arguments);
}

void ExpectLines(const std::string &text, std::initializer_list<const char *> lines) {
  for (const char *line : lines)
    EXPECT_NE(text.find(line), std::string::npos) << "missing: " << line << "\n" << text;
}

long long FileSize(const std::string &path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

} // namespace

TEST(ZuvexaRun, HelpAndWrongCommandLinesEndAsUnixToolsDo) {
  const ShellRun help = Zuvexa("--help");
  EXPECT_EQ(help.exitCode, 0);
  ExpectLines(help.out, {"Usage: zuvexa COMMAND", "models", "probe", "fetch", "error", "trace", "Exit status"});
  EXPECT_EQ(Zuvexa("--version").out.rfind("zuvexa ", 0), 0u);
  for (const char *command : {"models", "probe", "fetch", "error", "trace"}) {
    const ShellRun commandHelp = Zuvexa(std::string(command) + " --help");
    EXPECT_EQ(commandHelp.exitCode, 0) << command;
    EXPECT_EQ(commandHelp.out.rfind(std::string("Usage: zuvexa ") + command, 0), 0u) << commandHelp.out;
  }
  struct Case {
    const char *arguments, *message;
  } wrong[] = {
      {"", "Usage: zuvexa COMMAND"},
      {"frobnicate", "unknown command \"frobnicate\""},
      {"fetch --samples", "--samples needs a value"},
      {"probe", "give exactly one resource name"},
      {"error", "give at least one status code"},
      {"error 0xZZ", "not a status code"},
      {"error --lang xx 1", "unknown language \"xx\""},
  };
  for (const Case &c : wrong) {
    const ShellRun run = Zuvexa(c.arguments);
    EXPECT_EQ(run.exitCode, 2) << c.arguments;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    EXPECT_EQ(run.out, "") << "nothing on standard output for " << c.arguments;
  }
}

TEST(ZuvexaRun, ModelsShowsTheRoutingTableAndTheModuleFilesFound) {
  const ShellRun run = Zuvexa("models");
  EXPECT_EQ(run.exitCode, 0);
  ExpectLines(run.out, {"Q118        0x1C02       tov (libzuvexatov.so)", "Q110        0x1B06C4C4   ka",
                        "Q112        -            ka", "Default model of a simulated session without a device: Q117",
                        "zuVEXAtov: ZU PXIe-Q118, ", "lib/modules/libzuvexapil.so", "lib/sysapi/libzusysapi.so"});
}

TEST(ZuvexaRun, ProbeShowsWhatTheLookupResolves) {
  struct Case {
    const char *arguments;
    int exitCode;
    std::initializer_list<const char *> lines;
  } cases[] = {
      {"probe Analyzer1", 0,
       {"session       instrument", "device        Analyzer1 -> PXI1Slot2 (simulated in the system configuration)",
        "backend       \"RIO0\"", "model         Q118, product id 0x1C02 (by the device's product identifier)",
        "module        5 tov, libzuvexatov.so at "}},
      {"probe pxi1slot5", 0, {"model         Q106, product id 0x1B02", "module        1 ka"}},
      {"probe --options 'Simulate=1,DriverSetup=Model:q122' Nowhere", 0,
       {"session       simulated", "model         Q122, product id 0x1C06 (by DriverSetup Model)"}},
      {"probe --options Simulate=1 Nowhere", 0,
       {"device        none", "Q117, product id 0x0 (the default model of a simulated session)"}},
      {"probe --options 'DriverSetup=allowMultipleSessions:1' Analyzer1", 0, {"multiple      allowed"}},
  };
  for (const Case &c : cases) {
    const ShellRun run = Zuvexa(c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments << run.err;
    ExpectLines(run.out, c.lines);
  }
  const testsupport::TemporaryDirectory folder;
  std::ofstream(folder.File("ivi.conf")) << "Bench|PXI1Slot5|1|Model:Q125\n";
  const ShellRun logical = Zuvexa("probe Bench", "ZUVEXA_IVI_CONFIG='" + folder.File("ivi.conf") + "' ");
  EXPECT_EQ(logical.exitCode, 0) << logical.err;
  ExpectLines(logical.out, {"session       simulated", "model         Q125, product id 0x1C08 (by DriverSetup Model)",
                            "module        6 pil"});

  const ShellRun missing = Zuvexa("probe Nowhere");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find("the lookup failed with status 0xBFFA0060 (error)"), std::string::npos) << missing.err;
  const ShellRun badModel = Zuvexa("probe --options 'Simulate=1,DriverSetup=Model:Q999' Nowhere");
  EXPECT_EQ(badModel.exitCode, 1);
  EXPECT_NE(badModel.err.find("0xBFFA000F"), std::string::npos) << badModel.err;
}

TEST(ZuvexaRun, FetchReportsStatisticsAndWritesSamplesAndPlot) {
  const testsupport::TemporaryDirectory folder;
  const ShellRun run = Zuvexa("fetch --carrier 2.4G --rate 10M --samples 2048 --records 3 --output '" +
                              folder.File("iq.csv") + "' --plot '" + folder.File("iq.svg") + "'");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  ExpectLines(run.out, {"IQ rate       10 MS/s (sample interval 100.000 ns)", "records       3 of 2048 samples",
                        "samples       6144 fetched", "mean power    -6.02 dBFS", "peak power    -6.02 dBFS",
                        "tone          +100.000 kHz from the carrier, at 2.400100000 GHz, -6.02 dBFS",
                        "closed        session"});
  const std::string csv = testsupport::ReadWholeFile(folder.File("iq.csv"));
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 3 * 2048);
  EXPECT_NE(csv.find("\n2,2047,"), std::string::npos) << "the last record's last sample";
  const std::string svg = testsupport::ReadWholeFile(folder.File("iq.svg"));
  ExpectLines(svg, {"<svg", "I/Q trace", "Power spectrum", "2.400000000 GHz", "</svg>"});

  EXPECT_EQ(Zuvexa("fetch --quiet --samples 100 --records 2 --output '" + folder.File("iq.f64") + "'").exitCode, 0);
  EXPECT_EQ(FileSize(folder.File("iq.f64")), 2 * 100 * 16);
  const ShellRun raw = Zuvexa("fetch --samples 100 --output - --format i16");
  EXPECT_EQ(raw.exitCode, 0);
  EXPECT_EQ(raw.out.size(), 100u * 4) << "only samples on standard output";
  EXPECT_NE(raw.err.find("mean power    -6.02 dBFS"), std::string::npos) << "the report moves to standard error";
}

TEST(ZuvexaRun, AFailedCallOrOutputEndsWithStatusOne) {
  const ShellRun rate = Zuvexa("fetch --rate -5");
  EXPECT_EQ(rate.exitCode, 1);
  EXPECT_NE(rate.err.find("zuVEXA_ConfigureIQRate failed with status 0xBFFA000F (error)"), std::string::npos)
      << rate.err;
  const ShellRun open = Zuvexa("fetch --resource Nowhere --options ''");
  EXPECT_EQ(open.exitCode, 1);
  EXPECT_NE(open.err.find("zuVEXA_InitWithOptions failed with status 0xBFFA0060"), std::string::npos) << open.err;
  const ShellRun output = Zuvexa("fetch --output /nonexistent-folder/x.csv");
  EXPECT_EQ(output.exitCode, 1);
  EXPECT_NE(output.err.find("cannot write /nonexistent-folder/x.csv"), std::string::npos) << output.err;
}

TEST(ZuvexaRun, ErrorShowsEachCodeInHexAndDecimalInAnyLanguage) {
  for (const char *language : {"", "--lang de ", "--lang Japanese ", "--lang kor "}) {
    const ShellRun run = Zuvexa(std::string("error ") + language + "0xBFFA0060 -1074135025 1073348712");
    EXPECT_EQ(run.exitCode, 0) << language << run.err;
    ExpectLines(run.out,
                {"0xBFFA0060 (error)  -1074134944", "0xBFFA000F (error)  -1074135025", "0x3FFA0068 (warning)  1073348712"});
    EXPECT_EQ(run.err, "") << "choosing the language leaves no error behind";
  }
}
