// The normal curve: a bell over a baseline, its central 95% shaded between
// the two 1.96 standard-deviation marks that the report's intervals use.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "drawings.h"
#include "palette.h"

namespace pictures {
namespace {

constexpr int kWidth = 165;
constexpr int kHeight = 73;
constexpr double kSpan = 3.6;  // standard deviations shown on either side
constexpr double kLeft = 4.0;
constexpr double kRight = kWidth - 4.0;
constexpr double kBaseline = 58.5;
constexpr double kPeak = 4.0;
constexpr double kCritical = 1.96;

double ToX(double z) {
  return kLeft + (z + kSpan) / (2 * kSpan) * (kRight - kLeft);
}
double ToY(double z) {
  return kBaseline - std::exp(-z * z / 2) * (kBaseline - kPeak);
}

QPainterPath CurveBetween(double from, double to, bool closeToBaseline) {
  constexpr int kSteps = 240;
  QPainterPath path;
  if (closeToBaseline) {
    path.moveTo(ToX(from), kBaseline);
    path.lineTo(ToX(from), ToY(from));
  } else {
    path.moveTo(ToX(from), ToY(from));
  }
  for (int i = 1; i <= kSteps; ++i) {
    const double z = from + (to - from) * i / kSteps;
    path.lineTo(ToX(z), ToY(z));
  }
  if (closeToBaseline) {
    path.lineTo(ToX(to), kBaseline);
    path.closeSubpath();
  }
  return path;
}

}  // namespace

QImage DrawNormalCurve() {
  QImage image = TransparentImage(kWidth, kHeight);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);

  painter.setPen(Qt::NoPen);
  painter.setBrush(kPaleBlue);
  painter.drawPath(CurveBetween(-kCritical, kCritical, true));

  // The bounds of the interval, from the baseline up to the curve.
  painter.setPen(QPen(kMidBlue, 1.0));
  for (double z : {-kCritical, kCritical}) {
    painter.drawLine(QPointF(ToX(z), kBaseline), QPointF(ToX(z), ToY(z)));
  }

  painter.setPen(QPen(kDeepBlue, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(CurveBetween(-kSpan, kSpan, false));

  painter.setPen(QPen(kSlate, 1.0));
  painter.drawLine(QPointF(1, kBaseline), QPointF(kWidth - 1, kBaseline));
  for (double z : {-kCritical, 0.0, kCritical}) {
    painter.drawLine(QPointF(ToX(z), kBaseline), QPointF(ToX(z), kBaseline + 3));
  }

  painter.setPen(kDeepBlue);
  painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 11, true));
  painter.drawText(QRectF(ToX(-kCritical), 32, ToX(kCritical) - ToX(-kCritical), 16),
                   Qt::AlignCenter, QStringLiteral("95%"));

  painter.setPen(kSlate);
  painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 9, false));
  const QString minus = QString(QChar(0x2212));
  const struct {
    double z;
    QString text;
  } marks[] = {{-kCritical, minus + QStringLiteral("1.96")},
               {0.0, QStringLiteral("0")},
               {kCritical, QStringLiteral("+1.96")}};
  for (const auto& mark : marks) {
    painter.drawText(QRectF(ToX(mark.z) - 20, kBaseline + 2.5, 40, 10),
                     Qt::AlignHCenter | Qt::AlignTop, mark.text);
  }
  return image;
}

}  // namespace pictures
