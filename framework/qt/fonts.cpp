// Font resolution.
#include "framework/qt/fonts.h"

#include <QApplication>
#include <cmath>

namespace fw::qt {

QFont ResolveFont(const FontSpec& spec) {
  QFont font = QApplication::font();
  if (spec.family == "Courier") {
    // Liberation Mono keeps Courier's metrics, so fixed layouts line up.
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"),
                      QStringLiteral("Courier")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
  } else if (spec.family == "Times") {
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                      QStringLiteral("Times")});
    font.setStyleHint(QFont::Serif);
  } else if (!spec.family.empty() && spec.family != "System") {
    font.setFamily(QString::fromStdString(spec.family));
  }
  if (spec.size > 0 && std::isfinite(spec.size)) {
    // Layouts are designed at 72 units to the inch, so a point is one unit
    // of the layout: text keeps the width its controls were designed for.
    double units = spec.size;
    if (spec.unit == 3) units = spec.size * 72.0;
    if (spec.unit == 4) units = spec.size * 72.0 / 25.4;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(units))));
  }
  font.setBold(spec.bold);
  font.setItalic(spec.italic);
  font.setUnderline(spec.underline);
  return font;
}

}  // namespace fw::qt
