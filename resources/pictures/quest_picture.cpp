// The help picture: a white question mark on a rounded blue badge.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "drawings.h"
#include "palette.h"

namespace pictures {

QImage DrawHelpBadge() {
  constexpr int kWidth = 35;
  constexpr int kHeight = 20;
  QImage image = TransparentImage(kWidth, kHeight);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  const QRectF pill(0.5, 0.5, kWidth - 1.0, kHeight - 1.0);
  QLinearGradient shade(0, 0, 0, kHeight);
  shade.setColorAt(0.0, kMidBlue);
  shade.setColorAt(1.0, kDeepBlue);
  painter.setPen(QPen(kDeepBlue, 1.0));
  painter.setBrush(shade);
  painter.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);

  QPainterPath mark;
  mark.addText(0, 0, PixelFont(QStringLiteral("Liberation Sans"), 16, true), QStringLiteral("?"));
  const QRectF ink = mark.boundingRect();
  mark.translate(kWidth / 2.0 - ink.center().x(), kHeight / 2.0 - ink.center().y());
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawPath(mark);
  return image;
}

}  // namespace pictures
