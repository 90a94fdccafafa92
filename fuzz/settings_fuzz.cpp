// libFuzzer target for the designed-settings decoder: arbitrary bytes as a settings list. The
// decoder must either apply exactly the list or refuse it with a SettingsError after applying a
// shorter start of it; AddressSanitizer catches any read past the list's end.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "framework/settings.h"
#include "fuzz/invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view list(reinterpret_cast<const char*>(data), size);
  robustness::RecordingTarget target;
  bool refused = false;
  try {
    fw::SetProperties(target, list);
  } catch (const fw::SettingsError&) {
    refused = true;
  }
  const std::string problem = robustness::CheckSettings(list, target, refused);
  if (!problem.empty()) {
    std::fprintf(stderr, "settings decoder: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
