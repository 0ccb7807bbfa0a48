// The benchmark table: every figure of the library against its baseline,
// timed in the same run. Google Benchmark's options apply (for example
// --benchmark_filter); the table follows its usual output.
#include <benchmark/benchmark.h>

#include "Benches.h"
#include "Environment.h"
#include "Figures.h"

int main(int argc, char **argv) {
  zubench::EnterBenchEnvironment(argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  zubench::Direct(); // fails early when the environment is wrong
  zubench::RegisterForwardedCallBenches();
  zubench::RegisterThreadScalingBenches();
  zubench::RegisterFetchOpenBenches();
  zubench::RegisterPanelBenches();
  benchmark::RunSpecifiedBenchmarks();
  zubench::PrintTable();
  benchmark::Shutdown();
  return 0;
}
