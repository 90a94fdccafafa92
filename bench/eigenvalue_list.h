// A long column of eigenvalues, one a line, as a user would paste it: the benchmarks' input.
#pragma once

#include <cstdint>
#include <string>

inline std::string EigenvalueList(std::int64_t count) {
  static const char* const kValues[] = {"2.945", "1.778", "1.396", "0.717", "0.629",
                                        "0.535", "0.478", "0.289", "0.251", "12.5"};
  std::string text;
  for (std::int64_t i = 0; i < count; ++i) {
    text += kValues[i % 10];
    text += '\n';
  }
  return text;
}
