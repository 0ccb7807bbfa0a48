// The SoapySDR module's receive stream against the fetch it is made of, on
// the simulated analyzer: readStream in CF64 against
// zuVEXA_FetchIQSingleRecordComplexF64 of the same records, and the heap
// allocations of a CF32 and a CS16 read against those of their fetch.
// Built on request: cmake --build build --target zuvexa_stream_bench.
#include <unistd.h>

#include <SoapySDR/Formats.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "Figures.h"
#include "SimulatedEnvironment.h"
#include "ZuvexaDevice.h"

namespace zubench {
namespace {

constexpr int64_t kRecord = 1 << 16;
constexpr int kRecordsPerRound = 16;

struct Bench {
  zuvexasoapy::ZuvexaDevice device{SoapySDR::Kwargs{{"simulate", "1"}}};
  ViSession vi = std::stoul(device.getHardwareInfo().at("session"));

  SoapySDR::Stream *Open(const char *format) {
    device.setSampleRate(SOAPY_SDR_RX, 0, 10e6);
    SoapySDR::Stream *stream =
        device.setupStream(SOAPY_SDR_RX, format, {0}, {{"recordSize", std::to_string(kRecord)}});
    device.activateStream(stream, 0, 0, 0);
    return stream;
  }
  int Read(SoapySDR::Stream *stream, void *buffer, size_t samples) {
    int flags = 0;
    long long timeNs = 0;
    void *buffs[] = {buffer};
    return device.readStream(stream, buffs, samples, flags, timeNs, 1000000);
  }
};

Bench &TheBench() {
  static Bench bench;
  return bench;
}

void ReadStreamCf64(benchmark::State &state) {
  static const Figure figure{"readStream CF64, 64k-sample records (speed)", "us",
                             "zuVEXA_FetchIQSingleRecordComplexF64 of the same records", 0.9,
                             Better::kHigher};
  Bench &bench = TheBench();
  std::vector<ViReal64> data(2 * kRecord);
  WaveformInfo info{};
  int64_t record = 0;
  const auto microseconds = [](auto &&call) { return NsPerCall(call, kRecordsPerRound) / 1000; };
  SoapySDR::Stream *stream = bench.Open(SOAPY_SDR_CF64);
  RunRounds(
      state, figure, [&] { return microseconds([&] { bench.Read(stream, data.data(), kRecord); }); },
      [&] {
        return microseconds([&] {
          zuVEXA_FetchIQSingleRecordComplexF64(bench.vi, "", record++, kRecord, 1.0, data.data(), &info);
        });
      });
  bench.device.closeStream(stream);
}

template <class Element, class Fetch>
void AllocationsPerRead(benchmark::State &state, const char *format, const char *name, Fetch fetch) {
  const Figure figure{std::string("allocations per ") + name + " readStream of 10,000 samples", "",
                      "its fetch of a 64k-sample record", 0, Better::kNoTarget};
  Bench &bench = TheBench();
  std::vector<Element> data(2 * kRecord);
  WaveformInfo info{};
  SoapySDR::Stream *stream = bench.Open(format);
  uint64_t reads = 0, readAllocations = 0, fetches = 0, fetchAllocations = 0;
  for (auto _ : state) {
    uint64_t before = AllocationCount();
    bench.Read(stream, data.data(), 10000);
    readAllocations += AllocationCount() - before;
    ++reads;
    before = AllocationCount();
    fetch(bench.vi, "", 0, kRecord, 1.0, data.data(), &info);
    fetchAllocations += AllocationCount() - before;
    ++fetches;
  }
  bench.device.closeStream(stream);
  // A read fetches a record once in every ceil(64k / 10,000) = 7 reads.
  RecordCount(state, figure, double(readAllocations) / double(reads),
              double(fetchAllocations) / double(fetches) / 7);
}

} // namespace
} // namespace zubench

int main(int argc, char **argv) {
  zubench::EnterSimulatedEnvironment(argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RegisterBenchmark("ReadStreamCF64", zubench::ReadStreamCf64)->Iterations(20);
  benchmark::RegisterBenchmark("AllocationsPerReadCF32", [](benchmark::State &state) {
    zubench::AllocationsPerRead<ViReal32>(state, SOAPY_SDR_CF32, "CF32",
                                          zuVEXA_FetchIQSingleRecordComplexF32);
  })->Iterations(70);
  benchmark::RegisterBenchmark("AllocationsPerReadCS16", [](benchmark::State &state) {
    zubench::AllocationsPerRead<ViInt16>(state, SOAPY_SDR_CS16, "CS16", zuVEXA_FetchIQSingleRecordComplexI16);
  })->Iterations(70);
  benchmark::RunSpecifiedBenchmarks();
  zubench::PrintTable();
  benchmark::Shutdown();
  return 0;
}
