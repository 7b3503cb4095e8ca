// Time per call of FormatUptime next to the least that makes the same text (one snprintf
// into one malloc'ed buffer), with their ratio from the same run; and ConcatTexts and
// Int64ToText alone. Prints figures only.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "lifecycle/window_engine.h"
#include "uptime/block.h"
#include "uptime/constant_block.h"
#include "uptime/text.h"
#include "uptime/uptime_text.h"

namespace {

// Counts as the refresh timer reads them: from 3 days 4 hours 5 minutes 6 seconds on,
// 200 milliseconds apart.
constexpr std::int64_t kFirstCount = ((3 * 24 + 4) * 60 + 5) * 60 * 1000 + 6000;
std::int64_t CountAt(std::int64_t step) { return kFirstCount + 200 * (step % 65536); }

char* FormatWithSnprintf(std::int64_t count) {
  constexpr std::size_t kLongestText = 32;  // 30 bytes for the most negative 64-bit count
  const std::int64_t s = count / 1000;
  auto* text = static_cast<char*>(std::malloc(kLongestText));
  std::snprintf(text, kLongestText, "%" PRId64 "天%" PRId64 "时%" PRId64 "分%" PRId64 "秒", s / 86400,
                s % 86400 / 3600, s % 3600 / 60, s % 60);
  return text;
}

void BM_FormatUptime(benchmark::State& state) {
  std::int64_t step = 0;
  for ([[maybe_unused]] auto _ : state) {
    char* text = FormatUptime(CountAt(step++));
    benchmark::DoNotOptimize(text);
    FreeBlock(text);
  }
}
BENCHMARK(BM_FormatUptime);

void BM_SnprintfBaseline(benchmark::State& state) {
  std::int64_t step = 0;
  for ([[maybe_unused]] auto _ : state) {
    char* text = FormatWithSnprintf(CountAt(step++));
    benchmark::DoNotOptimize(text);
    std::free(text);
  }
}
BENCHMARK(BM_SnprintfBaseline);

// The eight parts FormatUptime joins for 3天4时5分6秒.
void BM_ConcatTexts(benchmark::State& state) {
  const ConstantBlock& units = kConstantBlock;
  for ([[maybe_unused]] auto _ : state) {
    char* text = ConcatTexts("3", units.daysUnit, "4", units.hoursUnit, "5", units.minutesUnit, "6", units.secondsUnit);
    benchmark::DoNotOptimize(text);
    FreeBlock(text);
  }
}
BENCHMARK(BM_ConcatTexts);

void BM_Int64ToText(benchmark::State& state) {
  std::int64_t value = state.range(0);
  for ([[maybe_unused]] auto _ : state) {
    benchmark::DoNotOptimize(value);
    char* text = Int64ToText(value);
    benchmark::DoNotOptimize(text);
    FreeBlock(text);
  }
}
BENCHMARK(BM_Int64ToText)->Arg(0)->Arg(59)->Arg(2147483)->Arg(std::numeric_limits<std::int64_t>::min());

// Prints as the console reporter does and keeps each benchmark's CPU time per iteration:
// the median when repeated, else the single run's.
class KeepingReporter : public benchmark::ConsoleReporter {
 public:
  // A reporter of one's own does not follow --benchmark_color: colour only on a terminal.
  KeepingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (median || (run.run_type == Run::RT_Iteration && run.repetitions <= 1)) {
        cpuTimes[run.run_name.str()] = run.GetAdjustedCPUTime();
      }
    }
  }

  std::map<std::string, double> cpuTimes;
};

}  // namespace

int main(int argc, char** argv) {
  // FreeBlock tells the unit texts from heap blocks as in the running program.
  Engine().constantBlock = {reinterpret_cast<const unsigned char*>(&kConstantBlock), kConstantBlockSize};
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  KeepingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  const auto uptime = reporter.cpuTimes.find("BM_FormatUptime");
  const auto baseline = reporter.cpuTimes.find("BM_SnprintfBaseline");
  if (uptime != reporter.cpuTimes.end() && baseline != reporter.cpuTimes.end()) {
    std::printf("\nFormatUptime / snprintf baseline, CPU time per call: %.2f\n", uptime->second / baseline->second);
  }
  return 0;
}
