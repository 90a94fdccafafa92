// The decoded image behind a Picture. A QImage, not a pixmap, so that a picture
// kept until the process ends needs no display.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QImage>

namespace fw {

class PictureData {
 public:
  explicit PictureData(QImage image) : image(std::move(image)) {}
  QImage image;
};

}  // namespace fw
