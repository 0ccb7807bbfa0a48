#include "CallTracer.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

namespace zuvexaiq {
namespace {

constexpr char kTracerFile[] = "libZuPeekLog.so";

// <program folder>/../lib/peeklog/libZuPeekLog.so, where the build puts it.
std::string BesideProgram() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "";
  std::string program(path, static_cast<size_t>(length));
  const auto slash = program.rfind('/');
  return program.substr(0, slash == std::string::npos ? 0 : slash) + "/../lib/peeklog/" + kTracerFile;
}

} // namespace

bool StartCallTracer() {
  setenv("ZUPEEK_TRACE", "stderr", 0);
  if (dlopen(kTracerFile, RTLD_NOW | RTLD_GLOBAL) != nullptr) return true;
  const std::string fallback = BesideProgram();
  return !fallback.empty() && dlopen(fallback.c_str(), RTLD_NOW | RTLD_GLOBAL) != nullptr;
}

} // namespace zuvexaiq
