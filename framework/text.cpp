// Text and number services on UTF-8 std::string, independent of the locale.
#include "framework/text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace fw {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the run of decimal digits that starts at `from`.
std::size_t DigitRun(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - from;
}

// One decoded character: its code point (U+FFFD for a byte that starts no
// valid sequence) and how many bytes it took.
struct Decoded {
  std::int32_t codePoint;
  std::size_t length;
};

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF. A
// byte that doesn't start a valid sequence is one character on its own, so
// every byte of any text belongs to exactly one character.
Decoded DecodeAt(std::string_view text, std::size_t at) {
  constexpr Decoded kInvalid{0xFFFD, 1};
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {lead, 1};
  std::size_t length;
  std::int32_t code;
  std::int32_t minimum;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    return kInvalid;
  }
  if (text.size() - at < length) return kInvalid;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(at + i);
    if ((next & 0xC0) != 0x80) return kInvalid;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return kInvalid;
  return {code, length};
}

// What a Format pattern asks for: "+" for a sign on every value, then at least
// `minInteger` digits before the point and exactly `decimals` after it.
struct Pattern {
  bool alwaysSign = false;
  int minInteger = 0;
  int decimals = 0;
};

Pattern ParsePattern(std::string_view pattern) {
  Pattern parsed;
  std::size_t i = 0;
  if (i < pattern.size() && pattern[i] == '+') parsed.alwaysSign = true, ++i;
  while (i < pattern.size() && pattern[i] == '#') ++i;
  while (i < pattern.size() && pattern[i] == '0') ++parsed.minInteger, ++i;
  if (i < pattern.size() && pattern[i] == '.') {
    ++i;
    while (i < pattern.size() && pattern[i] == '0') ++parsed.decimals, ++i;
  }
  const bool hasPlaceholder = pattern.find_first_of("#0") != std::string_view::npos;
  if (i != pattern.size() || !hasPlaceholder || parsed.decimals > 17) {
    throw std::invalid_argument("Unsupported format pattern \"" + std::string(pattern) + "\"");
  }
  return parsed;
}

// The common case of Val in one scan: leading spaces and tabs, a sign, then digits with at most
// one point and no exponent. When those digits, read as one whole number, are at most 2^53 and at
// most 19 of them, the number is that whole number divided by a power of ten up to 10^19: two
// doubles that hold their values exactly, so one correctly rounded division gives the double
// nearest the literal, the one from_chars gives, at a fraction of its cost. False, with `value`
// untouched, for anything else.
bool ReadPlainDecimal(std::string_view text, double& value) {
  static constexpr std::array<double, 20> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                                          1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                                          1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
  constexpr std::uint64_t kLargestExact = std::uint64_t{1} << 53;
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::uint64_t whole = 0;
  std::size_t digits = 0;
  std::size_t decimals = 0;
  bool afterPoint = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      if (++digits > 19) return false;  // 19 digits can't overflow 64 bits
      whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
      decimals += afterPoint;
    } else if (c == '.' && !afterPoint) {
      afterPoint = true;
    } else {
      break;
    }
  }
  if (digits == 0 || whole > kLargestExact) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) return false;
  value = static_cast<double>(whole) / kPowersOfTen[decimals];
  if (negative && whole != 0) value = -value;  // no negative zero
  return true;
}

bool IsPattern(std::string_view pattern, std::string_view expected) {
  return pattern.size() == expected.size() &&
         std::memcmp(pattern.data(), expected.data(), expected.size()) == 0;
}

// Below this a value's mantissa times 625 fits 64 bits with no bits above the units place, and
// its count of ten-thousandths fits 64 bits; beyond it Format takes the general way.
constexpr double kFourDecimalsLimit = 0x1p49;  // about 5.6e14

// The finite `magnitude` (0 <= magnitude < kFourDecimalsLimit) times 10^4, rounded to the nearest
// whole number with ties to even, worked out on the exact binary value, so that the digits are
// the ones std::to_chars writes with four fixed decimals.
std::uint64_t TenThousandths(double magnitude) {
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const auto biasedExponent = static_cast<int>(bits >> 52);
  // Zero and subnormal values lie far below half a ten-thousandth.
  if (biasedExponent == 0) return 0;
  constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << 52;
  const std::uint64_t mantissa = (bits & (kHiddenBit - 1)) | kHiddenBit;
  // magnitude * 10^4 = mantissa * 625 * 2^4 / 2^(1075 - biasedExponent) = scaled / 2^shift, with
  // scaled < 2^63 and, below the limit, shift >= 0.
  const std::uint64_t scaled = mantissa * 625;
  const int shift = 1071 - biasedExponent;
  if (shift == 0) return scaled;
  // From here on half a unit, 2^(shift - 1), is more than scaled.
  if (shift >= 64) return 0;
  std::uint64_t units = scaled >> shift;
  const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
  const std::uint64_t half = std::uint64_t{1} << (shift - 1);
  // Without branches: in a list of values, rounding up or down is a coin toss for the predictor.
  units += static_cast<std::uint64_t>((rest > half) | ((rest == half) & ((units & 1) != 0)));
  return units;
}

// "00" to "99", so that the four decimals take two look-ups.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

// "+#0.0000" or "#0.0000" for a finite value below kFourDecimalsLimit, written at `out`, which
// has room for 22 characters; gives the end.
char* WriteFourDecimals(char* out, double value, bool alwaysSign) {
  const std::uint64_t units = TenThousandths(std::fabs(value));
  if (value < 0.0) {
    *out++ = '-';
  } else if (alwaysSign) {
    *out++ = '+';
  }
  const std::uint64_t whole = units / 10000;
  if (whole < 100) {
    // One digit or two, without a branch: both bytes of the pair are written, and with one
    // digit the point below overwrites the second.
    const std::size_t digits = 1 + static_cast<std::size_t>(whole >= 10);
    std::memcpy(out, &kDigitPairs[2 * whole + 2 - digits], 2);
    out += digits;
  } else {
    out = std::to_chars(out, out + 20, whole).ptr;
  }
  const auto decimals = static_cast<std::size_t>(units % 10000);
  *out++ = '.';
  std::memcpy(out, &kDigitPairs[2 * (decimals / 100)], 2);
  std::memcpy(out + 2, &kDigitPairs[2 * (decimals % 100)], 2);
  return out + 4;
}

// The decimal literal at the start of a text, as Val takes it, read by from_chars.
struct Literal {
  bool found = false;  // false: the text starts with no number
  bool negative = false;
  std::errc error{};
  double value = 0.0;
  // Out of range, whether the literal lies beyond the largest double rather than below the
  // smallest: the power of ten of its first significant digit is then positive.
  bool tooLarge = false;
};

Literal ReadLiteral(std::string_view text) {
  Literal literal;
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const std::size_t signAt = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) literal.negative = text[i++] == '-';
  const std::size_t integerAt = i;
  const std::size_t integerDigits = DigitRun(text, i);
  i += integerDigits;
  std::size_t fractionDigits = 0;
  if (i < text.size() && text[i] == '.') {
    fractionDigits = DigitRun(text, i + 1);
    // A lone point after digits ("5.") still belongs to the number.
    if (integerDigits > 0 || fractionDigits > 0) i += 1 + fractionDigits;
  }
  if (integerDigits == 0 && fractionDigits == 0) return literal;
  literal.found = true;
  std::int64_t exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    const bool negativeExponent = j < text.size() && text[j] == '-';
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponentDigits = DigitRun(text, j);
    if (exponentDigits > 0) {
      // Saturated: far beyond the double range it makes no difference.
      for (std::size_t k = j; k < j + exponentDigits; ++k)
        exponent = std::min<std::int64_t>(exponent * 10 + (text[k] - '0'), 1'000'000'000);
      if (negativeExponent) exponent = -exponent;
      i = j + exponentDigits;
    }
  }

  // from_chars takes no "+", so the literal is read from after it; the span
  // holds nothing but the validated literal, so no locale or text after it
  // can change the reading.
  std::size_t begin = signAt;
  if (text[begin] == '+') ++begin;
  const char* first = text.data() + begin;
  const char* last = text.data() + i;
  const auto [end, error] = std::from_chars(first, last, literal.value, std::chars_format::general);
  literal.error = end == last ? error : std::errc::invalid_argument;
  if (literal.error == std::errc::result_out_of_range) {
    // The power of ten of the first significant digit: digits - 1 for a nonzero whole part;
    // otherwise below 1 by one more than the zeros that open the fraction, however many.
    const std::string_view integer = text.substr(integerAt, integerDigits);
    const std::string_view fraction =
        fractionDigits == 0 ? std::string_view()
                            : text.substr(integerAt + integerDigits + 1, fractionDigits);
    const std::size_t wholeAt = integer.find_first_not_of('0');
    const std::size_t fractionAt = fraction.find_first_not_of('0');
    std::int64_t leading = 0;
    if (wholeAt != std::string_view::npos)
      leading = static_cast<std::int64_t>(integer.size() - wholeAt) - 1;
    else if (fractionAt != std::string_view::npos)
      leading = -static_cast<std::int64_t>(fractionAt) - 1;
    literal.tooLarge = leading + exponent > 0;
  }
  return literal;
}

}  // namespace

double Val(std::string_view text) {
  double plain;
  if (ReadPlainDecimal(text, plain)) return plain;
  const Literal literal = ReadLiteral(text);
  if (!literal.found || literal.error != std::errc() || !std::isfinite(literal.value)) return 0.0;
  return literal.value == 0.0 ? 0.0 : literal.value;  // no negative zero
}

bool ValTooLarge(std::string_view text) {
  double plain;
  if (ReadPlainDecimal(text, plain)) return false;
  const Literal literal = ReadLiteral(text);
  return literal.found && !literal.negative && literal.tooLarge;
}

std::string Str(std::int64_t value) {
  std::array<char, 24> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

std::string Format(double value, std::string_view pattern) {
  std::string out(FormatCapacity(pattern), '\0');
  out.resize(static_cast<std::size_t>(FormatTo(out.data(), value, pattern) - out.data()));
  return out;
}

std::size_t FormatCapacity(std::string_view pattern) {
  const Pattern parsed = ParsePattern(pattern);
  // A sign, the 309 integer digits of the largest double or more zeros, a point, the decimals.
  constexpr std::size_t kLargestIntegerDigits = 309;
  const auto integerDigits =
      std::max(kLargestIntegerDigits, static_cast<std::size_t>(parsed.minInteger));
  return 1 + integerDigits + 1 + static_cast<std::size_t>(parsed.decimals);
}

char* FormatTo(char* out, double value, std::string_view pattern) {
  // The report's two patterns on the values it shows; NaN and infinity fail the comparison.
  const bool alwaysSign = IsPattern(pattern, "+#0.0000");
  if ((alwaysSign || IsPattern(pattern, "#0.0000")) && std::fabs(value) < kFourDecimalsLimit) {
    return WriteFourDecimals(out, value, alwaysSign);
  }

  const Pattern parsed = ParsePattern(pattern);
  if (!std::isfinite(value)) value = 0.0;

  // 309 integer digits of the largest double, a point and the decimals.
  std::array<char, 400> buffer;
  const double magnitude = std::fabs(value);
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed, parsed.decimals);
  std::string_view digits(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

  // A negative value keeps its sign even when its digits round to zero: "-0.0000" says which
  // side of zero it lies on. Zero itself, negative zero included, shows none.
  if (value < 0.0) {
    *out++ = '-';
  } else if (parsed.alwaysSign) {
    *out++ = '+';
  }

  const std::size_t point = digits.find('.');
  const std::size_t integerDigits = point == std::string_view::npos ? digits.size() : point;
  if (integerDigits == 1 && digits[0] == '0' && parsed.minInteger == 0) {
    digits.remove_prefix(1);
  } else if (static_cast<int>(integerDigits) < parsed.minInteger) {
    const auto zeros = static_cast<std::size_t>(parsed.minInteger) - integerDigits;
    out = std::fill_n(out, zeros, '0');
  }
  return std::copy(digits.begin(), digits.end(), out);
}

std::int64_t Len(std::string_view text) {
  std::int64_t count = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
    } else {
      i += DecodeAt(text, i).length;
    }
    ++count;
  }
  return count;
}

std::int32_t Asc(std::string_view text) {
  if (text.empty()) return 0;
  return DecodeAt(text, 0).codePoint;
}

std::string Chr(std::int32_t codePoint) {
  const auto c = static_cast<std::uint32_t>(codePoint);
  std::string out;
  if (codePoint < 0 || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::int64_t CountFields(std::string_view text, std::string_view separator) {
  if (separator.empty()) return 1;
  std::int64_t count = 1;
  for (std::size_t at = text.find(separator); at != std::string_view::npos;
       at = text.find(separator, at + separator.size())) {
    ++count;
  }
  return count;
}

std::string NthField(std::string_view text, std::string_view separator, std::int64_t n) {
  if (n < 1) return {};
  if (separator.empty()) return n == 1 ? std::string(text) : std::string();
  std::size_t begin = 0;
  for (std::int64_t field = 1; field < n; ++field) {
    const std::size_t at = text.find(separator, begin);
    if (at == std::string_view::npos) return {};
    begin = at + separator.size();
  }
  const std::size_t end = text.find(separator, begin);
  return std::string(text.substr(begin, end == std::string_view::npos ? end : end - begin));
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t begin = 0;
  for (std::size_t at = text.find(find); at != std::string_view::npos;
       at = text.find(find, begin)) {
    out.append(text.substr(begin, at - begin));
    out.append(with);
    begin = at + find.size();
  }
  out.append(text.substr(begin));
  return out;
}

std::string ReplaceLineEndings(std::string_view text, std::string_view ending) {
  std::string out;
  out.reserve(text.size());
  std::size_t begin = 0;
  for (std::size_t at = text.find_first_of("\r\n"); at != std::string_view::npos;
       at = text.find_first_of("\r\n", begin)) {
    out.append(text.substr(begin, at - begin));
    out.append(ending);
    begin = at + 1;
    if (text[at] == '\r' && begin < text.size() && text[begin] == '\n') ++begin;
  }
  out.append(text.substr(begin));
  return out;
}

double Sqrt(double x) {
  return std::sqrt(x);
}

double Pow(double base, double exponent) {
  return std::pow(base, exponent);
}

std::int32_t ToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

}  // namespace fw
