// Checks the entry-point and export catalogues by expanding them the way the
// generators do: as data tables, as declarations and as forwarding functions.
#include "zuVEXAtypes.h"

#include "redirector/catalogue/CatalogueMacros.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>

namespace catalogue_test {

// Stand-ins for the types the catalogue names.
struct WaveformInfo {
  ViReal64 absoluteInitialX, relativeInitialX, xIncrement;
  ViInt64 actualSamples;
  ViReal64 offset, gain, reserved1, reserved2;
};
struct ZUComplexNumber {
  ViReal64 real, imaginary;
};
struct ZUTimestamp {
  ViUInt64 fraction;
  ViInt64 seconds;
};
using ZUCloseSessionCallback = ViStatus (*)(ViSession);

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

// Exported functions as the public header will declare them.
namespace declared {
#define ZU_ENTRY(slot, member, symbol, form, mode, id, ...) \
  ZU_IF_EXPORTED(mode, ViStatus ZU_EXPORT_NAME(form, symbol)(ZU_PARAM_DECLS(__VA_ARGS__));)
#include "redirector/catalogue/EntryPoints.def"
#define ZU_EXPORT(name, id, entry, ...) ViStatus name(ZU_PARAM_DECLS(__VA_ARGS__));
#include "redirector/catalogue/Exports.def"
} // namespace declared

// Every row as a forwarding function: a duplicate parameter name or a malformed
// triple fails to compile; the arguments reach Record in declaration order.
struct Recorded {
  ViSession vi;
  std::string channelName;
  ViAttr attributeId;
  ViInt32 value;
};
inline Recorded lastRecorded;
template <class... Args> ViStatus Record(Args...) { return static_cast<ViStatus>(sizeof...(Args)); }
inline ViStatus Record(ViSession vi, ViConstString channelName, ViAttr attributeId, ViInt32 value) {
  lastRecorded = {vi, channelName, attributeId, value};
  return -1;
}
namespace forwarding {
#define ZU_ENTRY(slot, member, symbol, form, mode, id, ...)                                            \
  using member##_fn = ViStatus (*)(ZU_PARAM_TYPES(__VA_ARGS__));                                        \
  inline ViStatus member(ZU_PARAM_DECLS(__VA_ARGS__)) { return Record(ZU_PARAM_NAMES(__VA_ARGS__)); } \
  static_assert(std::is_same_v<member##_fn, decltype(&member)>);
#include "redirector/catalogue/EntryPoints.def"
#define ZU_EXPORT(name, id, entry, ...) \
  inline ViStatus name(ZU_PARAM_DECLS(__VA_ARGS__)) { return Record(ZU_PARAM_NAMES(__VA_ARGS__)); }
#include "redirector/catalogue/Exports.def"
} // namespace forwarding

static_assert(std::size(kEntries) == 194);
static_assert(std::is_same_v<decltype(declared::zuVEXA_ConfigureIQCarrierFrequency),
                             ViStatus(ViSession, ViConstString, ViReal64)>);
static_assert(std::is_same_v<decltype(declared::zuVEXA_GetAttributeViString),
                             ViStatus(ViSession, ViConstString, ViAttr, ViInt32, ViChar*)>);
static_assert(std::is_same_v<decltype(declared::zuVEXA_FetchIQSingleRecordComplexF64),
                             ViStatus(ViSession, ViConstString, ViInt64, ViInt64, ViReal64, ViReal64*, WaveformInfo*)>);
static_assert(std::is_same_v<decltype(declared::GX_zuVEXA_FetchIQ1DI16_32Bit),
                             ViStatus(ViSession, ViInt32, ViConstString, ViInt32, ViInt32, ViReal64, void*, void*)>);
static_assert(std::is_same_v<decltype(declared::zuVEXA_InitWithOptions),
                             ViStatus(ViConstString, ViBoolean, ViBoolean, ViConstString, ViSession*)>);
static_assert(std::is_same_v<decltype(declared::GX_zuVEXA_closeExtCal), ViStatus(ViSession, ViInt32, ViInt32, ViChar*)>);
static_assert(std::is_same_v<decltype(declared::zuVEXA_ValuesFromTimestamp),
                             ViStatus(ZUTimestamp, ViInt64*, ViReal64*)>);
static_assert(std::is_same_v<forwarding::InitWithOptions_lem_fn,
                             ViStatus (*)(ViConstString, ViUInt64, ViBoolean, ViBoolean, ViConstString, ViUInt8,
                                          ZUCloseSessionCallback, ViSession*)>);

constexpr bool IsExported(const EntryRow& row) { return row.mode != ZU_NOT_EXPORTED; }
constexpr bool IsPointer(std::string_view type) { return type.ends_with('*'); }

std::vector<std::string_view> AllExportNames() {
  std::vector<std::string_view> names;
  for (const auto& row : kEntries)
    if (IsExported(row)) names.push_back(row.exportName);
  for (const auto& row : kExports) names.push_back(row.name);
  return names;
}

template <class Row> const Param* FindParam(const Row& row, std::string_view name) {
  for (std::size_t i = 0; i < row.paramCount; ++i)
    if (row.params[i].name == name) return &row.params[i];
  return nullptr;
}

TEST(EntryCatalogueTest, SlotsRunFromZeroWithoutGapsAndMembersAreUnique) {
  std::set<std::string_view> members;
  for (std::size_t i = 0; i < std::size(kEntries); ++i) {
    EXPECT_EQ(kEntries[i].slot, static_cast<int>(i));
    EXPECT_TRUE(members.insert(kEntries[i].member).second) << kEntries[i].member;
  }
}

TEST(EntryCatalogueTest, FormsMatchTheSymbolRules) {
  for (const auto& row : kEntries) {
    const bool gx = row.form == ZU_GX;
    EXPECT_EQ(gx, row.member.starts_with("GX_")) << row.member;
    EXPECT_EQ(row.form == ZU_BARE, row.slot == 193) << row.member;
    if (!gx && row.member != row.symbol) {
      EXPECT_TRUE(row.member.starts_with(row.symbol)) << row.member;
    }
    if (gx) {
      EXPECT_EQ(row.exportName, "GX_zuVEXA_" + std::string(row.symbol));
    }
  }
  EXPECT_EQ(kEntries[85].exportName, "GX_zuVEXA_FetchIQComplexWDT");
  EXPECT_EQ(kEntries[193].exportName, "SetGXRTTLSIndex");
}

TEST(EntryCatalogueTest, InitEntriesResolveOnlyForTheirKinds) {
  const std::map<unsigned, std::set<int>> initSlots = {
      {1, {0, 107}}, {2, {2, 107}}, {4, {0, 1, 107}}, {5, {3, 4, 108}}, {6, {5, 108}}};
  for (const auto& [kind, slots] : initSlots) {
    for (const auto& row : kEntries) {
      const bool restricted = (row.form & zu::catalogue::kFormOnlyFlag) != 0;
      const bool expected = !restricted || slots.count(row.slot) == 1;
      EXPECT_EQ(ZuFormResolvesFor(row.form, kind), expected) << "slot " << row.slot << ", kind " << kind;
    }
  }
}

TEST(ExportCatalogueTest, ExportNamesAreTheDocumentedSetOf216) {
  const auto names = AllExportNames();
  std::set<std::string_view> unique(names.begin(), names.end());
  EXPECT_EQ(unique.size(), names.size());
  std::size_t plain = 0, gx = 0;
  std::set<std::string_view> others;
  for (auto name : names) {
    if (name.starts_with("zuVEXA_")) ++plain;
    else if (name.starts_with("GX_zuVEXA_")) ++gx;
    else others.insert(name);
  }
  EXPECT_EQ(names.size(), 216u);
  EXPECT_EQ(plain, 181u);
  EXPECT_EQ(gx, 32u);
  EXPECT_EQ(others, (std::set<std::string_view>{"InitializeSessionForServer", "ReleaseSessionForServer",
                                                 "SetGXRTTLSIndexHook"}));
}

TEST(ExportCatalogueTest, EntryMembersNameTableFields) {
  std::set<std::string_view> members;
  for (const auto& row : kEntries) members.insert(row.member);
  for (const auto& row : kExports)
    if (row.entry != "ZU_NO_ENTRY") {
      EXPECT_EQ(members.count(row.entry), 1u) << row.name;
    }
}

// Ids are shared only by a wrapper and the function it traces as, and by four pairs.
TEST(ExportCatalogueTest, TraceIdsAreSharedOnlyByTheKnownPairs) {
  std::map<int, std::set<std::string>> tracedNames;
  auto add = [&](std::string_view name, int id) {
    if (id < 0) return;
    std::string traced(name.starts_with("GX_") ? name.substr(3) : name);
    if (traced == "zuVEXA_initExtCal") traced = "zuVEXA_InitExtCal";
    if (traced == "zuVEXA_closeExtCal") traced = "zuVEXA_CloseExtCal";
    tracedNames[id].insert(traced);
  };
  for (const auto& row : kEntries)
    if (IsExported(row)) add(row.exportName, row.traceId);
  for (const auto& row : kExports) add(row.name, row.traceId);
  const std::set<int> sharedIds = {24, 32, 62, 70};
  for (const auto& [id, names] : tracedNames)
    EXPECT_EQ(names.size(), sharedIds.count(id) ? 2u : 1u) << "trace id " << id;
}

template <class Row> void ExpectWellFormedParams(const Row& row, std::string_view rowName) {
  for (std::size_t i = 0; i < row.paramCount; ++i) {
    const Param& p = row.params[i];
    SCOPED_TRACE(std::string(rowName) + "." + std::string(p.name));
    if (!p.count.empty() && p.count != "0") {
      const Param* count = FindParam(row, p.count);
      ASSERT_NE(count, nullptr) << "count parameter " << p.count << " is not in the row";
      EXPECT_TRUE(count->type == "ViInt32" || count->type == "ViInt64") << count->type;
    }
    switch (p.role) {
    case Role::Out:
    case Role::OutArr:
    case Role::OutPtr: EXPECT_TRUE(IsPointer(p.type) && !p.type.starts_with("const")); break;
    case Role::OutText: EXPECT_EQ(p.type, "ViChar*"); break;
    case Role::InArr: EXPECT_TRUE(IsPointer(p.type) && p.type.starts_with("const")); break;
    case Role::Str: EXPECT_EQ(p.type, "ViConstString"); break;
    case Role::In: EXPECT_FALSE(IsPointer(p.type)); break;
    case Role::Opaque: break;
    }
  }
}

TEST(ParamCatalogueTest, RolesFitTheirTypesAndCountsNameARowParameter) {
  for (const auto& row : kEntries) ExpectWellFormedParams(row, row.member);
  for (const auto& row : kExports) ExpectWellFormedParams(row, row.name);
}

TEST(ParamCatalogueTest, SessionFunctionsStartWithVi) {
  const std::set<int> sessionless = {0, 1, 2, 3, 4, 5, 107, 108, 116, 147, 148, 149, 150, 151, 152, 153, 182, 193};
  for (const auto& row : kEntries) {
    const bool hasVi = row.params[0].name == "vi" && row.params[0].type == "ViSession";
    EXPECT_EQ(hasVi, sessionless.count(row.slot) == 0) << row.member;
  }
}

TEST(ParamCatalogueTest, GraphicalFetchesHaveTheirArgumentCounts) {
  const std::map<std::string_view, std::size_t> counts = {
      {"GetFetchBacklog_32Bit", 4},         {"ReadPowerSpectrumF64Cluster", 5},  {"ReadPowerSpectrumF32Cluster", 5},
      {"ReadIQComplexCluster", 7},          {"ReadIQComplexWDT", 7},             {"FetchIQ1DI16", 8},
      {"FetchIQ1DI16_32Bit", 8},            {"FetchIQComplexCluster", 9},        {"FetchIQComplexCluster_32Bit", 9},
      {"FetchIQComplexClusterF32", 9},      {"FetchIQComplexWDT", 9},            {"FetchIQComplexWDT_32Bit", 9},
      {"FetchIQ1DI16_DataRef", 9},          {"FetchIQ2DI16", 9},                 {"FetchIQ2DI16_32Bit", 9},
      {"FetchIQSingleRecordDirectDMA", 10}, {"FetchIQSingleRecordDirectDMA_32Bit", 10},
      {"FetchIQ1DComplexCluster", 11},      {"FetchIQ1DComplexCluster_32Bit", 11},
      {"FetchIQ1DComplexClusterF32", 11},   {"FetchIQ1DComplexWDT", 11},         {"FetchIQ1DComplexWDT_32Bit", 11}};
  std::size_t checked = 0;
  for (const auto& row : kEntries) {
    if (row.form != ZU_GX || !counts.count(row.symbol)) continue;
    ++checked;
    EXPECT_EQ(row.paramCount, counts.at(row.symbol)) << row.member;
    if (row.symbol != "GetFetchBacklog_32Bit") {
      EXPECT_EQ(row.params[1].name, "incomingStatus") << row.member;
    }
  }
  EXPECT_EQ(checked, counts.size());
}

TEST(ParamMacroTest, ForwardingPassesEveryArgumentInOrder) {
  EXPECT_EQ(forwarding::SetAttributeViInt32(7, "ch0", 1150001, 604), -1);
  EXPECT_EQ(lastRecorded.vi, 7u);
  EXPECT_EQ(lastRecorded.channelName, "ch0");
  EXPECT_EQ(lastRecorded.attributeId, 1150001u);
  EXPECT_EQ(lastRecorded.value, 604);
  WaveformInfo info{};
  EXPECT_EQ(forwarding::FetchIQSingleRecordDirectDMA(1, "", 0, 8, 1.0, 64, nullptr, &info, nullptr), 9);
  EXPECT_EQ(ZU_COUNT(), 0);
}

} // namespace catalogue_test
