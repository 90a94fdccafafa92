// The sixteen menu-item accessors that a window with its own menu bar
// carries, one per item name of the bar and one for a name the bar lacks.
#pragma once

#include "framework/menus.h"
#include "framework/object.h"
#include "shell/class_records.h"
#include "shell/window_menu_items.h"

// Declares them inside a window class; SHELL_DEFINE_MENU_ITEM_ACCESSORS gives
// their bodies.
#define SHELL_DECLARE_MENU_ITEM_ACCESSORS              \
  virtual fw::Ref<fw::MenuItem> WindowMenu();          \
  virtual fw::Ref<fw::AppleMenuItem> AboutPlim();      \
  virtual fw::Ref<fw::MenuItem> AboutMenuItem();       \
  virtual fw::Ref<fw::MenuItem> DescriptionMenuItem(); \
  virtual fw::Ref<fw::MenuItem> ControlMenuItem();     \
  virtual fw::Ref<fw::MenuItem> UntitledMenu0();       \
  virtual fw::Ref<fw::MenuItem> EditClear();           \
  virtual fw::Ref<fw::MenuItem> EditPaste();           \
  virtual fw::Ref<fw::MenuItem> EditCopy();            \
  virtual fw::Ref<fw::MenuItem> EditCut();             \
  virtual fw::Ref<fw::MenuItem> UntitledMenu1();       \
  virtual fw::Ref<fw::MenuItem> EditUndo();            \
  virtual fw::Ref<fw::MenuItem> FileMenu();            \
  virtual fw::Ref<fw::QuitMenuItem> FileQuit();        \
  virtual fw::Ref<fw::MenuItem> Print();               \
  virtual fw::Ref<fw::MenuItem> UntitledMenu3()

#define SHELL_MENU_ITEM_ACCESSOR(Class, Type, Name)   \
  fw::Ref<Type> Class::Name() {                       \
    return shell::WindowMenuItem<Type>(*this, #Name); \
  }

#define SHELL_DEFINE_MENU_ITEM_ACCESSORS(Class)                      \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, WindowMenu)          \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::AppleMenuItem, AboutPlim)      \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, AboutMenuItem)       \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, DescriptionMenuItem) \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, ControlMenuItem)     \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, UntitledMenu0)       \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, EditClear)           \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, EditPaste)           \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, EditCopy)            \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, EditCut)             \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, UntitledMenu1)       \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, EditUndo)            \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, FileMenu)            \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::QuitMenuItem, FileQuit)        \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, Print)               \
  SHELL_MENU_ITEM_ACCESSOR(Class, fw::MenuItem, UntitledMenu3)

// Their entries in a class record, in the order above.
#define SHELL_MENU_ITEM_ACCESSOR_OPERATIONS                           \
  fw::PublicOperation("WindowMenu", "(  ) as MenuItem"),              \
      fw::PublicOperation("AboutPlim", "(  ) as AppleMenuItem"),      \
      fw::PublicOperation("AboutMenuItem", "(  ) as MenuItem"),       \
      fw::PublicOperation("DescriptionMenuItem", "(  ) as MenuItem"), \
      fw::PublicOperation("ControlMenuItem", "(  ) as MenuItem"),     \
      fw::PublicOperation("UntitledMenu0", "(  ) as MenuItem"),       \
      fw::PublicOperation("EditClear", "(  ) as MenuItem"),           \
      fw::PublicOperation("EditPaste", "(  ) as MenuItem"),           \
      fw::PublicOperation("EditCopy", "(  ) as MenuItem"),            \
      fw::PublicOperation("EditCut", "(  ) as MenuItem"),             \
      fw::PublicOperation("UntitledMenu1", "(  ) as MenuItem"),       \
      fw::PublicOperation("EditUndo", "(  ) as MenuItem"),            \
      fw::PublicOperation("FileMenu", "(  ) as MenuItem"),            \
      fw::PublicOperation("FileQuit", "(  ) as QuitMenuItem"),        \
      fw::PublicOperation("Print", "(  ) as MenuItem"),               \
      fw::PublicOperation("UntitledMenu3", "(  ) as MenuItem")
