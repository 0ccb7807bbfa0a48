// The module stand-ins as the library's tests use them: scripted statuses and
// inits, and the data the simulated instrument hands out in the forms the
// zuvexa-iq run and the end-to-end tests do not show.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <complex>
#include <numbers>
#include <string>
#include <vector>

#include "backend_standin.h"
#include "ivi_standin.h"
#include "redirector/modules/EntryPointTable.h"

namespace {

using Slots = zumodules::EntryPointSlots;
constexpr ViUInt32 kKa = 1;

// A module library of the full set (it stays open for the process).
void *OpenModule(const std::string &file) {
  return dlopen((ZU_TEST_MODULES_DIR "/" + file).c_str(), RTLD_NOW | RTLD_LOCAL);
}

// The export `name` of `module`, typed as the entry-point table slot `Member`.
template <auto Member> using EntryOf = std::remove_reference_t<decltype(std::declval<Slots &>().*Member)>;
template <auto Member> EntryOf<Member> Resolve(void *module, const char *name) {
  return reinterpret_cast<EntryOf<Member>>(dlsym(module, name));
}

ViStatus FakeCloseCallback(ViSession) { return 0x3FFA0001; }

class ModuleStandinTest : public ::testing::Test {
protected:
  void SetUp() override {
    IviStandin_Reset();
    BackendStandin_Reset();
    ka_ = OpenModule("libzuvexaka.so");
    ASSERT_NE(ka_, nullptr) << dlerror();
    init_ = Resolve<&Slots::InitWithOptions_kaVey>(ka_, "zuVEXAka_InitWithOptions");
  }

  ViSession OpenKaSession() {
    ViSession vi = 0;
    EXPECT_EQ(init_("PXI1Slot2", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), VI_SUCCESS);
    return vi;
  }

  void *ka_ = nullptr;
  EntryOf<&Slots::InitWithOptions_kaVey> init_ = nullptr;
};

TEST_F(ModuleStandinTest, ScriptedStatusForTheNextCallOrEveryCallOfOneKind) {
  const ViSession vi = OpenKaSession();
  auto commit = Resolve<&Slots::Commit>(ka_, "zuVEXAka_Commit");
  auto initiate = Resolve<&Slots::Initiate>(ka_, "zuVEXAka_Initiate");
  auto tovCommit = Resolve<&Slots::Commit>(OpenModule("libzuvexatov.so"), "zuVEXAtov_Commit");
  ASSERT_EQ(BackendStandin_ScriptStatus(kKa, "Commit", -1074118655, VI_FALSE), VI_SUCCESS);
  ASSERT_EQ(BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, "zuVEXAka_Initiate", 0x3FFA0002, VI_TRUE),
            VI_SUCCESS);
  EXPECT_EQ(tovCommit(vi), VI_SUCCESS) << "scripted for ka only";
  EXPECT_EQ(commit(vi), -1074118655);
  EXPECT_EQ(commit(vi), VI_SUCCESS);
  EXPECT_EQ(initiate(vi), 0x3FFA0002);
  EXPECT_EQ(initiate(vi), 0x3FFA0002);
  BackendStandin_ClearScripts();
  EXPECT_EQ(initiate(vi), VI_SUCCESS);
  EXPECT_EQ(BackendStandin_ScriptStatus(kKa, "NoSuchEntry", -1, VI_FALSE), BACKENDSTANDIN_ERROR_INVALID_ARGUMENT);
}

TEST_F(ModuleStandinTest, ScriptedNextInitWritesAChosenHandleOrFails) {
  const ViSession existing = OpenKaSession();
  ASSERT_EQ(BackendStandin_ScriptNextInit(kKa, VI_TRUE, existing, 0x3FFA0004), VI_SUCCESS);
  ViSession vi = 12345;
  EXPECT_EQ(init_("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), 0x3FFA0004);
  EXPECT_EQ(vi, existing);
  EXPECT_EQ(IviStandin_SessionCount(), 1) << "nothing created";
  ASSERT_EQ(BackendStandin_ScriptNextInit(BACKENDSTANDIN_ALL_KINDS, VI_FALSE, 0, -1074130000), VI_SUCCESS);
  vi = 12345;
  EXPECT_EQ(init_("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), -1074130000);
  EXPECT_EQ(vi, 12345u) << "an error writes nothing";
  EXPECT_EQ(init_("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), VI_SUCCESS) << "only the next init";
}

TEST_F(ModuleStandinTest, FetchedI16IsScaledAndRecordsArePhaseContinuous) {
  const ViSession vi = OpenKaSession();
  auto fetchI16 = Resolve<&Slots::FetchIQSingleRecordComplexI16>(ka_, "zuVEXAka_FetchIQSingleRecordComplexI16");
  auto fetchF64 = Resolve<&Slots::FetchIQSingleRecordComplexF64>(ka_, "zuVEXAka_FetchIQSingleRecordComplexF64");
  auto fetchMulti = Resolve<&Slots::FetchIQMultiRecordComplexF32>(ka_, "zuVEXAka_FetchIQMultiRecordComplexF32");
  std::vector<ViInt16> raw(2 * 1000);
  std::vector<double> record1(2 * 1000);
  WaveformInfo info{}, reference{};
  ASSERT_EQ(fetchI16(vi, "", 1, 1000, 5.0, raw.data(), &info), VI_SUCCESS);
  ASSERT_EQ(fetchF64(vi, "", 1, 1000, 5.0, record1.data(), &reference), VI_SUCCESS);
  EXPECT_DOUBLE_EQ(info.gain, 1.0 / 32767);
  for (std::size_t i : {0u, 1u, 777u})
    EXPECT_NEAR(raw[i] * info.gain + info.offset, record1[i], 1.0 / 32767) << i;

  std::vector<ViReal32> both(2 * 2 * 1000);
  WaveformInfo infos[2] = {};
  ASSERT_EQ(fetchMulti(vi, "", 0, 2, -1, 5.0, both.data(), infos), VI_SUCCESS);
  EXPECT_EQ(infos[1].actualSamples, 1000);
  const std::complex<double> last{both[1998], both[1999]}, next{both[2000], both[2001]};
  EXPECT_NEAR(std::arg(next * std::conj(last)), 2 * std::numbers::pi * 0.1, 1e-5) << "record 1 continues record 0";
  EXPECT_NEAR(both[2000], record1[0], 1e-6);
}

} // namespace
