#include "shell/invisible_window.h"

#include <cstdint>

#include "calculator/control_window.h"
#include "framework/application.h"
#include "framework/settings.h"
#include "framework/text.h"
#include "shell/about_window.h"
#include "shell/class_records.h"
#include "shell/menu.h"

namespace {

const std::string& WindowSettings() {
  static const fw::SettingsList list = fw::SettingsList()
                                           .Int("Placement", 0)
                                           .Int("Width", 64)
                                           .Int("Height", 64)
                                           .Int("MinWidth", 64)
                                           .Int("MinHeight", 64)
                                           .Int("MaxWidth", 32000)
                                           .Int("MaxHeight", 32000)
                                           .Int("Frame", 1)
                                           .Bool("Composite", false)
                                           .Bool("HasBackColor", false)
                                           .Colour("BackColor", 255, 255, 255)
                                           .Text("Title", "Untitled")
                                           .Bool("Visible", false)
                                           .Bool("FullScreen", false)
                                           .Bool("MenuBarVisible", true)
                                           .Bool("CloseButton", false)
                                           .Bool("Resizeable", false)
                                           .Bool("LiveResize", false)
                                           .Bool("MaximizeButton", false)
                                           .Bool("MinimizeButton", true)
                                           .Int("MacProcID", 0)
                                           .Bool("_mInitialControlsCreated", false)
                                           .Int("Top", 0)
                                           .Int("Left", 0);
  return list;
}

std::int32_t WholeSeconds() {
  return fw::ToInt32(static_cast<double>(fw::Ticks()) / 60.0);
}

}  // namespace

const fw::ClassRecord& InvisibleWnd::ClassInfo() {
  return shell::EnsureClass(
      kFullName, "Window",
      {fw::PublicOperation("Layout", "(  )"), fw::PublicOperation("CreateControls", "(  )"),
       SHELL_MENU_ITEM_ACCESSOR_OPERATIONS, fw::PublicOperation("Event_Open", "(  )")},
      {{"Layout", "Layout"}, {"CreateControls", "CreateControls"}, {"Open", "Event_Open"}});
}

void InvisibleWnd::Layout() {
  SetMenuBar(::Menu());
  fw::SetProperties(*this, WindowSettings());
}

void InvisibleWnd::CreateControls() {}

SHELL_DEFINE_MENU_ITEM_ACCESSORS(InvisibleWnd)

// The wait polls rather than sleeps, yielding on every pass so that a key or
// click in the About window, and everything else, is handled meanwhile.
void InvisibleWnd::Event_Open() {
  fw::NotNil(::AboutWnd())->Show();
  const std::int32_t start = WholeSeconds();
  std::int32_t current = 0;
  while (!(static_cast<double>(current - start) > 2.75)) {
    current = WholeSeconds();
    fw::BackgroundYield();
  }
  fw::NotNil(::AboutWnd())->Hide();
  fw::NotNil(::InvisibleWnd())->Hide();
  fw::NotNil(::ControlWnd())->Show();
}

fw::Ref<class InvisibleWnd> InvisibleWnd() {
  return fw::ImplicitInstance<class InvisibleWnd>();
}
