// The report core on its own: the checks and their messages, the rows, the layout of the report
// and the moments at which it yields and reads the version, the label and the date.
#include "calculator/report.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "framework/text.h"

namespace {

constexpr const char* kRule = "=================================================";

struct Click {
  ReportOutcome outcome;
  std::vector<std::string> log;  // "yield", "version", "label", "date" in the order they happened

  int Yields() const {
    int n = 0;
    for (const auto& event : log) n += event == "yield";
    return n;
  }
};

Click Calculate(const std::string& subjects, const std::string& eigenvalues,
                const std::string& label = "Sample") {
  Click run;
  ReportSources sources;
  sources.yield = [&] { run.log.push_back("yield"); };
  sources.longVersion = [&] {
    run.log.push_back("version");
    return std::string("9.8.7");
  };
  sources.label = [&] {
    run.log.push_back("label");
    return label;
  };
  sources.date = [&] {
    run.log.push_back("date");
    return ReportDate{"2/3/26", "4:05 PM"};
  };
  run.outcome = CalculateReport(subjects, eigenvalues, sources);
  return run;
}

// The report's lines without their line ends; a text that doesn't end in a line end keeps its
// unfinished last line, so a missing final LF shows.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "<no line end>");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// The rows between the column header's rule and the closing rule.
std::vector<std::string> Rows(const std::string& report) {
  const auto lines = Lines(report);
  if (lines.size() < 10) return {"<too few lines>"};
  return {lines.begin() + 8, lines.end() - 2};
}

std::string Row(const std::string& e, const std::string& se, const std::string& lo,
                const std::string& hi) {
  return e + "      " + se + "      " + lo + " \u2013 " + hi;
}

TEST(Report, WorkedExampleFor301Subjects) {
  const Click run =
      Calculate("301", "2.945\n1.778\n1.396\n0.717\n0.629\n0.535\n0.478\n0.289\n0.251\n");
  ASSERT_FALSE(run.outcome.refused) << run.outcome.text;
  const std::vector<std::string> expected = {
      "Zelvora \u00a9 2026",
      "   Version 9.8.7",
      "by the Zelvora authors",
      "",
      "Sample",
      kRule,
      "Eigenvalue      SE             95% CI",
      kRule,
      Row("+2.9450", "+0.2401", "2.4745", "3.4155"),
      Row("+1.7780", "+0.1449", "1.4939", "2.0621"),
      Row("+1.3960", "+0.1138", "1.1730", "1.6190"),
      Row("+0.7170", "+0.0584", "0.6024", "0.8316"),
      Row("+0.6290", "+0.0513", "0.5285", "0.7295"),
      Row("+0.5350", "+0.0436", "0.4495", "0.6205"),
      Row("+0.4780", "+0.0390", "0.4016", "0.5544"),
      Row("+0.2890", "+0.0236", "0.2428", "0.3352"),
      Row("+0.2510", "+0.0205", "0.2109", "0.2911"),
      kRule,
      "Date: 2/3/26  4:05 PM",
  };
  EXPECT_EQ(Lines(run.outcome.text), expected);
}

TEST(Report, RowsShowSignsWidthsAndTheFloorOfTheStandardError) {
  struct Case {
    const char* subjects;
    const char* value;
    std::string row;
  };
  const Case cases[] = {
      // A negative bound shows its minus sign and shifts the rest of the row.
      {"4", "1", Row("+1.0000", "+0.7071", "-0.3859", "2.3859")},
      {"5", "0.00016", Row("+0.0002", "+0.0001", "-0.0000", "0.0004")},
      {"301", "12.5", Row("+12.5000", "+1.0189", "10.5029", "14.4971")},
      // An SE below the fourth decimal is floored, and only that value's bounds follow it.
      {"301", "0.001", Row("+0.0010", "+0.0000", "0.0010", "0.0010")},
      {"301", "0.0001", Row("+0.0001", "+0.0000", "0.0001", "0.0001")},
      {"301", "2.5 and more", Row("+2.5000", "+0.2038", "2.1006", "2.8994")},
      {"4.9", "1", Row("+1.0000", "+0.7071", "-0.3859", "2.3859")},
      // A count beyond 32 bits saturates instead of wrapping.
      {"99999999999", "1", Row("+1.0000", "+0.0000", "1.0000", "1.0000")},
      {"4", "1e150", ""},  // large but computable: not refused
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.subjects) + " / " + c.value);
    const Click run = Calculate(c.subjects, std::string(c.value) + "\n");
    ASSERT_FALSE(run.outcome.refused) << run.outcome.text;
    const auto rows = Rows(run.outcome.text);
    ASSERT_EQ(rows.size(), 1u);
    if (!c.row.empty()) {
      EXPECT_EQ(rows[0], c.row);
    }
  }
}

TEST(Report, RefusesBadInputWithTheFirstFailingChecksMessage) {
  const std::string subjects = "Subjects must > 3";
  const auto blank = [](int i) {
    return "Please check the accuracy of Eigenvalue # " + std::to_string(i) +
           ". Remove nonprinting characters.";
  };
  const auto tooSmall = [](int i) {
    return "Please check the accuracy of Eigenvalue # " + std::to_string(i) +
           ". It cannot be \u2264 0.";
  };
  struct Case {
    const char* subjects;
    std::string eigenvalues;
    std::string message;
    int yields;  // one per value that passed before the refusal
  };
  const auto tooLarge = [](int i) {
    return "Please check the accuracy of Eigenvalue # " + std::to_string(i) + ". It is too large.";
  };
  const Case cases[] = {
      {"3", "1\n", subjects, 0},
      {"", "", subjects, 0},  // the count is checked before the eigenvalues
      {"0", "1\n", subjects, 0},
      {"-12", "1\n", subjects, 0},
      {"abc", "1\n", subjects, 0},
      {"-99999999999", "1\n", subjects, 0},
      {"4", "", "No Eigenvalues", 0},
      {"4", "\n", blank(1), 0},
      {"301", "2.945\n\n1.778\n", blank(2), 1},
      {"301", "1.2\t\t3.4\n", blank(2), 1},
      {"301", "1\n \n", tooSmall(2), 1},
      {"301", "0.00009\n", tooSmall(1), 0},
      {"301", "1\n0\n", tooSmall(2), 1},
      {"301", "1\n-2\n", tooSmall(2), 1},
      {"301", "1\nabc\n", tooSmall(2), 1},
      {"301", "0\n\n", tooSmall(1), 0},  // field 1 fails before field 2 is examined
      {"301", "1\n2\n\n0\n", blank(3), 2},
      // Values whose interval would overflow a double.
      {"301", "1\n1e200\n", tooLarge(2), 1},
      {"4", "1e154\n", tooLarge(1), 0},
      {"4", "1.7e308\n", tooLarge(1), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("subjects '") + c.subjects + "', eigenvalues '" + c.eigenvalues + "'");
    const Click run = Calculate(c.subjects, c.eigenvalues);
    EXPECT_TRUE(run.outcome.refused);
    EXPECT_EQ(run.outcome.text, c.message);
    EXPECT_EQ(run.Yields(), c.yields);
    EXPECT_EQ(static_cast<int>(run.log.size()), c.yields)
        << "a refusal reads no version, label or date";
  }
}

TEST(Report, ARefusedReportIsRefusedAgainAtPositionOne) {
  const Click first = Calculate("301", "2.945\n");
  ASSERT_FALSE(first.outcome.refused);
  const Click second = Calculate("301", first.outcome.text);
  EXPECT_TRUE(second.outcome.refused);
  EXPECT_EQ(second.outcome.text,
            "Please check the accuracy of Eigenvalue # 1. It cannot be \u2264 0.");
}

TEST(Report, OnlyValuesFollowedByALineBreakCount) {
  struct Case {
    const char* eigenvalues;
    std::vector<std::string> firstColumn;
  };
  const Case cases[] = {
      {"2.945", {}},
      {" ", {}},
      {"2.945\n1.778", {"+2.9450"}},
      {"1.2\t3.4\n", {"+1.2000", "+3.4000"}},
      {"1.2\t3.4", {"+1.2000"}},
      {"1\r2\r", {"+1.0000", "+2.0000"}},
      {"1\r\n2\r\n", {"+1.0000", "+2.0000"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.eigenvalues);
    const Click run = Calculate("301", c.eigenvalues);
    ASSERT_FALSE(run.outcome.refused) << run.outcome.text;
    std::vector<std::string> column;
    for (const auto& row : Rows(run.outcome.text)) column.push_back(row.substr(0, row.find(' ')));
    EXPECT_EQ(column, c.firstColumn);
  }
}

TEST(Report, WithNoRowsTheRulesFollowEachOther) {
  const auto lines = Lines(Calculate("301", "2.945").outcome.text);
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[7], kRule);
  EXPECT_EQ(lines[8], kRule);
}

TEST(Report, LineEndingsOfTheInputDontChangeTheReport) {
  const std::string lf = Calculate("301", "2.945\n1.778\n0.5\n").outcome.text;
  EXPECT_EQ(Calculate("301", "2.945\r1.778\r0.5\r").outcome.text, lf);
  EXPECT_EQ(Calculate("301", "2.945\r\n1.778\r\n0.5\r\n").outcome.text, lf);
  EXPECT_EQ(Calculate("301", "2.945\r\n1.778\r0.5\n").outcome.text, lf);
}

TEST(Report, EveryLineEndsWithALineFeedAndTheDateLineEndsTheReport) {
  const std::string report = Calculate("301", "2.945\n1.778\n", "").outcome.text;
  EXPECT_EQ(report.find('\r'), std::string::npos);
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(report.back(), '\n');
  const auto lines = Lines(report);
  EXPECT_EQ(lines.back(), "Date: 2/3/26  4:05 PM");
  // An empty label leaves line 5 empty beside the empty line 4.
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], kRule);
}

TEST(Report, ReadsVersionLabelAndDateAtTheirMomentsAndYieldsThreeTimesPerValue) {
  for (int k : {0, 1, 7}) {
    SCOPED_TRACE(k);
    std::string values;
    for (int i = 1; i <= k; ++i) values += std::to_string(i) + "\n";
    values += "0.5";  // unfinished, so k = 0 still has text
    const Click run = Calculate("301", values);
    ASSERT_FALSE(run.outcome.refused);
    std::vector<std::string> expected(2 * k, "yield");
    expected.push_back("version");
    expected.push_back("label");
    expected.insert(expected.end(), k, "yield");
    expected.push_back("date");
    EXPECT_EQ(run.log, expected);
  }
}

// Whether SE = sqrt(2 v^2 / n) and both bounds are finite, worked out step by step.
bool IntervalIsFinite(double value, std::int32_t subjects) {
  const double r = 2.0 * fw::Pow(value, 2.0) / static_cast<double>(subjects);
  double se = fw::Sqrt(r);
  if (se < 0.0001) se = 0.00001;
  return std::isfinite(se) && std::isfinite(value - 1.96 * se) && std::isfinite(value + 1.96 * se);
}

TEST(Report, RefusesExactlyTheValuesWhoseIntervalWouldNotBeFinite) {
  // Around the edge, where the doubled square passes the largest double, a few units in the
  // last place either way; each value written so that it reads back exactly.
  double value = std::sqrt(std::numeric_limits<double>::max() / 2);
  for (int step = 0; step < 8; ++step) value = std::nextafter(value, 0.0);
  int accepted = 0;
  int refused = 0;
  for (int step = 0; step < 16; ++step, value = std::nextafter(value, HUGE_VAL)) {
    char literal[32];
    const auto written = std::to_chars(literal, literal + sizeof literal, value);
    const std::string line = std::string(literal, written.ptr) + "\n";
    for (std::int32_t subjects : {4, 5, 301, std::numeric_limits<std::int32_t>::max()}) {
      SCOPED_TRACE(std::to_string(subjects) + " / " + line);
      const Click run = Calculate(std::to_string(subjects), line);
      EXPECT_EQ(run.outcome.refused, !IntervalIsFinite(value, subjects)) << run.outcome.text;
      EXPECT_EQ(run.outcome.text.find("inf"), std::string::npos);
      (run.outcome.refused ? refused : accepted) += 1;
    }
  }
  EXPECT_GT(accepted, 0) << "the values around the edge should include some that compute";
  EXPECT_GT(refused, 0) << "and some that don't";
}

TEST(Report, NeverShowsInfinityOrNotANumber) {
  const char* subjects[] = {"4", "5", "301", "2147483647", "99999999999", "1e300"};
  const char* values[] = {"1e150",   "1.3e154", "1e-4",      "0.00010001", "123456789012345",
                          "9.99999", "1e10",    "4.94e-300", "1e308"};
  for (const char* n : subjects) {
    for (const char* v : values) {
      SCOPED_TRACE(std::string(n) + " / " + v);
      const Click run = Calculate(n, std::string(v) + "\n");
      for (const char* bad : {"inf", "nan", "INF", "NAN"}) {
        EXPECT_EQ(run.outcome.text.find(bad), std::string::npos) << run.outcome.text;
      }
    }
  }
}

}  // namespace
