// Runs a program as a user would, through the shell, and keeps its exit
// code, standard output and standard error apart.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

struct ShellRun {
  int exitCode = -1;
  std::string out, err;
};

inline std::string ReadWholeFile(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// `commandLine` is shell text ("VAR=x prog --option 'value'").
inline ShellRun RunShell(const std::string &commandLine) {
  const char *tmp = std::getenv("TMPDIR");
  std::string base = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/zuvexa-run-XXXXXX";
  ShellRun run;
  if (mkdtemp(base.data()) == nullptr)
    return run;
  const std::string out = base + "/out", err = base + "/err";
  const int status = std::system((commandLine + " </dev/null >'" + out + "' 2>'" + err + "'").c_str());
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = ReadWholeFile(out);
  run.err = ReadWholeFile(err);
  std::remove(out.c_str());
  std::remove(err.c_str());
  rmdir(base.c_str());
  return run;
}

} // namespace testsupport
