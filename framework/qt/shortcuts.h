// The shortcut notation of menu items ("Cmd+Q", Cmd being Ctrl here) read as a
// key combination, and the text a drawn menu shows for it.
#pragma once

#include <QKeyCombination>
#include <QString>
#include <string>

namespace fw::qt {

// Key_unknown when the notation names no key.
QKeyCombination ParseShortcut(const std::string& notation);
QString ShortcutLabel(QKeyCombination combination);

}  // namespace fw::qt
