// What a key press gives a KeyDown handler: the classic key codes for the
// editing and movement keys, the character for a printable key, nothing for a
// chord or a key that has neither.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <functional>
#include <optional>
#include <string>

class QKeyEvent;

namespace fw::qt {

// A key held with Ctrl or Meta (Super). A Ctrl chord may be a menu's shortcut
// or the control's standard editing (Ctrl+A); a chord is never a typed
// character. AltGr, which X reports as neither, types as a plain key.
bool IsChord(const QKeyEvent& event);
// A key that only changes what is held or locked (Shift, Ctrl, Alt, Caps Lock
// and their kin): pressed alone, it types nothing and moves nothing.
bool IsModifierKey(const QKeyEvent& event);
std::optional<std::string> KeyTextFor(const QKeyEvent& event);
// Hands a chord to an editor's own key handling without its text, so that it
// does its standard editing but inserts nothing.
void PassChord(QKeyEvent& event, const std::function<void(QKeyEvent*)>& editor);

}  // namespace fw::qt
