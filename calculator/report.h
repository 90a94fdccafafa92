// The calculation behind the calculator's Calculate button: checks the subject count and the
// eigenvalues, computes each eigenvalue's standard error and 95% confidence interval, and writes
// the report, or gives the message that refuses the input. Pure C++: no window and no Qt.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// The short date and short time of the moment the report is finished.
struct ReportDate {
  std::string shortDate;
  std::string shortTime;
};

// What the calculation reads while it runs, each at the moment the report needs it, so that
// events handled during a yield are seen as the user would expect (a label edited while a long
// list is computed appears in the report).
struct ReportSources {
  std::function<void()> yield;               // once per value in each of the three passes
  std::function<std::string()> longVersion;  // after the computation pass
  std::function<std::string()> label;        // right after the long version
  std::function<ReportDate()> date;          // after the last row
};

struct ReportOutcome {
  bool refused = false;
  std::string text;  // the report, or the message that refuses the input
};

// Subjects and eigenvalues as the user typed them. A completed report yields exactly three
// times per value; a refusal ends at the first failing check without reading the sources'
// version, label or date.
ReportOutcome CalculateReport(std::string_view subjectsText, std::string_view eigenvalueText,
                              const ReportSources& sources);
