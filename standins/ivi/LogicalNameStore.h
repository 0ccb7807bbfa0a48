// The configuration store of logical names: entries defined in memory by
// the control interface, and entries of the text file named by the
// environment variable ZUVEXA_IVI_CONFIG. Names match ignoring ASCII case;
// an in-memory entry hides a file entry of the same name.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ivistandin {

struct LogicalName {
  std::string name;
  std::string resourceName;
  bool simulate = false;
  std::string driverSetup;
  std::string optionString;
};

// Parses the file format, one entry a line:
//   logicalName|resourceName|simulate|driverSetup|optionString
// simulate is 0/1/True/False/VI_TRUE/VI_FALSE; the last two fields may be
// left out and the last one takes the rest of the line. Blank lines and
// lines whose first non-blank character is '#' are skipped, and so are
// malformed lines (fewer than three fields, empty name, bad flag). Fields
// are trimmed. A later line for the same name replaces an earlier one.
std::vector<LogicalName> ParseLogicalNames(std::string_view fileText);

std::optional<LogicalName> FindLogicalName(std::string_view name);
// Every name of the store, in-memory and file entries alike, ordered by
// name ignoring case.
std::vector<std::string> LogicalNameList();
void DefineLogicalName(LogicalName entry);
void RemoveLogicalName(std::string_view name);
void RemoveAllLogicalNames(); // in-memory ones; the file is read again

} // namespace ivistandin
