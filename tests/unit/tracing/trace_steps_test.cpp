// The trace steps read an output only where the callee can have written it and take type codes and
// attribute names from the catalogue; without the tracing library every shim does nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <dlfcn.h>
#include <thread>

#include "peeklog_standin.h"
#include "tracing/AttributeNames.h"
#include "tracing/CallTrace.h"
#include "tracing/PeekLibrary.h"

namespace {

using zutrace::sites::zuVEXA_FetchIQSingleRecordComplexF64;
using zutrace::sites::zuVEXA_GetTerminalName;

constexpr ViSession kSession = 0x4242;

class TraceStepsTest : public ::testing::Test {
protected:
  void SetUp() override {
    ZuPeekControl_SetOutput(nullptr);
    ZuPeekControl_SetEnabled(1);
    ZuPeekControl_Clear();
  }
  void TearDown() override { ZuPeekControl_SetEnabled(0); }

  // The return of the last record with this name; typeCode -1 when absent.
  static ZuPeekValue LastReturn(const char *name) {
    ZuPeekValue value{}, candidate{};
    value.typeCode = -1;
    const int record = ZuPeekControl_RecordCount() - 1;
    for (int i = 0; i < ZuPeekControl_ValueCount(record, 1); ++i)
      if (ZuPeekControl_Value(record, 1, i, &candidate),
          candidate.hasName && !std::strcmp(candidate.name, name))
        value = candidate;
    return value;
  }
  // The named return has this type code and size, or is absent for code -1.
  static void ExpectReturn(const char *name, int64_t typeCode, int64_t totalSize) {
    const ZuPeekValue traced = LastReturn(name);
    EXPECT_EQ(traced.typeCode, typeCode);
    if (typeCode >= 0) EXPECT_EQ(traced.totalSize, totalSize);
  }

  // Arguments the steps read as their catalogue types.
  const ViConstString channels = "";
  const ViInt64 record = 0;
  const ViReal64 timeout = 1;
};

TEST_F(TraceStepsTest, OutputsAreReadOnlyWhereWrittenWithinTheCallersCapacity) {
  // Samples reported, capacity, status, bytes traced, with a WaveformInfo.
  const std::tuple<ViInt64, ViInt64, ViStatus, int64_t, bool> cases[] = {
      {3, 8, 0, 3 * 2 * 8, true},    // what the record holds
      {8, 8, 0, 8 * 2 * 8, true},    // exactly the capacity
      {1000, 2, 0, 2 * 2 * 8, true}, // never more than the caller's array
      {5, 8, -1, 0, true},           // nothing after a failure
      {-4, 8, 0, 0, true},           // a nonsense count
      {5, -8, 0, 0, true},           // a nonsense capacity
      {5, 8, 0, 0, false},           // no WaveformInfo to read the count from
  };
  for (const auto &[actualSamples, numberOfSamples, status, tracedBytes, withInfo] : cases) {
    SCOPED_TRACE(std::to_string(actualSamples) + " of " + std::to_string(numberOfSamples));
    ViReal64 data[16] = {};
    WaveformInfo info{};
    info.actualSamples = actualSamples;
    zutrace::Traced<zuVEXA_FetchIQSingleRecordComplexF64>(
        kSession, [&] { return status; }, kSession, channels, record, numberOfSamples, timeout, &data[0],
        withInfo ? &info : nullptr);
    EXPECT_EQ(LastReturn("data").totalSize, tracedBytes);
    EXPECT_EQ(LastReturn("data").elementSize, 8);
    EXPECT_EQ(LastReturn("*actualSamples").typeCode == -1, !withInfo);
  }
  const std::tuple<ViInt32, ViStatus, int64_t> texts[] = {
      // size, status, traced length (-1: no return)
      {16, 0, 3},   // the text up to its end
      {3, 9, 3},    // a cut text (the needed size returned) ends at the buffer
      {2, 0, 2},    // unterminated within the buffer: the buffer, no further
      {0, 9, -1},   // a size query writes nothing
      {16, -1, -1}, // a failed call
      {-1, 0, 3},   // unchecked size: up to the end of the text
  };
  for (const auto &[bufferSize, status, tracedLength] : texts) {
    SCOPED_TRACE(bufferSize);
    char text[16] = "abc";
    zutrace::Traced<zuVEXA_GetTerminalName>(
        kSession, [&] { return status; }, kSession, ViInt32{1}, channels, bufferSize, &text[0]);
    ExpectReturn("terminalName", tracedLength < 0 ? -1 : 45, tracedLength);
  }
  struct Block {
    ViInt32 dimension, padding;
    ViInt16 samples[8];
  } block{3, 0, {}};
  void *blockPointer = &block;
  void *nullBlock = nullptr;
  const std::tuple<void *, ViStatus, int64_t> handles[] = {
      {&blockPointer, 0, 3 * 2 * 2}, // interleaved I16: twice the dimension
      {&blockPointer, -1, 0},        // nothing after a failure
      {&nullBlock, 0, 0},            // a handle without a block
      {nullptr, 0, -1},              // no handle: no return
  };
  WaveformInfo info{};
  info.actualSamples = 3;
  for (const auto &[handle, status, tracedBytes] : handles) {
    zutrace::Traced<zutrace::sites::GX_zuVEXA_FetchIQ1DI16>(
        kSession, [&] { return status; }, kSession, ViInt32{0}, channels, record, ViInt64{3}, timeout, handle,
        static_cast<void *>(&info));
    ExpectReturn("dataArrPtr", tracedBytes < 0 ? -1 : 8, tracedBytes);
    EXPECT_EQ(std::string(LastReturn("*actualSamples").value), "3");
  }
}

// Type codes of a parameter at call time and on return (the trace record tests show the others).
TEST(TraceSites, TypeCodesFollowTheCatalogueAndAttributeNamesItsRows) {
  namespace sites = zutrace::sites;
  const std::tuple<const zutrace::CallSite &, const char *, int, int> cases[] = {
      {sites::zuVEXA_GetAttributeViBoolean, "value", 22, 21},
      {sites::zuVEXA_GetAttributeViInt64, "value", 98, 97},
      {sites::zuVEXA_self_test, "testResult", 8, 7},
      {sites::zuVEXA_error_message, "statusCode", 3, 3},
      {sites::GX_zuVEXA_FetchIQ1DI16_DataRef, "externalDVR", 4, 1},
      {sites::zuVEXA_GetUserData, "data", 12, 12},
      {sites::zuVEXA_FetchIQSingleRecordComplexF32, "data", 18, 18},
      {sites::zuVEXA_GetSelfCalibrateRangeState, "step", 98, 98},
  };
  for (const auto &[site, parameter, callCode, returnCode] : cases) {
    SCOPED_TRACE(std::string(site.name) + " " + parameter);
    const int index = zutrace::IndexOf(site.params, static_cast<size_t>(site.paramCount), parameter);
    ASSERT_GE(index, 0);
    EXPECT_EQ(site.params[index].callCode, callCode);
    EXPECT_EQ(site.params[index].returnCode, returnCode);
  }
  EXPECT_STREQ(sites::GX_zuVEXA_CreateDeembeddingSparameterTableArray.name,
               "zuVEXA_CreateDeembeddingSparameterTableArray");
  const std::pair<ViAttr, std::string> names[] = {
      {1150001, "Acquisition Type"},
      {1150255, "Module Power Consumption"},
      {1050304, "Resource Descriptor"},
      {1150209, " RF Conditioning Cal Tone Frequency"}, // as written
      {0, "Not Available"},
      {1150000, "Not Available"},
  };
  for (const auto &[identifier, name] : names)
    EXPECT_EQ(zutrace::AttributeDisplayName(identifier), name) << identifier;
}

std::atomic<int> gOpens{0};
void *MissingLibrary(const char *file, int mode) {
  EXPECT_STREQ(file, "libZuPeekLog.so");
  EXPECT_EQ(mode, RTLD_NOW);
  ++gOpens;
  return nullptr;
}

TEST(TracingLoader, WithoutTheLibraryItIsLookedForOnceOnly) {
  zutrace::testing::ResetLoader(&MissingLibrary);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([] {
      for (int i = 0; i < 100; ++i) EXPECT_FALSE(zutrace::TracingEnabled());
    });
  for (auto &thread : threads) thread.join();
  zutrace::PeekRecord record = zutrace::BeginRecord(9, "zuVEXA_Commit");
  EXPECT_EQ(record, nullptr);
  zutrace::SetParam(nullptr, 0, nullptr, 8, 8, "dummyerror", 14); // the shims do nothing
  zutrace::EndParams(nullptr, 1);
  zutrace::SetFunctionReturn(nullptr, 0, nullptr, 1);
  zutrace::EndReturns(&record, 1);
  zutrace::FreeRecord(nullptr);
  EXPECT_EQ(*zutrace::ModeLocation(), 0);
  EXPECT_EQ(gOpens, 1);
  zutrace::testing::ResetLoader(nullptr);
}

} // namespace
