// The Calculate button: hands the fields to the report core and shows its report or its refusal.
#include "calculator/control_window.h"
#include "calculator/report.h"
#include "framework/alerts.h"
#include "framework/application.h"
#include "framework/date.h"
#include "shell/app.h"

namespace {

// Raised from a yield once the user has closed the window: the controls the click would read or
// write are gone from the screen, and the program is ending.
struct WindowClosed {};

}  // namespace

void ControlWnd::CalculateBtn_Action() {
  ReportSources sources;
  sources.yield = [this] {
    fw::BackgroundYield();
    if (Closed()) throw WindowClosed{};
  };
  sources.longVersion = [] { return fw::NotNil(App())->LongVersion(); };
  sources.label = [this] { return LabelFld()->Text(); };
  sources.date = [] {
    const fw::Date now;
    return ReportDate{now.ShortDate(), now.ShortTime()};
  };

  const std::string subjects = NVarsFld()->Text();
  const std::string eigenvalues = EigenFld()->Text();
  ReportOutcome outcome;
  try {
    outcome = CalculateReport(subjects, eigenvalues, sources);
  } catch (const WindowClosed&) {
    return;
  }
  if (outcome.refused) {
    fw::MsgBox(outcome.text);
    return;
  }
  // The user may have cleared or edited the values while they were worked on (the yields let
  // them): the newer input stands.
  if (EigenFld()->Text() != eigenvalues) return;
  EigenFld()->SetText(std::move(outcome.text));
}
