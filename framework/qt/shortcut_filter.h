// Serves the menus' shortcut keys in every window of the program, before the
// focused control sees the key.
#pragma once

namespace fw::qt {

void InstallShortcutFilter();

}  // namespace fw::qt
