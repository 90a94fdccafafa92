// Speed of the report core alone: checking, computing and writing the report for long lists of
// eigenvalues, with a yield that does nothing. Goal: a million values well under a second.
#include <benchmark/benchmark.h>

#include <string>

#include "calculator/report.h"

namespace {

std::string Eigenvalues(std::int64_t count) {
  static const char* const kValues[] = {"2.945", "1.778", "1.396", "0.717", "0.629",
                                        "0.535", "0.478", "0.289", "0.251", "12.5"};
  std::string text;
  text.reserve(static_cast<std::size_t>(count) * 7);
  for (std::int64_t i = 0; i < count; ++i) {
    text += kValues[i % 10];
    text += '\n';
  }
  return text;
}

void BM_CalculateReport(benchmark::State& state) {
  const std::string values = Eigenvalues(state.range(0));
  ReportSources sources;
  sources.yield = [] {};
  sources.longVersion = [] { return std::string("1.0.0"); };
  sources.label = [] { return std::string("Benchmark"); };
  sources.date = [] { return ReportDate{"1/2/26", "3:04 PM"}; };
  for (auto _ : state) {
    ReportOutcome outcome = CalculateReport("301", values, sources);
    benchmark::DoNotOptimize(outcome.text.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_CalculateReport)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
