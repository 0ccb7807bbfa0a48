// zuvexa (models, probe, fetch, error, trace) and zuvexa-iq as a user runs
// them: what they print, what they write and how they end.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "TemporaryDirectory.h"

using testing::HasSubstr;

namespace {

struct ShellRun {
  int exitCode = -1;
  std::string out, err;
};

std::string ReadWholeFile(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// `commandLine` is shell text ("VAR=x prog --option 'value'").
ShellRun RunShell(const std::string &commandLine) {
  const testsupport::TemporaryDirectory folder;
  const std::string out = folder.File("out"), err = folder.File("err");
  const int status =
      std::system(("{ " + commandLine + "\n} </dev/null >'" + out + "' 2>'" + err + "'").c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(out), ReadWholeFile(err)};
}

#define ZU_DEMO_CONFIG "ZUVEXA_SYSAPI_CONFIG='" ZUVEXA_DEMO_SYSAPI_CONFIG "' "

// `environment`: further shell assignments ("NAME='value' ").
ShellRun Zuvexa(const std::string &arguments, const std::string &environment = "") {
  return RunShell(ZU_DEMO_CONFIG + environment + "'" ZUVEXA_PROGRAM "' " + arguments);
}

// Standard error is appended to standard output in `out`.
ShellRun ZuvexaIq(const std::string &arguments) {
  ShellRun run = RunShell(ZU_DEMO_CONFIG "'" ZUVEXA_IQ_PROGRAM "' " + arguments);
  run.out += run.err;
  return run;
}

ShellRun Trace(const std::string &arguments, bool withTracingLibrary = true) {
  return RunShell(
      (withTracingLibrary ? "LD_LIBRARY_PATH=\"" FAKE_TRACING_LIBRARY_DIR ":$LD_LIBRARY_PATH\" " : "") +
      std::string("'" ZUVEXA_PROGRAM "' trace ") + arguments);
}

void ExpectLines(const std::string &text, std::initializer_list<const char *> lines) {
  for (const char *line : lines) EXPECT_THAT(text, HasSubstr(line));
}

struct LinesCase {
  const char *arguments;
  std::initializer_list<const char *> lines;
};

// Runs each case with the logical name "Bench" (a Q125 on PXI1Slot5) configured: exit 0, the lines shown.
void ExpectRuns(const testsupport::TemporaryDirectory &folder, std::initializer_list<LinesCase> cases) {
  std::ofstream(folder.File("ivi.conf")) << "Bench|PXI1Slot5|1|Model:Q125\n";
  for (const LinesCase &c : cases) {
    SCOPED_TRACE(c.arguments);
    const ShellRun run = Zuvexa(c.arguments, "ZUVEXA_IVI_CONFIG='" + folder.File("ivi.conf") + "' ");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ExpectLines(run.out, c.lines);
  }
}

} // namespace

// A wrong command line ends with 2 and prints nothing on standard output; a
// failed call or output ends with 1.
TEST(ZuvexaRun, WrongCommandLinesAndFailuresEndWithTheirStatus) {
  struct Case {
    const char *arguments;
    int exitCode;
    const char *message;
    const char *environment = "";
  } const cases[] = {
      {"", 2, "A subcommand is required"},
      {"frobnicate", 2, "unknown command \"frobnicate\""},
      {"help frobnicate", 2, "zuvexa help: unknown command \"frobnicate\""},
      {"fetch --samples", 2, "zuvexa fetch: --samples"},
      {"probe", 2, "RESOURCE is required"},
      {"error", 2, "CODE is required"},
      {"error 0xZZ", 2, "not a status code"},
      {"error 4294967296", 2, "not a status code: \"4294967296\""},
      {"error -2147483649", 2, "not a status code: \"-2147483649\""},
      {"error --lang xx 1", 2, "unknown language \"xx\" (en, fr, de, ja, ko or zh)"},
      {"fetch --rate 0", 2, "--rate must be a number above 0 S/s to 10 GS/s: \"0\""},
      {"fetch --plot - ", 2, "--plot draws SVG only"},
      {"attr get Analyzer1 'No Such Thing'", 2, "no attribute named \"No Such Thing\""},
      {"attr set Analyzer1 'IQ Rate'", 2, "set needs a VALUE"},
      {"attr get --options Bogus=1 Analyzer1 1150007", 1,
       "zuVEXA_InitWithOptions failed with status 0xBFFA004B"},
      {"probe Nowhere", 1, "There is no device or logical name \"Nowhere\""},
      {"attr get Nowhere 1150007", 1, "There is no device or logical name \"Nowhere\""},
      {"probe --options 'Simulate=1,DriverSetup=Model:Q999' Nowhere", 1, "specified model: Q999"},
      {"fetch --resource Nowhere", 1, "There is no device or logical name \"Nowhere\""},
      {"fetch --output /nonexistent-folder/x.csv", 1, "cannot write /nonexistent-folder/x.csv"},
      {"fetch --plot /nonexistent-folder/x.svg", 1, "cannot write /nonexistent-folder/x.svg"},
      {"models >/dev/full", 1, "cannot write standard output: No space left on device"},
      {"fetch --samples 100000 --output - >/dev/full", 1, "cannot write standard output"},
      {"probe Analyzer1", 1, "set ZUVEXA_SYSAPI_CONFIG", "ZUVEXA_SYSAPI_CONFIG= "},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.arguments);
    const ShellRun run = Zuvexa(c.arguments + std::string(" "), c.environment);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_THAT(run.err, HasSubstr(c.message));
    if (c.exitCode == 2) {
      EXPECT_EQ(run.out, "");
    }
  }
}

TEST(ZuvexaRun, ModelsShowsTheRoutingTableAndTheModuleFilesFound) {
  const ShellRun run = Zuvexa("models");
  EXPECT_EQ(run.exitCode, 0);
  ExpectLines(run.out,
              {"Q118        0x1C02       tov (libzuvexatov.so)", "Q110        0x1B06C4C4   ka",
               "Q112        -            ka", "Default model of a simulated session without a device: Q117",
               "zuVEXAtov: ZU PXIe-Q118, ", "(Q125 is routed to pil (libzuvexapil.so))",
               "lib/modules/libzuvexapil.so", "lib/sysapi/libzusysapi.so"});
}

TEST(ZuvexaRun, ProbeShowsWhatTheLookupResolves) {
  const testsupport::TemporaryDirectory folder;
  ExpectRuns(
      folder,
      {
          {"probe Analyzer1",
           {"session       instrument",
            "device        Analyzer1 -> PXI1Slot2 (simulated in the system configuration)",
            "backend       \"RIO0\"",
            "model         Q118, product id 0x1C02 (by the device's product identifier)",
            "module        5 tov, libzuvexatov.so at "}},
          {"probe pxi1slot5", {"model         Q106, product id 0x1B02", "module        1 ka"}},
          {"probe --options 'Simulate=1,DriverSetup=Model:q122' Nowhere",
           {"session       simulated", "model         Q122, product id 0x1C06 (by DriverSetup Model)"}},
          {"probe --options Simulate=1 Nowhere",
           {"device        none", "Q117, product id 0x0 (the default model of a simulated session)"}},
          {"probe --options 'DriverSetup=allowMultipleSessions:1' Analyzer1", {"multiple      allowed"}},
          {"probe Bench",
           {"session       simulated", "model         Q125, product id 0x1C08 (by DriverSetup Model)",
            "module        6 pil"}},
      });
}

TEST(ZuvexaRun, FetchReportsStatisticsAndWritesSamplesAndPlot) {
  const testsupport::TemporaryDirectory folder;
  const ShellRun run = Zuvexa("fetch --carrier 2.4G --rate 10M --samples 2048 --records 3 --output '" +
                              folder.File("iq.csv") + "' --plot '" + folder.File("iq.svg") + "'");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  ExpectLines(run.out, {"IQ rate       10 MS/s (sample interval 100.000 ns)",
                        "records       3 of 2048 samples", "samples       6144 fetched",
                        "mean power    -6.02 dBFS", "peak power    -6.02 dBFS", "DC offset     I ",
                        "tone          +100.000 kHz from the carrier, at 2.400100000 GHz, -6.02 dBFS",
                        "closed        session"});
  EXPECT_EQ(run.err, "") << "nothing to tell of a fetch that ran to its end";
  const std::string csv = ReadWholeFile(folder.File("iq.csv"));
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 3 * 2048);
  EXPECT_THAT(csv, HasSubstr("\n2,2047,")) << "the last record's last sample";
  ExpectLines(ReadWholeFile(folder.File("iq.svg")),
              {"<svg", "I/Q trace", "Power spectrum", "2.400000000 GHz", "</svg>"});

  EXPECT_EQ(
      Zuvexa("fetch --quiet --samples 100 --records 2 --output '" + folder.File("iq.f64") + "'").exitCode, 0);
  EXPECT_EQ(std::filesystem::file_size(folder.File("iq.f64")), 2u * 100 * 16);
  const ShellRun raw = Zuvexa("fetch --samples 100 --output - --format i16");
  EXPECT_EQ(raw.exitCode, 0);
  EXPECT_EQ(raw.out.size(), 100u * 4) << "only samples on standard output";
  EXPECT_THAT(raw.err, HasSubstr("mean power    -6.02 dBFS")) << "the report moves to standard error";
  EXPECT_THAT(raw.err, HasSubstr("I16 scaling   value = raw * "));
  const ShellRun traced =
      RunShell("LD_LIBRARY_PATH=\"" TRACING_LIBRARY_DIR ":$LD_LIBRARY_PATH\" " ZU_DEMO_CONFIG
               "'" ZUVEXA_PROGRAM "' trace fetch --quiet --records 2 --samples 16");
  EXPECT_THAT(traced.out, HasSubstr("numberOfRecordsIsFinite=1, numberOfRecords=2)\n  -> 0")) << traced.err;
}

// A failed fetch leaves every path as it was: a file stays, a name stays
// free, a folder is refused before the acquisition, and a pipe or device is
// written in place, never removed. Its failure is told once, with its cause;
// no statistics follow samples that could not be written.
TEST(ZuvexaRun, AFailedFetchLeavesEveryPathAsItWas) {
  namespace fs = std::filesystem;
  const testsupport::TemporaryDirectory folder;
  std::ofstream(folder.File("k.csv")) << "keep\n";
  fs::create_directory(folder.File("e.svg"));
  ASSERT_EQ(mkfifo(folder.File("pipe").c_str(), 0600), 0);
  const int reader = open(folder.File("pipe").c_str(), O_RDWR | O_NONBLOCK); // so that writers need not wait
  // A device that fails every write: a copy of /dev/full where the test may make one.
  const bool root = geteuid() == 0;
  const std::string full = root ? folder.File("full") : "/dev/full";
  if (root) {
    ASSERT_EQ(mknod(full.c_str(), S_IFCHR | 0600, makedev(1, 7)), 0);
  }
  for (const char *name : {"full.svg", "rec.sigmf-meta"}) fs::create_symlink(full, folder.File(name));
  const auto at = [&](const char *name) { return "'" + folder.File(name) + "'"; };
  const std::string noSpace = ": No space left on device\n";
  enum Reach { kNothing, kAcquisition, kReport };
  struct Case {
    std::string arguments, message;
    Reach reach;
  } const cases[] = {
      {"--resource Nowhere --output " + at("k.csv") + " --plot " + at("new.svg"), "\"Nowhere\"", kNothing},
      {"--plot " + at("e.svg"), "cannot write " + folder.File("e.svg") + ": Is a directory\n", kNothing},
      {"--resource Nowhere --output " + at("pipe"), "\"Nowhere\"", kNothing},
      {"--samples 1000 --output '" + full + "' --plot " + at("new.svg"), "cannot write " + full + noSpace,
       kAcquisition},
      {"--samples 100000 --output - >/dev/full", "cannot write standard output" + noSpace, kAcquisition},
      {"--samples 1000 --plot " + at("full.svg"), "cannot write " + folder.File("full.svg") + noSpace,
       kReport},
      {"--samples 1000 --output " + at("rec.sigmf-data"),
       "cannot write " + folder.File("rec.sigmf-meta") + noSpace, kReport},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.arguments);
    const ShellRun run = Zuvexa("fetch " + c.arguments);
    const std::string said = run.out + run.err;
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr(c.message));
    EXPECT_EQ(said.find("cannot write", said.find("cannot write") + 1), std::string::npos) << "told once";
    EXPECT_EQ(said.find("session  ") != std::string::npos, c.reach != kNothing) << said;
    EXPECT_EQ(said.find("dBFS") != std::string::npos, c.reach == kReport) << said;
  }
  close(reader);
  EXPECT_EQ(ReadWholeFile(folder.File("k.csv")), "keep\n");
  EXPECT_TRUE(fs::is_directory(folder.File("e.svg")));
  EXPECT_TRUE(fs::is_fifo(folder.File("pipe")));
  EXPECT_TRUE(fs::is_character_file(full));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), {}), root ? 6 : 5) << "no new file";
}

TEST(ZuvexaRun, ErrorShowsEachCodeInHexAndDecimalInAnyLanguage) {
  for (const char *language : {"", "--lang de ", "--lang ja ", "--lang jp ", "--lang Japanese "}) {
    const ShellRun run = Zuvexa(std::string("error ") + language + "0xBFFA0060 -1074135025 1073348712");
    EXPECT_EQ(run.exitCode, 0) << language << run.err;
    ExpectLines(run.out, {"0xBFFA0060 (error)  -1074134944", "0xBFFA000F (error)  -1074135025",
                          "0x3FFA0068 (warning)  1073348712"});
    EXPECT_EQ(run.err, "") << "choosing the language leaves no error behind";
  }
  EXPECT_THAT(Zuvexa("error --lang ja 0xBFFA000F").out, HasSubstr("無効なパラメータです"));
  // English stands in for a missing description: of the language, or of this code alone.
  const std::pair<const char *, const char *> untranslated[] = {
      {"--lang ko 1",
       "zuvexa error: the library has no descriptions in \"ko\" installed; they are shown in English\n"},
      {"--lang de 0xBFFA7777",
       "zuvexa error: the library has no description of 0xBFFA7777 (error) in \"de\"\n"},
      {"--lang fr 0xBFFA0060 0xBFFA7777 0",
       "zuvexa error: the library has no description of 0xBFFA7777 (error) in \"fr\"\n"},
      {"--lang fr 0xBFFA2003", ""}};
  for (const auto &[arguments, message] : untranslated)
    EXPECT_EQ(Zuvexa(std::string("error ") + arguments).err, message) << arguments;
  EXPECT_EQ(Zuvexa("error 0").out, "0  0\n  Success\n");
  ExpectLines(Zuvexa("error 0xFFFFFFFF 4294967295 -2147483648").out,
              {"0xFFFFFFFF (error)  -1\n", "0x80000000 (error)  -2147483648\n"});
  for (const char *language : {"ja", "jp", "Japanese"}) {
    const ShellRun json = Zuvexa(std::string("error --json --lang ") + language + " 0xBFFA0060");
    EXPECT_EQ(json.exitCode, 0);
    ExpectLines(json.out,
                {"\"hex\": \"0xBFFA0060 (error)\"", "\"language\": \"ja\"", "\"libraryLanguage\": \"jp\""});
  }
}

// list, attr and the --json documents of models, probe, list, attr and fetch.
TEST(ZuvexaRun, ListsDevicesReadsAndWritesAttributesAndWritesJson) {
  const testsupport::TemporaryDirectory folder;
  ExpectRuns(folder,
             {
                 {"--help", {"Manual: " ZUVEXA_MANUAL_PAGE " when installed"}},
                 {"--version", {"zuvexa " ZUVEXA_VERSION "\n"}},
                 {"list",
                  {"PXI1Slot2      Analyzer1      0x1C02       Q118    tov",
                   "Bench          -> PXI1Slot5      Q125"}},
                 {"list --json",
                  {"\"alias\": \"Analyzer2\"", "\"module\": \"pil\"", "\"logicalNamesListed\": true"}},
                 {"models --json", {"\"model\": \"Q125\"", "\"routedElsewhere\""}},
                 {"probe --json Analyzer1", {"\"model\": \"Q118\"", "\"identifier\": \"PXI1Slot2\""}},
                 {"attr get Analyzer1 'iq rate'", {"IQ Rate (1150007) = 1000000.0"}},
                 {"attr set --json Analyzer1 1150009 4k",
                  {"\"name\": \"Number of Samples\"", "\"type\": \"int64\"", "\"value\": 4000"}},
                 {"fetch --json --samples 64 --records 2 --timeout 0 --output /dev/null --format i16",
                  {"\"records\": 2", "\"gain\":", "\"meanPowerDbfs\": -6.02"}},
             });
  std::ofstream(folder.File("sysapi.conf"))
      << "expert zu-vexa\ndevice PXI1Slot7 productId=0x1B02 simulated=1\n";
  const ShellRun bare = Zuvexa("list --json", "ZUVEXA_SYSAPI_CONFIG='" + folder.File("sysapi.conf") + "' ");
  EXPECT_THAT(bare.out, HasSubstr("\"alias\": null")) << "a device without an alias";
  // The IVI engine lists its store's names: none in a store of comments, or one it cannot read.
  std::ofstream(folder.File("broken.conf")) << "#Bench|PXI1Slot5|1|\nBroken|PXI9Slot9|0|\n";
  EXPECT_THAT(Zuvexa("list", "ZUVEXA_IVI_CONFIG='" + folder.File("broken.conf") + "' ").out,
              HasSubstr("Broken         lookup failed: 0xBFFA0060 (error)"));
  std::ofstream(folder.File("commented.conf")) << "#Bench|PXI1Slot5|1|\n";
  for (const std::string &store :
       {folder.File("commented.conf"), std::string("/nonexistent"), std::string()}) {
    const ShellRun run = Zuvexa("list", "ZUVEXA_IVI_CONFIG='" + store + "' ");
    EXPECT_EQ(run.exitCode, 0) << store;
    ExpectLines(run.out, {"PXI1Slot2", "Logical names (IVI engine)\n  none\n"});
  }
}

// A record as the tracing library writes it, for a traced command to append.
const std::string kRecord =
    R"({"function":"zuVEXA_close","id":2,"params":[{"name":"vi","type":35,"value":65537}],)"
    R"("returns":[{"name":"dummyerror","type":45,"value":""},{"name":null,"type":23,"value":0}]})";

TEST(ZuvexaTrace, ShowsTheRecordsTheTracedCommandLeftAndItsExitStatus) {
  const std::string command =
      "-- sh -c 'echo '\\''" + kRecord + "'\\'' >> \"$ZUPEEK_TRACE\"; echo ran; exit 3'";
  const ShellRun run = Trace(command);
  EXPECT_EQ(run.exitCode, 3) << run.err;
  EXPECT_EQ(run.out, "ran\n\n1 call traced\nzuVEXA_close(vi=65537)\n  -> 0\n");
  EXPECT_THAT(Trace("--raw " + command).out, HasSubstr(kRecord));
  const ShellRun silent = Trace("true");
  EXPECT_EQ(silent.exitCode, 0);
  EXPECT_THAT(silent.err, HasSubstr("no calls were traced"));
  const ShellRun missing = Trace("/nonexistent/program");
  EXPECT_EQ(missing.exitCode, 127);
  EXPECT_THAT(missing.err, HasSubstr("cannot run /nonexistent/program: No such file"));

  const testsupport::TemporaryDirectory folder;
  const ShellRun own = Trace("--log " + folder.File("trace.log") + " error 0");
  EXPECT_EQ(own.exitCode, 0) << own.err;
  EXPECT_THAT(own.out, HasSubstr("0  0")) << "zuvexa error ran under the trace";
  EXPECT_TRUE(std::filesystem::exists(folder.File("trace.log"))) << "the log is kept";

  const ShellRun without = Trace("-- sh -c 'echo ran'", false);
  EXPECT_EQ(without.exitCode, 1);
  EXPECT_THAT(without.err, HasSubstr("call tracing is not available: the tracing library libZuPeekLog.so"));
  EXPECT_EQ(without.out, "") << "the command did not run";
}

TEST(ZuvexaIqRun, ShowsTheSimulatedToneOrTheFailureOrRefusesTheCommandLine) {
  const ShellRun run = ZuvexaIq("--carrier 2.4G --rate 10M --samples 4096");
  EXPECT_EQ(run.exitCode, 0);
  ExpectLines(run.out,
              {"options       \"Simulate=1,DriverSetup=Model:Q118\"",
               "IQ rate       10 MS/s (sample interval 100.000 ns)",
               "record        4096 of 4096 samples fetched", "       0      0.500000     0.000000",
               "mean power    -6.02 dBFS", "tone          +100.000 kHz from the carrier, at 2.400100000 GHz",
               "closed        session"});
  for (const char *refused : {"--samples 1G", "--rate -5", "--carrier 1e30", "--colour"})
    EXPECT_EQ(ZuvexaIq(refused).exitCode, 2) << refused;
  const std::string two = ZuvexaIq("--samples 2").out; // fewer than the samples shown
  EXPECT_THAT(two, HasSubstr("       1      0.404508     0.293893\n\n"));
  EXPECT_EQ(ZuvexaIq("--version").out, "zuvexa-iq " + std::string(ZUVEXA_VERSION) + "\n");
  EXPECT_THAT(ZuvexaIq("--help").out, HasSubstr("Manual: " ZUVEXA_MANUAL_PAGE " when installed"));
  EXPECT_EQ(ZuvexaIq(">/dev/full").exitCode, 1);

  // A failed call: the status and its description from the shipped error description files.
  const ShellRun failed = ZuvexaIq("--resource Nowhere");
  EXPECT_EQ(failed.exitCode, 1);
  EXPECT_THAT(failed.out, HasSubstr("There is no device or logical name \"Nowhere\""));
  const std::string failure = "zuVEXA_InitWithOptions failed with status 0xBFFA0060\n  ";
  const size_t at = failed.out.find(failure);
  ASSERT_NE(at, std::string::npos) << failed.out;
  const std::string description = failed.out.substr(at + failure.size());
  EXPECT_GT(description.size(), 10u) << failed.out;
  for (const char *placeholder : {"no description", "Error description not found", "{\""})
    EXPECT_THAT(description, testing::Not(HasSubstr(placeholder)));
}

// --trace finds the tracer beside the program's lib folder (it is not on the
// loader's path here) and shows every call of the job, in order.
TEST(ZuvexaIqRun, TraceShowsEveryCallOfTheJob) {
  const ShellRun run = ZuvexaIq("--trace --samples 16");
  EXPECT_EQ(run.exitCode, 0) << run.out;
  std::size_t at = 0;
  for (const char *call : {"zuVEXA_InitWithOptions", "zuVEXA_ConfigureIQCarrierFrequency", "zuVEXA_Initiate",
                           "zuVEXA_FetchIQSingleRecordComplexF64", "zuVEXA_close"}) {
    at = run.out.find(std::string("{\"function\":\"") + call + "\"", at);
    EXPECT_NE(at, std::string::npos) << call << "\n" << run.out;
  }
  EXPECT_THAT(ZuvexaIq("--samples 16").out, testing::Not(HasSubstr("{\"function\""))) << "only on request";
}

namespace {

// Runs zuvexa with `words` in the background (standard output and error to
// files in `folder`), the tracing library on the path, recording to calls.log.
pid_t StartZuvexa(const testsupport::TemporaryDirectory &folder, std::vector<std::string> words) {
  words.insert(words.begin(), ZUVEXA_PROGRAM);
  const std::string path = std::string(TRACING_LIBRARY_DIR ":") + std::getenv("LD_LIBRARY_PATH");
  const pid_t pid = fork();
  if (pid != 0) return pid;
  std::freopen(folder.File("out").c_str(), "w", stdout);
  std::freopen(folder.File("err").c_str(), "w", stderr);
  setenv("LD_LIBRARY_PATH", path.c_str(), 1);
  setenv("ZUVEXA_SYSAPI_CONFIG", ZUVEXA_DEMO_SYSAPI_CONFIG, 1);
  setenv("ZUPEEK_TRACE", folder.File("calls.log").c_str(), 1);
  setenv("TMPDIR", folder.File("tmp").c_str(), 1);
  std::signal(SIGHUP, SIG_DFL); // as from a terminal, even under nohup
  std::vector<char *> argv;
  for (std::string &word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  execv(argv[0], argv.data());
  _exit(127);
}

// The names in `folder` that begin with `prefix`.
std::vector<std::string> NamesBeginning(const std::string &folder, const std::string &prefix) {
  std::vector<std::string> names;
  for (const auto &entry : std::filesystem::directory_iterator(folder))
    if (entry.path().filename().string().starts_with(prefix)) names.push_back(entry.path().string());
  return names;
}

// Waits up to ten seconds for the new file a fetch writes beside `name` in
// `folder` to hold data.
void AwaitSamples(const std::string &folder, const std::string &name) {
  for (int wait = 0; wait < 200; ++wait, usleep(50000))
    for (const std::string &path : NamesBeginning(folder, "." + name + "."))
      if (std::filesystem::file_size(path) > 0) return;
}

// Whether a process still runs with `text` in its command line.
bool ProcessMentions(const std::string &text) {
  for (const auto &entry : std::filesystem::directory_iterator("/proc")) {
    const std::string cmdline = ReadWholeFile(entry.path().string() + "/cmdline");
    if (cmdline.find(text) != std::string::npos) return true;
  }
  return false;
}

} // namespace

// A signal to the tool's own process stops a long fetch, plain or traced,
// between records: the session is closed, the report printed, the sample
// file finished, the trace's child and temporary log gone, and the exit
// status is 128 + the signal.
TEST(ZuvexaRun, SignalsEndALongFetchCleanly) {
  for (const bool traced : {false, true})
    for (const int signal : {SIGINT, SIGTERM}) {
      SCOPED_TRACE(std::string(traced ? "trace fetch, " : "fetch, ") + strsignal(signal));
      const testsupport::TemporaryDirectory folder;
      std::filesystem::create_directory(folder.File("tmp"));
      const std::string samples = folder.File("big.f64");
      std::vector<std::string> words = {"fetch", "--samples", "1M", "--records", "200", "--output", samples};
      if (traced) words.insert(words.begin(), "trace");
      const pid_t pid = StartZuvexa(folder, words);
      AwaitSamples(folder.Path(), "big.f64");
      kill(pid, signal);
      int status = 0;
      ASSERT_EQ(waitpid(pid, &status, 0), pid);
      EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 128 + signal);
      const std::string out = ReadWholeFile(folder.File("out")), err = ReadWholeFile(folder.File("err"));
      ExpectLines(out, {"samples       ", "closed        session 65537"});
      ExpectLines(err, {"of 200 records; session closed", "big.f64 finished: it holds the "});
      const std::string calls = traced ? out : ReadWholeFile(folder.File("calls.log"));
      EXPECT_THAT(calls, HasSubstr(traced ? "zuVEXA_close(session=\"Analyzer1\", vi=65537)\n  -> 0"
                                          : "\"function\":\"zuVEXA_close\""));
      EXPECT_EQ(std::filesystem::file_size(samples) % 16000000, 0u) << "whole records only";
      EXPECT_EQ(NamesBeginning(folder.Path(), ".big"), std::vector<std::string>{}) << "put in place";
      EXPECT_TRUE(std::filesystem::is_empty(folder.File("tmp"))) << "no trace log left";
      EXPECT_FALSE(ProcessMentions(samples)) << "no traced child left";
    }
}

// A signal that ends the process at once (SIGHUP, SIGPIPE, SIGQUIT) takes
// the unfinished files with it and leaves the target as it was.
TEST(ZuvexaRun, AHangupLeavesNoUnfinishedFile) {
  const testsupport::TemporaryDirectory folder;
  std::ofstream(folder.File("big.f64")) << "keep";
  const pid_t pid = StartZuvexa(folder, {"fetch", "--samples", "1M", "--records", "200", "--output",
                                         folder.File("big.f64"), "--plot", folder.File("big.svg")});
  AwaitSamples(folder.Path(), "big.f64");
  kill(pid, SIGHUP);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGHUP) << status;
  EXPECT_EQ(NamesBeginning(folder.Path(), ".big"), std::vector<std::string>{});
  EXPECT_EQ(ReadWholeFile(folder.File("big.f64")), "keep");
  EXPECT_FALSE(std::filesystem::exists(folder.File("big.svg")));
}
