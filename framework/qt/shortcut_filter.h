// Serves the menus' shortcut keys in every window of the program, before the
// focused control sees the key.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

namespace fw::qt {

void InstallShortcutFilter();

}  // namespace fw::qt
