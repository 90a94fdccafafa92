// Finding a menu item through a window's own menu bar, for the windows that
// set one and carry an accessor per item name.
#pragma once

#include <string>

#include "framework/menus.h"
#include "framework/object.h"
#include "framework/window.h"

namespace shell {

// The item of that name in the window's menu bar, cast to Item; nil when the
// bar lacks it. A window without a menu bar raises NilObjectException.
template <class Item = fw::MenuItem>
fw::Ref<Item> WindowMenuItem(const fw::Window& window, const std::string& name) {
  return fw::CheckedCast<Item>(fw::NotNil(window.MenuBar())->Lookup(name));
}

}  // namespace shell
