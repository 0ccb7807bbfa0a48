// Cost of describing a status: an English description of the last code of a
// 1,000-entry error description file through zuVEXA_GetErrorMessage (the
// translator scripts searching the driver's directory), against a plain read
// and scan of the same file. Prints the ratio of the two after the runs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "redirector/api/ExportDeclarations.h"
#include "zusysq/stdpath_util.h"

namespace {

constexpr int kEntries = 1000;
constexpr ViStatus kLastCode = static_cast<ViStatus>(0xBFFA0000 + kEntries);

// A private shared directory holding the one large driver file, found
// through the file-system seam.
class BenchTree {
public:
  BenchTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zuvexa-bench-XXXXXX").string();
    root_ = mkdtemp(pattern.data()) != nullptr ? pattern : "";
    std::filesystem::create_directories(root_ + "/etc/kelmar/share");
    std::ofstream(root_ + "/etc/kelmar/share/share.dir") << root_ << "/share\n";
    const std::string directory = root_ + "/share/mierrors/zuVEXA/English";
    std::filesystem::create_directories(directory);
    file_ = directory + "/bench.err";
    std::ofstream file(file_);
    file << "<?xml version=\"1.0\">\n<zudocument>\n";
    for (int i = 1; i <= kEntries; ++i) {
      char code[16];
      std::snprintf(code, sizeof code, "0x%08X", 0xBFFA0000u + unsigned(i));
      file << "<zuerror code=\"" << code << "\">\nDescription of status " << code
           << ": what went wrong and what to do about it.\n</zuerror>\n";
    }
    file << "</zudocument>\n";
    zusysq::testing::SetFileSystemRoot(root_.c_str());
  }
  ~BenchTree() {
    zusysq::testing::SetFileSystemRoot(nullptr);
    std::filesystem::remove_all(root_);
  }
  const std::string &File() const { return file_; }

private:
  std::string root_;
  std::string file_;
};

const BenchTree &Tree() {
  static BenchTree tree;
  return tree;
}

// The plain way: read the file line by line and take the body of the entry.
std::string ScanFor(const std::string &path, ViStatus code) {
  std::string body;
  FILE *file = std::fopen(path.c_str(), "r");
  if (file == nullptr) return body;
  char line[1024];
  bool inEntry = false;
  while (std::fgets(line, sizeof line, file) != nullptr) {
    if (inEntry) {
      if (std::strncmp(line, "</zuerror>", 10) == 0) break;
      body += line;
    } else if (std::strncmp(line, "<zuerror code=\"", 15) == 0) {
      inEntry = static_cast<ViStatus>(std::strtoul(line + 15, nullptr, 0)) == code;
    }
  }
  std::fclose(file);
  while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) body.pop_back();
  return body;
}

void Description(benchmark::State &state) {
  Tree();
  char text[512];
  for (auto _ : state) {
    zuVEXA_GetErrorMessage(0, kLastCode, sizeof text, text);
    benchmark::DoNotOptimize(text);
  }
  if (ScanFor(Tree().File(), kLastCode) != text) state.SkipWithError("the descriptions differ");
}
BENCHMARK(Description);

void PlainScan(benchmark::State &state) {
  for (auto _ : state) benchmark::DoNotOptimize(ScanFor(Tree().File(), kLastCode));
}
BENCHMARK(PlainScan);

// Prints as usual and keeps each benchmark's times per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  struct Times {
    double real = 0;
    double cpu = 0;
  };
  void ReportRuns(const std::vector<Run> &runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs)
      times_[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
  }
  Times Of(const std::string &name) const {
    auto found = times_.find(name);
    return found != times_.end() ? found->second : Times{};
  }

private:
  std::map<std::string, Times> times_;
};

} // namespace

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const RatioReporter::Times description = reporter.Of("Description"), scan = reporter.Of("PlainScan");
  if (scan.real > 0 && scan.cpu > 0)
    std::printf("\ndescription / plain scan: %.2f in real time, %.2f in CPU time (target: 3 or less)\n",
                description.real / scan.real, description.cpu / scan.cpu);
  benchmark::Shutdown();
  return 0;
}
