// Font names and sizes as the program gives them, made into the fonts of this
// desktop: "Courier" a fixed-pitch face, "Times" a serif face, "System" the
// desktop's own font. Sizes are in points of the designed layout, where a
// point is one unit (pixel) of the layout, as on the screens it was drawn for.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QFont>
#include <string>

namespace fw::qt {

struct FontSpec {
  std::string family = "System";
  float size = 0;  // 0: the desktop's size
  int unit = 0;    // FontUnits: 0 default (points), 1 pixels, 2 points, 3 inches, 4 millimetres
  bool bold = false, italic = false, underline = false;
};

QFont ResolveFont(const FontSpec& spec);

}  // namespace fw::qt
