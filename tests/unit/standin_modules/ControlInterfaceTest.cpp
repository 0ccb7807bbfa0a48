// The control interface: call log, scripted results, TLS index, close
// callback, and calls from several threads.
#include <thread>
#include <vector>

#include "ModuleTestSupport.h"

namespace standin_test {
namespace {

class StandinCallLog : public StandinModuleTest {};

TEST_F(StandinCallLog, RecordsEveryArgumentInOrder) {
  void *tov = OpenModule("libzuvexatov.so");
  auto init = Resolve<&Slots::InitWithOptions3>(tov, "zuVEXAtov_InitWithOptions3");
  char resource[] = "PXI1Slot4";
  ViSession vi = 0;
  ASSERT_EQ(init(resource, 0x1234567890, VI_TRUE, VI_FALSE, "Simulate=1", nullptr, FakeCloseCallback, 1, &vi),
            VI_SUCCESS);
  resource[0] = 'X';

  ASSERT_EQ(BackendStandin_CallCount(), 1);
  EXPECT_EQ(BackendStandin_CallKind(0), kTov);
  EXPECT_EQ(BackendStandin_CallSlot(0), 4);
  EXPECT_EQ(CallSymbol(0), "InitWithOptions3");
  char exported[8] = "";
  EXPECT_EQ(BackendStandin_CallExportName(0, sizeof exported, exported), 27) << "needed size, text cut";
  EXPECT_STREQ(exported, "zuVEXAt");
  ASSERT_EQ(BackendStandin_CallArgumentCount(0), 9);
  EXPECT_EQ(CallText(0, 0), "PXI1Slot4") << "a copy taken at the call";
  EXPECT_EQ(BackendStandin_CallArgumentPointer(0, 0), static_cast<const void *>(resource));
  EXPECT_EQ(BackendStandin_CallArgumentInt(0, 1), 0x1234567890);
  EXPECT_EQ(BackendStandin_CallArgumentInt(0, 2), 1);
  EXPECT_EQ(CallText(0, 4), "Simulate=1");
  EXPECT_EQ(BackendStandin_CallArgumentType(0, 5), BACKENDSTANDIN_ARG_TEXT);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(0, 5), nullptr);
  EXPECT_EQ(CallText(0, 5), "<none>") << "a null text stays null";
  EXPECT_EQ(BackendStandin_CallArgumentType(0, 6), BACKENDSTANDIN_ARG_POINTER);
  EXPECT_EQ(BackendStandin_CallArgumentPointer(0, 8), static_cast<const void *>(&vi));
  EXPECT_EQ(BackendStandin_CallArgumentType(0, 9), BACKENDSTANDIN_ARG_NONE);

  auto carrier = Resolve<&Slots::ConfigureIQCarrierFrequency>(tov, "zuVEXAtov_ConfigureIQCarrierFrequency");
  ASSERT_EQ(carrier(vi, "0", 2.4e9), VI_SUCCESS);
  EXPECT_EQ(BackendStandin_CallArgumentReal(1, 2), 2.4e9);
  EXPECT_EQ(BackendStandin_CallArgumentType(1, 2), BACKENDSTANDIN_ARG_REAL);
  EXPECT_EQ(BackendStandin_FindCall(kTov, "zuVEXAtov_ConfigureIQCarrierFrequency", 0), 1);
  EXPECT_EQ(BackendStandin_FindCall(kKa, "ConfigureIQCarrierFrequency", 0), -1);
  EXPECT_EQ(BackendStandin_FindCall(BACKENDSTANDIN_ALL_KINDS, "InitWithOptions3", 1), -1);
  BackendStandin_ClearCalls();
  EXPECT_EQ(BackendStandin_CallCount(), 0);
  EXPECT_EQ(BackendStandin_CallSlot(0), -1);
}

class StandinScripting : public StandinModuleTest {};

TEST_F(StandinScripting, StatusForTheNextCallOrEveryCall) {
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
  EXPECT_EQ(BackendStandin_ScriptStatus(kKa, "NoSuchEntry", -1, VI_FALSE), kInvalidArgument);
  EXPECT_EQ(BackendStandin_ScriptStatus(3, "Commit", -1, VI_FALSE), kInvalidArgument);
}

TEST_F(StandinScripting, ErrorSkipsTheWorkAndAWarningFollowsIt) {
  const ViSession vi = OpenKaSession();
  auto fetch = Resolve<&Slots::FetchIQSingleRecordComplexF64>(ka_, "zuVEXAka_FetchIQSingleRecordComplexF64");
  std::vector<double> data(20, 7.0);
  WaveformInfo info{};
  ASSERT_EQ(BackendStandin_ScriptStatus(kKa, "FetchIQSingleRecordComplexF64", -1074135024, VI_FALSE), VI_SUCCESS);
  EXPECT_EQ(fetch(vi, "", 0, 10, 1.0, data.data(), &info), -1074135024);
  EXPECT_EQ(data[0], 7.0);
  ASSERT_EQ(BackendStandin_ScriptStatus(kKa, "FetchIQSingleRecordComplexF64", 0x3FFA0003, VI_FALSE), VI_SUCCESS);
  EXPECT_EQ(fetch(vi, "", 0, 10, 1.0, data.data(), &info), 0x3FFA0003);
  EXPECT_EQ(data[0], 0.5);
  ASSERT_EQ(BackendStandin_ScriptStatus(kKa, "FetchIQSingleRecordComplexF64", 0x3FFA0003, VI_FALSE), VI_SUCCESS);
  EXPECT_EQ(fetch(vi, "", 0, 10, 1.0, nullptr, &info), kInvalidArgument) << "the work's error wins";
}

TEST_F(StandinScripting, NextInitWritesAChosenHandleOrFails) {
  const ViSession existing = OpenKaSession();
  auto init = Resolve<&Slots::InitWithOptions_kaVey>(ka_, "zuVEXAka_InitWithOptions");
  ASSERT_EQ(BackendStandin_ScriptNextInit(kKa, VI_TRUE, existing, 0x3FFA0004), VI_SUCCESS);
  ViSession vi = 12345;
  EXPECT_EQ(init("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), 0x3FFA0004);
  EXPECT_EQ(vi, existing);
  EXPECT_EQ(IviStandin_SessionCount(), 1) << "nothing created";

  ASSERT_EQ(BackendStandin_ScriptNextInit(BACKENDSTANDIN_ALL_KINDS, VI_FALSE, 0, -1074130000), VI_SUCCESS);
  vi = 12345;
  EXPECT_EQ(init("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), -1074130000);
  EXPECT_EQ(vi, 12345u) << "an error writes nothing";
  EXPECT_EQ(init("Dev", VI_FALSE, VI_FALSE, "", FakeCloseCallback, &vi), VI_SUCCESS) << "only the next init";
  EXPECT_EQ(IviStandin_SessionCount(), 2);
}

class StandinModuleHooks : public StandinModuleTest {};

TEST_F(StandinModuleHooks, TlsIndexIsKeptPerKind) {
  auto tovIndex = Resolve<&Slots::SetGXRTTLSIndex>(OpenModule("libzuvexatov.so"), "SetGXRTTLSIndex");
  auto kaIndex = Resolve<&Slots::SetGXRTTLSIndex>(ka_, "SetGXRTTLSIndex");
  EXPECT_EQ(BackendStandin_TLSIndex(kTov), 0xFFFFFFFFu);
  ASSERT_EQ(tovIndex(7), VI_SUCCESS);
  ASSERT_EQ(tovIndex(9), VI_SUCCESS);
  ASSERT_EQ(kaIndex(3), VI_SUCCESS);
  EXPECT_EQ(BackendStandin_TLSIndex(kTov), 9u);
  EXPECT_EQ(BackendStandin_TLSIndexCount(kTov), 2);
  EXPECT_EQ(BackendStandin_TLSIndex(kKa), 3u);
  EXPECT_EQ(BackendStandin_TLSIndexCount(kPil), 0);
}

TEST_F(StandinModuleHooks, CloseCallbackIsTheOneInitReceived) {
  const ViSession vi = OpenKaSession();
  EXPECT_EQ(BackendStandin_InvokeCloseCallback(vi), 0x3FFA0001);
  EXPECT_EQ(BackendStandin_InvokeCloseCallback(vi + 1000), kInvalidSession);
}

TEST_F(StandinModuleHooks, ConcurrentCallsAreAllLoggedAndServed) {
  constexpr int kThreads = 4, kFetches = 50;
  std::vector<std::thread> threads;
  std::vector<int> failures(kThreads, 0);
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] {
      const ViSession vi = OpenKaSession();
      auto fetch = Resolve<&Slots::FetchIQSingleRecordComplexF32>(ka_, "zuVEXAka_FetchIQSingleRecordComplexF32");
      std::vector<ViReal32> data(2 * 1000);
      WaveformInfo info{};
      for (int i = 0; i < kFetches; ++i)
        if (fetch(vi, "", i, -1, 1.0, data.data(), &info) != VI_SUCCESS || info.actualSamples != 1000)
          ++failures[t];
    });
  for (std::thread &thread : threads)
    thread.join();
  EXPECT_EQ(failures, std::vector<int>(kThreads, 0));
  EXPECT_EQ(BackendStandin_CallCount(), kThreads * (kFetches + 1));
  EXPECT_EQ(BackendStandin_SessionCount(), kThreads);
}

} // namespace
} // namespace standin_test
