// Peak memory of the real program's Calculate click on a long list: builds the calculator window
// offscreen, pastes the eigenvalues into it, clicks Calculate and prints the process's peak
// resident size before and after the click. Bench-only; run by scripts/bench.
//
// Usage: click_memory [value count, default 1000000]
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/eigenvalue_list.h"
#include "bench/until_written.h"
#include "calculator/control_window.h"
#include "framework/application.h"
#include "shell/app.h"

namespace {

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // Linux gives kilobytes
}

long CountLines(const std::string& text) {
  long lines = 0;
  for (char c : text) lines += c == '\n';
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 1000000;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  fw::RuntimeInit();
  NewAppInstance();
  const auto window = ControlWnd();
  const double started = PeakMegabytes();

  window->NVarsFld()->SetText("301");
  window->EigenFld()->SetText(EigenvalueList(count));
  UntilWritten(*window->EigenFld());
  const double pasted = PeakMegabytes();
  window->CalculateBtn()->Push();
  UntilWritten(*window->EigenFld());
  const double clicked = PeakMegabytes();

  // A refusal would leave the values in place and measure nothing worth reporting.
  const long expectedLines = count + 10;  // eight lines above the rows, two below
  const long lines = CountLines(window->EigenFld()->Text());
  if (!Written(*window->EigenFld()) || lines != expectedLines) {
    std::fprintf(stderr, "click_memory: the report has %ld lines, expected %ld\n", lines,
                 expectedLines);
    return 1;
  }
  std::printf(
      "values %ld\npeak_rss_window_mb %.1f\npeak_rss_pasted_mb %.1f\n"
      "peak_rss_clicked_mb %.1f\n",
      count, started, pasted, clicked);
  return 0;
}
