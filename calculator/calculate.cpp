// The Calculate button: hands the fields to the report core and shows its report or its refusal.
#include "calculator/control_window.h"
#include "calculator/report.h"
#include "framework/alerts.h"
#include "framework/application.h"
#include "framework/date.h"
#include "shell/app.h"

void ControlWnd::CalculateBtn_Action() {
  ReportSources sources;
  sources.yield = [] { fw::BackgroundYield(); };
  sources.longVersion = [] { return fw::NotNil(App())->LongVersion(); };
  sources.label = [this] { return LabelFld()->Text(); };
  sources.date = [] {
    const fw::Date now;
    return ReportDate{now.ShortDate(), now.ShortTime()};
  };

  const ReportOutcome outcome = CalculateReport(NVarsFld()->Text(), EigenFld()->Text(), sources);
  if (outcome.refused) {
    fw::MsgBox(outcome.text);
    return;
  }
  EigenFld()->SetText(outcome.text);
}
