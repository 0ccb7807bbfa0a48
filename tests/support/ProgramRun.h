// Runs a program as a user would, through the shell, and keeps its exit
// code, standard output and standard error apart.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "TemporaryDirectory.h"

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
  const TemporaryDirectory folder;
  const std::string out = folder.File("out"), err = folder.File("err");
  const int status = std::system((commandLine + " </dev/null >'" + out + "' 2>'" + err + "'").c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(out), ReadWholeFile(err)};
}

} // namespace testsupport
