#include "calculator/report.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "framework/text.h"

namespace {

constexpr std::int32_t kFewestSubjects = 4;
constexpr double kSmallestEigenvalue = 0.0001;
constexpr double kSmallestShownSE = 0.0001;
constexpr double kFlooredSE = 0.00001;
constexpr double kZ95 = 1.96;

constexpr std::string_view kRule = "=================================================";
constexpr std::string_view kColumnHeader = "Eigenvalue      SE             95% CI";
constexpr std::string_view kGap = "      ";
constexpr std::string_view kBoundsSeparator = " \u2013 ";

// Upper bound on a row's length for values below 10: reserving by it keeps the report's growth
// linear without measuring the rows first.
constexpr std::size_t kTypicalRowBytes = 48;

struct Interval {
  double se;
  double lower;
  double upper;
};

Interval IntervalOf(double eigenvalue, std::int32_t subjects) {
  const double p = fw::Pow(eigenvalue, 2.0);
  const double q = 2.0 * p;
  const double r = q / static_cast<double>(subjects);
  double se = fw::Sqrt(r);
  // Below the report's fourth decimal an SE would print as zero, which reads as certainty.
  if (se < kSmallestShownSE) se = kFlooredSE;
  return {se, eigenvalue - kZ95 * se, eigenvalue + kZ95 * se};
}

// A value whose square overflows would put "inf" in place of its interval.
bool Computable(double eigenvalue, std::int32_t subjects) {
  const Interval interval = IntervalOf(eigenvalue, subjects);
  return std::isfinite(interval.se) && std::isfinite(interval.lower) &&
         std::isfinite(interval.upper);
}

std::string AccuracyMessage(std::int64_t position, std::string_view advice) {
  return "Please check the accuracy of Eigenvalue # " + fw::Str(position) + ". " +
         std::string(advice);
}

ReportOutcome Refusal(std::string message) {
  return {true, std::move(message)};
}

void AppendLine(std::string& report, std::string_view line) {
  static const std::string endOfLine = fw::EndOfLine;
  report.append(line);
  report.append(endOfLine);
}

}  // namespace

ReportOutcome CalculateReport(std::string_view subjectsText, std::string_view eigenvalueText,
                              const ReportSources& sources) {
  // Element 0 is never used, so that element i belongs to the i-th value.
  std::vector<double> eigenvalues, standardErrors, lowerBounds, upperBounds;
  const std::string cr = fw::Chr(13);
  const std::string tab = fw::Chr(9);

  const std::int32_t subjects = fw::ToInt32(fw::Val(subjectsText));
  if (subjects < kFewestSubjects) return Refusal("Subjects must > 3");

  std::string text = fw::ReplaceLineEndings(eigenvalueText, fw::EndOfLine.Macintosh);
  if (text.empty()) return Refusal("No Eigenvalues");

  // Only a value followed by a line break counts: whatever follows the last one is never read.
  text = fw::ReplaceAll(text, cr, tab);
  const auto fields = fw::SplitFields(text, tab);
  const std::int64_t count = static_cast<std::int64_t>(fields.size()) - 1;
  const auto size = static_cast<std::size_t>(count + 1);
  eigenvalues.resize(size);
  standardErrors.resize(size);
  lowerBounds.resize(size);
  upperBounds.resize(size);

  for (std::int64_t i = 1; i <= count; ++i) {
    const auto& field = fields[static_cast<std::size_t>(i - 1)];
    if (field.empty()) return Refusal(AccuracyMessage(i, "Remove nonprinting characters."));
    eigenvalues[i] = fw::Val(field);
    if (eigenvalues[i] < kSmallestEigenvalue || !Computable(eigenvalues[i], subjects)) {
      return Refusal(AccuracyMessage(i, "It cannot be \u2264 0."));
    }
    sources.yield();
  }

  for (std::int64_t i = 1; i <= count; ++i) {
    const Interval interval = IntervalOf(eigenvalues[i], subjects);
    standardErrors[i] = interval.se;
    lowerBounds[i] = interval.lower;
    upperBounds[i] = interval.upper;
    sources.yield();
  }

  const std::string version = sources.longVersion();
  const std::string label = sources.label();
  std::string report;
  report.reserve(256 + version.size() + label.size() + size * kTypicalRowBytes);
  AppendLine(report, "Zelvora \u00a9 2026");
  AppendLine(report, "   Version " + version);
  AppendLine(report, "by the Zelvora authors");
  AppendLine(report, "");
  AppendLine(report, label);
  AppendLine(report, kRule);
  AppendLine(report, kColumnHeader);
  AppendLine(report, kRule);

  for (std::int64_t i = 1; i <= count; ++i) {
    report.append(fw::Format(eigenvalues[i], "+#0.0000"));
    report.append(kGap);
    report.append(fw::Format(standardErrors[i], "+#0.0000"));
    report.append(kGap);
    report.append(fw::Format(lowerBounds[i], "#0.0000"));
    report.append(kBoundsSeparator);
    AppendLine(report, fw::Format(upperBounds[i], "#0.0000"));
    sources.yield();
  }

  AppendLine(report, kRule);
  const ReportDate date = sources.date();
  AppendLine(report, "Date: " + date.shortDate + "  " + date.shortTime);
  return {false, std::move(report)};
}
