// Enabling, routing and the framework's own menu commands.
#include "framework/qt/menu_commands.h"

#include <QKeyEvent>
#include <functional>

#include "framework/application.h"
#include "framework/qt/menu_drawing.h"
#include "framework/qt/shortcuts.h"
#include "framework/qt/text_control_impl.h"
#include "framework/qt/window_impl.h"
#include "framework/window.h"

namespace fw::menus {
namespace {

enum class Edit { None, Undo, Cut, Copy, Paste, Clear };

Edit StandardEdit(const std::string& name) {
  if (name == "EditUndo") return Edit::Undo;
  if (name == "EditCut") return Edit::Cut;
  if (name == "EditCopy") return Edit::Copy;
  if (name == "EditPaste") return Edit::Paste;
  if (name == "EditClear") return Edit::Clear;
  return Edit::None;
}

bool ServedByFramework(const MenuItem& item) {
  return dynamic_cast<const QuitMenuItem*>(&item) != nullptr;
}

void ForEachCommand(const MenuItem& parent, const std::function<void(MenuItem&)>& visit) {
  for (const auto& child : parent.Children()) {
    // Menu titles hold their menus open; only commands take part.
    if (child->Count() > 0)
      ForEachCommand(*child, visit);
    else if (!child->IsSeparator())
      visit(*child);
  }
}

// The standard edit that the framework does for the item: none when the
// window or the application has a handler of its own for it.
Edit ServedEdit(const Window& window, const Application* app, const MenuItem& item) {
  const Edit edit = StandardEdit(item.Name());
  if (edit == Edit::None || window.HasMenuHandler(item.Name()) ||
      (app && app->HasMenuHandler(item.Name())))
    return Edit::None;
  return edit;
}

TextControlImpl* FocusedText(Window& window) {
  auto control = window.FocusedControl();
  return control ? dynamic_cast<TextControlImpl*>(&ImplOf(*control)) : nullptr;
}

bool EditAvailable(Window& window, Edit edit) {
  TextControlImpl* text = FocusedText(window);
  if (!text) return false;
  switch (edit) {
    case Edit::Undo:
      return text->CanUndo();
    case Edit::Cut:
      return !text->ReadOnly() && text->HasSelection();
    case Edit::Copy:
      return text->HasSelection();
    case Edit::Paste:
      return text->CanPaste();
    case Edit::Clear:
      return !text->ReadOnly() && text->HasSelection();
    case Edit::None:
      break;
  }
  return false;
}

bool DoEdit(Window& window, Edit edit) {
  TextControlImpl* text = FocusedText(window);
  if (!text) return false;
  switch (edit) {
    case Edit::Undo:
      text->Undo();
      break;
    case Edit::Cut:
      text->Cut();
      break;
    case Edit::Copy:
      text->Copy();
      break;
    case Edit::Paste:
      text->Paste();
      break;
    case Edit::Clear:
      text->Clear();
      break;
    case Edit::None:
      return false;
  }
  return true;
}

Ref<MenuItem> FindByShortcut(const MenuItem& parent, QKeyCombination combination) {
  Ref<MenuItem> found;
  for (const auto& child : parent.Children()) {
    if (found) break;
    if (child->Count() > 0)
      found = FindByShortcut(*child, combination);
    else if (!child->IsSeparator() && qt::ParseShortcut(child->KeyboardShortcut()) == combination &&
             combination.key() != Qt::Key_unknown)
      found = child;
  }
  return found;
}

}  // namespace

void RunEnablingRound(Window& window, bool askClipboard) {
  WindowImpl& impl = ImplOf(window);
  const Ref<MenuBar> tree = impl.EffectiveMenuBar();
  const Ref<Application> app = GetAppObject();
  const auto leftAlone = [&](Edit served) { return served == Edit::Paste && !askClipboard; };
  if (tree) {
    ForEachCommand(*tree, [&](MenuItem& item) {
      if (leftAlone(ServedEdit(window, app.get(), item))) return;
      item.SetEnabled(item.AutoEnable() &&
                      ((app && app->HasMenuHandler(item.Name())) || ServedByFramework(item)));
    });
  }
  if (app) app->Event_EnableMenuItems();
  window.Event_EnableMenuItems();
  if (tree) {
    ForEachCommand(*tree, [&](MenuItem& item) {
      if (window.HasMenuHandler(item.Name())) item.SetEnabled(true);
    });
    ForEachCommand(*tree, [&](MenuItem& item) {
      const Edit edit = ServedEdit(window, app.get(), item);
      if (edit != Edit::None && !leftAlone(edit)) item.SetEnabled(EditAvailable(window, edit));
    });
  }
  if (impl.menus) impl.menus->SyncEnabled();
}

bool AsksClipboard(const MenuItem& item) {
  return StandardEdit(item.Name()) == Edit::Paste;
}

bool RunCommand(Window& window, const std::string& itemName) {
  auto keep = window.weak_from_this().lock();
  auto& handlers = ImplOf(window).handlers;
  if (auto it = handlers.find(itemName); it != handlers.end() && it->second) {
    // The handler may rebind the item while it runs.
    const MenuHandler handler = it->second;
    handler();
    return true;
  }
  if (auto app = GetAppObject(); app && app->RunMenuHandler(itemName)) return true;
  const Ref<MenuBar> tree = ImplOf(window).EffectiveMenuBar();
  const Ref<MenuItem> item = tree ? tree->Lookup(itemName) : nullptr;
  if (item && ServedByFramework(*item)) {
    Quit(0);
    return true;
  }
  if (const Edit edit = StandardEdit(itemName); edit != Edit::None) return DoEdit(window, edit);
  return false;
}

bool HandleShortcut(WindowImpl& impl, const QKeyEvent& event) {
  const Ref<MenuBar> tree = impl.EffectiveMenuBar();
  if (!tree) return false;
  // Meta stays in: shortcuts are Ctrl chords, so no Meta chord is one.
  const auto modifiers = event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier |
                                              Qt::AltModifier | Qt::MetaModifier);
  if (event.key() == 0 || event.key() == Qt::Key_unknown) return false;
  const QKeyCombination combination(modifiers, Qt::Key(event.key()));
  const Ref<MenuItem> item = FindByShortcut(*tree, combination);
  if (!item) return false;
  Window& window = impl.window;
  auto keep = window.weak_from_this().lock();
  Guarded([&] {
    RunEnablingRound(window, AsksClipboard(*item));
    if (item->Enabled()) window.RunMenuCommand(item->Name());
  });
  return true;
}

}  // namespace fw::menus
