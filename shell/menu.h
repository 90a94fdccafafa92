// The program's one menu bar: File, Edit and Window menus and the About item
// of the application menu, built once on first use and shared by the
// application object and every window that sets a bar of its own.
#pragma once

#include "framework/menus.h"
#include "framework/object.h"

class Menu : public fw::MenuBar {
 public:
  static constexpr const char* kFullName = "Menu.Menu";
  static const fw::ClassRecord& ClassInfo();

  // Builds the three menus; the base's own constructor is not run.
  void Constructor() override;
  virtual void Untitled1();  // File
  virtual void Untitled2();  // Edit
  virtual void Untitled3();  // Window, with the application-menu About item
};

// The shared menu bar, built on first use.
fw::Ref<class Menu> Menu();

// Shut-down's release of the shared menu bar; the next Menu() builds afresh.
void MenuImplicitInstanceExit();
