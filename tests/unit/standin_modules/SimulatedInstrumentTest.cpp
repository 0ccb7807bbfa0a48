// The simulated instrument behind the module exports: sessions, channel
// attributes, and the data forms the zuvexa-iq run and the end-to-end tests
// do not show.
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "ModuleTestSupport.h"
#include "redirector/api/IviEngine.h"

namespace standin_test {
namespace {

using StandinSimulated = StandinModuleTest;

TEST_F(StandinSimulated, InitCreatesAnIviSessionOfItsModuleFromTheOptions) {
  const ViSession vi = OpenKaSession("Simulate=1, DriverSetup=Model:Q101; Language:de");
  EXPECT_EQ(Ivi_Simulating(vi), VI_TRUE);
  ViInt32 language = -1;
  EXPECT_EQ(Ivi_GetAttributeViInt32(vi, "", ZUVEXA_ATTR_SESSION_LANGUAGE, 0, &language), VI_SUCCESS);
  EXPECT_EQ(language, 2);
  EXPECT_EQ(Ivi_Simulating(OpenKaSession("")), VI_FALSE);

  auto lemInit = Resolve<&Slots::InitWithOptions_lem>(OpenModule("libzuvexalem.so"), "zuVEXAlem_InitWithOptions");
  ViSession lem = 0;
  ASSERT_EQ(lemInit("Dev1", 0x7A1, VI_FALSE, VI_FALSE, "", 1, FakeCloseCallback, &lem), VI_SUCCESS);
  EXPECT_EQ(Ivi_Simulating(lem), VI_TRUE) << "lem takes the flag from its argument";

  auto tovClose = Resolve<&Slots::close>(OpenModule("libzuvexatov.so"), "zuVEXAtov_close");
  auto close = Resolve<&Slots::close>(ka_, "zuVEXAka_close");
  EXPECT_EQ(tovClose(vi), kInvalidSession) << "not a session of this module";
  EXPECT_EQ(close(vi), VI_SUCCESS);
  EXPECT_FALSE(IviStandin_SessionExists(vi));
  auto init = Resolve<&Slots::InitWithOptions_kaVey>(ka_, "zuVEXAka_InitWithOptions");
  EXPECT_EQ(init("PXI1Slot2", VI_FALSE, VI_FALSE, "", FakeCloseCallback, nullptr), kInvalidArgument);
}

TEST_F(StandinSimulated, AttributesAreKeptPerChannel) {
  const ViSession vi = OpenKaSession();
  auto setInt = Resolve<&Slots::SetAttributeViInt32>(ka_, "zuVEXAka_SetAttributeViInt32");
  auto getInt = Resolve<&Slots::GetAttributeViInt32>(ka_, "zuVEXAka_GetAttributeViInt32");
  ASSERT_EQ(setInt(vi, "", 1150001, 7), VI_SUCCESS);
  ASSERT_EQ(setInt(vi, "0", 1150001, 9), VI_SUCCESS);
  ViInt32 value = -1;
  EXPECT_EQ(getInt(vi, nullptr, 1150001, &value), VI_SUCCESS);
  EXPECT_EQ(value, 7) << "a null channel is the empty channel";
  EXPECT_EQ(getInt(vi, "0", 1150001, &value), VI_SUCCESS);
  EXPECT_EQ(value, 9);
}

TEST_F(StandinSimulated, I16IsScaledAndRecordsArePhaseContinuous) {
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

TEST_F(StandinSimulated, PowerSpectrumPeaksAtTheTone) {
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
  EXPECT_EQ(std::max_element(spectrum.begin(), spectrum.begin() + count) - spectrum.begin(), 60)
      << "1 GHz + 100 kHz on lines from 999.5 MHz every 10 kHz";
  EXPECT_NEAR(spectrum[60], -10.0 + 20 * std::log10(0.5), 1e-9);
  EXPECT_EQ(spectrum[101], 1.0) << "only the spectral lines are written";
}

} // namespace
} // namespace standin_test
