// What a key press gives a KeyDown handler: the classic key codes for the
// editing and movement keys, the character for a printable key, nothing for a
// key held with Ctrl (a shortcut) or one that has neither.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <optional>
#include <string>

class QKeyEvent;

namespace fw::qt {

bool IsShortcutChord(const QKeyEvent& event);
std::optional<std::string> KeyTextFor(const QKeyEvent& event);

}  // namespace fw::qt
