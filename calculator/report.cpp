#include "calculator/report.h"

#include <cmath>
#include <cstdint>
#include <cstring>
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

// The eigenvalue text's fields, read where they lie. CR LF, CR, LF and TAB each end a field, as
// they would once every line ending were made a CR and every CR a TAB; whatever follows the last
// break ends no field and is never read. Walking the text in place, instead of converting it
// twice and splitting the copy, keeps a pasted list of a million values cheap.
class Fields {
 public:
  explicit Fields(std::string_view text) : text_(text) {}

  // How many fields a break ends: the values that count.
  std::int64_t Count() const {
    std::int64_t breaks = 0;
    char previous = '\0';
    for (const char c : text_) {
      breaks += c == '\r' || c == '\t' || (c == '\n' && previous != '\r');
      previous = c;
    }
    return breaks;
  }

  // The next field; there are Count() of them.
  std::string_view Next() {
    std::size_t end = at_;
    while (end < text_.size() && !IsBreak(text_[end])) ++end;
    const std::string_view field = text_.substr(at_, end - at_);
    at_ = end + 1;
    if (at_ < text_.size() && text_[end] == '\r' && text_[at_] == '\n') ++at_;
    return field;
  }

 private:
  static bool IsBreak(char c) { return c == '\r' || c == '\n' || c == '\t'; }

  std::string_view text_;
  std::size_t at_ = 0;
};

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

// A value whose interval would not be finite puts "inf" in its row. With at least
// kFewestSubjects subjects the SE is below the value and the bounds within three times it, so
// only the doubled square can overflow; checking just that leaves the interval to be worked out
// once, in the computation pass.
bool Computable(double eigenvalue) {
  // Far below the limit the square needs no working out.
  constexpr double kSurelyComputable = 1e150;
  return eigenvalue < kSurelyComputable || std::isfinite(2.0 * fw::Pow(eigenvalue, 2.0));
}

std::string AccuracyMessage(std::int64_t position, std::string_view advice) {
  return "Please check the accuracy of Eigenvalue # " + fw::Str(position) + ". " +
         std::string(advice);
}

ReportOutcome Refusal(std::string message) {
  return {true, std::move(message)};
}

const std::string& EndOfLine() {
  static const std::string endOfLine = fw::EndOfLine;
  return endOfLine;
}

void AppendLine(std::string& report, std::string_view line) {
  report.append(line);
  report.append(EndOfLine());
}

constexpr std::string_view kSignedPattern = "+#0.0000";
constexpr std::string_view kBoundPattern = "#0.0000";

char* Put(char* out, std::string_view text) {
  std::memcpy(out, text.data(), text.size());
  return out + text.size();
}

// Each row is written into one buffer and appended whole: four numbers and four joins appended
// one by one would cost more than the formatting.
class RowWriter {
 public:
  RowWriter()
      : row_(2 * fw::FormatCapacity(kSignedPattern) + 2 * fw::FormatCapacity(kBoundPattern) +
             2 * kGap.size() + kBoundsSeparator.size() + EndOfLine().size()) {}

  void Append(std::string& report, double eigenvalue, const Interval& interval) {
    char* end = fw::FormatTo(row_.data(), eigenvalue, kSignedPattern);
    end = Put(end, kGap);
    end = fw::FormatTo(end, interval.se, kSignedPattern);
    end = Put(end, kGap);
    end = fw::FormatTo(end, interval.lower, kBoundPattern);
    end = Put(end, kBoundsSeparator);
    end = fw::FormatTo(end, interval.upper, kBoundPattern);
    end = Put(end, EndOfLine());
    report.append(row_.data(), end);
  }

 private:
  std::vector<char> row_;
};

}  // namespace

ReportOutcome CalculateReport(std::string_view subjectsText, std::string_view eigenvalueText,
                              const ReportSources& sources) {
  const std::int32_t subjects = fw::ToInt32(fw::Val(subjectsText));
  if (subjects < kFewestSubjects) return Refusal("Subjects must > 3");

  // Making every line ending one CR leaves a text empty only when it was empty.
  if (eigenvalueText.empty()) return Refusal("No Eigenvalues");

  Fields fields(eigenvalueText);
  const std::int64_t count = fields.Count();
  const auto size = static_cast<std::size_t>(count);
  std::vector<double> eigenvalues;
  std::vector<Interval> intervals;
  eigenvalues.reserve(size);
  intervals.reserve(size);

  for (std::int64_t i = 1; i <= count; ++i) {
    const std::string_view field = fields.Next();
    if (field.empty()) return Refusal(AccuracyMessage(i, "Remove nonprinting characters."));
    const double eigenvalue = fw::Val(field);
    // A literal beyond the double range reads as 0, yet it is too large, not zero.
    if (!Computable(eigenvalue) || (eigenvalue == 0.0 && fw::ValTooLarge(field)))
      return Refusal(AccuracyMessage(i, "It is too large."));
    if (eigenvalue < kSmallestEigenvalue)
      return Refusal(AccuracyMessage(i, "It cannot be \u2264 0."));
    eigenvalues.push_back(eigenvalue);
    sources.yield();
  }

  for (const double eigenvalue : eigenvalues) {
    intervals.push_back(IntervalOf(eigenvalue, subjects));
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

  RowWriter row;
  for (std::size_t i = 0; i < size; ++i) {
    row.Append(report, eigenvalues[i], intervals[i]);
    sources.yield();
  }

  AppendLine(report, kRule);
  const ReportDate date = sources.date();
  AppendLine(report, "Date: " + date.shortDate + "  " + date.shortTime);
  return {false, std::move(report)};
}
