// Mask, limit and code-point arithmetic.
#include "framework/qt/edit_rules.h"

#include <QList>
#include <QStringView>

namespace fw::qt {

bool EditRules::Allows(const QString& text) const {
  if (limit > 0 && CodePoints(text) > limit) return false;
  if (mask.isEmpty()) return true;
  const auto chars = text.toUcs4();
  const auto pattern = mask.toUcs4();
  if (chars.size() > pattern.size()) return false;
  for (qsizetype i = 0; i < chars.size(); ++i) {
    if (pattern[i] == U'#') {
      if (chars[i] < U'0' || chars[i] > U'9') return false;
    } else if (chars[i] != pattern[i]) {
      return false;
    }
  }
  return true;
}

qsizetype CodePoints(const QString& text) {
  return Utf16ToCodePoint(text, text.size());
}

QString FirstCodePoints(const QString& text, qsizetype count) {
  return text.left(CodePointToUtf16(text, count));
}

qsizetype Utf16ToCodePoint(const QString& text, qsizetype utf16) {
  if (utf16 > text.size()) utf16 = text.size();
  qsizetype points = 0;
  for (qsizetype i = 0; i < utf16; ++i, ++points)
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
  return points;
}

qsizetype CodePointToUtf16(const QString& text, qsizetype codePoints) {
  qsizetype i = 0;
  for (qsizetype n = 0; n < codePoints && i < text.size(); ++n, ++i)
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
  return i;
}

}  // namespace fw::qt
