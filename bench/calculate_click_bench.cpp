// A whole Calculate click in the calculator window (reading the fields, the report core with
// its yields, and showing the report) against merely showing the same report in the eigenvalue
// field. Goal: the click costs little more than showing its report. Runs offscreen. Both count
// until the field's editor holds the whole report.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "bench/eigenvalue_list.h"
#include "bench/until_written.h"
#include "calculator/control_window.h"
#include "framework/application.h"
#include "shell/app.h"

namespace {

void BM_CalculateClick(benchmark::State& state) {
  const auto window = ControlWnd();
  const std::string values = EigenvalueList(state.range(0));
  window->NVarsFld()->SetText("301");
  for (auto _ : state) {
    state.PauseTiming();
    window->EigenFld()->SetText(values);
    UntilWritten(*window->EigenFld());
    state.ResumeTiming();
    window->CalculateBtn()->Push();
    UntilWritten(*window->EigenFld());
  }
  if (!Written(*window->EigenFld())) state.SkipWithError("the report is not all in the field");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ShowReportOnly(benchmark::State& state) {
  const auto window = ControlWnd();
  const std::string values = EigenvalueList(state.range(0));
  window->NVarsFld()->SetText("301");
  window->EigenFld()->SetText(values);
  window->CalculateBtn()->Push();
  const std::string report = window->EigenFld()->Text();
  for (auto _ : state) {
    state.PauseTiming();
    window->EigenFld()->SetText(values);
    UntilWritten(*window->EigenFld());
    state.ResumeTiming();
    window->EigenFld()->SetText(report);
    UntilWritten(*window->EigenFld());
  }
  if (!Written(*window->EigenFld())) state.SkipWithError("the report is not all in the field");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_CalculateClick)->Arg(100000)->MinTime(3.0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowReportOnly)->Arg(100000)->MinTime(3.0)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  fw::RuntimeInit();
  NewAppInstance();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
