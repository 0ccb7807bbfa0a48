#include <SoapySDR/Errors.h>
#include <SoapySDR/Formats.h>

#include <complex>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

#include "Discovery.h"
#include "ZuvexaDevice.h"
#include "backend_standin.h"

namespace zuvexasoapy {
namespace {

// The demo system configuration, before the library first looks for it.
const int kConfigured = setenv("ZUVEXA_SYSAPI_CONFIG", ZU_DEMO_SYSAPI_CONFIG, 1);
constexpr double kRate = 10e6, kToneStep = 2 * M_PI * 100e3 / kRate;
constexpr size_t kRecord = 4096;

std::complex<double> Expected(size_t n) { return std::polar(0.5, kToneStep * double(n)); }

struct Reader {
  ZuvexaDevice device{SoapySDR::Kwargs{{"simulate", "1"}}};
  SoapySDR::Stream *stream = nullptr;
  int flags = 0;
  long long timeNs = -1;

  explicit Reader(const char *format, size_t numElems = 0) {
    device.setSampleRate(SOAPY_SDR_RX, 0, kRate);
    stream = device.setupStream(SOAPY_SDR_RX, format, {0}, {{"recordSize", std::to_string(kRecord)}});
    EXPECT_EQ(device.activateStream(stream, 0, 0, numElems), 0);
  }
  template <class T> int Read(std::vector<T> &buffer, size_t samples, size_t at = 0) {
    void *buffs[] = {buffer.data() + 2 * at};
    return device.readStream(stream, buffs, samples, flags, timeNs, 100000);
  }
};

template <class T> void ExpectWholeTone(const char *format, size_t chunk, double scale, double tolerance) {
  Reader reader(format);
  const size_t total = 3 * kRecord + 100;
  std::vector<T> data(2 * total);
  for (size_t got = 0; got < total;) {
    const int n = reader.Read(data, std::min(chunk, total - got), got);
    ASSERT_GT(n, 0) << format << " chunk " << chunk;
    EXPECT_EQ(reader.timeNs, std::llround((got % kRecord) * 1e9 / kRate)) << got;
    EXPECT_TRUE(reader.flags & SOAPY_SDR_HAS_TIME);
    got += size_t(n);
  }
  for (size_t n = 0; n < total; ++n)
    ASSERT_NEAR(std::abs(std::complex<double>(data[2 * n], data[2 * n + 1]) / scale - Expected(n)), 0,
                tolerance)
        << format << " chunk " << chunk << " sample " << n;
}

TEST(SoapyStream, EverySampleOnceInOrderInEachFormatAndReadSize) {
  // 1030: buffered reads that are no multiple of the tone's period (100 samples)
  for (size_t chunk : {size_t(1030), kRecord, 3 * kRecord}) { // buffered, straight into the reader's buffer
    ExpectWholeTone<double>(SOAPY_SDR_CF64, chunk, 1.0, 1e-12);
    ExpectWholeTone<float>(SOAPY_SDR_CF32, chunk, 1.0, 1e-6);
    ExpectWholeTone<int16_t>(SOAPY_SDR_CS16, chunk, 32767.0, 1e-4);
  }
}

TEST(SoapyStream, FiniteBurstEndsThenTimesOutAndSessionStaysUsable) {
  Reader reader(SOAPY_SDR_CF64, kRecord + 904);
  std::vector<double> data(4 * kRecord);
  EXPECT_EQ(reader.Read(data, 2 * kRecord), int(kRecord));
  EXPECT_FALSE(reader.flags & SOAPY_SDR_END_BURST);
  EXPECT_EQ(reader.Read(data, 2 * kRecord), 904);
  EXPECT_TRUE(reader.flags & SOAPY_SDR_END_BURST);
  EXPECT_EQ(reader.Read(data, 2 * kRecord), SOAPY_SDR_TIMEOUT);
  reader.device.closeStream(reader.stream);
  reader.device.setFrequency(SOAPY_SDR_RX, 0, 2.4e9, {});
  EXPECT_EQ(reader.device.getFrequency(SOAPY_SDR_RX, 0), 2.4e9);
}

TEST(SoapyStream, FetchStatusesBecomeStreamCodes) {
  const std::pair<ViStatus, int> cases[] = {
      {kMaxTimeExceeded, SOAPY_SDR_TIMEOUT},
      {static_cast<ViStatus>(0x3FFA0001), SOAPY_SDR_OVERFLOW}, // samples lost before this record
      {static_cast<ViStatus>(0xBFFA000F), SOAPY_SDR_STREAM_ERROR}};
  for (const auto &[status, first] : cases) {
    Reader reader(SOAPY_SDR_CF64);
    ASSERT_EQ(BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, "FetchIQSingleRecordComplexF64", status,
                                          VI_FALSE),
              0);
    std::vector<double> data(2 * kRecord);
    EXPECT_EQ(reader.Read(data, kRecord), first) << std::hex << status;
    ASSERT_EQ(reader.Read(data, kRecord), int(kRecord)) << std::hex << status;
    EXPECT_NEAR(data[0], 0.5, 1e-12) << "record 0 follows, whole";
    BackendStandin_ClearScripts();
  }
}

TEST(SoapySettings, CatalogueValuesByTypeAndErrorsWithTheLibrarysText) {
  ZuvexaDevice device(SoapySDR::Kwargs{{"simulate", "1"}});
  for (const auto &[key, value] :
       std::vector<std::pair<std::string, std::string>>{{"Number of Samples", "123456789012"},
                                                        {"Preamp Enabled", "true"},
                                                        {"Ref Clock Source", "PXI_CLK"},
                                                        {"Reference Level", "-12.5"},
                                                        {"Digital Gain", "3.25"}}) {
    device.writeSetting(key, value);
    EXPECT_EQ(device.readSetting(key), value) << key;
  }
  EXPECT_EQ(device.getGain(SOAPY_SDR_RX, 0), 42.5) << "gain = 30 dB - reference level";
  for (const auto &[gain, level] : {std::pair{40.0, -10.0}, {150.0, -70.0}, {-5.0, 30.0}}) {
    BackendStandin_ClearCalls();
    device.setGain(SOAPY_SDR_RX, 0, gain);
    const ViInt32 call = BackendStandin_FindCall(BACKENDSTANDIN_ALL_KINDS, "ConfigureReferenceLevel", 0);
    EXPECT_EQ(BackendStandin_CallArgumentReal(call, 2), level) << "gain " << gain << ", clamped to 0-100";
    EXPECT_EQ(device.getGain(SOAPY_SDR_RX, 0), 30.0 - level);
  }
  EXPECT_THROW(device.writeSetting("Number of Samples", "many"), std::invalid_argument);
  EXPECT_THROW(device.readSetting("No Such Attribute"), std::invalid_argument);
  EXPECT_THROW(device.getAntenna(SOAPY_SDR_RX, 1), std::invalid_argument);
  try {
    device.setSampleRate(SOAPY_SDR_RX, 0, -1);
    FAIL() << "negative rate accepted";
  } catch (const std::runtime_error &error) {
    EXPECT_NE(std::string(error.what()).find("0xBFFA000F Invalid parameter"), std::string::npos)
        << error.what();
  }
  EXPECT_EQ(device.listSensors().front(), "Device Temperature");
}

TEST(SoapyFind, ConfiguredDevicesByNameOrAliasAndTheSimulatedAnalyzer) {
  ASSERT_EQ(kConfigured, 0);
  const SoapySDR::KwargsList all = FindAnalyzers({});
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].at("resource"), "Analyzer1");
  EXPECT_EQ(all[0].at("model"), "Q118");
  const SoapySDR::KwargsList one = FindAnalyzers({{"resource", "pxi1slot5"}});
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].at("device"), "PXI1Slot5");
  EXPECT_TRUE(FindAnalyzers({{"resource", "Nope"}}).empty());
  const SoapySDR::KwargsList simulated = FindAnalyzers({{"simulate", "1"}, {"options", "RangeCheck=1"}});
  ASSERT_EQ(simulated.size(), 1u);
  EXPECT_EQ(OptionString(simulated[0]), "Simulate=1,RangeCheck=1");
}

} // namespace
} // namespace zuvexasoapy
