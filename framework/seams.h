// Seams for tests: the alert sink, the print-dialog provider, the tick source,
// the clock behind Date, the resource folder, and a counter of yields.
// Production uses the real ones; passing nothing restores them.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fw::seams {

// Message boxes and beeps go to the sink instead of the screen.
struct AlertSink {
  std::vector<std::string> messages;
  int beeps = 0;
  std::vector<std::string> log;  // "beep" and "msgbox: <text>" in order
};
void SetAlertSink(AlertSink* sink);

// The print dialog: "print to this PDF file" or "cancel". An empty path
// cancels. Unset: the real dialog.
void SetPrintDialogToPdf(const std::string& pdfPath);
void SetPrintDialogCancels();
void ResetPrintDialog();
int PrintDialogsOpened();

void SetTickSource(std::function<std::int32_t()> ticks);
void SetClock(std::function<std::chrono::system_clock::time_point()> now);
// The folder GetApplicationBundleResources answers with ("" restores it).
void SetResourceFolder(const std::string& path);

// Every BackgroundYield call counts, whether or not it ran events.
std::int64_t YieldCount();
void ResetYieldCount();
// Called at every BackgroundYield, before it may run events.
void SetYieldHook(std::function<void()> hook);

}  // namespace fw::seams
