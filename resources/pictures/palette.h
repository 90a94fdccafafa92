// Colours, fonts and the blank canvas shared by the pictures, so that they
// read as one family on the white windows.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace pictures {

inline const QColor kDeepBlue{0x1b, 0x3a, 0x6b};
inline const QColor kMidBlue{0x2f, 0x6d, 0xb5};
inline const QColor kPaleBlue{0xc9, 0xdc, 0xf2};
inline const QColor kAccent{0xc0, 0x8a, 0x2e};
inline const QColor kSlate{0x4a, 0x50, 0x5a};

// Sizes are in pixels, so the output doesn't depend on the build machine's DPI.
inline QFont PixelFont(const QString& family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

inline QImage TransparentImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace pictures
