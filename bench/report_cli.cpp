// A command-line driver of the report core for scripts/bench: reads the eigenvalues from a file
// and writes the report to standard output, so that the core can be timed as a whole process
// beside a text tool doing the same rows. Bench-only: not part of the program, no Qt.
//
// Usage: report_cli <subject count> <file of eigenvalues>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "calculator/report.h"

namespace {

ReportDate Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char date[64];
  char time[64];
  std::strftime(date, sizeof date, "%x", &local);
  std::strftime(time, sizeof time, "%H:%M", &local);
  return {date, time};
}

// In blocks rather than character by character, so that reading costs what it would in any tool,
// into room made once for the whole file rather than regrown and copied as it fills.
bool ReadWhole(const char* path, std::string& text) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return false;
  std::error_code unknownSize;
  const std::uintmax_t size = std::filesystem::file_size(path, unknownSize);
  if (!unknownSize) text.reserve(static_cast<std::size_t>(size));
  char block[1 << 16];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, got);
  const bool ok = std::ferror(file) == 0;
  std::fclose(file);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: report_cli <subject count> <file of eigenvalues>\n";
    return 2;
  }
  std::string eigenvalues;
  if (!ReadWhole(argv[2], eigenvalues)) {
    std::cerr << "report_cli: cannot read " << argv[2] << "\n";
    return 2;
  }

  ReportSources sources;
  sources.yield = [] {};
  sources.longVersion = [] { return std::string("bench"); };
  sources.label = [] { return std::string(); };
  sources.date = Now;
  const ReportOutcome outcome = CalculateReport(argv[1], eigenvalues, sources);
  if (outcome.refused) {
    std::cerr << outcome.text << "\n";
    return 1;
  }
  // One write: the report is already whole in memory, as it is when the window shows it.
  if (std::fwrite(outcome.text.data(), 1, outcome.text.size(), stdout) != outcome.text.size() ||
      std::fflush(stdout) != 0) {
    std::cerr << "report_cli: cannot write the report\n";
    return 2;
  }
  return 0;
}
