// Menus: the one MenuItem tree is a model; every document window draws it as
// its own menu bar. Handlers are bound by item name per window and for the
// application.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/object.h"

namespace fw {

// A menu handler takes no arguments and returns a Boolean.
using MenuHandler = std::function<bool()>;

class MenuItem : public Object {
 public:
  MenuItem() = default;
  // The default construction step; sets nothing beyond the defaults.
  virtual void Constructor() {}

  void SetName(const std::string& v) { name_ = v; }
  void SetText(const std::string& v) { text_ = v; }  // "-" is a separator
  // Framework notation, e.g. "Cmd+Q" (Cmd is Ctrl here); empty is none.
  void SetKeyboardShortcut(const std::string& v) { shortcut_ = v; }
  void SetEnabled(bool v) { enabled_ = v; }
  void SetAutoEnable(bool v) { autoEnable_ = v; }
  const std::string& Name() const { return name_; }
  const std::string& Text() const { return text_; }
  const std::string& KeyboardShortcut() const { return shortcut_; }
  bool Enabled() const { return enabled_; }
  bool AutoEnable() const { return autoEnable_; }
  bool IsSeparator() const { return text_ == "-"; }

  // Adds the item at the end of the children; raises NilObjectException for nil.
  void Append(const Ref<MenuItem>& item);
  int Count() const { return static_cast<int>(children_.size()); }
  Ref<MenuItem> Item(int index) const;  // nil when out of range
  // The child with that Name, or nil.
  Ref<MenuItem> Child(const std::string& name) const;
  // An item with that Name anywhere below this one, or nil.
  Ref<MenuItem> Lookup(const std::string& name) const;
  MenuItem* Parent() const { return parent_; }
  const std::vector<Ref<MenuItem>>& Children() const { return children_; }

 private:
  std::string name_, text_, shortcut_;
  bool enabled_ = true;
  bool autoEnable_ = false;
  MenuItem* parent_ = nullptr;
  std::vector<Ref<MenuItem>> children_;
};

// The root of a menu tree: its children are the menus.
class MenuBar : public MenuItem {};

// Chosen, it quits the application.
class QuitMenuItem : public MenuItem {};

// Shown in the application menu (drawn at the end of a "Help" menu here),
// wherever it is appended; still found by name.
class AppleMenuItem : public MenuItem {};

}  // namespace fw
