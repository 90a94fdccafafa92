#include "shell/menu.h"

#include <string>

#include "shell/class_records.h"

namespace {

fw::Ref<class Menu>& ImplicitInstance() {
  static fw::Ref<class Menu> instance;
  return instance;
}

struct ItemDesign {
  const char* name;
  const char* text;
  const char* shortcut;  // nullptr: the setter is never called
  bool autoEnable;
};

template <class Item>
fw::Ref<fw::MenuItem> MakeItem(const ItemDesign& design) {
  fw::Ref<fw::MenuItem> item = std::make_shared<Item>();
  fw::NotNil(item)->Constructor();
  item->SetName(design.name);
  item->SetAutoEnable(design.autoEnable);
  item->SetText(design.text);
  if (design.shortcut != nullptr) item->SetKeyboardShortcut(design.shortcut);
  return item;
}

// Each item finds its title afresh, so an item always lands in the title the
// bar holds now under that name.
template <class Item>
void AppendTo(fw::MenuBar& bar, const char* title, const ItemDesign& design) {
  auto item = MakeItem<Item>(design);
  fw::NotNil(bar.Child(title))->Append(item);
}

void AppendTitle(fw::MenuBar& bar, const ItemDesign& design) {
  bar.Append(MakeItem<fw::MenuItem>(design));
}

}  // namespace

const fw::ClassRecord& Menu::ClassInfo() {
  return shell::EnsureClass(
      kFullName, "MenuBar",
      {fw::PublicOperation("Constructor", "(  )"), fw::PublicOperation("Untitled1", "(  )"),
       fw::PublicOperation("Untitled2", "(  )"), fw::PublicOperation("Untitled3", "(  )")});
}

void Menu::Constructor() {
  Untitled1();
  Untitled2();
  Untitled3();
}

void Menu::Untitled1() {
  AppendTitle(*this, {"FileMenu", "File", "", false});
  AppendTo<fw::MenuItem>(*this, "FileMenu", {"Print", "Print", "", true});
  AppendTo<fw::QuitMenuItem>(*this, "FileMenu", {"FileQuit", "Quit", "Cmd+Q", true});
}

void Menu::Untitled2() {
  AppendTitle(*this, {"UntitledMenu0", "Edit", "", false});
  AppendTo<fw::MenuItem>(*this, "UntitledMenu0", {"EditUndo", "Undo", "Cmd+Z", false});
  AppendTo<fw::MenuItem>(*this, "UntitledMenu0", {"UntitledMenu1", "-", nullptr, false});
  AppendTo<fw::MenuItem>(*this, "UntitledMenu0", {"EditCut", "Cut", "Cmd+X", false});
  AppendTo<fw::MenuItem>(*this, "UntitledMenu0", {"EditCopy", "Copy", "Cmd+C", false});
  AppendTo<fw::MenuItem>(*this, "UntitledMenu0", {"EditPaste", "Paste", "Cmd+V", false});
  // The framework draws the empty text as the standard Delete.
  AppendTo<fw::MenuItem>(*this, "UntitledMenu0", {"EditClear", "", "", false});
}

void Menu::Untitled3() {
  AppendTitle(*this, {"WindowMenu", "Window", "", false});
  AppendTo<fw::MenuItem>(*this, "WindowMenu", {"ControlMenuItem", "Control", "", false});
  AppendTo<fw::MenuItem>(*this, "WindowMenu", {"DescriptionMenuItem", "Description", "", false});
  AppendTo<fw::MenuItem>(*this, "WindowMenu", {"AboutMenuItem", "About Zelvora", "", false});
  // Appended here, drawn in the application menu.
  AppendTo<fw::AppleMenuItem>(*this, "WindowMenu", {"AboutPlim", "About Zelvora", "", false});
}

fw::Ref<class Menu> Menu() {
  auto& instance = ImplicitInstance();
  if (!instance) {
    // Stored only once whole: a build that fails leaves nothing behind.
    auto bar = std::make_shared<class Menu>();
    bar->Constructor();
    instance = bar;
  }
  return instance;
}

void MenuImplicitInstanceExit() {
  ImplicitInstance().reset();
}
