// Table-driven from the catalogue: each forwarding function reaches exactly its entry, with the caller's
// argument values in the caller's order, and an unknown handle reaches nothing. On a module that lacks some
// entries the missing ones fail with 0xBFFA0011 and are recorded; the others keep working.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "StandIns.h"
#include "ThreadErrorInfo.h"

namespace {

constexpr ViUInt32 kTov = 5;
constexpr ViStatus kScripted = static_cast<ViStatus>(0xBFFA7001);
constexpr ViStatus kUnknownSession = static_cast<ViStatus>(0xBFFA1190);

ViSession gSession = 0;

uint64_t Hash(const char *text) {
  uint64_t h = 1469598103934665603ull;
  for (; *text != '\0'; ++text) h = (h ^ uint8_t(*text)) * 1099511628211ull;
  return h;
}

// A distinct, recognisable argument value per parameter name; "vi" is the session under test.
template <class T> T TestArg(const char *name) {
  if constexpr (std::is_same_v<T, const char *>) {
    return name;
  } else if constexpr (std::is_pointer_v<T>) {
    return reinterpret_cast<T>(uintptr_t(0x100000 + (Hash(name) % 4096) * 16));
  } else if constexpr (std::is_floating_point_v<T>) {
    return T(Hash(name) % 1000) + T(0.25);
  } else {
    if (std::strcmp(name, "vi") == 0) return T(gSession);
    return T(Hash(name) % 1000 + 2);
  }
}

// An argument as the stand-in module records it.
struct Argument {
  ViInt32 type;
  ViInt64 integer = 0;
  ViReal64 real = 0;
  const void *pointer = nullptr;
  std::string text;
};

template <class T> Argument Recorded(T value) {
  if constexpr (std::is_same_v<T, const char *>)
    return {BACKENDSTANDIN_ARG_TEXT, 0, 0, value, value};
  else if constexpr (std::is_pointer_v<T>)
    return {BACKENDSTANDIN_ARG_POINTER, 0, 0, reinterpret_cast<const void *>(value), {}};
  else if constexpr (std::is_floating_point_v<T>)
    return {BACKENDSTANDIN_ARG_REAL, 0, ViReal64(value), nullptr, {}};
  else
    return {BACKENDSTANDIN_ARG_INTEGER, ViInt64(value), 0, nullptr, {}};
}

struct Row {
  const char *exportName;
  std::vector<Argument> (*expected)();
  ViStatus (*call)();
};

#define ZU_TEST_ARG(type, name, role) TestArg<type>(#name)
#define ZU_EXPECTED_ARG(type, name, role) Recorded<type>(TestArg<type>(#name))
#define ZU_ENTRY(slot, member, symbol, form, mode, traceId, ...)                                             \
  ZU_IF_FORWARDED(                                                                                           \
      mode,                                                                                                  \
      Row{ZU_STRINGIZE(ZU_EXPORT_NAME(form, symbol)),                                                        \
          +[] { return std::vector<Argument>{ZU_FOR_EACH(ZU_EXPECTED_ARG, ZU_SEP_COMMA, __VA_ARGS__)}; },    \
          +[] {                                                                                              \
            return ZU_EXPORT_NAME(form, symbol)(ZU_FOR_EACH(ZU_TEST_ARG, ZU_SEP_COMMA, __VA_ARGS__));        \
          }}, )
const Row kRows[] = {
#include "redirector/catalogue/EntryPoints.def"
};

// The tov module's name of an export: zuVEXA_X -> zuVEXAtov_X, GX_zuVEXA_X -> GX_zuVEXAtov_X.
std::string ModuleSymbol(const char *exportName) {
  std::string name = exportName;
  name.insert(name.find("zuVEXA_") + 6, "tov");
  return name;
}

class Forwarding : public ::testing::TestWithParam<Row> {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    gSession = testsupport::OpenSimulated();
  }
};

} // namespace

TEST_P(Forwarding, ReachesItsEntryWithTheSameArguments) {
  const Row &row = GetParam();
  std::string symbol = ModuleSymbol(row.exportName);
  ASSERT_EQ(BackendStandin_ScriptStatus(kTov, symbol.c_str(), kScripted, VI_FALSE), 0) << symbol;
  EXPECT_EQ(row.call(), kScripted) << "the entry's status comes back";
  ASSERT_EQ(BackendStandin_CallCount(), 1) << "exactly one entry is called";
  ViInt32 call = BackendStandin_FindCall(kTov, symbol.c_str(), 0);
  ASSERT_EQ(call, 0) << symbol << " was not the entry called";
  std::vector<Argument> expected = row.expected();
  ASSERT_EQ(BackendStandin_CallArgumentCount(call), ViInt32(expected.size()));
  for (ViInt32 i = 0; i < ViInt32(expected.size()); ++i) {
    SCOPED_TRACE("argument " + std::to_string(i));
    const Argument &want = expected[i];
    ASSERT_EQ(BackendStandin_CallArgumentType(call, i), want.type);
    if (want.type == BACKENDSTANDIN_ARG_INTEGER)
      EXPECT_EQ(BackendStandin_CallArgumentInt(call, i), want.integer);
    if (want.type == BACKENDSTANDIN_ARG_REAL) EXPECT_EQ(BackendStandin_CallArgumentReal(call, i), want.real);
    if (want.pointer)
      EXPECT_EQ(BackendStandin_CallArgumentPointer(call, i), want.pointer) << "the caller's own";
    if (want.type == BACKENDSTANDIN_ARG_TEXT) EXPECT_EQ(testsupport::CallText(call, i), want.text);
  }
}

TEST_P(Forwarding, UnknownSessionReachesNothing) {
  gSession = 0x7FFF1234;
  EXPECT_EQ(GetParam().call(), kUnknownSession);
  EXPECT_EQ(BackendStandin_CallCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, Forwarding, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row> &info) {
                           return std::string(info.param.exportName);
                         });

TEST(ReducedModuleForwarding, MissingEntriesFailAndOthersForward) {
  testsupport::ResetStandIns();
  ViSession vi = 0;
  // The reduced tov module has no InitWithOptions3: the open falls back to InitWithOptions2.
  ASSERT_EQ(zuVEXA_InitWithOptions("", VI_FALSE, VI_FALSE, "Simulate=1,DriverSetup=Model:Q118", &vi), 0);
  EXPECT_GE(BackendStandin_FindCall(5, "InitWithOptions2", 0), 0);

  constexpr ViStatus kMissing = static_cast<ViStatus>(0xBFFA0011);
  EXPECT_EQ(zuVEXA_Commit(vi), kMissing);
  EXPECT_EQ(zuVEXA_ConfigureIQRate(vi, "", 1e6), kMissing);
  EXPECT_EQ(testsupport::ReadThreadError(vi).primary, kMissing);
  EXPECT_EQ(zuVEXA_ConfigureIQCarrierFrequency(vi, "", 2e9), 0);
  EXPECT_EQ(zuVEXA_close(vi), 0);
}
