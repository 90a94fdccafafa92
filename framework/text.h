// Text and number services: the string and numeric primitives that the program
// is written against. Pure C++; no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// Reads the decimal number at the start of the text in the C locale: optional
// leading spaces, a sign, digits, a fraction and an exponent. Reading stops at
// the first character that can't continue the number. No number gives 0, and
// so does a literal outside the range of a finite double: never NaN or infinity.
double Val(std::string_view text);

// Decimal digits of a whole number, with a leading "-" when negative.
std::string Str(std::int64_t value);

// Formats a number by pattern. Supported: "+#0.0000" (sign always) and
// "#0.0000" (minus only): at least one digit before the point, exactly four
// after it, rounded to the nearest. Non-finite values format as "0.0000"
// with their sign rules applied to zero; callers keep them out of reports.
std::string Format(double value, std::string_view pattern);

// Number of characters (code points) in UTF-8 text.
std::int64_t Len(std::string_view text);

// Code point of the first character, 0 for the empty text.
std::int32_t Asc(std::string_view text);

// The UTF-8 text of one code point.
std::string Chr(std::int32_t codePoint);

// Fields are numbered from 1. Empty fields count, the empty last field after a
// trailing separator too. An empty separator gives one field.
std::int64_t CountFields(std::string_view text, std::string_view separator);
std::string NthField(std::string_view text, std::string_view separator, std::int64_t n);

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with);

// CR LF, LF and CR each become `ending`.
std::string ReplaceLineEndings(std::string_view text, std::string_view ending);

// The platform's line ending (LF here); EndOfLine::Macintosh is CR.
struct EndOfLineType {
  static constexpr const char* Macintosh = "\r";
  static constexpr const char* Unix = "\n";
  static constexpr const char* Windows = "\r\n";
  operator std::string() const { return "\n"; }
};
inline constexpr EndOfLineType EndOfLine{};
inline std::string operator+(const std::string& a, EndOfLineType) { return a + "\n"; }

double Sqrt(double x);
double Pow(double base, double exponent);

// Double to signed 32-bit: truncates toward zero, saturates at the limits,
// NaN gives 0.
std::int32_t ToInt32(double value);

}  // namespace fw
