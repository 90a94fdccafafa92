// libFuzzer target for the report core: the first byte gives the length of the subject text
// (0 to 31 bytes), the rest is the eigenvalue text. Any broken rule of fuzz/invariants.h aborts.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "calculator/report.h"
#include "fuzz/invariants.h"

namespace {

// Each text in a heap block of exactly its size, so that AddressSanitizer sees a read past its
// end and not the next text.
std::unique_ptr<char[]> Copy(const std::uint8_t* data, std::size_t size) {
  auto block = std::make_unique<char[]>(size);
  if (size > 0) std::memcpy(block.get(), data, size);
  return block;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t subjectsSize = std::min<std::size_t>(data[0] % 32, size - 1);
  const std::size_t eigenvaluesSize = size - 1 - subjectsSize;
  const auto subjectsBlock = Copy(data + 1, subjectsSize);
  const auto eigenvaluesBlock = Copy(data + 1 + subjectsSize, eigenvaluesSize);
  const std::string_view subjects(subjectsBlock.get(), subjectsSize);
  const std::string_view eigenvalues(eigenvaluesBlock.get(), eigenvaluesSize);

  std::int64_t yields = 0;
  ReportSources sources;
  sources.yield = [&] { ++yields; };
  sources.longVersion = [] { return std::string("1.0.0"); };
  sources.label = [] { return std::string("Robustness"); };
  sources.date = [] { return ReportDate{"1/2/26", "3:04 PM"}; };
  const ReportOutcome outcome = CalculateReport(subjects, eigenvalues, sources);
  const std::string problem = robustness::CheckReport(subjects, eigenvalues, outcome, yields);
  if (!problem.empty()) {
    std::fprintf(stderr, "report core: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
