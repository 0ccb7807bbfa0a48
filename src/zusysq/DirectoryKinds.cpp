#include <cstring>
#include <mutex>
#include <new>

#include "zuapal/zuapalerr.h"
#include "zusysq/DirectoryKindTable.h"
#include "zusysq/stdpath_util.h"

namespace zusysq {
namespace {

struct KindDefault {
  const char *kind;
  const char *defaultValue;
};

constexpr KindDefault kDefaults[] = {
    {"prefixdir", "/usr"},
    {"execprefixdir", "/usr"},
    {"bindir", "/usr/bin"},
    {"sbindir", "/usr/sbin"},
    {"libdir", "/usr/lib"},
    {"lib32dir", "/usr/lib"},
    {"lib64dir", "/usr/lib64"},
    {"nativelibdir", "/usr/lib64"},
    {"multiarchlibdir", "/usr/lib/x86_64-linux-gnu"},
    {"libexecdir", "/usr/libexec"},
    {"sharedstatedir", "/var/lib"},
    {"datarootdir", "/usr/share"},
    {"datadir", "/usr/share"},
    {"sysconfdir", "/etc"},
    {"localstatedir", "/var"},
    {"runstatedir", "/var/run"},
    {"includedir", "/usr/include"},
    {"docdir", "/usr/share/doc"},
    {"initddir", "/etc/init.d"},
};

void BuildTable(DirectoryKindTable &table) {
  try {
    for (const KindDefault &row : kDefaults)
      table.entries.push_back({row.kind, row.defaultValue, row.defaultValue});
    ApplyRelocations(table);
  } catch (const std::bad_alloc &) {
    ZUERR_SET(table.status, zuapalerr_memoryFull);
  }
}

const DirectoryKindEntry *FindKind(const DirectoryKindTable &table, const char *kind) {
  for (const DirectoryKindEntry &entry : table.entries)
    if (entry.kind == kind) return &entry;
  return nullptr;
}

// Builds the table while the library loads; its status is given to every
// lookup, so it is not needed here.
[[maybe_unused]] const bool kTableBuiltAtLoad = (TheDirectoryKindTable(), true);

} // namespace

void SetCurrentValue(DirectoryKindTable &table, const std::string &kind, const char *value) {
  for (DirectoryKindEntry &entry : table.entries) {
    if (entry.kind == kind) {
      entry.currentValue = value;
      return;
    }
  }
  table.entries.push_back({kind, value, value});
}

const DirectoryKindTable &TheDirectoryKindTable() {
  // Placed in static storage and never destroyed, so lookups made while the
  // process exits still find it.
  alignas(DirectoryKindTable) static unsigned char storage[sizeof(DirectoryKindTable)];
  static std::once_flag built;
  static DirectoryKindTable *table = nullptr;
  std::call_once(built, [] {
    table = new (storage) DirectoryKindTable();
    BuildTable(*table);
  });
  return *table;
}

void DirectoryKind(const char *kind, std::string &value, zuerr::Status &status) {
  if (zuerr::IsError(status)) return;
  const DirectoryKindTable &table = TheDirectoryKindTable();
  zuerr::MergeInto(status, table.status);
  const DirectoryKindEntry *entry = kind != nullptr ? FindKind(table, kind) : nullptr;
  if (entry == nullptr) {
    value.clear();
    ZUERR_SET(status, zuapalerr_osFault);
    return;
  }
  try {
    value = entry->currentValue;
  } catch (const std::bad_alloc &) {
    ZUERR_SET(status, zuapalerr_memoryFull);
  }
}

} // namespace zusysq
