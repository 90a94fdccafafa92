// What must hold for any input whatever, shared by the fuzz targets and the seeded robustness
// test: the report core either refuses with one of its messages, naming a position that
// the input itself justifies, or writes a whole report with one row per line-ended value and no
// "inf" or "nan"; the settings decoder either applies exactly the list it was given or stops at
// a malformed entry, having applied only what came before it. Each check returns what is wrong,
// or the empty text. Pure C++: no Qt and no test framework.
#pragma once

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <variant>
#include <vector>

#include "calculator/report.h"
#include "framework/settings.h"
#include "framework/text.h"

namespace robustness {

// The fields that a line break or a tab ends, in order; whatever follows the last one is not a
// value. CR LF counts as one break.
inline std::vector<std::string_view> LineEndedFields(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n' && c != '\t') continue;
    fields.push_back(text.substr(begin, i - begin));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  return fields;
}

inline bool HasInfOrNan(std::string_view text) {
  const auto lower = [&](std::size_t i) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
  };
  for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
    const char a = lower(i), b = lower(i + 1), c = lower(i + 2);
    if ((a == 'i' && b == 'n' && c == 'f') || (a == 'n' && b == 'a' && c == 'n')) return true;
  }
  return false;
}

// Reads a number as a row shows it: an optional sign, digits, a point and exactly four decimals.
// Advances `at` past it; false when the text there has another shape.
inline bool ReadShownNumber(std::string_view row, std::size_t& at, bool signRequired,
                            double& value) {
  const std::size_t begin = at;
  if (at < row.size() && (row[at] == '+' || row[at] == '-')) {
    ++at;
  } else if (signRequired) {
    return false;
  }
  const std::size_t digitsAt = at;
  while (at < row.size() && std::isdigit(static_cast<unsigned char>(row[at]))) ++at;
  if (at == digitsAt || at >= row.size() || row[at] != '.') return false;
  ++at;
  for (int i = 0; i < 4; ++i, ++at) {
    if (at >= row.size() || !std::isdigit(static_cast<unsigned char>(row[at]))) return false;
  }
  // from_chars takes no "+".
  const char* first = row.data() + begin + (row[begin] == '+' ? 1 : 0);
  const auto [end, error] = std::from_chars(first, row.data() + at, value);
  return error == std::errc() && end == row.data() + at && std::isfinite(value);
}

inline bool Skip(std::string_view row, std::size_t& at, std::string_view expected) {
  if (row.substr(at, expected.size()) != expected) return false;
  at += expected.size();
  return true;
}

// A row: "+eigenvalue", six spaces, "+SE", six spaces, "lower – upper", the numbers as shown
// with four decimals, the eigenvalue the one that was typed, the SE never negative, the bounds
// around the eigenvalue.
inline std::string CheckRow(std::string_view row, std::string_view field, std::int64_t position) {
  const std::string where = "row " + std::to_string(position) + " \"" + std::string(row) + "\"";
  std::size_t at = 0;
  double eigenvalue = 0, se = 0, lower = 0, upper = 0;
  if (!ReadShownNumber(row, at, true, eigenvalue) || !Skip(row, at, "      ") ||
      !ReadShownNumber(row, at, true, se) || !Skip(row, at, "      ") ||
      !ReadShownNumber(row, at, false, lower) || !Skip(row, at, " \u2013 ") ||
      !ReadShownNumber(row, at, false, upper) || at != row.size()) {
    return where + " is not shaped as a row";
  }
  if (row[0] != '+' || se < 0) return where + " shows a negative eigenvalue or SE";
  const double typed = fw::Val(field);
  // Four decimals shown, and beyond about 1e12 the double itself has fewer than that.
  const double tolerance = 0.00005 + std::abs(typed) * 1e-15;
  if (std::abs(eigenvalue - typed) > tolerance) {
    return where + " does not show the value typed, " + std::string(field);
  }
  if (lower > eigenvalue + tolerance || upper < eigenvalue - tolerance) {
    return where + " has bounds that do not enclose its eigenvalue";
  }
  return {};
}

inline std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t begin = 0;
  for (std::size_t end = text.find('\n'); end != std::string_view::npos;
       end = text.find('\n', begin)) {
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  return lines;
}

// `yields` is how often the core yielded during the call.
inline std::string CheckReport(std::string_view subjects, std::string_view eigenvalues,
                               const ReportOutcome& outcome, std::int64_t yields) {
  const std::vector<std::string_view> fields = LineEndedFields(eigenvalues);
  const bool fewSubjects = fw::ToInt32(fw::Val(subjects)) < 4;
  const std::string& text = outcome.text;

  if (outcome.refused) {
    if (text == "Subjects must > 3") {
      return fewSubjects ? std::string() : "a subject count of at least 4 was refused";
    }
    if (fewSubjects) return "a subject count below 4 was not the refusal: " + text;
    if (text == "No Eigenvalues") {
      return eigenvalues.empty() ? std::string() : "text that is not empty gave No Eigenvalues";
    }
    if (eigenvalues.empty()) return "empty eigenvalues were not refused as such: " + text;

    constexpr std::string_view kStart = "Please check the accuracy of Eigenvalue # ";
    constexpr std::string_view kEmpty = ". Remove nonprinting characters.";
    constexpr std::string_view kTooSmall = ". It cannot be \u2264 0.";
    constexpr std::string_view kTooLarge = ". It is too large.";
    std::string_view rest = text;
    if (rest.substr(0, kStart.size()) != kStart) return "an unknown refusal: " + text;
    rest.remove_prefix(kStart.size());
    std::size_t digits = 0;
    while (digits < rest.size() && std::isdigit(static_cast<unsigned char>(rest[digits]))) {
      ++digits;
    }
    const std::string_view advice = rest.substr(digits);
    if (digits == 0 || rest[0] == '0' ||
        (advice != kEmpty && advice != kTooSmall && advice != kTooLarge)) {
      return "an unknown refusal: " + text;
    }
    const std::int64_t position =
        std::strtoll(std::string(rest.substr(0, digits)).c_str(), nullptr, 10);
    if (position > static_cast<std::int64_t>(fields.size())) {
      return "a refusal names a position past the last line-ended value: " + text;
    }
    for (std::int64_t i = 1; i < position; ++i) {
      if (fields[static_cast<std::size_t>(i - 1)].empty()) {
        return "an empty field " + std::to_string(i) + " went unnoticed before " + text;
      }
    }
    const bool empty = fields[static_cast<std::size_t>(position - 1)].empty();
    if (empty != (advice == kEmpty)) return "the refusal does not fit its field: " + text;
    if (yields != position - 1) {
      return "yielded " + std::to_string(yields) + " times before refusing: " + text;
    }
    return {};
  }

  if (fewSubjects) return "a subject count below 4 gave a report";
  if (eigenvalues.empty()) return "empty eigenvalues gave a report";
  if (text.empty() || text.back() != '\n') return "the report does not end with a line end";
  if (HasInfOrNan(text)) return "the report shows inf or nan";

  const std::string rule(49, '=');
  const std::vector<std::string_view> lines = Lines(text);
  std::vector<std::size_t> rules;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == rule) rules.push_back(i);
  }
  if (rules.size() != 3 || rules[1] != rules[0] + 2 || rules[2] + 2 != lines.size()) {
    return "the report's rules are not where its layout puts them";
  }
  const std::size_t rows = rules[2] - rules[1] - 1;
  if (rows != fields.size()) {
    return "the report has " + std::to_string(rows) + " rows for " + std::to_string(fields.size()) +
           " line-ended values";
  }
  for (std::size_t i = 0; i < rows; ++i) {
    std::string problem =
        CheckRow(lines[rules[1] + 1 + i], fields[i], static_cast<std::int64_t>(i + 1));
    if (!problem.empty()) return problem;
  }
  if (yields != 3 * static_cast<std::int64_t>(rows)) {
    return "yielded " + std::to_string(yields) + " times for " + std::to_string(rows) + " rows";
  }
  return {};
}

// Keeps every entry handed to it, in order.
class RecordingTarget : public fw::PropertyTarget {
 public:
  std::vector<std::pair<std::string, fw::SettingValue>> applied;
  void SetProperty(const std::string& name, const fw::SettingValue& value) override {
    applied.emplace_back(name, value);
  }
};

// The entries applied, written back as a list, must be the whole list when it was read without
// an error, and a shorter start of it when it was refused.
inline std::string CheckSettings(std::string_view list, const RecordingTarget& target,
                                 bool refused) {
  fw::SettingsList rebuilt;
  try {
    for (const auto& [name, value] : target.applied) {
      if (const auto* i = std::get_if<std::int32_t>(&value)) {
        rebuilt.Int(name, *i);
      } else if (const auto* b = std::get_if<bool>(&value)) {
        rebuilt.Bool(name, *b);
      } else if (const auto* c = std::get_if<fw::Color>(&value)) {
        rebuilt.Colour(name, *c);
      } else {
        rebuilt.Text(name, std::get<std::string>(value));
      }
    }
  } catch (const fw::SettingsError& error) {
    return std::string("an applied entry is not a setting of its type: ") + error.what();
  }
  const std::string_view bytes = rebuilt.Bytes();
  if (!refused) {
    return bytes == list ? std::string() : "the entries applied are not the list read";
  }
  if (bytes.size() >= list.size() || list.substr(0, bytes.size()) != bytes) {
    return "a refused list applied entries that are not a shorter start of it";
  }
  return {};
}

}  // namespace robustness
