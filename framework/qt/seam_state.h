// Read side of the test seams, for the framework's own sources: what each seam
// is set to now. Production leaves every one unset.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <cstdint>
#include <functional>
#include <string>

#include "framework/seams.h"

namespace fw::seams::state {

AlertSink* Sink();

enum class PrintDialogMode { Real, Pdf, Cancel };
PrintDialogMode DialogMode();
const std::string& PdfPath();
void CountDialogOpened();

// Empty when the real tick counter applies.
const std::function<std::int32_t()>& TickSource();

// Empty when the bundle's own folder applies.
const std::string& ResourceFolder();

void CountYield();
const std::function<void()>& YieldHook();

}  // namespace fw::seams::state
