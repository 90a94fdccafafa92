#include "shell/about_window.h"

#include <cstdint>
#include <limits>

#include "calculator/control_window.h"
#include "calculator/pictures.h"
#include "framework/settings.h"
#include "shell/class_records.h"

namespace {

constexpr std::int32_t kNoControlArray = std::numeric_limits<std::int32_t>::min();
constexpr fw::Color kWhite{255, 255, 255};
constexpr fw::Color kMaroon{128, 0, 0};

const std::string& WindowSettings() {
  static const fw::SettingsList list = fw::SettingsList()
                                           .Int("Placement", 0)
                                           .Int("Width", 350)
                                           .Int("Height", 250)
                                           .Int("MinWidth", 64)
                                           .Int("MinHeight", 64)
                                           .Int("MaxWidth", 32000)
                                           .Int("MaxHeight", 32000)
                                           .Int("Frame", 2)
                                           .Bool("Composite", false)
                                           .Bool("HasBackColor", true)
                                           .Colour("BackColor", kWhite)
                                           .Text("Title", "")
                                           .Bool("Visible", true)
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

// The entries every control's list opens with.
fw::SettingsList ControlHead(const char* name, int left, int top, int width, int height,
                             bool lockLeftTop, int tabIndex) {
  fw::SettingsList list;
  list.Text("Name", name)
      .Int("Index", kNoControlArray)
      .Int("Left", left)
      .Int("Top", top)
      .Int("Width", width)
      .Int("Height", height)
      .Bool("LockLeft", lockLeftTop)
      .Bool("LockTop", lockLeftTop)
      .Bool("LockRight", false)
      .Bool("LockBottom", false)
      .Int("TabPanelIndex", 0)
      .Int("TabIndex", tabIndex)
      .Bool("TabStop", true);
  return list;
}

const std::string& NoticeSettings() {
  static const fw::SettingsList list =
      ControlHead("StaticText5", 68, 219, 214, 16, false, 0)
          .Text("InitialParent", "")
          .Bool("Visible", true)
          .Text("HelpTag", "")
          .Bool("AutoDeactivate", true)
          .Bool("Enabled", true)
          .Text("Text", "Copyright \u00a9 2026 The Zelvora authors")
          .Int("TextAlign", 1)
          .Colour("TextColor", kMaroon)
          .Bool("Multiline", false)
          .Bool("Selectable", false)
          .Bool("Transparent", false)
          .Text("TextFont", "Times")
          .Bool("Bold", false)
          .Bool("Italic", false)
          .Bool("Underline", false)
          .Text("DataSource", "")
          .Text("DataField", "");
  return list;
}

fw::SettingsList CanvasSettings(const char* name, int left, int top, int width, int height,
                                bool lockLeftTop, int tabIndex, bool enabled, bool focusRing) {
  return ControlHead(name, left, top, width, height, lockLeftTop, tabIndex)
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Bool("Enabled", enabled)
      .Bool("UseFocusRing", focusRing)
      .Bool("AcceptFocus", false)
      .Bool("AcceptTabs", false)
      .Bool("DoubleBuffer", false)
      .Bool("EraseBackground", true)
      .Text("InitialParent", "");
}

const std::string& BadgeSettings() {
  static const fw::SettingsList list =
      CanvasSettings("Canvas2", 100, 192, 152, 21, false, 2, false, false);
  return list;
}

const std::string& WellSettings() {
  static const fw::SettingsList list = ControlHead("ImageWell1", 91, 110, 167, 78, true, 4)
                                           .Text("InitialParent", "")
                                           .Bool("Visible", true)
                                           .Text("HelpTag", "")
                                           .Bool("AutoDeactivate", true)
                                           .Bool("Enabled", true);
  return list;
}

const std::string& TitleSettings() {
  static const fw::SettingsList list =
      CanvasSettings("Canvas1", 72, 20, 204, 62, true, 5, true, true);
  return list;
}

template <class C>
fw::Ref<C> Named(const fw::Window& window, const char* name) {
  return fw::CheckedCast<C>(fw::NotNil(fw::RuntimeWindowControlByName(window, name)));
}

}  // namespace

const fw::ClassRecord& AboutWnd::ClassInfo() {
  return shell::EnsureClass(
      kFullName, "Window",
      {fw::PublicOperation("Layout", "(  )"), fw::PublicOperation("CreateControls", "(  )"),
       fw::HiddenOperation("CreateControls0", "(  )"),
       fw::PublicOperation("StaticText5", "(  ) as StaticText"),
       fw::PublicOperation("Canvas2", "(  ) as Canvas"),
       fw::PublicOperation("ImageWell1", "(  ) as ImageWell"),
       fw::PublicOperation("Canvas1", "(  ) as Canvas"),
       fw::PublicOperation("Event_KeyDown", "( String ) as Boolean"),
       fw::PublicOperation("Event_MouseDown", "( Int32, Int32 ) as Boolean")},
      {{"Layout", "Layout"},
       {"CreateControls", "CreateControls"},
       {"KeyDown", "Event_KeyDown"},
       {"MouseDown", "Event_MouseDown"}});
}

void AboutWnd::Layout() {
  fw::SetProperties(*this, WindowSettings());
}

void AboutWnd::CreateControls() {
  CreateControls0();
}

void AboutWnd::CreateControls0() {
  New<fw::StaticText>("StaticText5");
  Named<fw::StaticText>(*this, "StaticText5")->SetTextSize(10.0f);
  fw::SetProperties(*Named<fw::StaticText>(*this, "StaticText5"), NoticeSettings());

  New<fw::Canvas>("Canvas2");
  Named<fw::Canvas>(*this, "Canvas2")->SetBackdrop(ToolBadgeSmall());
  fw::SetProperties(*Named<fw::Canvas>(*this, "Canvas2"), BadgeSettings());

  New<fw::ImageWell>("ImageWell1");
  Named<fw::ImageWell>(*this, "ImageWell1")->SetImage(NormalSmall());
  fw::SetProperties(*Named<fw::ImageWell>(*this, "ImageWell1"), WellSettings());

  New<fw::Canvas>("Canvas1");
  Named<fw::Canvas>(*this, "Canvas1")->SetBackdrop(Zelvoratitle200());
  fw::SetProperties(*Named<fw::Canvas>(*this, "Canvas1"), TitleSettings());
}

fw::Ref<fw::StaticText> AboutWnd::StaticText5() {
  return fw::CheckedCast<fw::StaticText>(fw::RuntimeWindowControlByName(*this, "StaticText5"));
}

fw::Ref<fw::Canvas> AboutWnd::Canvas2() {
  return fw::CheckedCast<fw::Canvas>(fw::RuntimeWindowControlByName(*this, "Canvas2"));
}

fw::Ref<fw::ImageWell> AboutWnd::ImageWell1() {
  return fw::CheckedCast<fw::ImageWell>(fw::RuntimeWindowControlByName(*this, "ImageWell1"));
}

fw::Ref<fw::Canvas> AboutWnd::Canvas1() {
  return fw::CheckedCast<fw::Canvas>(fw::RuntimeWindowControlByName(*this, "Canvas1"));
}

// Any key and any click mean the same: away with the box, on to the calculator.
bool AboutWnd::Event_KeyDown(const std::string& /*key*/) {
  fw::NotNil(::AboutWnd())->Hide();
  fw::NotNil(::ControlWnd())->Show();
  return false;
}

bool AboutWnd::Event_MouseDown(int /*x*/, int /*y*/) {
  fw::NotNil(::AboutWnd())->Hide();
  fw::NotNil(::ControlWnd())->Show();
  return false;
}

fw::Ref<class AboutWnd> AboutWnd() {
  return fw::ImplicitInstance<class AboutWnd>();
}
