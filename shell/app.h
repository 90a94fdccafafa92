// The application object: it holds the shared menu bar, answers the two About
// items for the whole program and enables the application-menu About item;
// with it, the start-up steps that make it and bind its handlers, and the
// accessors that find the Window menu's items from anywhere.
#pragma once

#include "framework/application.h"
#include "framework/menus.h"
#include "framework/object.h"

class HandleAboutMenu : public fw::Application {
 public:
  static constexpr const char* kFullName = "HandleAboutMenu.HandleAboutMenu";
  static const fw::ClassRecord& ClassInfo();

  void Event_EnableMenuItems() override;
  virtual bool AboutPlim_Action();
  virtual bool AboutMenuItem_Action();
};

// The registered application object; nil until start-up has made it.
fw::Ref<HandleAboutMenu> App();

// Start-up: makes the application object, gives it the shared menu bar and
// registers it.
void NewAppInstance();

// Start-up: binds the application's handlers of the two About items.
void ApplicationAddMenuHandlers();

// Items of the application's menu bar, looked up afresh on every call; nil
// when the bar lacks the name. Raise NilObjectException without an
// application object or menu bar.
fw::Ref<fw::AppleMenuItem> AboutPlim();
fw::Ref<fw::MenuItem> AboutMenuItem();
fw::Ref<fw::MenuItem> DescriptionMenuItem();
fw::Ref<fw::MenuItem> ControlMenuItem();
