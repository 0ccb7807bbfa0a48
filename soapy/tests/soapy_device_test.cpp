#include <SoapySDR/Errors.h>
#include <SoapySDR/Formats.h>
#include <SoapySDR/Logger.hpp>
#include <SoapySDR/Modules.hpp>

#include <atomic>
#include <chrono>
#include <complex>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <thread>
#include <tuple>
#include <vector>

#include "Discovery.h"
#include "ZuvexaDevice.h"
#include "backend_standin.h"

namespace zuvexasoapy {
namespace {

// The demo system configuration, before the library first looks for it.
const int kConfigured = setenv("ZUVEXA_SYSAPI_CONFIG", ZU_DEMO_SYSAPI_CONFIG, 1);
// SoapySDR loads the built module, and no installed one.
const int kModuleFound =
    setenv("SOAPY_SDR_PLUGIN_PATH", ZU_SOAPY_MODULE_DIR, 1) + setenv("SOAPY_SDR_ROOT", "/nonexistent", 1);
constexpr double kRate = 10e6, kToneStep = 2 * M_PI * 100e3 / kRate;
constexpr size_t kRecord = 4096;

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
// One record's time, and room for a loaded machine or a sanitizer build.
constexpr auto kPromptly = std::chrono::nanoseconds(int64_t(kRecord * 1e9 / kRate)) + 80ms;

std::complex<double> Expected(size_t n) { return std::polar(0.5, kToneStep * double(n)); }

template <class Call> Clock::duration Timed(Call call) {
  const auto start = Clock::now();
  call();
  return Clock::now() - start;
}

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
  template <class T>
  int Read(std::vector<T> &buffer, size_t samples, size_t at = 0, long timeoutUs = 100000) {
    void *buffs[] = {buffer.data() + 2 * at};
    return device.readStream(stream, buffs, samples, flags, timeNs, timeoutUs);
  }
  // Through direct buffer access: the lent samples copied to `at`, then given back.
  template <class T> int Acquire(std::vector<T> &buffer, size_t at) {
    size_t handle = 7;
    const void *buffs[] = {nullptr};
    const int n = device.acquireReadBuffer(stream, handle, buffs, flags, timeNs, 100000);
    void *lent[] = {nullptr};
    EXPECT_EQ(device.getDirectAccessBufferAddrs(stream, handle, lent), 0);
    EXPECT_EQ(lent[0], buffs[0]) << "one buffer, the record";
    if (n > 0) std::memcpy(buffer.data() + 2 * at, buffs[0], size_t(n) * 2 * sizeof(T));
    int readFlags = 0;
    long long readTime = 0;
    EXPECT_EQ(device.readStream(stream, lent, 1, readFlags, readTime, 0), SOAPY_SDR_STREAM_ERROR)
        << "no read into a lent record";
    device.releaseReadBuffer(stream, handle);
    return n;
  }
};

std::atomic<int> warnings = 0; // SoapySDR's warnings (and worse) so far

int WarningsOf(const std::function<void()> &call) {
  SoapySDR::registerLogHandler(
      [](const SoapySDRLogLevel level, const char *) { warnings += level <= SOAPY_SDR_WARNING; });
  const int before = warnings;
  call();
  return warnings - before;
}

// chunk 0: through direct buffer access.
template <class T> void ExpectWholeTone(const char *format, size_t chunk, double scale, double tolerance) {
  Reader reader(format);
  const size_t total = 3 * kRecord + 100, mtu = reader.device.getStreamMTU(reader.stream);
  std::vector<T> data(2 * (total + kRecord));
  for (size_t got = 0; got < total;) {
    const size_t wanted = chunk == 0 ? mtu : std::min(chunk, total - got);
    const int n = chunk == 0 ? reader.Acquire(data, got) : reader.Read(data, wanted, got);
    ASSERT_GT(n, 0) << format << " chunk " << chunk;
    EXPECT_EQ(size_t(n), wanted >= mtu ? mtu : size_t(n))
        << format << " chunk " << chunk << ": a read is the MTU";
    EXPECT_EQ(reader.timeNs, std::llround((got % kRecord) * 1e9 / kRate)) << got;
    EXPECT_EQ(reader.flags, SOAPY_SDR_HAS_TIME) << "continuous: no end";
    got += size_t(n);
  }
  for (size_t n = 0; n < total; ++n)
    ASSERT_NEAR(std::abs(std::complex<double>(data[2 * n], data[2 * n + 1]) / scale - Expected(n)), 0,
                tolerance)
        << format << " chunk " << chunk << " sample " << n;
}

TEST(SoapyStream, EverySampleOnceInOrderInEachFormatAndReadSize) {
  // 1030: buffered reads that are no multiple of the tone's period (100 samples)
  for (size_t chunk : {size_t(1030), kRecord, 3 * kRecord, size_t(0)}) { // buffered, straight, lent
    ExpectWholeTone<double>(SOAPY_SDR_CF64, chunk, 1.0, 1e-12);
    ExpectWholeTone<float>(SOAPY_SDR_CF32, chunk, 1.0, 1e-6);
    ExpectWholeTone<int16_t>(SOAPY_SDR_CS16, chunk, 32767.0, 1e-4);
  }
}

TEST(SoapyStream, FiniteBurstEndsThenTimesOutAndSessionStaysUsable) {
  std::vector<double> data(4 * kRecord);
  Reader whole(SOAPY_SDR_CF64, 2 * kRecord); // a burst of whole records ends with its last
  EXPECT_EQ(whole.device.readSetting("Number of Records Is Finite"), "true");
  EXPECT_EQ(Reader(SOAPY_SDR_CF64).device.readSetting("Number of Records Is Finite"), "false")
      << "continuous";
  EXPECT_EQ(whole.Read(data, 2 * kRecord) + whole.Read(data, 2 * kRecord), int(2 * kRecord));
  EXPECT_TRUE(whole.flags & SOAPY_SDR_END_BURST);
  Reader reader(SOAPY_SDR_CF64, kRecord + 904);
  EXPECT_EQ(reader.Read(data, 2 * kRecord), int(kRecord));
  EXPECT_FALSE(reader.flags & SOAPY_SDR_END_BURST);
  EXPECT_EQ(reader.Read(data, 2 * kRecord), 904);
  EXPECT_TRUE(reader.flags & SOAPY_SDR_END_BURST);
  const Clock::duration waited =
      Timed([&] { EXPECT_EQ(reader.Read(data, 1, 0, 150000), SOAPY_SDR_TIMEOUT); });
  EXPECT_EQ(reader.flags, 0) << "no flags of the last samples";
  EXPECT_GE(waited, 150ms) << "the whole timeout";
  EXPECT_LT(waited, 150ms + kPromptly);
  // Stream calls never throw: a stream of no device is an error code, logged.
  SoapySDR::Stream *alien = reinterpret_cast<SoapySDR::Stream *>(&reader);
  size_t handle = 0;
  int flags = 0;
  long long timeNs = 0;
  void *buffs[] = {data.data()};
  const std::function<int()> calls[] = {
      [&] { return reader.device.readStream(alien, buffs, 1, flags, timeNs, 0); },
      [&] { return reader.device.readStreamStatus(alien, handle, flags, timeNs, 0); },
      [&] { return reader.device.acquireReadBuffer(alien, handle, (const void **)buffs, flags, timeNs, 0); },
      [&] { return reader.device.getDirectAccessBufferAddrs(alien, 0, buffs); },
      [&] { return reader.device.activateStream(alien, 0, 0, 0); },
      [&] { return reader.device.deactivateStream(alien, 0, 0); },
      [&] { return reader.device.closeStream(alien), SOAPY_SDR_STREAM_ERROR; },
      [&] { return reader.device.releaseReadBuffer(alien, 0), SOAPY_SDR_STREAM_ERROR; }};
  for (const auto &call : calls) EXPECT_EQ(WarningsOf([&] { EXPECT_EQ(call(), SOAPY_SDR_STREAM_ERROR); }), 1);
  ASSERT_EQ(BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, "Initiate",
                                        BACKENDSTANDIN_ERROR_INVALID_ARGUMENT, VI_FALSE),
            0);
  EXPECT_EQ(WarningsOf([&] {
              EXPECT_EQ(reader.device.activateStream(reader.stream, 0, 0, 0), SOAPY_SDR_STREAM_ERROR);
            }),
            1)
      << "a failed activation";
  EXPECT_EQ(reader.device.activateStream(reader.stream, 0, 0, 0), 0);
  BackendStandin_ClearCalls();
  reader.device.closeStream(reader.stream);
  EXPECT_GE(BackendStandin_FindCall(BACKENDSTANDIN_ALL_KINDS, "Abort", 0), 0)
      << "closing ends the acquisition";
  reader.device.setFrequency(SOAPY_SDR_RX, 0, 2.4e9, {});
  EXPECT_EQ(reader.device.getFrequency(SOAPY_SDR_RX, 0), 2.4e9);
}

// A receiver application's calls in its order (CubicSDR's) through
// SoapySDR's loader: listing, starting with a saved antenna name (or none)
// and a tuning by component. Then, while its stream thread reads (waiting
// first for the stream, as a remote server's does), 100 control calls of
// another thread: each passes within kPromptly, no sample is lost or
// repeated. Stopping closes the stream under the waiting threads: the
// reader and one waiting for the stream's status.
TEST(SoapyModule, AReceiverApplicationTunesWhileItsStreamThreadReads) {
  ASSERT_EQ(kModuleFound, 0);
  SoapySDR::Device *device = SoapySDR::Device::make("driver=zuvexa,simulate=1");
  ASSERT_EQ(device->getNumChannels(SOAPY_SDR_RX), 1u);
  EXPECT_EQ(device->listAntennas(SOAPY_SDR_RX, 0), std::vector<std::string>{"RF IN"});
  EXPECT_EQ(device->listFrequencies(SOAPY_SDR_RX, 0), std::vector<std::string>{"RF"});
  EXPECT_EQ(device->listGains(SOAPY_SDR_RX, 0), std::vector<std::string>{"REF"});
  EXPECT_EQ(device->getGainRange(SOAPY_SDR_RX, 0, "REF").maximum(), 100);
  EXPECT_EQ(device->getGainRange(SOAPY_SDR_RX, 0, "LNA").maximum(), 0);
  EXPECT_EQ(SoapySDR::getModuleVersion(ZU_SOAPY_MODULE_DIR "/libzuvexaSupport.so"), ZU_PROJECT_VERSION);
  EXPECT_EQ(device->getFrequencyRange(SOAPY_SDR_RX, 0, "RF").at(0).maximum(), 26.5e9);
  EXPECT_TRUE(device->getFrequencyRange(SOAPY_SDR_RX, 0, "CORR").empty());
  for (const SoapySDR::ArgInfo &setting : device->getSettingInfo())
    EXPECT_NO_THROW(device->readSetting(setting.key)) << setting.key; // the application keeps them all
  for (const auto &[antenna, warned] : {std::pair{"", 1}, {"RX", 1}, {"RF IN", 0}}) {
    EXPECT_EQ(WarningsOf([&] { device->setAntenna(SOAPY_SDR_RX, 0, antenna); }), warned) << antenna;
    EXPECT_EQ(device->getAntenna(SOAPY_SDR_RX, 0), "RF IN");
  }
  device->setSampleRate(SOAPY_SDR_RX, 0, kRate);
  EXPECT_EQ(WarningsOf([&] { device->setFrequency(SOAPY_SDR_RX, 0, "CORR", 5); }), 1);
  device->setFrequency(SOAPY_SDR_RX, 0, "RF", 100e6);
  EXPECT_EQ(device->getFrequency(SOAPY_SDR_RX, 0, "RF"), 100e6);
  EXPECT_EQ(device->getFrequency(SOAPY_SDR_RX, 0, "CORR"), 0);
  device->setGain(SOAPY_SDR_RX, 0, "REF", 40);
  EXPECT_EQ(WarningsOf([&] { device->setGain(SOAPY_SDR_RX, 0, "LNA", 5); }), 1);
  EXPECT_EQ(device->getGain(SOAPY_SDR_RX, 0, "REF"), 40) << "no other element changes it";
  EXPECT_EQ(device->getGain(SOAPY_SDR_RX, 0, "LNA"), 0);

  SoapySDR::Stream *stream =
      device->setupStream(SOAPY_SDR_RX, SOAPY_SDR_CF32, {0}, {{"recordSize", std::to_string(kRecord)}});
  std::atomic<bool> reading = false, done = false;
  std::atomic<size_t> samples = 0;
  size_t firstWrong = SIZE_MAX, unexpected = 0;
  std::thread streamThread([&] {
    std::vector<float> data(2 * device->getStreamMTU(stream));
    void *buffs[] = {data.data()};
    int flags = 0, n = 0;
    for (long long timeNs = 0; !done; samples += size_t(std::max(n, 0))) {
      reading = true;
      n = device->readStream(stream, buffs, data.size() / 2, flags, timeNs, 1 << 30);
      unexpected += n <= 0 && n != SOAPY_SDR_TIMEOUT && n != SOAPY_SDR_STREAM_ERROR; // inactive, closed
      for (int k = 0; k < n && firstWrong == SIZE_MAX; ++k)
        if (std::abs(std::complex<double>(data[2 * k], data[2 * k + 1]) - Expected(samples + k)) > 1e-5)
          firstWrong = samples + k;
    }
  });
  int status = 0; // a status poll that waits until the stream is closed, the gate open
  std::thread statusThread([&] {
    size_t mask = 0;
    int flags = 0;
    long long timeNs = 0;
    status = device->readStreamStatus(stream, mask, flags, timeNs, 1 << 30);
  });
  while (!reading) std::this_thread::yield();
  std::this_thread::sleep_for(5ms); // the stream thread waits for the inactive stream
  BackendStandin_ClearCalls();
  Clock::duration slowest = Timed([&] { EXPECT_EQ(device->activateStream(stream), 0); });
  EXPECT_GE(BackendStandin_FindCall(BACKENDSTANDIN_ALL_KINDS, "SetAttributeViBoolean", 0), 0) << "contiguous";
  const std::function<void(int)> controls[] = {
      [&](int call) { device->setFrequency(SOAPY_SDR_RX, 0, "RF", 100e6 + call * 1e6); },
      [&](int call) { device->setGain(SOAPY_SDR_RX, 0, "REF", call / 2.0); },
      [&](int) { device->setSampleRate(SOAPY_SDR_RX, 0, kRate); }};
  for (int call = 0; call < 100; ++call, std::this_thread::sleep_for(1ms))
    slowest = std::max(slowest, Timed([&] { controls[call % 3](call); }));
  BackendStandinConfiguration tuned{};
  ASSERT_EQ(BackendStandin_GetConfiguration(std::stoi(device->getHardwareInfo().at("session")), &tuned), 0);
  EXPECT_EQ(tuned.carrierFrequency, 199e6); // calls 99 and 97 the last tuning and gain
  EXPECT_EQ(tuned.referenceLevel, 30 - 48.5);
  EXPECT_GE(samples, 2 * kRecord);
  slowest = std::max(slowest, Timed([&] { EXPECT_EQ(device->deactivateStream(stream), 0); }));
  std::this_thread::sleep_for(5ms); // the stream thread waits again
  done = true;
  slowest = std::max(slowest, Timed([&] { device->closeStream(stream); }));
  streamThread.join();
  statusThread.join();
  EXPECT_EQ(status, SOAPY_SDR_STREAM_ERROR);
  SoapySDR::Device::unmake(device);
  EXPECT_LT(slowest, kPromptly) << std::chrono::duration<double>(slowest).count() << " s";
  EXPECT_EQ(firstWrong, SIZE_MAX) << "a sample lost or repeated";
  EXPECT_EQ(unexpected, 0u);
}

// An overflow is also the stream's status, once, with the time of the
// samples after it, which the next read starts at.
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
    size_t mask = 0;
    int flags = 0;
    long long statusTime = -1;
    const auto readStatus = [&] {
      return reader.device.readStreamStatus(reader.stream, mask, flags, statusTime, 0);
    };
    EXPECT_EQ(readStatus(), first == SOAPY_SDR_OVERFLOW ? SOAPY_SDR_OVERFLOW : SOAPY_SDR_TIMEOUT);
    EXPECT_EQ(readStatus(), SOAPY_SDR_TIMEOUT) << "reported once";
    ASSERT_EQ(reader.Read(data, kRecord), int(kRecord)) << std::hex << status;
    EXPECT_NEAR(data[0], 0.5, 1e-12) << "record 0 follows, whole";
    if (first == SOAPY_SDR_OVERFLOW) {
      EXPECT_EQ(std::tie(mask, flags, statusTime), std::tuple(1u, SOAPY_SDR_HAS_TIME, reader.timeNs));
    }
    BackendStandin_ClearScripts();
  }
}

TEST(SoapySettings, CatalogueValuesByTypeAndErrorsWithTheLibrarysText) {
  ZuvexaDevice device(SoapySDR::Kwargs{{"simulate", "1"}});
  std::map<std::string, SoapySDR::ArgInfo> infos;
  for (const SoapySDR::ArgInfo &info : device.getSettingInfo()) infos[info.key] = info;
  using enum SoapySDR::ArgInfo::Type;
  for (const auto &[key, value, type, units] :
       std::vector<std::tuple<std::string, std::string, SoapySDR::ArgInfo::Type, std::string>>{
           {"Number of Samples", "123456789012", INT, "samples"},
           {"Preamp Enabled", "true", BOOL, ""},
           {"Ref Clock Source", "PXI_CLK", STRING, ""},
           {"Reference Level", "-12.5", FLOAT, "dBm"},
           {"Digital Gain", "3.25", FLOAT, ""}}) {
    device.writeSetting(key, value);
    EXPECT_EQ(device.readSetting(key), value) << key;
    EXPECT_EQ(infos[key].type, type) << key;
    EXPECT_EQ(infos[key].units, units) << key;
    EXPECT_NE(infos[key].description.find("attribute "), std::string::npos) << key;
  }
  EXPECT_EQ(infos["IQ Carrier Frequency"].range.maximum(), 26.5e9);
  const SoapySDR::ArgInfo record = device.getStreamArgsInfo(SOAPY_SDR_RX, 0).at(0);
  EXPECT_EQ(record.key + " " + record.units + " " + record.value, "recordSize samples 65536");
  EXPECT_TRUE(record.type == INT && !record.name.empty() && !record.description.empty());
  EXPECT_EQ(device.getGain(SOAPY_SDR_RX, 0), 42.5) << "gain = 30 dB - reference level";
  for (const auto &[gain, level] : {std::pair{40.0, -10.0}, {150.0, -70.0}, {-5.0, 30.0}}) {
    BackendStandin_ClearCalls();
    device.setGain(SOAPY_SDR_RX, 0, gain);
    const ViInt32 call = BackendStandin_FindCall(BACKENDSTANDIN_ALL_KINDS, "ConfigureReferenceLevel", 0);
    EXPECT_EQ(BackendStandin_CallArgumentReal(call, 2), level) << "gain " << gain << ", clamped to 0-100";
    EXPECT_EQ(device.getGain(SOAPY_SDR_RX, 0), 30.0 - level);
  }
  // A rate or a carrier out of range is clamped to it, and logged.
  const double maxRate = device.getSampleRateRange(SOAPY_SDR_RX, 0).front().maximum();
  EXPECT_EQ(infos["IQ Rate"].range.maximum(), maxRate) << "the device's, not the default";
  EXPECT_THROW(device.setSampleRate(SOAPY_SDR_RX, 0, 0), std::invalid_argument);
  for (const auto &[rate, used] : {std::pair{1.0, 1e3}, {1e12, maxRate}}) {
    EXPECT_EQ(WarningsOf([&] { device.setSampleRate(SOAPY_SDR_RX, 0, rate); }), 1);
    EXPECT_EQ(device.getSampleRate(SOAPY_SDR_RX, 0), used);
  }
  for (const auto &[frequency, used] : {std::pair{-1.0, 9e3}, {1e12, 26.5e9}}) {
    EXPECT_EQ(WarningsOf([&] { device.setFrequency(SOAPY_SDR_RX, 0, "RF", frequency, {}); }), 1);
    EXPECT_EQ(device.getFrequency(SOAPY_SDR_RX, 0), used);
  }
  EXPECT_THROW(device.writeSetting("Number of Samples", "many"), std::invalid_argument);
  device.writeSetting("iq rate", "2M"); // any case, with a unit
  EXPECT_EQ(device.getSampleRate(SOAPY_SDR_RX, 0), 2e6);
  EXPECT_THROW(device.readSetting("No Such Attribute"), std::invalid_argument);
  double fullScale = 0;
  EXPECT_EQ(device.getNativeStreamFormat(SOAPY_SDR_RX, 0, fullScale), SOAPY_SDR_CF64);
  EXPECT_EQ(fullScale, 1.0);
  const std::function<void()> otherChannels[] = {
      [&] { device.getAntenna(SOAPY_SDR_RX, 1); }, [&] { device.getGain(SOAPY_SDR_RX, 1); },
      [&] { device.getSampleRate(SOAPY_SDR_TX, 0); },
      [&] { device.setFrequency(SOAPY_SDR_RX, 1, "CORR", 0, {}); },
      [&] { device.getNativeStreamFormat(SOAPY_SDR_RX, 1, fullScale); }};
  for (const auto &otherChannel : otherChannels) EXPECT_THROW(otherChannel(), std::invalid_argument);
  // Applications list every direction: a channel the device lacks has nothing, and no error.
  for (const auto &[direction, channel] : {std::pair{SOAPY_SDR_TX, 0}, {SOAPY_SDR_RX, 1}}) {
    EXPECT_TRUE(device.listAntennas(direction, channel).empty());
    EXPECT_TRUE(device.listGains(direction, channel).empty());
    EXPECT_TRUE(device.listFrequencies(direction, channel).empty());
    EXPECT_TRUE(device.getFrequencyRange(direction, channel).empty());
    EXPECT_TRUE(device.listSampleRates(direction, channel).empty());
    EXPECT_TRUE(device.getStreamFormats(direction, channel).empty());
  }
  BackendStandin_ScriptStatus(BACKENDSTANDIN_ALL_KINDS, "ConfigureIQRate",
                              BACKENDSTANDIN_ERROR_INVALID_ARGUMENT, VI_FALSE);
  try {
    device.setSampleRate(SOAPY_SDR_RX, 0, kRate);
    FAIL() << "the failure is not reported";
  } catch (const std::runtime_error &error) {
    EXPECT_NE(std::string(error.what()).find("0xBFFA000F Invalid parameter"), std::string::npos)
        << error.what();
  }
  EXPECT_EQ(device.listSensors().front(), "Device Temperature");
  EXPECT_EQ(infos["Device Temperature"].description.rfind("Temperature (sensor), attribute ", 0), 0u);
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
