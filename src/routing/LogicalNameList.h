// The logical names the IVI engine's configuration store holds, for clients
// that list them. The engine offers the list through an optional entry point
// (IviEngine.h); an engine without it offers no list, which is not an error.
#pragma once

#include <string>
#include <vector>

#include "zuVEXAtypes.h"

namespace zurouting {

enum class LogicalNameListing {
  Listed,     // `names` holds the store's names (possibly none)
  NotOffered, // the engine has no list of its names
  Failed,     // the engine's list call failed with `status`
};

struct LogicalNames {
  LogicalNameListing listing = LogicalNameListing::NotOffered;
  std::vector<std::string> names;
  ViStatus status = VI_SUCCESS;
};

// Asks the engine the library is linked with (loaded already, or loaded and
// released again).
LogicalNames ListLogicalNames();

// Splits the engine's comma-separated list; blanks around names and empty
// entries are dropped.
std::vector<std::string> SplitNameList(const std::string &list);

} // namespace zurouting
