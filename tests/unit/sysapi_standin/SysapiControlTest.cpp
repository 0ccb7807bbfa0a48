// Configuration file, run-time changes, forced failures and call counts.
#include <dlfcn.h>

#include <atomic>
#include <thread>

#include "SysapiTestSupport.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

SysapiStandinDevice Device(const char *name, const char *alias = nullptr) {
  return SysapiStandinDevice{name, alias, nullptr, 0x1C02, 0, SYSAPISTANDIN_NO_VALUE, 0};
}

}  // namespace

TEST_F(SysapiStandinTest, LoaderFindsTheEntryPointAndOnlyTheExportedNames) {
  void *library = dlopen(ZUSYSAPI_LIBRARY_PATH, RTLD_NOW | RTLD_GLOBAL);
  ASSERT_NE(library, nullptr) << dlerror();
  auto instantiate = reinterpret_cast<sysapi::InstantiateFrameworkFn>(
      dlsym(library, sysapi::kInstantiateFrameworkSymbol));
  ASSERT_NE(instantiate, nullptr);
  sysapi::ISysFramework *framework = nullptr;
  ASSERT_EQ(instantiate(&framework), 0);
  framework->Release();
  EXPECT_EQ(dlsym(library, "_ZN13sysapistandin15LiveObjectCountEv"), nullptr);
  dlclose(library);
}

TEST_F(SysapiStandinTest, UnreadableConfigLinesAreSkippedAndLaterLinesWin) {
  WriteConfig(
      "device Bad productId=zz\n"
      "gadget Dev5\n"
      "device Dev6 colour=red\n"
      "device Good alias=First\n"
      "device good alias=Second\n"
      "expert zu-lem extra\n");
  SysapiStandin_Reset();
  EXPECT_THAT(NamesFound(L"Second"), ElementsAre(L"good"));
  EXPECT_THAT(NamesFound(L"First"), IsEmpty());
  EXPECT_THAT(NamesFound(L"Bad"), IsEmpty());
  EXPECT_THAT(NamesFound(L"Dev6"), IsEmpty());
  sysapi::IUnknownLike *expert = nullptr;
  EXPECT_EQ(framework_->GetExpert(L"//localhost/zu-lem", &expert), sysapi::kNoSuchExpert);
}

TEST_F(SysapiStandinTest, WithoutAConfigFileNothingExists) {
  unsetenv("ZUVEXA_SYSAPI_CONFIG");
  SysapiStandin_Reset();
  EXPECT_THAT(NamesFound(L"Dev1"), IsEmpty());
  sysapi::IUnknownLike *expert = nullptr;
  EXPECT_EQ(framework_->GetExpert(L"//localhost/zu-vexa", &expert), sysapi::kNoSuchExpert);
}

TEST_F(SysapiStandinTest, RunTimeChangesOutliveRereadingTheFileUntilReset) {
  SysapiStandinDevice dev9 = Device("Dev9", "Bench");
  ASSERT_EQ(SysapiStandin_AddDevice(&dev9), 0);
  EXPECT_EQ(SysapiStandin_RemoveDevice("dev2"), 0);
  EXPECT_EQ(SysapiStandin_RemoveDevice("Dev42"), SYSAPISTANDIN_S_NONE);
  ASSERT_EQ(SysapiStandin_AddExpert("zu-lem"), 0);
  EXPECT_EQ(SysapiStandin_RemoveExpert("pimlo"), 0);

  WriteConfig("expert pimlo\ndevice Dev1 alias=Bench\ndevice Dev2\ndevice Dev7\n");
  sysapi::ISysFramework *second = nullptr;
  ASSERT_EQ(zusysInstantiateFramework(&second), 0);  // reads the file again
  second->Release();
  EXPECT_THAT(NamesFound(L"Bench"), ElementsAre(L"Dev1", L"Dev9"));
  EXPECT_THAT(NamesFound(L"Dev2"), IsEmpty());
  EXPECT_THAT(NamesFound(L"Dev7"), ElementsAre(L"Dev7"));
  sysapi::IUnknownLike *expert = nullptr;
  EXPECT_EQ(framework_->GetExpert(L"//localhost/pimlo", &expert), sysapi::kNoSuchExpert);
  ASSERT_EQ(framework_->GetExpert(L"//localhost/ZU-LEM", &expert), 0);
  expert->Release();

  SysapiStandin_Reset();
  EXPECT_THAT(NamesFound(L"Bench"), ElementsAre(L"Dev1"));
  EXPECT_THAT(NamesFound(L"Dev2"), ElementsAre(L"Dev2"));
}

TEST_F(SysapiStandinTest, AddedDeviceReplacesTheOneWithTheSameName) {
  SysapiStandinDevice device = Device("DEV1");
  device.productId = SYSAPISTANDIN_NO_VALUE;
  device.backend = "";
  ASSERT_EQ(SysapiStandin_AddDevice(&device), 0);
  std::vector<sysapi::ISysResource *> found;
  ASSERT_EQ(Search(L"Dev1", found), 0);
  ASSERT_EQ(found.size(), 1u);
  uint32_t productId = 0;
  EXPECT_EQ(found[0]->GetUInt32Property(sysapi::kPropProductId, &productId), sysapi::kPropertyAbsent);
  wchar_t *backend = nullptr;
  ASSERT_EQ(found[0]->GetTextProperty(sysapi::kPropBackendResource, &backend), 0);
  EXPECT_EQ(sysapi::SysTextLength(backend), 0u);
  sysapi::FreeSysText(backend);
  found[0]->Release();
}

TEST_F(SysapiStandinTest, AddDeviceRejectsIncompleteDevices) {
  SysapiStandinDevice device = Device("");
  EXPECT_EQ(SysapiStandin_AddDevice(&device), SYSAPISTANDIN_E_INVALID_ARGUMENT);
  device = Device("Dev8");
  device.productId = 0x100000000LL;
  EXPECT_EQ(SysapiStandin_AddDevice(&device), SYSAPISTANDIN_E_INVALID_ARGUMENT);
  EXPECT_EQ(SysapiStandin_AddDevice(nullptr), SYSAPISTANDIN_E_NULL_POINTER);
  EXPECT_EQ(SysapiStandin_AddExpert(""), SYSAPISTANDIN_E_INVALID_ARGUMENT);
}

TEST_F(SysapiStandinTest, ForcedFailuresHitOnlyTheNextCallAndEveryCallIsCounted) {
  const auto failure = static_cast<int32_t>(0x80001234);
  ASSERT_EQ(SysapiStandin_FailNextCall(SYSAPISTANDIN_OP_INSTANTIATE_FRAMEWORK, failure), 0);
  sysapi::ISysFramework *framework = reinterpret_cast<sysapi::ISysFramework *>(this);
  EXPECT_EQ(zusysInstantiateFramework(&framework), failure);
  EXPECT_EQ(framework, nullptr);
  ASSERT_EQ(zusysInstantiateFramework(&framework), 0);
  framework->Release();
  EXPECT_EQ(SysapiStandin_CallCount(SYSAPISTANDIN_OP_INSTANTIATE_FRAMEWORK), 3);  // SetUp's included

  ASSERT_EQ(SysapiStandin_FailNextCall(SYSAPISTANDIN_OP_FIND_RESOURCES, failure), 0);
  std::vector<sysapi::ISysResource *> found;
  EXPECT_EQ(Search(L"Dev1", found), failure);
  EXPECT_THAT(NamesFound(L"Dev1"), ElementsAre(L"Dev1"));
  EXPECT_EQ(SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES), 2);

  ASSERT_EQ(SysapiStandin_FailNextCall(SYSAPISTANDIN_OP_GET_EXPERT, failure), 0);
  ASSERT_EQ(SysapiStandin_FailNextCall(SYSAPISTANDIN_OP_GET_EXPERT, 0), 0);  // cancelled
  sysapi::IUnknownLike *expert = nullptr;
  ASSERT_EQ(framework_->GetExpert(L"//localhost/zu-vexa", &expert), 0);
  expert->Release();

  EXPECT_EQ(SysapiStandin_FailNextCall(static_cast<SysapiStandinOperation>(9), failure),
            SYSAPISTANDIN_E_INVALID_ARGUMENT);
  EXPECT_EQ(SysapiStandin_CallCount(static_cast<SysapiStandinOperation>(0)), -1);
  SysapiStandin_Reset();
  EXPECT_EQ(SysapiStandin_CallCount(SYSAPISTANDIN_OP_FIND_RESOURCES), 0);
}

TEST_F(SysapiStandinTest, SearchesRunWhileDevicesChange) {
  std::atomic<bool> stop{false};
  std::thread changer([&] {
    SysapiStandinDevice device = Device("Churn", "Bench");
    while (!stop) {
      SysapiStandin_AddDevice(&device);
      SysapiStandin_RemoveDevice("Churn");
    }
  });
  for (int round = 0; round < 200; ++round) {
    const auto names = NamesFound(L"Bench");
    ASSERT_FALSE(names.empty());
    ASSERT_EQ(names.front(), L"Dev1");
  }
  stop = true;
  changer.join();
}
