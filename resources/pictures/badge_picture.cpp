// The tool badge: a two-part label, "built with" on grey and "C++ and Qt" on
// blue, in the manner of a project badge.
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "drawings.h"
#include "palette.h"

namespace pictures {

QImage DrawToolBadge() {
  constexpr int kWidth = 152;
  constexpr int kHeight = 21;
  QImage image = TransparentImage(kWidth, kHeight);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  const QString lead = QStringLiteral("built with");
  const QString tools = QStringLiteral("C++ and Qt");
  const QFont leadFont = PixelFont(QStringLiteral("Liberation Sans"), 11, false);
  const QFont toolsFont = PixelFont(QStringLiteral("Liberation Sans"), 11, true);

  // The split falls where both halves get the same padding around their text.
  const qreal leadWidth = QFontMetricsF(leadFont).horizontalAdvance(lead);
  const qreal toolsWidth = QFontMetricsF(toolsFont).horizontalAdvance(tools);
  const qreal padding = (kWidth - leadWidth - toolsWidth) / 4.0;
  const qreal split = std::round(leadWidth + 2 * padding);

  const QRectF whole(0.5, 0.5, kWidth - 1.0, kHeight - 1.0);
  QPainterPath outline;
  outline.addRoundedRect(whole, 4, 4);
  painter.setClipPath(outline);
  painter.fillRect(QRectF(0, 0, split, kHeight), kSlate);
  painter.fillRect(QRectF(split, 0, kWidth - split, kHeight), kMidBlue);
  painter.setClipping(false);

  painter.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(outline);

  painter.setPen(Qt::white);
  painter.setFont(leadFont);
  painter.drawText(QRectF(0, 0, split, kHeight), Qt::AlignCenter, lead);
  painter.setFont(toolsFont);
  painter.drawText(QRectF(split, 0, kWidth - split, kHeight), Qt::AlignCenter, tools);
  return image;
}

}  // namespace pictures
