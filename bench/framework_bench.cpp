// The framework's costs on the calculator's paths: a report of 10^5 lines set
// into a text area in a shown window and read back, and the background yield
// when its time slice has not passed. Goals: setting and reading such a text
// take well under a second; a yield that runs no events costs a clock read.
// Runs offscreen.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "framework/application.h"
#include "framework/controls.h"
#include "framework/window.h"

namespace {

class BenchWindow : public fw::Window {
 public:
  std::shared_ptr<fw::TextArea> area;

 protected:
  void Layout() override {
    SetProperty("Width", 500);
    SetProperty("Height", 550);
  }
  void CreateControls() override {
    area = New<fw::TextArea>("Area");
    area->SetProperty("Width", 460);
    area->SetProperty("Height", 280);
    area->SetProperty("TextFont", std::string("Courier"));
    area->SetProperty("ScrollbarVertical", true);
  }
};

std::string Report(std::int64_t lines) {
  std::string text;
  for (std::int64_t i = 0; i < lines; ++i)
    text += "+2.9450      +0.2401      2.4745 \xE2\x80\x93 3.4155\n";
  return text;
}

std::shared_ptr<BenchWindow> Window() {
  static auto window = [] {
    auto w = std::make_shared<BenchWindow>();
    w->Constructor();
    return w;
  }();
  return window;
}

void BM_SetLargeText(benchmark::State& state) {
  auto window = Window();
  const std::string report = Report(state.range(0));
  for (auto _ : state) {
    window->area->SetText(report);
    state.PauseTiming();
    window->area->SetText("");
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReadLargeText(benchmark::State& state) {
  auto window = Window();
  window->area->SetText(Report(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(window->area->Text());
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_YieldWithinItsSlice(benchmark::State& state) {
  for (auto _ : state) fw::BackgroundYield();
}

}  // namespace

BENCHMARK(BM_SetLargeText)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLargeText)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_YieldWithinItsSlice);

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  fw::RuntimeInit();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
