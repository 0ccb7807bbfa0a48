// Checks the entry-point and export catalogues as data: the slot order, the
// exported name set, and that every row's parameters are consistent. The
// signatures themselves are checked where they are used (the export
// declarations and the end-to-end forwarding test).
#include "redirector/catalogue/CatalogueMacros.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue_test {

using zu::catalogue::Role;

struct Param {
  std::string_view type, name, count;
  Role role;
};
using Params = std::array<Param, 20>;

struct EntryRow {
  int slot;
  std::string_view member, symbol, exportName;
  unsigned form;
  int mode, traceId;
  std::size_t paramCount;
  Params params;
};

struct ExportRow {
  std::string_view name;
  int traceId;
  std::string_view entry;
  std::size_t paramCount;
  Params params;
};

#define PARAM_INFO(type, name, role) Param{#type, #name, ZU_ROLE_COUNT(role), ZU_ROLE_KIND(role)}
#define PARAM_INFOS(...) ZU_COUNT(__VA_ARGS__), Params{ZU_FOR_EACH(PARAM_INFO, ZU_SEP_COMMA, __VA_ARGS__)}

constexpr EntryRow kEntries[] = {
#define ZU_ENTRY(slot, member, symbol, form, mode, id, ...) \
  {slot, #member, #symbol, ZU_STRINGIZE(ZU_EXPORT_NAME(form, symbol)), form, mode, id, PARAM_INFOS(__VA_ARGS__)},
#include "redirector/catalogue/EntryPoints.def"
};

constexpr ExportRow kExports[] = {
#define ZU_EXPORT(name, id, entry, ...) {#name, id, #entry, PARAM_INFOS(__VA_ARGS__)},
#include "redirector/catalogue/Exports.def"
};

// Exported names with their trace ids: the exported slot rows, then the export rows.
std::vector<std::pair<std::string_view, int>> AllExports() {
  std::vector<std::pair<std::string_view, int>> names;
  for (const auto& row : kEntries)
    if (row.mode != ZU_NOT_EXPORTED) names.emplace_back(row.exportName, row.traceId);
  for (const auto& row : kExports) names.emplace_back(row.name, row.traceId);
  return names;
}

TEST(EntryCatalogueTest, SlotsRunInOrderWithUniqueMembersAndMatchingForms) {
  std::set<std::string_view> members;
  for (std::size_t i = 0; i < std::size(kEntries); ++i) {
    const EntryRow& row = kEntries[i];
    EXPECT_EQ(row.slot, static_cast<int>(i));
    EXPECT_TRUE(members.insert(row.member).second) << row.member;
    EXPECT_EQ(row.form == ZU_GX, row.member.starts_with("GX_")) << row.member;
    EXPECT_EQ(row.form == ZU_BARE, row.symbol == "SetGXRTTLSIndex") << row.member;
  }
  for (const auto& row : kExports)
    EXPECT_TRUE(row.entry == "ZU_NO_ENTRY" || members.count(row.entry) == 1) << row.name << " names no member";
}

// The total is a static assertion of CatalogueCounts.h; here: no name twice,
// and only the three server and run-time functions without the prefix.
TEST(ExportCatalogueTest, ExportNamesAreUniqueAndPrefixed) {
  std::set<std::string_view> unique, others;
  for (const auto& [name, id] : AllExports()) {
    EXPECT_TRUE(unique.insert(name).second) << name;
    if (!name.starts_with("zuVEXA_") && !name.starts_with("GX_zuVEXA_")) others.insert(name);
  }
  EXPECT_EQ(others, (std::set<std::string_view>{"InitializeSessionForServer", "ReleaseSessionForServer",
                                                 "SetGXRTTLSIndexHook"}));
}

// Ids are shared only by a wrapper and the function it traces as, and by four pairs.
TEST(ExportCatalogueTest, TraceIdsAreSharedOnlyByTheKnownPairs) {
  std::map<int, std::set<std::string>> tracedNames;
  for (const auto& [name, id] : AllExports()) {
    if (id < 0) continue;
    std::string traced(name.starts_with("GX_") ? name.substr(3) : name);
    if (traced == "zuVEXA_initExtCal") traced = "zuVEXA_InitExtCal";
    if (traced == "zuVEXA_closeExtCal") traced = "zuVEXA_CloseExtCal";
    tracedNames[id].insert(traced);
  }
  const std::set<int> sharedIds = {24, 32, 62, 70};
  for (const auto& [id, names] : tracedNames)
    EXPECT_EQ(names.size(), sharedIds.count(id) ? 2u : 1u) << "trace id " << id;
}

template <class Row> void ExpectWellFormedParams(const Row& row, std::string_view rowName) {
  for (std::size_t i = 0; i < row.paramCount; ++i) {
    const Param& p = row.params[i];
    SCOPED_TRACE(std::string(rowName) + "." + std::string(p.name));
    if (!p.count.empty() && p.count != "0") {
      const Param* count = nullptr;
      for (std::size_t j = 0; j < row.paramCount; ++j)
        if (row.params[j].name == p.count) count = &row.params[j];
      ASSERT_NE(count, nullptr) << "count parameter " << p.count << " is not in the row";
      EXPECT_TRUE(count->type == "ViInt32" || count->type == "ViInt64") << count->type;
    }
    const bool pointer = p.type.ends_with('*'), constant = p.type.starts_with("const");
    switch (p.role) {
    case Role::Out:
    case Role::OutArr:
    case Role::OutPtr: EXPECT_TRUE(pointer && !constant); break;
    case Role::OutText: EXPECT_EQ(p.type, "ViChar*"); break;
    case Role::InArr: EXPECT_TRUE(pointer && constant); break;
    case Role::Str: EXPECT_EQ(p.type, "ViConstString"); break;
    case Role::In: EXPECT_FALSE(pointer); break;
    case Role::Opaque: break;
    }
  }
}

TEST(ParamCatalogueTest, RolesFitTheirTypesAndCountsNameARowParameter) {
  for (const auto& row : kEntries) ExpectWellFormedParams(row, row.member);
  for (const auto& row : kExports) ExpectWellFormedParams(row, row.name);
}

} // namespace catalogue_test
