// Printing: the print dialog (or its seam), the page surface and the text
// printer.
#include "framework/printing.h"

#include <QApplication>
#include <QPrintDialog>

#include "framework/alerts.h"
#include "framework/application.h"
#include "framework/controls.h"
#include "framework/qt/graphics_impl.h"
#include "framework/qt/runtime_state.h"
#include "framework/qt/seam_state.h"
#include "framework/qt/text_area_impl.h"
#include "framework/qt/text_printer_impl.h"
#include "framework/qt/window_impl.h"
#include "framework/window.h"

namespace fw {
namespace {

constexpr int kPrintWidth = 540;
constexpr int kPrintBlockHeight = 720;

}  // namespace

GraphicsImpl::GraphicsImpl(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
  painter_.begin(printer_.get());
}

GraphicsImpl::~GraphicsImpl() {
  Finish();
}

double GraphicsImpl::UnitsPerPoint() const {
  return printer_->resolution() / 72.0;
}

void GraphicsImpl::NextPage() {
  if (painter_.isActive()) printer_->newPage();
}

void GraphicsImpl::Finish() {
  if (painter_.isActive()) painter_.end();
}

Graphics::Graphics(std::unique_ptr<GraphicsImpl> impl) : impl_(std::move(impl)) {
  if (!impl_) throw NilObjectException("A page surface needs a printer.");
}

Graphics::~Graphics() = default;

void Graphics::NextPage() {
  impl_->NextPage();
}

Ref<Graphics> OpenPrinterDialog(std::nullptr_t, std::nullptr_t) {
  seams::state::CountDialogOpened();
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  switch (seams::state::DialogMode()) {
    case seams::state::PrintDialogMode::Cancel:
      return nullptr;
    case seams::state::PrintDialogMode::Pdf:
      printer->setOutputFormat(QPrinter::PdfFormat);
      printer->setOutputFileName(QString::fromStdString(seams::state::PdfPath()));
      break;
    case seams::state::PrintDialogMode::Real: {
      QWidget* parent = nullptr;
      if (auto active = ActiveWindow()) parent = ImplOf(*active).qt;
      QPrintDialog dialog(printer.get(), parent);
      dialog.setWindowTitle(QStringLiteral("Print"));
      const int result = dialog.exec();
      runtime::RaiseKept();
      if (result != QDialog::Accepted) return nullptr;
      break;
    }
  }
  auto impl = std::make_unique<GraphicsImpl>(std::move(printer));
  if (!impl->Active()) {
    MsgBox("The printer could not be started, so nothing was printed.");
    return nullptr;
  }
  return std::make_shared<Graphics>(std::move(impl));
}

StyledTextPrinter::StyledTextPrinter(std::unique_ptr<StyledTextPrinterImpl> impl)
    : impl_(std::move(impl)) {}

StyledTextPrinter::~StyledTextPrinter() = default;

void StyledTextPrinter::DrawBlock(int x, int y, int height) {
  impl_->DrawBlock(x, y, height);
}

bool StyledTextPrinter::EndOfFile() const {
  return impl_->AtEnd();
}

Ref<StyledTextPrinter> TextArea::StyledTextPrinterFor(Graphics& surface, int width) {
  auto& impl = static_cast<TextAreaImpl&>(ImplOf(*this));
  auto kept = std::static_pointer_cast<Graphics>(surface.weak_from_this().lock());
  if (!kept) throw NilObjectException("The page surface is gone.");
  PrintedText printed;
  printed.text = impl.PrintedText(printed.runs);
  if (impl.Edit()) {
    printed.font = impl.Edit()->document()->defaultFont();
    printed.option = impl.Edit()->document()->defaultTextOption();
  }
  printed.color = impl.textColor;
  return std::make_shared<StyledTextPrinter>(
      std::make_unique<StyledTextPrinterImpl>(std::move(printed), kept, width));
}

void PrintTextArea(TextArea& area) {
  const Ref<Graphics> page = OpenPrinterDialog(nullptr, nullptr);
  if (!page) return;
  const Ref<StyledTextPrinter> printer = NotNil(area.StyledTextPrinterFor(*page, kPrintWidth));
  while (!printer->EndOfFile()) {
    printer->DrawBlock(0, 0, kPrintBlockHeight);
    // No page break after the last block, so no blank page ends the print-out.
    if (!printer->EndOfFile()) page->NextPage();
    BackgroundYield();
  }
}

}  // namespace fw
