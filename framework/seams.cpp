// The test seams' storage. Kept in leaked statics so that nothing here is
// destroyed while the process winds down.
#include "framework/seams.h"

#include "framework/qt/seam_state.h"

namespace fw::seams {
namespace {

struct Seams {
  AlertSink* sink = nullptr;
  state::PrintDialogMode dialogMode = state::PrintDialogMode::Real;
  std::string pdfPath;
  int dialogsOpened = 0;
  std::function<std::int32_t()> ticks;
  std::string resourceFolder;
  std::int64_t yields = 0;
  std::function<void()> yieldHook;
};

Seams& S() {
  static auto* seams = new Seams;
  return *seams;
}

}  // namespace

void SetAlertSink(AlertSink* sink) {
  S().sink = sink;
}

void SetPrintDialogToPdf(const std::string& pdfPath) {
  if (pdfPath.empty()) {
    SetPrintDialogCancels();
    return;
  }
  S().dialogMode = state::PrintDialogMode::Pdf;
  S().pdfPath = pdfPath;
}

void SetPrintDialogCancels() {
  S().dialogMode = state::PrintDialogMode::Cancel;
  S().pdfPath.clear();
}

void ResetPrintDialog() {
  S().dialogMode = state::PrintDialogMode::Real;
  S().pdfPath.clear();
  S().dialogsOpened = 0;
}

int PrintDialogsOpened() {
  return S().dialogsOpened;
}

void SetTickSource(std::function<std::int32_t()> ticks) {
  S().ticks = std::move(ticks);
}

void SetResourceFolder(const std::string& path) {
  S().resourceFolder = path;
}

std::int64_t YieldCount() {
  return S().yields;
}
void ResetYieldCount() {
  S().yields = 0;
}
void SetYieldHook(std::function<void()> hook) {
  S().yieldHook = std::move(hook);
}

namespace state {

AlertSink* Sink() {
  return S().sink;
}
PrintDialogMode DialogMode() {
  return S().dialogMode;
}
const std::string& PdfPath() {
  return S().pdfPath;
}
void CountDialogOpened() {
  ++S().dialogsOpened;
}
const std::function<std::int32_t()>& TickSource() {
  return S().ticks;
}
const std::string& ResourceFolder() {
  return S().resourceFolder;
}
void CountYield() {
  ++S().yields;
}
const std::function<void()>& YieldHook() {
  return S().yieldHook;
}

}  // namespace state
}  // namespace fw::seams
