// The shortcut notation of menu items ("Cmd+Q", Cmd being Ctrl here) read as a
// key combination, and the text a drawn menu shows for it.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QKeyCombination>
#include <QString>
#include <string>

namespace fw::qt {

// Key_unknown when the notation names no key.
QKeyCombination ParseShortcut(const std::string& notation);
QString ShortcutLabel(QKeyCombination combination);

}  // namespace fw::qt
