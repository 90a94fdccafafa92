// Text and number services: the string and numeric primitives that the program
// is written against. Pure C++; no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// Reads the decimal number at the start of the text in the C locale: optional
// leading spaces and tabs, a sign, digits, a fraction and an exponent ("e" or
// "E", an optional sign, at least one digit; "2e" reads 2). Reading stops at
// the first character that can't continue the number. No number gives 0, and
// so does a literal outside the range of a finite double: never NaN or
// infinity ("nan" and "inf" read 0), never a negative zero.
double Val(std::string_view text);

// Whether the text starts with a positive number beyond the largest double,
// which Val reads as 0: too large, not zero.
bool ValTooLarge(std::string_view text);

// Decimal digits of a whole number, with a leading "-" when negative.
std::string Str(std::int64_t value);

// Formats a number by pattern. Supported: "+#0.0000" (sign always) and
// "#0.0000" (minus only): at least one digit before the point, exactly four
// after it, rounded to the nearest (ties to even on the exact binary value),
// every integer digit written out however large the value. A negative value
// shows its minus even when it rounds to zero ("-0.0000"); zero, negative zero
// included, shows none. Non-finite values format as zero; callers keep them
// out of reports. The general shape
// is [+]{#}{0}[.{0}], with at least one "#" or "0" and at most 17 decimals;
// any other pattern raises std::invalid_argument.
std::string Format(double value, std::string_view pattern);

// Format for a caller that writes millions of numbers, as a report of a long
// list does, where a string of its own for each number would cost more than
// the number: FormatTo writes Format(value, pattern) at `out`, which has room
// for FormatCapacity(pattern) characters, and gives the end of what it wrote.
// Both raise std::invalid_argument for a pattern that Format refuses.
std::size_t FormatCapacity(std::string_view pattern);
char* FormatTo(char* out, double value, std::string_view pattern);

// Number of characters (code points) in UTF-8 text.
std::int64_t Len(std::string_view text);

// Code point of the first character, 0 for the empty text. A byte that starts
// no valid UTF-8 sequence is one character of its own (Len counts it as one);
// Asc gives U+FFFD for it.
std::int32_t Asc(std::string_view text);

// The UTF-8 text of one code point; the empty text for a negative value, a
// surrogate or anything past U+10FFFF.
std::string Chr(std::int32_t codePoint);

// Fields are numbered from 1. Empty fields count, the empty last field after a
// trailing separator too, so the empty text is one empty field. An empty
// separator gives one field, the whole text. Separators match byte for byte,
// left to right, without overlapping. NthField gives "" for n outside
// 1..CountFields.
std::int64_t CountFields(std::string_view text, std::string_view separator);
std::string NthField(std::string_view text, std::string_view separator, std::int64_t n);

// Every occurrence, left to right, without overlapping; an empty `find`
// changes nothing.
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
inline std::string operator+(const std::string& a, EndOfLineType) {
  return a + "\n";
}

// As the C library's: a negative x gives NaN, which callers keep out of reports.
double Sqrt(double x);
double Pow(double base, double exponent);

// Double to signed 32-bit: truncates toward zero, saturates at the limits,
// NaN gives 0.
std::int32_t ToInt32(double value);

}  // namespace fw
