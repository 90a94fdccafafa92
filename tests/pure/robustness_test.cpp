// Seeded random and adversarial inputs for the report core and the settings decoder, held to the
// rules of fuzz/invariants.h: the core refuses with one of its messages at a position the
// input justifies, or writes a whole report without "inf" or "nan", one row per line-ended value;
// the decoder applies exactly its list or refuses it after a shorter start of it. Every text
// sits in a heap block of exactly its size, so a sanitized build sees any read past its end.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/report.h"
#include "framework/settings.h"
#include "fuzz/invariants.h"

namespace {

using namespace std::string_literals;

constexpr std::uint64_t kSeed = 20260102;

class ExactBlock {
 public:
  explicit ExactBlock(std::string_view text)
      : size_(text.size()), bytes_(std::make_unique<char[]>(text.size())) {
    if (size_ > 0) std::memcpy(bytes_.get(), text.data(), size_);
  }
  std::string_view View() const { return {bytes_.get(), size_}; }

 private:
  std::size_t size_;
  std::unique_ptr<char[]> bytes_;
};

struct Calculation {
  ReportOutcome outcome;
  std::string problem;  // what broke the rules, or empty
};

Calculation Calculate(std::string_view subjectsText, std::string_view eigenvalueText) {
  const ExactBlock subjects(subjectsText), eigenvalues(eigenvalueText);
  std::int64_t yields = 0;
  ReportSources sources;
  sources.yield = [&] { ++yields; };
  sources.longVersion = [] { return "1.0.0"s; };
  sources.label = [] { return "Robustness"s; };
  sources.date = [] { return ReportDate{"1/2/26", "3:04 PM"}; };
  Calculation run;
  run.outcome = CalculateReport(subjects.View(), eigenvalues.View(), sources);
  run.problem = robustness::CheckReport(subjects.View(), eigenvalues.View(), run.outcome, yields);
  return run;
}

// Control bytes and bytes past ASCII as escapes, so that a failing input can be read and typed.
std::string Printable(std::string_view text, std::size_t limit = 200) {
  static const char* const kHex = "0123456789abcdef";
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      out += static_cast<char>(c);
    } else {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  if (text.size() > limit) out += "... (" + std::to_string(text.size()) + " bytes)";
  return out;
}

std::string Refusal3(int position) {
  return "Please check the accuracy of Eigenvalue # " + std::to_string(position) +
         ". Remove nonprinting characters.";
}
std::string Refusal4(int position) {
  return "Please check the accuracy of Eigenvalue # " + std::to_string(position) +
         ". It cannot be \u2264 0.";
}
std::string TooLarge(int position) {
  return "Please check the accuracy of Eigenvalue # " + std::to_string(position) +
         ". It is too large.";
}

// The rows of a report, each without its line end.
std::vector<std::string> Rows(const std::string& report) {
  const std::vector<std::string_view> lines = robustness::Lines(report);
  std::vector<std::string> rows;
  for (std::size_t i = 8; i + 2 < lines.size(); ++i) rows.emplace_back(lines[i]);
  return rows;
}

class Randomness {
 public:
  explicit Randomness(std::uint64_t seed) : engine_(seed) {}
  std::size_t Below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_);
  }
  template <std::size_t N>
  const char* Pick(const char* const (&pool)[N]) {
    return pool[Below(N)];
  }
  std::string Bytes(std::size_t count) {
    std::string bytes(count, '\0');
    for (char& c : bytes) c = static_cast<char>(Below(256));
    return bytes;
  }
  std::string Digits(std::size_t count) {
    std::string digits;
    for (std::size_t i = 0; i < count; ++i) digits += static_cast<char>('0' + Below(10));
    return digits;
  }

 private:
  std::mt19937_64 engine_;
};

std::string RandomSubjects(Randomness& random) {
  static const char* const kValid[] = {"301", "4",     "4.9",  "2147483647",           "2147483648",
                                       " 12", "1e308", "\t40", "99999999999999999999", "+7"};
  static const char* const kInvalid[] = {"3",      "0",     "-5",  "",         "3.99",
                                         "-1e308", "1e309", "abc", "4.9e-324", "5e"};
  switch (random.Below(8)) {
    case 0:
      return random.Bytes(random.Below(12));
    case 1:
      return random.Digits(1 + random.Below(25));
    case 2:
      return random.Pick(kInvalid);
    default:
      return random.Pick(kValid);
  }
}

// Values, separators and junk strung together: half of them text a user might paste, the rest
// with enough damage to reach every refusal.
std::string RandomEigenvalues(Randomness& random) {
  static const char* const kGood[] = {"2.945", "1.778", "12.5", "0.0001", "9e153", "5.",
                                      "+1.5",  "  3",   "1e2",  "2e",     "7\xff", "0.25"};
  static const char* const kValues[] = {
      "2.945", "1.778", "12.5",     "0.0001",    "0.00009999", "1e-5",
      "0",     "-3",    "abc",      " ",         "4.9e-324",   "1.7976931348623157e308",
      "1e154", "9e153", "5.",       ".5",        "1e2",        "2e",
      "+1.5",  "  3",   "inf",      "nan",       "0x1p3",      "1,5",
      "\xff",  "\xc3",  "\xe2\x80", "1\xc3\xa9", "7\0"};
  static const char* const kBreaks[] = {"\n", "\r", "\r\n", "\t", "\n\r", "\r\r\n"};
  std::string text;
  const std::size_t pieces = random.Below(24);
  if (random.Below(2) == 0) {
    for (std::size_t i = 0; i < pieces; ++i) {
      text += random.Pick(kGood);
      text += random.Pick(kBreaks);
    }
    if (random.Below(2) == 0) text += random.Pick(kGood);
    return text;
  }
  for (std::size_t i = 0; i < pieces; ++i) {
    switch (random.Below(8)) {
      case 0:
        text += random.Bytes(1 + random.Below(6));
        break;
      case 1:
        text += random.Digits(1 + random.Below(8)) + "." + random.Digits(random.Below(8));
        break;
      case 2:
      case 3:
        text += random.Pick(kBreaks);
        break;
      default: {
        const char* value = random.Pick(kValues);
        // "7\0" keeps its NUL.
        text.append(value, std::strlen(value) + (std::strcmp(value, "7") == 0 ? 1 : 0));
        text += random.Pick(kBreaks);
      }
    }
  }
  return text;
}

TEST(ReportRobustness, SeededRandomInputsKeepTheRules) {
  Randomness random(kSeed);
  std::map<std::string, int> outcomes;  // how often each kind of outcome came up
  for (int i = 0; i < 20000; ++i) {
    const std::string subjects = RandomSubjects(random);
    const std::string eigenvalues =
        random.Below(10) == 0 ? random.Bytes(random.Below(64)) : RandomEigenvalues(random);
    const Calculation run = Calculate(subjects, eigenvalues);
    ASSERT_EQ(run.problem, "") << "case " << i << ": subjects \"" << Printable(subjects)
                               << "\", eigenvalues \"" << Printable(eigenvalues) << "\"";
    const std::string& text = run.outcome.text;
    outcomes[!run.outcome.refused                            ? "report"
             : text.find("nonprinting") != std::string::npos ? "empty field"
             : text.find("cannot be") != std::string::npos   ? "value below 0.0001"
                                                             : text] += 1;
  }
  // Every way out is taken often enough for the rules to have been tried on each.
  for (const char* kind :
       {"report", "empty field", "value below 0.0001", "Subjects must > 3", "No Eigenvalues"}) {
    EXPECT_GT(outcomes[kind], 200) << kind;
  }
}

struct Expected {
  const char* name;
  std::string subjects;
  std::string eigenvalues;
  std::string refusal;            // empty when a report is expected
  std::vector<std::string> rows;  // the report's rows
};

void ExpectOutcomes(const std::vector<Expected>& cases) {
  for (const Expected& c : cases) {
    SCOPED_TRACE(c.name);
    const Calculation run = Calculate(c.subjects, c.eigenvalues);
    EXPECT_EQ(run.problem, "");
    if (!c.refusal.empty()) {
      EXPECT_TRUE(run.outcome.refused);
      EXPECT_EQ(run.outcome.text, c.refusal);
    } else {
      ASSERT_FALSE(run.outcome.refused) << run.outcome.text;
      EXPECT_EQ(Rows(run.outcome.text), c.rows);
    }
  }
}

TEST(ReportRobustness, NulBytesAndInvalidUtf8AreReadAsText) {
  ExpectOutcomes({
      {"a NUL after a value ends its number",
       "301",
       "2.945\0\n"s,
       "",
       {"+2.9450      +0.2401      2.4745 \u2013 3.4155"}},
      {"a lone NUL is no number", "301", "\0\n"s, Refusal4(1), {}},
      {"a NUL line between values", "301", "1.2\n\0\n3.4\n"s, Refusal4(2), {}},
      {"a NUL subject count", "\0"s, "1\n", "Subjects must > 3", {}},
      {"a NUL after the subject count",
       "301\0"s,
       "1\n",
       "",
       {"+1.0000      +0.0815      0.8402 \u2013 1.1598"}},
      {"a stray continuation byte", "301", "\x80\n", Refusal4(1), {}},
      {"a cut two-byte sequence after a value",
       "301",
       "2.9\xc3\n",
       "",
       {"+2.9000      +0.2364      2.4367 \u2013 3.3633"}},
      {"an overlong encoding of a digit", "301", "\xc0\xb1\n", Refusal4(1), {}},
      {"bytes that are never UTF-8", "301", "\xfe\xff\n", Refusal4(1), {}},
  });
}

TEST(ReportRobustness, NumbersAtTheEdgesOfTheDoubleRange) {
  ExpectOutcomes({
      {"the largest double", "301", "1.7976931348623157e308\n", TooLarge(1), {}},
      // 2 x 1e154 squared is past the largest double, so its SE could not be shown.
      {"a value whose doubled square overflows", "301", "1e154\n", TooLarge(1), {}},
      {"a literal beyond the double range", "301", "1e309\n", TooLarge(1), {}},
      {"a negative literal beyond it", "301", "1\n-0.01e311\n", Refusal4(2), {}},
      {"a literal below the smallest double", "301", "0.001e-400\n", Refusal4(1), {}},
      {"the smallest subnormal", "301", "4.9e-324\n", Refusal4(1), {}},
      {"just below the smallest value", "301", "0.00009999\n", Refusal4(1), {}},
      {"far below it", "301", "1e-5\n", Refusal4(1), {}},
      {"the smallest value, its SE floored",
       "301",
       "0.0001\n",
       "",
       {"+0.0001      +0.0000      0.0001 \u2013 0.0001"}},
  });
  // The largest value that computes: its row shows every digit and no inf.
  const Calculation run = Calculate("301", "9e153\n");
  EXPECT_EQ(run.problem, "");
  ASSERT_FALSE(run.outcome.refused) << run.outcome.text;
  const std::vector<std::string> rows = Rows(run.outcome.text);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].find('.'), 155u) << "a sign and 154 digits before the point";
}

TEST(ReportRobustness, HugeAndOddSubjectCounts) {
  const std::string floored = "+1.0000      +0.0000      1.0000 \u2013 1.0000";
  ExpectOutcomes({
      {"the largest 32-bit count", "2147483647", "1\n", "", {floored}},
      {"a count past 32 bits saturates", "99999999999999999999", "1\n", "", {floored}},
      {"the largest double as a count", "1.7976931348623157e308", "1\n", "", {floored}},
      {"a huge negative count", "-1e308", "1\n", "Subjects must > 3", {}},
      {"a count beyond the double range reads 0", "1e309", "1\n", "Subjects must > 3", {}},
      {"a subnormal count", "4.9e-324", "1\n", "Subjects must > 3", {}},
      {"a fraction below 4 truncates to 3", "3.99", "1\n", "Subjects must > 3", {}},
      {"a fraction above 4 truncates to 4",
       "4.9",
       "1\n",
       "",
       {"+1.0000      +0.7071      -0.3859 \u2013 2.3859"}},
  });
}

TEST(ReportRobustness, MixedLineBreaksAndTabs) {
  const std::string one = "+1.0000      +0.0815      0.8402 \u2013 1.1598";
  const std::string two = "+2.0000      +0.1630      1.6805 \u2013 2.3195";
  const std::string three = "+3.0000      +0.2445      2.5207 \u2013 3.4793";
  ExpectOutcomes({
      {"CR, LF and CR LF in one text", "301", "1\r2\n3\r\n", "", {one, two, three}},
      {"LF then CR is two breaks", "301", "1\n\r2\n", Refusal3(2), {}},
      {"CR then CR LF is two breaks", "301", "1\r\r\n2\n", Refusal3(2), {}},
      {"a tab separates values", "301", "1\t2\r\n", "", {one, two}},
      {"two tabs leave an empty field", "301", "1\t\t2\n", Refusal3(2), {}},
      {"a lone tab", "301", "\t\n", Refusal3(1), {}},
      {"a space before a tab is no number", "301", " \t1\n", Refusal4(1), {}},
      {"LF then CR LF is two breaks", "301", "1\n\r\n2", Refusal3(2), {}},
      {"a last value without its break", "301", "1\r\n2", "", {one}},
  });
}

constexpr std::size_t kTenMegabytes = 10u << 20;

TEST(ReportRobustness, LargePastesAreRefusedAtTheRightValue) {
  {
    SCOPED_TRACE("a million empty lines: the first is named");
    const Calculation run = Calculate("301", std::string(1000000, '\n'));
    EXPECT_EQ(run.problem, "");
    EXPECT_EQ(run.outcome.text, Refusal3(1));
  }
  {
    SCOPED_TRACE("ten megabytes of values whose last is zero: it is named");
    std::string values;
    int count = 0;
    while (values.size() < kTenMegabytes) values += "1.778\r\n", ++count;
    values += "0\r\n";
    const Calculation run = Calculate("301", values);
    EXPECT_EQ(run.problem, "");
    EXPECT_EQ(run.outcome.text, Refusal4(count + 1));
  }
}

TEST(ReportRobustness, LargePastesKeepTheRules) {
  {
    SCOPED_TRACE("ten megabytes without a line break: a report with no rows");
    const Calculation run = Calculate("301", std::string(kTenMegabytes, '7'));
    EXPECT_EQ(run.problem, "");
    EXPECT_FALSE(run.outcome.refused);
  }
  {
    SCOPED_TRACE("ten megabytes of random bytes");
    Randomness random(kSeed);
    const Calculation run = Calculate("301", random.Bytes(kTenMegabytes));
    EXPECT_EQ(run.problem, "");
  }
  {
    SCOPED_TRACE("half a megabyte of values: every row written");
    std::string values;
    while (values.size() < (512u << 10)) values += "2.945\n12.5\t0.0001\r";
    const Calculation run = Calculate("301", values);
    EXPECT_EQ(run.problem, "");
    EXPECT_FALSE(run.outcome.refused) << run.outcome.text;
  }
}

// One list with every type of setting, a text of each length class among them.
std::string SampleList() {
  return fw::SettingsList()
      .Int("Width", 500)
      .Int("Left", -20)
      .Bool("Visible", true)
      .Colour("BackColor", 255, 0, 128)
      .Text("Title", "")
      .Text("Text", "2.945\r\n1.778\0\xff"s)
      .Bool("Bold", false)
      .Int("LimitText", 2147483647)
      .Text("TextFont", "Courier")
      .Bytes();
}

struct Decoding {
  robustness::RecordingTarget target;
  bool refused = false;
  std::string problem;
};

Decoding Decode(std::string_view listText) {
  const ExactBlock list(listText);
  Decoding run;
  try {
    fw::SetProperties(run.target, list.View());
  } catch (const fw::SettingsError&) {
    run.refused = true;
  }
  run.problem = robustness::CheckSettings(list.View(), run.target, run.refused);
  return run;
}

TEST(SettingsRobustness, SeededRandomAndDamagedListsKeepTheRules) {
  Randomness random(kSeed);
  const std::string sample = SampleList();
  int applied = 0, refused = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string list;
    switch (random.Below(3)) {
      case 0:
        list = random.Bytes(random.Below(48));
        break;
      case 1: {  // the sample with a few bytes changed
        list = sample;
        for (std::size_t n = 1 + random.Below(3); n > 0; --n) {
          list[random.Below(list.size())] = static_cast<char>(random.Below(256));
        }
        break;
      }
      default: {  // pieces of the sample strung together at random places
        for (std::size_t n = 1 + random.Below(4); n > 0; --n) {
          const std::size_t from = random.Below(sample.size());
          list += sample.substr(from, random.Below(sample.size() - from + 1));
        }
      }
    }
    const Decoding run = Decode(list);
    ASSERT_EQ(run.problem, "") << "case " << i << ": \"" << Printable(list) << "\"";
    (run.refused ? refused : applied) += 1;
  }
  EXPECT_GT(applied, 500);
  EXPECT_GT(refused, 2000);
}

TEST(SettingsRobustness, EveryCutOfAListIsRefusedUnlessBetweenEntries) {
  const std::string sample = SampleList();
  int wholeEntries = 0;
  for (std::size_t size = 0; size <= sample.size(); ++size) {
    const Decoding run = Decode(std::string_view(sample).substr(0, size));
    ASSERT_EQ(run.problem, "") << "cut at " << size;
    wholeEntries += run.refused ? 0 : 1;
  }
  // The empty list and the end of each of the nine entries.
  EXPECT_EQ(wholeEntries, 10);
}

TEST(SettingsRobustness, AdversarialListsAreRefused) {
  const struct {
    const char* name;
    std::string list;
  } cases[] = {
      {"a text claiming 4 GB",
       "Title \xff\xff\xff\xff"
       "abc"s},
      {"a text claiming 2 GB", "Title \x7f\xff\xff\xff"s},
      {"a text one byte short",
       "Title \0\0\0\x04"
       "abc"s},
      {"a name without its space", "Width"},
      {"an empty name", " \0\0\0\x01"s},
      {"a NUL in a name", "Wid\0th \0\0\0\x01"s},
      {"an unknown name", "Depth \0\0\0\x01"s},
      {"a Boolean of 2", "Visible \x02"s},
      {"a colour cut short", "BackColor \x01\x02"},
      {"a long name of name bytes", std::string(100000, 'W') + " \x01"},
      {"a valid entry, then a bad one",
       "Visible \x01"
       "Visible \x05"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Decoding run = Decode(c.list);
    EXPECT_TRUE(run.refused);
    EXPECT_EQ(run.problem, "");
  }
}

TEST(SettingsRobustness, ALongListIsAppliedWhole) {
  std::string list;
  for (int i = 0; i < 100000; ++i) list += "Visible \x01"s;
  const Decoding run = Decode(list);
  EXPECT_FALSE(run.refused);
  EXPECT_EQ(run.problem, "");
  EXPECT_EQ(run.target.applied.size(), 100000u);
}

}  // namespace
