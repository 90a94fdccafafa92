// Windows: one shared instance per window class, built by Constructor from the
// class's hooks, holding its controls by name, drawing the menu bar, and
// raising the window events.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/menus.h"
#include "framework/object.h"
#include "framework/settings.h"

namespace fw {

class WindowImpl;

class Window : public Object, public PropertyTarget {
 public:
  Window();
  ~Window() override;

  // Runs Layout, CreateControls and AddMenuHandlers in that order, then Open
  // once the controls exist, then shows the window when its settings say
  // Visible. Window settings: Placement (0 centres on the screen), Width and
  // Height (the content; kept even when above the maximum), MinWidth,
  // MinHeight, MaxWidth, MaxHeight, Frame (0 document window with menu bar, 1
  // dialog, 2 borderless box without menu bar), HasBackColor, BackColor, Title,
  // Visible, CloseButton, Resizeable, MaximizeButton, MinimizeButton, Top,
  // Left, and the framework's own entries.
  void Constructor();

  void Show();   // visible and in front
  void Hide();   // hidden, not closed
  void Close();  // as the user's close: raises Close, then the window is gone
  bool Visible() const;
  bool Closed() const;
  std::string Title() const;
  int Width() const;   // content
  int Height() const;  // content
  void Resize(int width, int height);  // content, within the limits (for tests)
  bool Resizeable() const;
  bool HasCloseBox() const;
  bool HasMinimizeBox() const;
  bool HasMaximizeBox() const;
  int Frame() const;

  // The menu bar this window draws; nil: it draws the application's.
  Ref<fw::MenuBar> MenuBar() const;
  void SetMenuBar(const Ref<fw::MenuBar>& bar);

  // Binds a handler to the menu item of that name, for this window.
  void AddMenuHandler(const std::string& itemName, MenuHandler handler);
  bool HasMenuHandler(const std::string& itemName) const;

  // Makes a control of class C for this window, adds it under `name` and
  // returns it.
  template <class C>
  Ref<C> New(const std::string& name) {
    auto control = std::make_shared<C>();
    AddControl(name, control);
    return control;
  }
  void AddControl(const std::string& name, const Ref<Control>& control);
  // The window's control of that name, or nil.
  Ref<Control> ControlByName(const std::string& name) const;
  std::vector<Ref<Control>> Controls() const;  // in the order they were added
  // The control that has the keyboard focus in this window, or nil. While the
  // menu bar borrows the keys, the control they go back to.
  Ref<Control> FocusedControl() const;

  void SetProperty(const std::string& name, const SettingValue& value) override;

  // Raised by the framework; public so that the framework's Qt side and tests
  // can raise them. Defaults do nothing and claim nothing.
  virtual void Event_Open() {}
  virtual void Event_Activate() {}
  virtual void Event_Close() {}
  virtual void Event_EnableMenuItems() {}
  virtual bool Event_KeyDown(const std::string& key) { (void)key; return false; }
  virtual bool Event_MouseDown(int x, int y) { (void)x; (void)y; return false; }

  // Raises a menu command in this window as if the item had been chosen:
  // this window's handler, else the application's; returns whether one ran.
  bool RunMenuCommand(const std::string& itemName);
  // Runs one enabling round as before a menu opens (design.md's order).
  void EnableMenuItems();
  // The menu titles and item texts this window draws, for tests.
  std::vector<std::string> DrawnMenuTitles() const;

 protected:
  // The construction hooks.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}

 private:
  friend class WindowImpl;
  friend struct ImplAccess;
  std::unique_ptr<WindowImpl> impl_;
};

// The live shared instance registered under that full class name, or nil.
Ref<Window> GetImplicitWindow(const std::string& fullClassName);
// Makes the window the live shared instance of its class; a closed window
// stops being one.
void RegisterImplicitWindow(const std::string& fullClassName, const Ref<Window>& window);

// The control of that name in the window, or nil.
Ref<Control> RuntimeWindowControlByName(const Window& window, const std::string& name);

// The shared instance of W (W::kFullName), built with Constructor on first use
// or after the user closed the last one. W is registered before it is
// constructed, so it is live during its own Open event.
template <class W>
Ref<W> ImplicitInstance() {
  if (auto live = GetImplicitWindow(W::kFullName)) return CheckedCast<W>(live);
  auto window = std::make_shared<W>();
  RegisterImplicitWindow(W::kFullName, window);
  window->Constructor();
  return window;
}

// The active (frontmost document) window, or nil.
Ref<Window> ActiveWindow();

}  // namespace fw
