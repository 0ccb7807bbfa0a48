// zuvexa trace: without a tracing library it says so; with one, it runs the
// command with ZUPEEK_TRACE naming a log and shows the records written there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "ProgramRun.h"

using testsupport::RunShell;
using testsupport::ShellRun;

namespace {

// A record as the tracing library writes it, for a traced command to append.
const std::string kRecord =
    R"({"function":"zuVEXA_close","id":2,"params":[{"name":"vi","type":35,"value":65537}],)"
    R"("returns":[{"name":"dummyerror","type":45,"value":""},{"name":null,"type":23,"value":0}]})";

ShellRun Trace(const std::string &arguments, bool withTracingLibrary) {
  const std::string loaderPath =
      withTracingLibrary ? "LD_LIBRARY_PATH=\"" FAKE_TRACING_LIBRARY_DIR ":$LD_LIBRARY_PATH\" " : "";
  return RunShell(loaderPath + "'" ZUVEXA_PROGRAM "' trace " + arguments);
}

} // namespace

TEST(ZuvexaTrace, WithoutTheTracingLibraryItSaysWhyAndRunsNothing) {
  const ShellRun run = Trace("-- sh -c 'echo ran'", false);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("call tracing is not available: the tracing library libZuPeekLog.so"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.out, "") << "the command did not run";
}

TEST(ZuvexaTrace, ShowsTheRecordsTheTracedCommandLeftAndItsExitStatus) {
  const std::string command =
      "-- sh -c 'echo '\\''" + kRecord + "'\\'' >> \"$ZUPEEK_TRACE\"; echo ran; exit 3'";
  const ShellRun run = Trace(command, true);
  EXPECT_EQ(run.exitCode, 3) << run.err;
  EXPECT_EQ(run.out, "ran\n\n1 call traced\nzuVEXA_close(vi=65537)\n  -> 0\n");

  const ShellRun raw = Trace("--raw " + command, true);
  EXPECT_NE(raw.out.find(kRecord), std::string::npos) << raw.out;

  const ShellRun silent = Trace("true", true);
  EXPECT_EQ(silent.exitCode, 0);
  EXPECT_NE(silent.err.find("no calls were traced"), std::string::npos);
  EXPECT_EQ(Trace("/nonexistent/program", true).exitCode, 127);
}

TEST(ZuvexaTrace, RunsItsOwnSubcommandsAndKeepsTheLogWhenAsked) {
  const testsupport::TemporaryDirectory folder;
  const std::string log = folder.File("trace.log");
  const ShellRun run = Trace("--log " + log + " error 0", true);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("0  0"), std::string::npos) << "zuvexa error ran under the trace:\n" << run.out;
  EXPECT_EQ(access(log.c_str(), F_OK), 0) << "the log is kept";
}
