// The entry-point and export catalogues as data: shared trace ids and parameter roles.
#include "redirector/catalogue/CatalogueMacros.h"

#include <gtest/gtest.h>

#include <array>

namespace catalogue_test {

using zu::catalogue::Role;

struct Param {
  std::string_view type, name, count;
  Role role;
};

// An entry-point row (slot >= 0) or an export row (slot -1, `member` the entry it reaches or ZU_NO_ENTRY).
struct Row {
  int slot;
  std::string_view member, symbol, exportName;
  unsigned form;
  bool exported;
  int traceId;
  std::size_t paramCount;
  std::array<Param, 20> params;
};

#define PARAM_INFO(type, name, role) Param(#type, #name, ZU_ROLE_COUNT(role), ZU_ROLE_KIND(role))
#define PARAM_INFOS(...)                                                                                     \
  ZU_COUNT(__VA_ARGS__), std::array<Param, 20>({ZU_FOR_EACH(PARAM_INFO, ZU_SEP_COMMA, __VA_ARGS__)})
#define EXPORT_NAME(form, symbol) ZU_STRINGIZE(ZU_EXPORT_NAME(form, symbol))

constexpr Row kRows[] = {
#define ZU_ENTRY(slot, member, symbol, form, mode, id, ...)                                                  \
  Row(slot, #member, #symbol, EXPORT_NAME(form, symbol), form, mode != ZU_NOT_EXPORTED, id,                  \
      PARAM_INFOS(__VA_ARGS__)),
#include "redirector/catalogue/EntryPoints.def"
#define ZU_EXPORT(name, id, entry, ...)                                                                      \
  Row(-1, #entry, "", #name, ZU_PLAIN, true, id, PARAM_INFOS(__VA_ARGS__)),
#include "redirector/catalogue/Exports.def"
};

// Ids are shared only by a wrapper and the function it traces as, and by four pairs.
TEST(CatalogueRows, TraceIdsAreSharedOnlyByKnownPairsAndRolesFitTheirTypes) {
  std::map<int, std::set<std::string>> tracedNames;
  for (const Row &row : kRows) {
    if (!row.exported || row.traceId < 0) continue;
    std::string traced(row.exportName.starts_with("GX_") ? row.exportName.substr(3) : row.exportName);
    if (traced == "zuVEXA_initExtCal") traced = "zuVEXA_InitExtCal";
    if (traced == "zuVEXA_closeExtCal") traced = "zuVEXA_CloseExtCal";
    tracedNames[row.traceId].insert(traced);
  }
  const std::set<int> sharedIds = {24, 32, 62, 70};
  for (const auto &[id, names] : tracedNames)
    EXPECT_EQ(names.size(), sharedIds.count(id) ? 2u : 1u) << "trace id " << id;
  for (const Row &row : kRows) {
    for (std::size_t i = 0; i < row.paramCount; ++i) {
      const Param &p = row.params[i];
      SCOPED_TRACE(std::string(row.exportName) + "." + std::string(p.name));
      if (!p.count.empty() && p.count != "0") {
        const Param *count = nullptr;
        for (std::size_t j = 0; j < row.paramCount; ++j)
          if (row.params[j].name == p.count) count = &row.params[j];
        ASSERT_NE(count, nullptr) << "count parameter " << p.count << " is not in the row";
        EXPECT_TRUE(count->type == "ViInt32" || count->type == "ViInt64") << count->type;
      }
      const bool pointer = p.type.ends_with('*'), constant = p.type.starts_with("const");
      const bool fits = p.role == Role::OutText ? p.type == "ViChar*"
                        : p.role == Role::Str   ? p.type == "ViConstString"
                        : p.role == Role::InArr ? pointer && constant
                        : p.role == Role::In    ? !pointer
                                                : p.role == Role::Opaque || (pointer && !constant);
      EXPECT_TRUE(fits) << p.type;
    }
  }
}

} // namespace catalogue_test
