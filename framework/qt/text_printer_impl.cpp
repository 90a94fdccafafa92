// The styled text printer.
#include "framework/qt/text_printer_impl.h"

#include <algorithm>

#include "framework/qt/document_slices.h"
#include "framework/qt/graphics_impl.h"

namespace fw {

StyledTextPrinterImpl::StyledTextPrinterImpl(PrintedText text, Ref<Graphics> surface,
                                             int widthPoints)
    : printed_(std::move(text)), surface_(std::move(surface)) {
  width_ = std::max(1, widthPoints) * ImplOf(*surface_).UnitsPerPoint();
  // Laid out for the printer, so that point sizes come out right on paper; a
  // size in layout units is a size in points there.
  if (printed_.font.pixelSize() > 0) printed_.font.setPointSizeF(printed_.font.pixelSize());
  if (printed_.text.isEmpty()) {
    next_ = -1;
    return;
  }
  Advance();
}

StyledTextPrinterImpl::~StyledTextPrinterImpl() = default;

bool StyledTextPrinterImpl::StartParagraph() {
  if (paragraph_) paragraph_->endLayout();
  paragraph_.reset();
  if (next_ < 0) return false;
  const qsizetype start = next_;
  qsizetype end = printed_.text.indexOf(u'\n', start);
  next_ = end < 0 ? -1 : end + 1;
  if (end < 0) end = printed_.text.size();
  const QString text = printed_.text.mid(start, end - start);

  QList<QTextLayout::FormatRange> runs;
  const auto& all = printed_.runs;
  while (runIndex_ < all.size() && all[runIndex_].start + all[runIndex_].length <= start)
    ++runIndex_;
  for (qsizetype i = runIndex_; i < all.size() && all[i].start < end; ++i) {
    const int from = std::max<int>(all[i].start, static_cast<int>(start));
    const int to = std::min<int>(all[i].start + all[i].length, static_cast<int>(end));
    if (to > from) runs.append({from - static_cast<int>(start), to - from, all[i].format});
  }

  paragraph_ = std::make_unique<QTextLayout>(text, printed_.font, &ImplOf(*surface_).Printer());
  QTextOption option = printed_.option;
  // Looking for a word boundary first goes over the whole of a long run for
  // every line; such a paragraph is broken anywhere.
  if (qt::HasLongRun(text)) option.setWrapMode(QTextOption::WrapAnywhere);
  paragraph_->setTextOption(option);
  paragraph_->setFormats(runs);
  paragraph_->beginLayout();
  return true;
}

void StyledTextPrinterImpl::Advance() {
  line_ = QTextLine();
  while (true) {
    if (paragraph_) {
      line_ = paragraph_->createLine();
      if (line_.isValid()) break;
    }
    if (!StartParagraph()) return;
  }
  line_.setLineWidth(width_);
  // Every line at the top of its paragraph: in a paragraph of millions of characters the real
  // offsets would run past what the layout's fixed-point coordinates hold.
  line_.setPosition(QPointF(0, 0));
}

void StyledTextPrinterImpl::DrawBlock(int x, int y, int height) {
  if (AtEnd()) return;
  GraphicsImpl& graphics = ImplOf(*surface_);
  const double scale = graphics.UnitsPerPoint();
  // A hair of slack: line heights are fractions of device units.
  const double room = std::max(0, height) * scale + 0.01;
  QPainter& painter = graphics.Painter();
  painter.save();
  painter.translate(x * scale, y * scale);
  painter.setPen(printed_.color);
  // A line taller than the whole block still goes, alone and cut to the
  // block, so that printing always advances.
  painter.setClipRect(QRectF(0, 0, width_, std::max(room, 1.0)));
  double used = 0;
  bool first = true;
  while (!AtEnd() && (first || used + line_.height() <= room)) {
    line_.draw(&painter, QPointF(0, used));
    used += line_.height();
    first = false;
    Advance();
  }
  painter.restore();
}

}  // namespace fw
