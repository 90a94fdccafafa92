// The program's class records: every class is published as public, and a
// record is built only when the registry lacks it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/object.h"

namespace shell {

// The registry may have been emptied since the last call (tests do that), so
// the record is looked up each time rather than cached.
inline const fw::ClassRecord& EnsureClass(const char* fullName, const char* base,
                                          std::vector<fw::Operation> operations,
                                          std::vector<fw::EventBinding> events = {}) {
  if (const fw::ClassRecord* existing = fw::FindClass(fullName)) return *existing;
  return fw::RegisterClass(fw::ClassRecord{
      fullName, base, std::move(operations), std::move(events), {{"__Scope", "Public"}}});
}

}  // namespace shell
