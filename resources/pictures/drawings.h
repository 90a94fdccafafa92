// The four pictures the windows show, each drawn from scratch at the size its
// controls were laid out for.
#pragma once

#include <QImage>

namespace pictures {

QImage DrawTitle();        // "Zelvora" wordmark, 204 x 59
QImage DrawNormalCurve();  // bell curve with its central 95% shaded, 165 x 73
QImage DrawHelpBadge();    // "?" help badge, 35 x 20
QImage DrawToolBadge();    // "built with C++ and Qt", 152 x 21

}  // namespace pictures
