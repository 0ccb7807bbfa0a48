// Each figure of the benchmark table: the library's cost, the baseline timed
// in the same run, interleaved with it round by round, and their ratio
// against the target.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

namespace zubench {

enum class Better { kLower, kHigher, kNoTarget };

struct Figure {
  std::string name;     // row of the table
  const char *unit;     // of the library and baseline columns
  const char *baseline; // what the baseline is
  double target;
  Better better; // which side of the target meets it
};

struct Round {
  double library;
  double baseline;
};

// Stores the medians of the rounds and the median of their ratios (library
// over baseline, or the inverse when higher is better) for the table, and
// shows them as counters of the benchmark.
void Record(benchmark::State &state, const Figure &figure, const std::vector<Round> &rounds);
// A figure that is a plain count, with the baseline's count when it has
// one (negative: none); no ratio.
void RecordCount(benchmark::State &state, const Figure &figure, double value, double baseline = -1);

// Prints every recorded figure in the order of recording.
void PrintTable();

using Clock = std::chrono::steady_clock;

inline double NanosecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::nano>(Clock::now() - start).count();
}

// Nanoseconds per call of `calls` calls of f.
template <class F> double NsPerCall(F &&f, int calls) {
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < calls; ++i) f();
  return NanosecondsSince(start) / calls;
}

// One benchmark iteration is one round: one timing of the library and one of
// the baseline (each a function returning nanoseconds per call), in an order
// that changes every round so that neither always runs on a warmer machine.
template <class TimeLibrary, class TimeBaseline>
void RunRounds(benchmark::State &state, const Figure &figure, TimeLibrary &&timeLibrary,
               TimeBaseline &&timeBaseline) {
  timeLibrary(); // warm up both
  timeBaseline();
  std::vector<Round> rounds;
  for (auto _ : state) {
    Round round{};
    if (rounds.size() % 2 == 0) {
      round.library = timeLibrary();
      round.baseline = timeBaseline();
    } else {
      round.baseline = timeBaseline();
      round.library = timeLibrary();
    }
    rounds.push_back(round);
  }
  Record(state, figure, rounds);
}

// Rounds of `calls` calls of each.
template <class Library, class Baseline>
void RunInterleaved(benchmark::State &state, const Figure &figure, Library &&library, Baseline &&baseline,
                    int calls) {
  RunRounds(
      state, figure, [&] { return NsPerCall(library, calls); }, [&] { return NsPerCall(baseline, calls); });
}

} // namespace zubench
