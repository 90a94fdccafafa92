// Menu commands: the enabling round before a menu opens or a shortcut acts, the
// routing of a chosen item, the framework's own commands (Quit and the
// standard editing of the focused text control), and the shortcut keys.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <string>

class QKeyEvent;

namespace fw {

class MenuItem;
class Window;
class WindowImpl;

namespace menus {

// Every item starts disabled (AutoEnable items that the application or the
// framework serves excepted); then the application's and the window's
// EnableMenuItems, then every item the window has a handler for; the standard
// Edit items follow the focused text control; the window's drawn menus then
// show the outcome. Paste follows the clipboard, whose owner may keep the
// question waiting, so it is asked only when `askClipboard`: before a menu
// that shows Paste opens, and before Paste's own shortcut acts. A round that
// doesn't ask leaves Paste as it was.
void RunEnablingRound(Window& window, bool askClipboard = true);

// Whether the item's state is read off the clipboard.
bool AsksClipboard(const MenuItem& item);

// The window's handler, else the application's, else the framework's own
// command; false when none served the item.
bool RunCommand(Window& window, const std::string& itemName);

// A key held with Ctrl in the window: when an item has it as its shortcut, one
// enabling round and, if the item is enabled, its command. True when the key
// belonged to an item (acted on or not).
bool HandleShortcut(WindowImpl& window, const QKeyEvent& event);

}  // namespace menus
}  // namespace fw
