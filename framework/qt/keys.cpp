// Key mapping for KeyDown handlers.
#include "framework/qt/keys.h"

#include <QKeyEvent>

namespace fw::qt {

bool IsChord(const QKeyEvent& event) {
  return event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
}

bool IsModifierKey(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
      return true;
    default:
      return false;
  }
}

void PassChord(QKeyEvent& event, const std::function<void(QKeyEvent*)>& editor) {
  QKeyEvent bare(event.type(), event.key(), event.modifiers(), event.nativeScanCode(),
                 event.nativeVirtualKey(), event.nativeModifiers(), QString(), event.isAutoRepeat(),
                 event.count(), event.device());
  editor(&bare);
  event.setAccepted(bare.isAccepted());
}

std::optional<std::string> KeyTextFor(const QKeyEvent& event) {
  if (IsChord(event)) return std::nullopt;
  switch (event.key()) {
    case Qt::Key_Return:
      return std::string("\r");
    case Qt::Key_Enter:
      return std::string("\x03");
    case Qt::Key_Backspace:
      return std::string("\x08");
    case Qt::Key_Delete:
      return std::string("\x7f");
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return std::string("\t");
    case Qt::Key_Escape:
      return std::string("\x1b");
    case Qt::Key_Left:
      return std::string("\x1c");
    case Qt::Key_Right:
      return std::string("\x1d");
    case Qt::Key_Up:
      return std::string("\x1e");
    case Qt::Key_Down:
      return std::string("\x1f");
    case Qt::Key_Home:
      return std::string("\x01");
    case Qt::Key_End:
      return std::string("\x04");
    case Qt::Key_PageUp:
      return std::string("\x0b");
    case Qt::Key_PageDown:
      return std::string("\x0c");
    default:
      break;
  }
  const QString text = event.text();
  if (text.isEmpty()) return std::nullopt;
  for (QChar c : text)
    if (c.category() == QChar::Other_Control) return std::nullopt;
  return text.toStdString();
}

}  // namespace fw::qt
