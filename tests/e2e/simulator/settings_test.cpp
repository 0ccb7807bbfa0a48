// One state: what a Configure function sets its attributes read, what an
// attribute sets the acquisition uses, and a value refused one way is
// refused the other way too.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "StandIns.h"

namespace {

constexpr ViStatus kInvalid = ZUVEXA_ERROR_INVALID_PARAMETER;
constexpr ViAttr kReferenceLevel = 1150004, kCarrier = 1150059, kRate = 1150007, kSamplesFinite = 1150008,
                 kSamples = 1150009, kRecordsFinite = 1150010, kRecords = 1150011, kCenter = 1150002,
                 kSpan = 1150003, kBandwidth = 1150013, kAverages = 1150015;

// Numbers are read as reals, which reads integers too.
using Value = std::variant<double, std::string>;
struct Expected {
  ViAttr id;
  Value value;
};

class SimulatorSettings : public ::testing::Test {
protected:
  void SetUp() override {
    testsupport::ResetStandIns();
    ASSERT_EQ(testsupport::AddAnalyzer(), 0);
    vi = testsupport::OpenSimulated();
  }
  void TearDown() override { zuVEXA_close(vi); }

  Value Read(ViAttr id, const Value &like) const {
    ViReal64 real = -1;
    char text[64] = {};
    const bool isText = std::holds_alternative<std::string>(like);
    EXPECT_EQ(isText ? zuVEXA_GetAttributeViString(vi, "", id, sizeof text, text)
                     : zuVEXA_GetAttributeViReal64(vi, "", id, &real),
              0);
    return isText ? Value(text) : Value(real);
  }
  void ExpectReads(const std::vector<Expected> &expected) const {
    for (const Expected &e : expected) EXPECT_EQ(Read(e.id, e.value), e.value) << "attribute " << e.id;
  }
  BackendStandinConfiguration Configuration() const {
    BackendStandinConfiguration configuration{};
    EXPECT_EQ(BackendStandin_GetConfiguration(vi, &configuration), 0);
    return configuration;
  }

  ViSession vi = 0;
};

// From the defaults of a new session on.
TEST_F(SimulatorSettings, EachConfigureFunctionIsReadBackByItsAttributes) {
  ExpectReads({{kCarrier, 1e9}, {kRate, 1e6}, {kSamples, 1000.0}, {kSamplesFinite, 1.0}, {kRecords, 1.0}});
  ExpectReads({{kRecordsFinite, 1.0}, {kReferenceLevel, 0.0}, {kCenter, 1e9}, {kSpan, 1e6}});
  ExpectReads({{kBandwidth, 1e4}, {kAverages, 1.0}});
  const struct {
    std::function<ViStatus(ViSession)> configure;
    std::vector<Expected> reads;
  } cases[] = {
      {[](ViSession s) { return zuVEXA_ConfigureReferenceLevel(s, "", -12.5); }, {{kReferenceLevel, -12.5}}},
      {[](ViSession s) { return zuVEXA_ConfigureIQCarrierFrequency(s, "", 2.4e9); }, {{kCarrier, 2.4e9}}},
      {[](ViSession s) { return zuVEXA_ConfigureIQRate(s, "", 5e6); }, {{kRate, 5e6}}},
      {[](ViSession s) { return zuVEXA_ConfigureNumberOfSamples(s, "", VI_TRUE, 4096); },
       {{kSamples, 4096.0}, {kSamplesFinite, 1.0}}},
      {[](ViSession s) { return zuVEXA_ConfigureNumberOfSamples(s, "", VI_FALSE, 0); },
       {{kSamples, 4096.0}, {kSamplesFinite, 0.0}}},
      {[](ViSession s) { return zuVEXA_ConfigureNumberOfRecords(s, "", VI_TRUE, 3); },
       {{kRecords, 3.0}, {kRecordsFinite, 1.0}}},
      {[](ViSession s) { return zuVEXA_ConfigureNumberOfRecords(s, "", VI_FALSE, -4); },
       {{kRecords, 3.0}, {kRecordsFinite, 0.0}}},
      {[](ViSession s) { return zuVEXA_ConfigureSpectrumFrequencyCenterSpan(s, "", 2e9, 4e6); },
       {{kCenter, 2e9}, {kSpan, 4e6}}},
      {[](ViSession s) { return zuVEXA_ConfigureSpectrumFrequencyStartStop(s, "", 1e9, 1.2e9); },
       {{kCenter, 1.1e9}, {kSpan, 2e8}}},
      {[](ViSession s) { return zuVEXA_ConfigureResolutionBandwidth(s, "", 3e3); }, {{kBandwidth, 3e3}}},
      {[](ViSession s) { return zuVEXA_ConfigureRefClock(s, "PXI_Clk", 10e6); },
       {{1150019, std::string("PXI_Clk")}, {1150020, 10e6}}},
      {[](ViSession s) { return zuVEXA_ConfigurePXIChassisClk10(s, "RefIn"); },
       {{1150023, std::string("RefIn")}}},
      {[](ViSession s) { return zuVEXA_ConfigureDigitalEdgeStartTrigger(s, "PFI0", 1); },
       {{1150024, 601.0}, {1150025, std::string("PFI0")}, {1150026, 1.0}}},
      {[](ViSession s) { return zuVEXA_ConfigureDigitalEdgeRefTrigger(s, "PFI1", 0, 100); },
       {{1150028, 601.0}, {1150029, std::string("PFI1")}, {1150030, 0.0}, {1150035, 100.0}}},
      {[](ViSession s) { return zuVEXA_ConfigureIQPowerEdgeRefTrigger(s, "0", -20.0, 1, 50); },
       {{1150028, 602.0}, {1150055, std::string("0")}, {1150056, -20.0}, {1150057, 1.0}, {1150035, 50.0}}},
      {[](ViSession s) { return zuVEXA_ConfigureSoftwareEdgeRefTrigger(s, 25); },
       {{1150028, 604.0}, {1150035, 25.0}}},
      {[](ViSession s) { return zuVEXA_ConfigureDigitalEdgeAdvanceTrigger(s, "PFI2", 0); },
       {{1150036, 601.0}, {1150037, std::string("PFI2")}}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.reads.front().id);
    ASSERT_EQ(c.configure(vi), 0);
    ExpectReads(c.reads);
  }
}

// Attributes set the configuration the acquisition runs with.
TEST_F(SimulatorSettings, AttributesSetWhatTheAcquisitionUses) {
  ASSERT_EQ(zuVEXA_SetAttributeViReal64(vi, "", kRate, 2e6), 0);
  ASSERT_EQ(zuVEXA_SetAttributeViInt64(vi, "", kSamples, 64), 0);
  ASSERT_EQ(zuVEXA_SetAttributeViReal64(vi, "", kCarrier, 3e9), 0);
  ASSERT_EQ(zuVEXA_SetAttributeViReal64(vi, "", kReferenceLevel, -7.0), 0);
  ASSERT_EQ(zuVEXA_SetAttributeViInt64(vi, "", kRecords, 5), 0);
  std::vector<ViReal64> data(2 * 100);
  WaveformInfo info{};
  ASSERT_EQ(zuVEXA_FetchIQSingleRecordComplexF64(vi, "", 0, -1, 1.0, data.data(), &info), 0);
  EXPECT_EQ(info.actualSamples, 64);
  EXPECT_DOUBLE_EQ(info.xIncrement, 5e-7);
  EXPECT_EQ(zuVEXA_FetchIQSingleRecordComplexF64(vi, "", -1, -1, 1.0, data.data(), &info), kInvalid);

  ASSERT_EQ(zuVEXA_SetAttributeViReal64(vi, "", kCenter, 2e9), 0);
  ASSERT_EQ(zuVEXA_SetAttributeViReal64(vi, "", kSpan, 1e5), 0);
  ASSERT_EQ(zuVEXA_SetAttributeViReal64(vi, "", kBandwidth, 1e3), 0);
  ViInt32 lines = 0;
  ASSERT_EQ(zuVEXA_GetNumberOfSpectralLines(vi, "", &lines), 0);
  EXPECT_EQ(lines, 101);
  const BackendStandinConfiguration c = Configuration();
  EXPECT_EQ(std::tuple(c.carrierFrequency, c.referenceLevel, c.numberOfRecords, c.spectrumCenter),
            std::tuple(3e9, -7.0, 5, 2e9));
  ASSERT_EQ(zuVEXA_ResetAttribute(vi, "", kRate), 0);
  EXPECT_EQ(Configuration().iqRate, 1e6) << "a reset attribute takes its default";
}

// Each value is refused by the Configure function and by the attribute,
// and leaves the setting as it was.
TEST_F(SimulatorSettings, AValueRefusedOneWayIsRefusedTheOther) {
  const double nan = std::nan("");
  const struct {
    ViAttr id;
    double value;
    std::function<ViStatus(ViSession, double)> configure;
  } cases[] = {
      {kRate, 0.0, [](ViSession s, double v) { return zuVEXA_ConfigureIQRate(s, "", v); }},
      {kRate, -1e6, [](ViSession s, double v) { return zuVEXA_ConfigureIQRate(s, "", v); }},
      {kCarrier, nan, [](ViSession s, double v) { return zuVEXA_ConfigureIQCarrierFrequency(s, "", v); }},
      {kReferenceLevel, INFINITY,
       [](ViSession s, double v) { return zuVEXA_ConfigureReferenceLevel(s, "", v); }},
      {kBandwidth, 0.0, [](ViSession s, double v) { return zuVEXA_ConfigureResolutionBandwidth(s, "", v); }},
      {kSpan, -1.0,
       [](ViSession s, double v) { return zuVEXA_ConfigureSpectrumFrequencyCenterSpan(s, "", 2e9, v); }},
      {kCenter, nan,
       [](ViSession s, double v) { return zuVEXA_ConfigureSpectrumFrequencyCenterSpan(s, "", v, 1e6); }},
      {kSamples, 0.0,
       [](ViSession s, double v) { return zuVEXA_ConfigureNumberOfSamples(s, "", VI_TRUE, ViInt64(v)); }},
      {kRecords, -2.0,
       [](ViSession s, double v) { return zuVEXA_ConfigureNumberOfRecords(s, "", VI_TRUE, ViInt64(v)); }},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " = " << c.value);
    const BackendStandinConfiguration before = Configuration();
    EXPECT_EQ(c.configure(vi, c.value), kInvalid);
    EXPECT_EQ(zuVEXA_SetAttributeViReal64(vi, "", c.id, c.value), kInvalid);
    const BackendStandinConfiguration after = Configuration();
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << "nothing changed";
  }
  EXPECT_EQ(zuVEXA_SetAttributeViInt32(vi, "", kAverages, 0), kInvalid);
  EXPECT_EQ(zuVEXA_SetAttributeViReal64(vi, "", kSamples, 100.5), kInvalid) << "a count is whole";
  EXPECT_EQ(zuVEXA_SetAttributeViString(vi, "", kRate, "1e6"), kInvalid);
  EXPECT_EQ(zuVEXA_SetAttributeViReal64(vi, "", kSamples, 100.0), 0);
  EXPECT_EQ(Configuration().samplesPerRecord, 100);
  EXPECT_EQ(zuVEXA_ConfigureSoftwareEdgeRefTrigger(vi, -1), kInvalid);
  EXPECT_EQ(zuVEXA_ConfigureRefClock(vi, "PXI_Clk", 0.0), kInvalid);
}

} // namespace
