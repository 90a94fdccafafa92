// The title artwork: the program's name as a serif wordmark over a thin rule.
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "drawings.h"
#include "palette.h"

namespace pictures {

QImage DrawTitle() {
  constexpr int kWidth = 204;
  constexpr int kHeight = 59;
  QImage image = TransparentImage(kWidth, kHeight);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  const QString name = QStringLiteral("Zelvora");
  QFont font = PixelFont(QStringLiteral("Liberation Serif"), 46, true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);

  // Drawn as a path so that the glyphs are placed at fractional positions,
  // centred exactly rather than on the nearest whole pixel.
  QPainterPath text;
  text.addText(0, 0, font, name);
  const QRectF ink = text.boundingRect();
  const qreal baseline = 40.0;
  text.translate((kWidth - ink.width()) / 2.0 - ink.left(), baseline);

  painter.setPen(Qt::NoPen);
  painter.setBrush(kDeepBlue);
  painter.drawPath(text);

  // The rule fades out at both ends, with a short solid accent under the middle.
  const qreal ruleY = 48.5;
  QLinearGradient fade(8, 0, kWidth - 8, 0);
  fade.setColorAt(0.0, QColor(kMidBlue.red(), kMidBlue.green(), kMidBlue.blue(), 0));
  fade.setColorAt(0.5, kMidBlue);
  fade.setColorAt(1.0, QColor(kMidBlue.red(), kMidBlue.green(), kMidBlue.blue(), 0));
  painter.setPen(QPen(QBrush(fade), 1.0));
  painter.drawLine(QPointF(8, ruleY), QPointF(kWidth - 8, ruleY));

  painter.setPen(QPen(kAccent, 3.0, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(kWidth / 2.0 - 14, ruleY), QPointF(kWidth / 2.0 + 14, ruleY));
  return image;
}

}  // namespace pictures
