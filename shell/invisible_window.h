// The hidden default window made last at start-up. Its Open event is the
// splash: the About window for two to three seconds, then the calculator.
#pragma once

#include "framework/object.h"
#include "framework/window.h"
#include "shell/menu_item_accessors.h"

class InvisibleWnd : public fw::Window {
 public:
  static constexpr const char* kFullName = "InvisibleWnd.InvisibleWnd";
  static const fw::ClassRecord& ClassInfo();

  SHELL_DECLARE_MENU_ITEM_ACCESSORS;
  void Event_Open() override;

 protected:
  void Layout() override;
  void CreateControls() override;
};

// The one hidden window; building it runs the splash.
fw::Ref<class InvisibleWnd> InvisibleWnd();
