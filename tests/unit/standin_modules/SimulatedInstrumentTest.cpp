// The simulated instrument behind the module exports: sessions, attributes,
// configuration and the fetched tone.
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "ModuleTestSupport.h"
#include "redirector/api/IviEngine.h"

namespace standin_test {
namespace {

using Complex = std::complex<double>;

double PhaseStep(Complex from, Complex to) { return std::arg(to * std::conj(from)); }

Complex SampleAt(const std::vector<double> &data, std::size_t k) { return {data[2 * k], data[2 * k + 1]}; }

class StandinSimulatedSessions : public StandinModuleTest {};

TEST_F(StandinSimulatedSessions, InitCreatesAnIviSessionFromTheOptionString) {
  const ViSession vi = OpenKaSession("Simulate=1, DriverSetup=Model:Q101; Language:de");
  ASSERT_NE(vi, 0u);
  EXPECT_TRUE(IviStandin_SessionExists(vi));
  EXPECT_EQ(Ivi_Simulating(vi), VI_TRUE);
  ViInt32 language = -1;
  EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", ZUVEXA_ATTR_SESSION_LANGUAGE, 0, &language), VI_SUCCESS);
  EXPECT_EQ(language, 2);
  char text[64] = "";
  EXPECT_EQ(Ivi_GetAttributeViString(vi, "", IVI_ATTR_IO_RESOURCE_DESCRIPTOR, 0, sizeof text, text), VI_SUCCESS);
  EXPECT_STREQ(text, "PXI1Slot2");
  EXPECT_EQ(BackendStandin_SessionKind(vi), kKa);

  const ViSession plain = OpenKaSession("");
  EXPECT_EQ(Ivi_Simulating(plain), VI_FALSE);
  EXPECT_EQ(Ivi_GetAttributeViInt32(plain, "", ZUVEXA_ATTR_SESSION_LANGUAGE, 0, &language), VI_SUCCESS);
  EXPECT_EQ(language, 0);
}

TEST_F(StandinSimulatedSessions, LemTakesTheSimulationFlagFromItsArgument) {
  void *lem = OpenModule("libzuvexalem.so");
  auto init = Resolve<&Slots::InitWithOptions_lem>(lem, "zuVEXAlem_InitWithOptions");
  ViSession vi = 0;
  ASSERT_EQ(init("Dev1", 0x7A1, VI_FALSE, VI_FALSE, "", 1, FakeCloseCallback, &vi), VI_SUCCESS);
  EXPECT_EQ(Ivi_Simulating(vi), VI_TRUE);
  EXPECT_EQ(BackendStandin_SessionKind(vi), kLem);
}

TEST_F(StandinSimulatedSessions, InitWithoutOutputCreatesNothing) {
  auto init = Resolve<&Slots::InitWithOptions_kaVey>(ka_, "zuVEXAka_InitWithOptions");
  EXPECT_EQ(init("PXI1Slot2", VI_FALSE, VI_FALSE, "Simulate=1", FakeCloseCallback, nullptr), kInvalidArgument);
  EXPECT_EQ(IviStandin_SessionCount(), 0);
  EXPECT_EQ(BackendStandin_SessionCount(), 0);
}

TEST_F(StandinSimulatedSessions, CloseDisposesOnlySessionsOfItsOwnModule) {
  const ViSession vi = OpenKaSession();
  auto tovClose = Resolve<&Slots::close>(OpenModule("libzuvexatov.so"), "zuVEXAtov_close");
  auto close = Resolve<&Slots::close>(ka_, "zuVEXAka_close");
  EXPECT_EQ(tovClose(vi), kInvalidSession);
  EXPECT_EQ(close(vi), VI_SUCCESS);
  EXPECT_FALSE(IviStandin_SessionExists(vi));
  EXPECT_EQ(BackendStandin_SessionKind(vi), 0u);
  EXPECT_EQ(close(vi), kInvalidSession);
}

class StandinSimulatedAttributes : public StandinModuleTest {};

TEST_F(StandinSimulatedAttributes, ValuesAreKeptPerChannelAndAttribute) {
  const ViSession vi = OpenKaSession();
  auto setInt = Resolve<&Slots::SetAttributeViInt32>(ka_, "zuVEXAka_SetAttributeViInt32");
  auto getInt = Resolve<&Slots::GetAttributeViInt32>(ka_, "zuVEXAka_GetAttributeViInt32");
  auto getDesired = Resolve<&Slots::GetDesiredAttributeViInt32>(ka_, "zuVEXAka_GetDesiredAttributeViInt32");
  auto getReal = Resolve<&Slots::GetAttributeViReal64>(ka_, "zuVEXAka_GetAttributeViReal64");
  ASSERT_EQ(setInt(vi, "", 1150001, 7), VI_SUCCESS);
  ASSERT_EQ(setInt(vi, "0", 1150001, 9), VI_SUCCESS);
  ViInt32 value = -1;
  EXPECT_EQ(getInt(vi, nullptr, 1150001, &value), VI_SUCCESS);
  EXPECT_EQ(value, 7) << "a null channel is the empty channel";
  EXPECT_EQ(getDesired(vi, "0", 1150001, &value), VI_SUCCESS);
  EXPECT_EQ(value, 9);
  EXPECT_EQ(getInt(vi, "", 1150002, &value), VI_SUCCESS);
  EXPECT_EQ(value, 0) << "unset attributes read as 0";
  ViReal64 real = -1;
  EXPECT_EQ(getReal(vi, "", 1150001, &real), VI_SUCCESS);
  EXPECT_EQ(real, 7.0);
  EXPECT_EQ(getInt(vi, "", 1150001, nullptr), kInvalidArgument);
  EXPECT_EQ(getInt(vi + 1000, "", 1150001, &value), kInvalidSession);
}

TEST_F(StandinSimulatedAttributes, StringsFollowTheBufferRule) {
  const ViSession vi = OpenKaSession();
  auto setText = Resolve<&Slots::SetAttributeViString>(ka_, "zuVEXAka_SetAttributeViString");
  auto getText = Resolve<&Slots::GetAttributeViString>(ka_, "zuVEXAka_GetAttributeViString");
  ASSERT_EQ(setText(vi, "", 1050327, "Q101, Q102"), VI_SUCCESS);
  char buffer[16] = "untouched";
  EXPECT_EQ(getText(vi, "", 1050327, 0, buffer), 11);
  EXPECT_STREQ(buffer, "untouched");
  EXPECT_EQ(getText(vi, "", 1050327, 5, buffer), 11);
  EXPECT_STREQ(buffer, "Q101");
  EXPECT_EQ(getText(vi, "", 1050327, sizeof buffer, buffer), VI_SUCCESS);
  EXPECT_STREQ(buffer, "Q101, Q102");
  EXPECT_EQ(getText(vi, "", 1050327, -1, buffer), kInvalidArgument) << "no unbounded copy";
  EXPECT_EQ(getText(vi, "", 1, sizeof buffer, buffer), VI_SUCCESS);
  EXPECT_STREQ(buffer, "");
}

TEST_F(StandinSimulatedAttributes, ArraySizeQueryReturnsTheStoredCount) {
  const ViSession vi = OpenKaSession();
  auto set = Resolve<&Slots::SetAttributeZUComplexNumberArray>(ka_, "zuVEXAka_SetAttributeZUComplexNumberArray");
  auto get = Resolve<&Slots::GetAttributeZUComplexNumberArray>(ka_, "zuVEXAka_GetAttributeZUComplexNumberArray");
  const ZUComplexNumber values[3] = {{1, 2}, {3, 4}, {5, 6}};
  ASSERT_EQ(set(vi, "", 1100341, 3, values), VI_SUCCESS);
  EXPECT_EQ(get(vi, "", 1100341, 0, nullptr), 3);
  ZUComplexNumber out[3] = {};
  EXPECT_EQ(get(vi, "", 1100341, 2, out), 3) << "too small: what fits, and the needed count";
  EXPECT_EQ(out[1].imaginary, 4.0);
  EXPECT_EQ(out[2].real, 0.0);
  EXPECT_EQ(get(vi, "", 1100341, 3, out), VI_SUCCESS);
  EXPECT_EQ(out[2].imaginary, 6.0);
}

class StandinSimulatedFetch : public StandinModuleTest {
protected:
  std::vector<double> FetchF64(ViSession vi, ViInt64 record, ViInt64 samples, WaveformInfo &info) {
    auto fetch = Resolve<&Slots::FetchIQSingleRecordComplexF64>(ka_, "zuVEXAka_FetchIQSingleRecordComplexF64");
    std::vector<double> data(2 * 4000, 99.0);
    EXPECT_EQ(fetch(vi, "", record, samples, 5.0, data.data(), &info), VI_SUCCESS);
    return data;
  }
};

TEST_F(StandinSimulatedFetch, F64IsAToneAtTheOffsetWithItsWaveformInfo) {
  const ViSession vi = OpenKaSession();
  WaveformInfo info{};
  const std::vector<double> data = FetchF64(vi, 0, 2000, info);
  EXPECT_EQ(info.actualSamples, 1000) << "cut to the configured 1000 samples";
  EXPECT_DOUBLE_EQ(info.xIncrement, 1e-6);
  EXPECT_EQ(info.absoluteInitialX, 0.0);
  EXPECT_EQ(info.relativeInitialX, 0.0);
  EXPECT_EQ(info.gain, 1.0);
  EXPECT_EQ(info.offset, 0.0);
  EXPECT_DOUBLE_EQ(SampleAt(data, 0).real(), 0.5);
  EXPECT_NEAR(PhaseStep(SampleAt(data, 0), SampleAt(data, 1)), 2 * std::numbers::pi * 100e3 / 1e6, 1e-12);
  EXPECT_NEAR(PhaseStep(SampleAt(data, 500), SampleAt(data, 501)), 2 * std::numbers::pi * 0.1, 1e-9);
  EXPECT_NEAR(std::abs(SampleAt(data, 999)), 0.5, 1e-12);
  EXPECT_EQ(data[2000], 99.0) << "nothing written beyond actualSamples";
}

TEST_F(StandinSimulatedFetch, RateOffsetAndRecordLengthFollowTheConfiguration) {
  const ViSession vi = OpenKaSession();
  auto rate = Resolve<&Slots::ConfigureIQRate>(ka_, "zuVEXAka_ConfigureIQRate");
  auto samples = Resolve<&Slots::ConfigureNumberOfSamples>(ka_, "zuVEXAka_ConfigureNumberOfSamples");
  ASSERT_EQ(rate(vi, "", 2e6), VI_SUCCESS);
  ASSERT_EQ(samples(vi, "", VI_TRUE, 3000), VI_SUCCESS);
  EXPECT_EQ(rate(vi, "", 0.0), kInvalidArgument);
  BackendStandin_SetToneOffset(-250e3);
  WaveformInfo info{};
  const std::vector<double> data = FetchF64(vi, 0, -1, info);
  EXPECT_EQ(info.actualSamples, 3000);
  EXPECT_DOUBLE_EQ(info.xIncrement, 0.5e-6);
  EXPECT_NEAR(PhaseStep(SampleAt(data, 10), SampleAt(data, 11)), 2 * std::numbers::pi * -250e3 / 2e6, 1e-12);
  BackendStandinConfiguration configuration{};
  ASSERT_EQ(BackendStandin_GetConfiguration(vi, &configuration), VI_SUCCESS);
  EXPECT_EQ(configuration.iqRate, 2e6);
  EXPECT_EQ(configuration.carrierFrequency, 1e9);
}

TEST_F(StandinSimulatedFetch, I16IsScaledAndRecordsArePhaseContinuous) {
  const ViSession vi = OpenKaSession();
  auto fetchI16 = Resolve<&Slots::FetchIQSingleRecordComplexI16>(ka_, "zuVEXAka_FetchIQSingleRecordComplexI16");
  auto fetchMulti = Resolve<&Slots::FetchIQMultiRecordComplexF32>(ka_, "zuVEXAka_FetchIQMultiRecordComplexF32");
  std::vector<ViInt16> raw(2 * 1000);
  WaveformInfo info{};
  ASSERT_EQ(fetchI16(vi, "", 1, 1000, 5.0, raw.data(), &info), VI_SUCCESS);
  EXPECT_DOUBLE_EQ(info.gain, 1.0 / 32767);
  WaveformInfo reference{};
  const std::vector<double> record1 = FetchF64(vi, 1, 1000, reference);
  for (std::size_t i : {0u, 1u, 777u})
    EXPECT_NEAR(raw[i] * info.gain + info.offset, record1[i], 1.0 / 32767) << i;

  std::vector<ViReal32> both(2 * 2 * 1000);
  WaveformInfo infos[2] = {};
  ASSERT_EQ(fetchMulti(vi, "", 0, 2, -1, 5.0, both.data(), infos), VI_SUCCESS);
  EXPECT_EQ(infos[1].actualSamples, 1000);
  const Complex last{both[1998], both[1999]}, next{both[2000], both[2001]};
  EXPECT_NEAR(PhaseStep(last, next), 2 * std::numbers::pi * 0.1, 1e-5) << "record 1 continues record 0";
  EXPECT_NEAR(both[2000], record1[0], 1e-6);
}

TEST_F(StandinSimulatedFetch, BadOutputsAndCountsAreRejected) {
  const ViSession vi = OpenKaSession();
  auto fetch = Resolve<&Slots::FetchIQSingleRecordComplexF64>(ka_, "zuVEXAka_FetchIQSingleRecordComplexF64");
  std::vector<double> data(2000);
  WaveformInfo info{};
  EXPECT_EQ(fetch(vi, "", 0, 10, 5.0, nullptr, &info), kInvalidArgument);
  EXPECT_EQ(fetch(vi, "", 0, 10, 5.0, data.data(), nullptr), kInvalidArgument);
  EXPECT_EQ(fetch(vi, "", 0, -2, 5.0, data.data(), &info), kInvalidArgument);
  EXPECT_EQ(fetch(vi, "", -1, 10, 5.0, data.data(), &info), kInvalidArgument);
  EXPECT_EQ(fetch(vi + 1000, "", 0, 10, 5.0, data.data(), &info), kInvalidSession);
}

TEST_F(StandinSimulatedFetch, PowerSpectrumPeaksAtTheTone) {
  const ViSession vi = OpenKaSession();
  auto lines = Resolve<&Slots::GetNumberOfSpectralLines>(ka_, "zuVEXAka_GetNumberOfSpectralLines");
  auto read = Resolve<&Slots::ReadPowerSpectrumF64>(ka_, "zuVEXAka_ReadPowerSpectrumF64");
  auto level = Resolve<&Slots::ConfigureReferenceLevel>(ka_, "zuVEXAka_ConfigureReferenceLevel");
  ASSERT_EQ(level(vi, "", -10.0), VI_SUCCESS);
  ViInt32 count = 0;
  ASSERT_EQ(lines(vi, "", &count), VI_SUCCESS);
  ASSERT_EQ(count, 101) << "1 MHz span at 10 kHz resolution";
  std::vector<double> spectrum(200, 1.0);
  ASSERT_EQ(read(vi, "", 5.0, spectrum.data(), 200, nullptr), VI_SUCCESS);
  const auto peak = std::max_element(spectrum.begin(), spectrum.begin() + count) - spectrum.begin();
  EXPECT_EQ(peak, 60) << "1 GHz + 100 kHz on lines from 999.5 MHz every 10 kHz";
  EXPECT_NEAR(spectrum[60], -10.0 + 20 * std::log10(0.5), 1e-9);
  EXPECT_EQ(spectrum[0], -110.0);
  EXPECT_EQ(spectrum[101], 1.0) << "only the spectral lines are written";
}

} // namespace
} // namespace standin_test
