// The styled text printer.
#include "framework/qt/text_printer_impl.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

#include "framework/qt/graphics_impl.h"

namespace fw {

StyledTextPrinterImpl::StyledTextPrinterImpl(const QTextDocument& source, QColor textColor,
                                             Ref<Graphics> surface, int widthPoints)
    : document_(source.clone()), textColor_(textColor), surface_(std::move(surface)) {
  GraphicsImpl& graphics = surface_->Impl();
  width_ = std::max(1, widthPoints) * graphics.UnitsPerPoint();
  if (source.isEmpty()) return;
  // Laid out for the printer, so that point sizes come out right on paper; a
  // size in layout units is a size in points there.
  QFont font = document_->defaultFont();
  if (font.pixelSize() > 0) {
    font.setPointSizeF(font.pixelSize());
    document_->setDefaultFont(font);
  }
  document_->documentLayout()->setPaintDevice(&graphics.Printer());
  document_->setDocumentMargin(0);
  document_->setTextWidth(width_);
  for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
    document_->documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    if (!layout) continue;
    const double origin = layout->position().y();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      lines_.push_back({origin + line.y(), origin + line.y() + line.height()});
    }
  }
}

void StyledTextPrinterImpl::DrawBlock(int x, int y, int height) {
  if (AtEnd()) return;
  GraphicsImpl& graphics = surface_->Impl();
  const double scale = graphics.UnitsPerPoint();
  const double room = std::max(0, height) * scale;
  const double top = lines_[next_].top;
  std::size_t end = next_ + 1;  // a line taller than the block still goes, alone
  // A hair of slack: line heights are fractions of device units.
  while (end < lines_.size() && lines_[end].bottom - top <= room + 0.01) ++end;
  const double bottom = lines_[end - 1].bottom;
  QPainter& painter = graphics.Painter();
  painter.save();
  painter.translate(x * scale, y * scale - top);
  const QRectF clip(0, top, width_, std::min(bottom - top, std::max(room, 1.0)));
  painter.setClipRect(clip);
  QAbstractTextDocumentLayout::PaintContext context;
  // The layout draws every line that so much as touches its clip, and a PDF
  // keeps clipped text: the neighbouring lines would print twice, hidden.
  context.clip = clip.height() > 2 ? clip.adjusted(0, 1, 0, -1) : clip;
  context.palette.setColor(QPalette::Text, textColor_);
  document_->documentLayout()->draw(&painter, context);
  painter.restore();
  next_ = end;
}

}  // namespace fw
