// The process's table of installation directory kinds, built once.
#pragma once

#include <string>
#include <vector>

#include "status/Status.h"

namespace zusysq {

struct DirectoryKindEntry {
  std::string kind;
  std::string defaultValue;
  std::string currentValue;
};

struct DirectoryKindTable {
  std::vector<DirectoryKindEntry> entries;
  zuerr::Status status; // how the construction ended
};

// Sets the kind's current value, appending an entry when the kind is new.
void SetCurrentValue(DirectoryKindTable &table, const std::string &kind, const char *value);

// Asks the relocation library, when it can be loaded, for each kind of the
// table; failures go to table.status.
void ApplyRelocations(DirectoryKindTable &table);

// The table, built on first use (thread-safe); never destroyed.
const DirectoryKindTable &TheDirectoryKindTable();

} // namespace zusysq
