// The test-only prefix of the fixed paths read by this module.
#pragma once

#include <string>

namespace zusysq {

// `path` with the test root (if any) in front.
std::string RootedPath(const std::string &path);

} // namespace zusysq
