#include "Figures.h"

#include <algorithm>
#include <cstdio>

namespace zubench {
namespace {

struct Result {
  Figure figure;
  double library;
  double baseline; // negative: none
  double ratio;    // negative: none
};

std::vector<Result> &Results() {
  static std::vector<Result> results;
  return results;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Store(const Result &result) {
  for (Result &stored : Results())
    if (stored.figure.name == result.figure.name) {
      stored = result; // the last run of a benchmark is the one reported
      return;
    }
  Results().push_back(result);
}

bool Met(const Result &result) {
  const double value = result.ratio >= 0 ? result.ratio : result.library;
  return result.figure.better == Better::kLower ? value <= result.figure.target
                                                : value >= result.figure.target;
}

const char *Verdict(const Result &result) {
  if (result.figure.better == Better::kNoTarget) return "";
  return Met(result) ? "met" : "MISSED";
}

} // namespace

void Record(benchmark::State &state, const Figure &figure, const std::vector<Round> &rounds) {
  if (rounds.empty()) return;
  std::vector<double> library, baseline, ratios;
  for (const Round &round : rounds) {
    library.push_back(round.library);
    baseline.push_back(round.baseline);
    ratios.push_back(figure.better == Better::kLower ? round.library / round.baseline
                                                     : round.baseline / round.library);
  }
  Result result{figure, Median(library), Median(baseline), Median(ratios)};
  state.counters["library"] = result.library;
  state.counters["baseline"] = result.baseline;
  state.counters["ratio"] = result.ratio;
  Store(result);
}

void RecordCount(benchmark::State &state, const Figure &figure, double value, double baseline) {
  state.counters["value"] = value;
  Store({figure, value, baseline, -1});
}

void PrintTable() {
  std::printf("\n%-46s %14s %14s  %-44s %7s %9s\n", "Figure", "Library", "Baseline", "Baseline is", "Ratio",
              "Target");
  for (const Result &r : Results()) {
    const char *comparison = r.figure.better == Better::kLower ? "<=" : ">=";
    char baseline[32] = "-", ratio[16] = "-", target[16];
    if (r.baseline >= 0) std::snprintf(baseline, sizeof baseline, "%.4g %s", r.baseline, r.figure.unit);
    if (r.ratio >= 0) std::snprintf(ratio, sizeof ratio, "%.2fx", r.ratio);
    std::snprintf(target, sizeof target, "%s %g", comparison, r.figure.target);
    if (r.figure.better == Better::kNoTarget) std::snprintf(target, sizeof target, "-");
    char library[32];
    std::snprintf(library, sizeof library, "%.4g %s", r.library, r.figure.unit);
    std::printf("%-46s %14s %14s  %-44s %7s %9s  %s\n", r.figure.name.c_str(), library, baseline,
                r.figure.baseline, ratio, target, Verdict(r));
  }
}

} // namespace zubench
