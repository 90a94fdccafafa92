// The menu tree model.
#include "framework/menus.h"

namespace fw {

void MenuItem::Append(const Ref<MenuItem>& item) {
  NotNil(item);
  if (item.get() == this) throw std::invalid_argument("A menu item cannot hold itself.");
  item->parent_ = this;
  children_.push_back(item);
}

Ref<MenuItem> MenuItem::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return children_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(const std::string& name) const {
  for (const auto& child : children_)
    if (child->Name() == name) return child;
  return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(const std::string& name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child;
    if (auto found = child->Lookup(name)) return found;
  }
  return nullptr;
}

}  // namespace fw
