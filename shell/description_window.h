// The Description window: the program's built-in help, one read-only styled
// text with its opening run in bold. While it is in front it answers the
// Window menu's Control and About items and prints the text.
#pragma once

#include "framework/controls.h"
#include "framework/object.h"
#include "framework/window.h"
#include "shell/menu_item_accessors.h"

class DescriptionWnd : public fw::Window {
 public:
  static constexpr const char* kFullName = "DescriptionWnd.DescriptionWnd";
  static const fw::ClassRecord& ClassInfo();

  virtual fw::Ref<fw::TextArea> DescribeFld();
  virtual fw::Ref<fw::TextArea> DescribeFld2();
  SHELL_DECLARE_MENU_ITEM_ACCESSORS;
  void Event_Open() override;
  void Event_EnableMenuItems() override;
  virtual bool ControlMenuItem_Action();
  virtual bool AboutMenuItem_Action();
  virtual bool Print_Action();

 protected:
  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
  void AddMenuHandlers() override;
};

// The one Description window, built hidden on first use and built anew after
// the user has closed it; callers show it.
fw::Ref<class DescriptionWnd> DescriptionWnd();
