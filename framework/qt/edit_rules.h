// The mask and the length limit that typed and pasted text keep to. Lengths
// count characters (code points), as the program's text services do.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QString>

namespace fw::qt {

struct EditRules {
  // Each "#" takes one digit; any other character stands for itself. The
  // text may be shorter than the mask, never longer. Empty: no mask.
  QString mask;
  int limit = 0;  // 0: no limit

  bool Restricts() const { return !mask.isEmpty() || limit > 0; }
  bool Allows(const QString& text) const;
};

qsizetype CodePoints(const QString& text);
QString FirstCodePoints(const QString& text, qsizetype count);
// Code-point offset <-> UTF-16 offset in the text.
qsizetype Utf16ToCodePoint(const QString& text, qsizetype utf16);
qsizetype CodePointToUtf16(const QString& text, qsizetype codePoints);

}  // namespace fw::qt
