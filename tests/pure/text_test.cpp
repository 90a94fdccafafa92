// The text and number services: reading and writing numbers, characters,
// fields and line endings, on ordinary and hostile input.
#include "framework/text.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;

struct ValCase {
  std::string text;
  double expected;
};

TEST(ValTest, ReadsTheNumberAtTheStartOrZero) {
  const double kMax = std::numeric_limits<double>::max();
  const double kTiniest = std::numeric_limits<double>::denorm_min();
  const std::vector<ValCase> cases = {
      {"2.945", 2.945},
      {"12abc", 12},
      {" 1.5", 1.5},
      {"\t 1.5", 1.5},
      {"-3", -3},
      {"+3", 3},
      {".5", 0.5},
      {"-.5", -0.5},
      {"5.", 5},
      {"5.e3", 5000},
      {"1e-3", 0.001},
      {"1E3", 1000},
      {"1e+2", 100},
      {"2e", 2},
      {"2e+", 2},
      {"2e-x", 2},
      {"2E.5", 2},
      {"0.0001", 0.0001},
      {"00012", 12},
      {"1,5", 1},
      {"1.2.3", 1.2},
      {"1 000", 1},
      {"12\r", 12},
      {"3\t4", 3},
      {"1.7976931348623157e308", kMax},
      {"4.9e-324", kTiniest},
      {"0e999999999999999999999", 0},
      {"", 0},
      {"abc", 0},
      {"-", 0},
      {"+", 0},
      {".", 0},
      {"-.", 0},
      {".e5", 0},
      {"e5", 0},
      {"--1", 0},
      {"+-1", 0},
      {"- 1", 0},
      {"\n1", 0},
      {"1e999", 0},
      {"-1e999", 0},
      {"1.8e308", 0},
      {"1e-999", 0},
      {"1e99999999999999999999", 0},
      {"nan", 0},
      {"NaN", 0},
      {"-nan", 0},
      {"inf", 0},
      {"-inf", 0},
      {"infinity", 0},
      {"0x1A", 0},
      {"\xd9\xa3", 0},  // an Arabic-Indic digit is no decimal digit here
      {"1.5\0"s
       "7",
       1.5},
      {"\0"s
       "1",
       0},
      {"\xff"
       "1",
       0},
      {"1\xff", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fw::Val(c.text), c.expected) << "Val(\"" << c.text << "\")";
  }
}

TEST(ValTest, NeverGivesNegativeZero) {
  for (const char* text : {"-0", "-0.0", "-0e5", "-1e-999"}) {
    const double value = fw::Val(text);
    EXPECT_EQ(value, 0.0) << text;
    EXPECT_FALSE(std::signbit(value)) << text;
  }
}

// The double that std::from_chars gives for a literal it fully accepts, without a negative zero.
double FromChars(const std::string& literal) {
  double value = 0;
  const auto [end, error] = std::from_chars(literal.data(), literal.data() + literal.size(), value);
  EXPECT_TRUE(error == std::errc() && end == literal.data() + literal.size()) << literal;
  return value == 0 ? 0.0 : value;
}

TEST(ValTest, PlainDecimalsReadAsTheStandardLibraryReadsThem) {
  std::vector<std::string> literals = {
      "9007199254740992",
      "9007199254740993",
      "9007199254740991.5",
      "0.9007199254740993",
      "1234567890123456789",
      "12345678901234567890",
      "0.0000000000000000001",
      "-0.000",
      "0.1",
      "0.2",
      "0.3",
      "2.945",
      "1.778",
      "0.0001",
      "0.00009999",
      "123456789012345.6",
      "000000000000000000012",
      "99999999999999999",
      "4.35",
      "5e-324",
      "1.7976931348623157e308",
  };
  // Seeded, so that a failure repeats: literals of 1 to 22 digits with the point anywhere.
  std::mt19937_64 random(20260102);
  for (int i = 0; i < 200'000; ++i) {
    const int digits = 1 + static_cast<int>(random() % 22);
    std::string literal = random() % 4 == 0 ? "-" : "";
    const int pointAt = static_cast<int>(random() % static_cast<std::uint64_t>(digits + 1));
    for (int d = 0; d < digits; ++d) {
      if (d == pointAt) literal += '.';
      literal += static_cast<char>('0' + random() % 10);
    }
    literals.push_back(literal);
  }
  for (const auto& literal : literals) {
    const double value = fw::Val(literal);
    ASSERT_EQ(value, FromChars(literal)) << literal;
    ASSERT_FALSE(std::signbit(value) && value == 0) << literal;
    // The same literal behind spaces, with a "+" or with text after it reads the same.
    ASSERT_EQ(fw::Val(" \t" + literal + "\r"), value) << literal;
    ASSERT_EQ(fw::Val(literal + "x1"), value) << literal;
    if (literal[0] != '-') {
      ASSERT_EQ(fw::Val("+" + literal), value) << literal;
    }
  }
}

TEST(ValTest, HugeTextsReadSafely) {
  const std::size_t tenMegabytes = 10 * 1024 * 1024;
  EXPECT_EQ(fw::Val(std::string(tenMegabytes, '9')), 0);  // beyond a finite double
  EXPECT_TRUE(fw::ValTooLarge(std::string(tenMegabytes, '9')));
  // Too large only when the first significant digit lies beyond the range, however many zeros
  // stand before it.
  const std::vector<std::pair<std::string, bool>> tooLarge = {
      {"0.0001e310", false},                           // 1e306
      {"0." + std::string(400, '0') + "1e10", false},  // about 1e-391: below the smallest
      {"000." + std::string(400, '0') + "1e10", false},
      {"0." + std::string(5, '0') + "1e315", true},  // 1e309
      {"1e309", true},
      {"123e307", true},
      {"-1e309", false},
      {"1e-400", false},
  };
  for (const auto& [text, expected] : tooLarge) EXPECT_EQ(fw::ValTooLarge(text), expected) << text;
  EXPECT_EQ(fw::Val(std::string(tenMegabytes, '0') + "7.25"), 7.25);
  EXPECT_EQ(fw::Val(std::string(tenMegabytes, ' ') + "3"), 3);
  EXPECT_EQ(fw::Val("0." + std::string(tenMegabytes, '0') + "1"), 0);  // below the smallest
  EXPECT_EQ(fw::Val(std::string(tenMegabytes, '\xff')), 0);
  EXPECT_EQ(fw::Val(std::string(tenMegabytes, '\0')), 0);
}

struct FormatCase {
  double value;
  const char* pattern;
  std::string expected;
};

TEST(FormatTest, RoundsToTheNearestWithTheSignThePatternAsks) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kInf = std::numeric_limits<double>::infinity();
  const std::vector<FormatCase> cases = {
      {2.945, "+#0.0000", "+2.9450"},
      {0.24005847, "+#0.0000", "+0.2401"},
      {-0.3859, "#0.0000", "-0.3859"},
      {-0.3859, "+#0.0000", "-0.3859"},
      {2.3859, "#0.0000", "2.3859"},
      {12.5, "+#0.0000", "+12.5000"},
      {12.5, "#0.0000", "12.5000"},
      {0, "+#0.0000", "+0.0000"},
      {0, "#0.0000", "0.0000"},
      {0.1, "#0.0000", "0.1000"},
      {123456789.0, "#0.0000", "123456789.0000"},
      // Halfway in decimal but not in binary: the stored value decides.
      {0.00005, "#0.0000", "0.0001"},    // stored just above the half
      {-0.00005, "#0.0000", "-0.0001"},  // the same, negative
      {0.00015, "#0.0000", "0.0001"},    // stored just below the half
      {0.00025, "#0.0000", "0.0003"},    // stored just above the half
      {1.00005, "#0.0000", "1.0001"},
      {2.5e-5, "#0.0000", "0.0000"},
      // Exactly halfway in binary: ties go to the even digit.
      {0.03125, "#0.0000", "0.0312"},
      {0.09375, "#0.0000", "0.0938"},
      {1.03125, "+#0.0000", "+1.0312"},
      // Rounding carries into the integer digits.
      {0.99995, "#0.0000", "1.0000"},
      {9.99995, "+#0.0000", "+10.0000"},
      {-9.99995, "#0.0000", "-10.0000"},
      // A negative value that rounds to zero keeps its minus; zero itself shows none.
      {-0.0, "#0.0000", "0.0000"},
      {-0.0, "+#0.0000", "+0.0000"},
      {-0.00001, "#0.0000", "-0.0000"},
      {-0.00001, "+#0.0000", "-0.0000"},
      {-0.00004999, "#0.0000", "-0.0000"},
      {-1e-300, "#0.00", "-0.00"},
      // No NaN or infinity in any output.
      {kNaN, "#0.0000", "0.0000"},
      {kNaN, "+#0.0000", "+0.0000"},
      {-kNaN, "#0.0000", "0.0000"},
      {kInf, "#0.0000", "0.0000"},
      {-kInf, "#0.0000", "0.0000"},
      {-kInf, "+#0.0000", "+0.0000"},
      // The general shape.
      {2.5, "0.00", "2.50"},
      {0.5, "#.00", ".50"},
      {7, "000", "007"},
      {-7.25, "+#0", "-7"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fw::Format(c.value, c.pattern), c.expected)
        << "Format(" << c.value << ", \"" << c.pattern << "\")";
  }
}

// What Format gives for the report's two patterns, worked out from std::to_chars alone.
std::string ToCharsFourDecimals(double value, bool alwaysSign) {
  std::array<char, 400> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                    std::chars_format::fixed, 4);
  const std::string_view digits(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
  std::string text = value < 0 ? "-" : alwaysSign ? "+" : "";
  return text.append(digits);
}

// Values where four-decimal rounding goes wrong if it goes wrong anywhere, and each one's
// neighbours a few units in the last place away.
std::vector<double> FourDecimalEdges() {
  std::vector<double> centres = {
      0.00005,   0.00015, 0.00025, 0.99995,    9.99995, 99.99995, 1e-5,   5e-5,          1e-4,
      0.5,       1.00005, 2.945,   0.24005847, 1,       0x1p49,   1e15,   1e20,          1e-300,
      0x1p-1074, 0x1p-14, 0x1p-15, 0x1p-16,    0x1p-17, 0x1p53,   2.5e-5, 0.000049999999};
  // Exact binary ties at the fifth decimal are the odd multiples of 1/32.
  for (int t = 1; t < 64; t += 2) {
    centres.push_back(t / 32.0);
    centres.push_back(12345 + t / 32.0);
    centres.push_back(0x1p40 + t / 32.0);
  }
  // Every power of ten less half a ten-thousandth, where a carry adds a digit.
  for (double power = 1; power < 1e16; power *= 10) centres.push_back(power - 0.00005);
  std::vector<double> values;
  for (double centre : centres) {
    double below = centre;
    double above = centre;
    values.push_back(centre);
    for (int step = 0; step < 3; ++step) {
      below = std::nextafter(below, 0.0);
      above = std::nextafter(above, std::numeric_limits<double>::infinity());
      values.push_back(below);
      values.push_back(above);
    }
  }
  return values;
}

TEST(FormatTest, FourDecimalsAgreeWithTheStandardLibraryDigitForDigit) {
  std::vector<double> values = FourDecimalEdges();
  // Seeded, so that a failure repeats: random bits from 2^-30 to 2^53, random decimals with a
  // 5 in the fifth place (nearly halfway), and whole numbers plus multiples of 1/32, which
  // include the exact binary ties.
  std::mt19937_64 random(20260103);
  for (int i = 0; i < 67'000; ++i) {
    const std::uint64_t exponent = 1023 - 30 + random() % 84;
    const std::uint64_t mantissa = random() & ((std::uint64_t{1} << 52) - 1);
    values.push_back(std::bit_cast<double>((exponent << 52) | mantissa));
    char literal[32];
    const int length = std::snprintf(literal, sizeof literal, "%u.%04u5",
                                     static_cast<unsigned>(random() % 1'000'000),
                                     static_cast<unsigned>(random() % 10'000));
    double nearlyHalfway = 0;
    std::from_chars(literal, literal + length, nearlyHalfway);
    values.push_back(nearlyHalfway);
    values.push_back(static_cast<double>(random() % (std::uint64_t{1} << 40)) +
                     static_cast<double>(random() % 32) / 32);
  }
  std::array<char, 400> buffer;
  for (const double magnitude : values) {
    for (const double value : {magnitude, -magnitude}) {
      for (const bool alwaysSign : {true, false}) {
        const char* pattern = alwaysSign ? "+#0.0000" : "#0.0000";
        const char* end = fw::FormatTo(buffer.data(), value, pattern);
        ASSERT_EQ(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())),
                  ToCharsFourDecimals(value, alwaysSign))
            << std::hexfloat << value << " with \"" << pattern << "\"";
      }
    }
  }
}

TEST(FormatTest, FormatToWritesWhatFormatGivesWithinItsCapacity) {
  const double kMax = std::numeric_limits<double>::max();
  const std::string longPattern = "+" + std::string(400, '0') + ".00";
  for (const std::string pattern : {"+#0.0000", "#0.0000", "0.00", "#.00", "000", "+#0",
                                    "#0.00000000000000000", longPattern.c_str()}) {
    const std::size_t capacity = fw::FormatCapacity(pattern);
    for (double value : {0.0, -0.0, 2.945, -0.3859, 12.5, 0x1p49, -1e15, 1e300, -kMax,
                         std::numeric_limits<double>::quiet_NaN()}) {
      SCOPED_TRACE("\"" + pattern + "\" on " + std::to_string(value));
      // One byte past the capacity shows a write beyond it.
      std::string buffer(capacity + 1, '#');
      char* end = fw::FormatTo(buffer.data(), value, pattern);
      EXPECT_EQ(buffer.back(), '#');
      ASSERT_LE(end - buffer.data(), static_cast<std::ptrdiff_t>(capacity));
      EXPECT_EQ(std::string(buffer.data(), end), fw::Format(value, pattern));
    }
  }
  EXPECT_THROW(fw::FormatCapacity("#0.00x"), std::invalid_argument);
  char buffer[32];
  EXPECT_THROW(fw::FormatTo(buffer, 1, "0,000.00"), std::invalid_argument);
}

TEST(FormatTest, WritesEveryDigitOfHugeValues) {
  const std::string huge = fw::Format(1e300, "+#0.0000");
  ASSERT_EQ(huge.size(), 1 + 301 + 5u);
  EXPECT_EQ(huge.substr(0, 20), "+1000000000000000052");  // the exact binary value
  EXPECT_EQ(huge.substr(huge.size() - 5), ".0000");

  const std::string largest = fw::Format(-std::numeric_limits<double>::max(), "#0.0000");
  EXPECT_EQ(largest.size(), 1 + 309 + 5u);
  EXPECT_EQ(largest.substr(0, 6), "-17976");
}

TEST(FormatTest, RefusesPatternsItCannotHonour) {
  for (const char* pattern : {"", "+", "abc", "#0.00x", "0,000.00", "#0.000000000000000000"}) {
    EXPECT_THROW(fw::Format(1, pattern), std::invalid_argument) << pattern;
  }
}

TEST(StrTest, WritesDecimalDigits) {
  EXPECT_EQ(fw::Str(0), "0");
  EXPECT_EQ(fw::Str(7), "7");
  EXPECT_EQ(fw::Str(-42), "-42");
  EXPECT_EQ(fw::Str(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
  EXPECT_EQ(fw::Str(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

struct CharacterCase {
  std::string text;
  std::int64_t length;
  std::int32_t first;
};

TEST(CharactersTest, CountCodePointsAndInvalidBytesOneEach) {
  const std::vector<CharacterCase> cases = {
      {"", 0, 0},
      {"abc", 3, 'a'},
      {"\r", 1, 13},
      {"\xe2\x80\x93", 1, 0x2013},       // en dash
      {"\xe2\x89\xa4 0", 3, 0x2264},     // less-than or equal to
      {"\xf0\x9f\x98\x80", 1, 0x1F600},  // four bytes
      {"\xc2\xa9"
       "2024",
       5, 0xA9},
      {"a\0b"s, 3, 'a'},
      {"\xff", 1, 0xFFFD},
      {"\x80"
       "a",
       2, 0xFFFD},  // a stray continuation byte
      {"a\xff"
       "b",
       3, 'a'},
      {"\xe2\x80", 2, 0xFFFD},  // cut short
      {"\xe2\x80"
       "a",
       3, 0xFFFD},                          // cut short by an ASCII byte
      {"\xc0\xaf", 2, 0xFFFD},              // overlong
      {"\xe0\x80\xaf", 3, 0xFFFD},          // overlong
      {"\xed\xa0\x80", 3, 0xFFFD},          // a surrogate
      {"\xf4\x90\x80\x80", 4, 0xFFFD},      // past U+10FFFF
      {"\xf8\x88\x80\x80\x80", 5, 0xFFFD},  // no such lead byte
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fw::Len(c.text), c.length) << "Len of \"" << c.text << "\"";
    EXPECT_EQ(fw::Asc(c.text), c.first) << "Asc of \"" << c.text << "\"";
  }
}

TEST(CharactersTest, ChrAndAscAreInverseOverEveryCodePoint) {
  for (std::int32_t code = 0; code <= 0x10FFFF; ++code) {
    if (code >= 0xD800 && code <= 0xDFFF) continue;
    const std::string text = fw::Chr(code);
    ASSERT_EQ(fw::Asc(text), code) << code;
    ASSERT_EQ(fw::Len(text), 1) << code;
  }
  EXPECT_EQ(fw::Chr(13), "\r");
  EXPECT_EQ(fw::Chr(9), "\t");
  EXPECT_EQ(fw::Chr(0), "\0"s);
  EXPECT_EQ(fw::Chr(0x2013), "\xe2\x80\x93");
}

TEST(CharactersTest, ChrOfNoCharacterIsEmpty) {
  for (std::int32_t code : {-1, 0xD800, 0xDFFF, 0x110000, std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::max()}) {
    EXPECT_EQ(fw::Chr(code), "") << code;
  }
}

struct FieldsCase {
  std::string text;
  std::string separator;
  std::vector<std::string> fields;
};

TEST(FieldsTest, CountNthAndSplitAgree) {
  const std::vector<FieldsCase> cases = {
      {"a\tb\tc", "\t", {"a", "b", "c"}},
      {"2.945\t1.778\t", "\t", {"2.945", "1.778", ""}},
      {"a\t\tb", "\t", {"a", "", "b"}},
      {"\t", "\t", {"", ""}},
      {"\t\t", "\t", {"", "", ""}},
      {"\tx", "\t", {"", "x"}},
      {"abc", "\t", {"abc"}},
      {"", "\t", {""}},
      {"a--b----c", "--", {"a", "b", "", "c"}},
      {"aaa", "aa", {"", "a"}},
      {"1\xe2\x80\x93"
       "2",
       "\xe2\x80\x93",
       {"1", "2"}},
      {"a\tb", "", {"a\tb"}},
      {"", "", {""}},
      {"x\0y"s, "\0"s, {"x", "y"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\", separator \"" + c.separator + "\"");
    const auto count = static_cast<std::int64_t>(c.fields.size());
    EXPECT_EQ(fw::CountFields(c.text, c.separator), count);
    for (std::int64_t i = 1; i <= count; ++i) {
      EXPECT_EQ(fw::NthField(c.text, c.separator, i), c.fields[i - 1]) << "field " << i;
    }
    for (std::int64_t outside : {std::int64_t{0}, std::int64_t{-1}, count + 1, count + 100,
                                 std::numeric_limits<std::int64_t>::min()}) {
      EXPECT_EQ(fw::NthField(c.text, c.separator, outside), "") << "field " << outside;
    }
  }
}

TEST(FieldsTest, CountsAndReachesAMillionFields) {
  std::string text;
  for (int i = 0; i < 1'000'000; ++i) text += std::to_string(i % 10) + "\t";
  EXPECT_EQ(fw::CountFields(text, "\t"), 1'000'001);
  EXPECT_EQ(fw::NthField(text, "\t", 1'000'000), "9");
  EXPECT_EQ(fw::NthField(text, "\t", 1'000'001), "");
}

struct ReplaceCase {
  std::string text, find, with, expected;
};

TEST(ReplaceAllTest, ReplacesEveryOccurrenceOnce) {
  const std::vector<ReplaceCase> cases = {
      {"2.945\r1.778\r", "\r", "\t", "2.945\t1.778\t"},
      {"aaa", "aa", "b", "ba"},
      {"x", "x", "xx", "xx"},
      {"abab", "ab", "", ""},
      {"abc", "", "x", "abc"},
      {"", "a", "b", ""},
      {"no match", "\t", " ", "no match"},
      {"a\0b"s, "\0"s, "-", "a-b"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fw::ReplaceAll(c.text, c.find, c.with), c.expected)
        << "ReplaceAll(\"" << c.text << "\", \"" << c.find << "\", \"" << c.with << "\")";
  }
}

TEST(ReplaceLineEndingsTest, EveryKindOfBreakBecomesOneEnding) {
  // "|" marks where the expected text has one line ending.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a\r\nb", "a|b"},
      {"a\nb", "a|b"},
      {"a\rb", "a|b"},
      {"a\n\rb", "a||b"},    // LF then CR are two breaks
      {"a\r\r\nb", "a||b"},  // CR, then CR LF
      {"a\r\n\nb", "a||b"},  // CR LF, then LF
      {"\r\n\r\n", "||"},
      {"\n\n\r\r\n", "||||"},
      {"1.2\r\n3.4\n5.6\r", "1.2|3.4|5.6|"},
      {"ends\r\n", "ends|"},
      {"\r", "|"},
      {"", ""},
      {"no breaks", "no breaks"},
      {"tab\tstays", "tab\tstays"},
  };
  for (const char* ending : {"\r", "\n", "\r\n"}) {
    for (const auto& [text, marked] : cases) {
      EXPECT_EQ(fw::ReplaceLineEndings(text, ending), fw::ReplaceAll(marked, "|", ending))
          << "text \"" << text << "\", ending \"" << ending << "\"";
    }
  }
}

TEST(EndOfLineTest, IsLineFeedHereAndCarriageReturnOnTheMac) {
  EXPECT_EQ(std::string(fw::EndOfLine), "\n");
  EXPECT_EQ(std::string("row") + fw::EndOfLine, "row\n");
  EXPECT_EQ(std::string(fw::EndOfLine.Macintosh), "\r");
}

TEST(ToInt32Test, TruncatesTowardZeroAndSaturates) {
  const double kInf = std::numeric_limits<double>::infinity();
  const std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  const std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const std::vector<std::pair<double, std::int32_t>> cases = {
      {0.9, 0},
      {-0.9, 0},
      {4.99, 4},
      {-4.99, -4},
      {301, 301},
      {2147483646.7, 2147483646},
      {2147483647.0, kMax},
      {2147483648.0, kMax},
      {1e20, kMax},
      {kInf, kMax},
      {-2147483647.9, -2147483647},
      {-2147483648.0, kMin},
      {-2147483649.0, kMin},
      {-1e20, kMin},
      {-kInf, kMin},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(fw::ToInt32(value), expected) << value;
  }
}

}  // namespace
