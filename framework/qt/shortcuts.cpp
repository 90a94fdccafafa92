// Shortcut notation.
#include "framework/qt/shortcuts.h"

#include <QKeySequence>
#include <QStringList>

namespace fw::qt {

QKeyCombination ParseShortcut(const std::string& notation) {
  const QString text = QString::fromStdString(notation).trimmed();
  if (text.isEmpty()) return QKeyCombination();
  // The key may itself be "+", as in "Cmd++".
  QStringList parts = text.split(u'+');
  QString key = parts.takeLast();
  if (key.isEmpty() && !parts.isEmpty() && parts.last().isEmpty()) {
    parts.removeLast();
    key = QStringLiteral("+");
  }
  Qt::KeyboardModifiers modifiers;
  for (const QString& part : parts) {
    const QString p = part.trimmed().toLower();
    if (p == u"cmd" || p == u"command" || p == u"ctrl" || p == u"control")
      modifiers |= Qt::ControlModifier;
    else if (p == u"shift")
      modifiers |= Qt::ShiftModifier;
    else if (p == u"alt" || p == u"option" || p == u"opt")
      modifiers |= Qt::AltModifier;
    else
      return QKeyCombination();
  }
  key = key.trimmed();
  if (key.size() == 1) key = key.toUpper();
  const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
  if (sequence.isEmpty()) return QKeyCombination();
  return QKeyCombination(modifiers, sequence[0].key());
}

QString ShortcutLabel(QKeyCombination combination) {
  return QKeySequence(combination).toString(QKeySequence::NativeText);
}

}  // namespace fw::qt
