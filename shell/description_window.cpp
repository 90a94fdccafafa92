// The Description window's record, settings, text areas and accessors.
#include "shell/description_window.h"

#include <cstdint>
#include <limits>

#include "framework/settings.h"
#include "shell/class_records.h"
#include "shell/description_text.h"
#include "shell/menu.h"

namespace {

constexpr fw::Color kWhite{255, 255, 255};
constexpr fw::Color kBlack{0, 0, 0};

const std::string& WindowSettings() {
  static const fw::SettingsList list = fw::SettingsList()
                                           .Int("Placement", 0)
                                           .Int("Width", 427)
                                           .Int("Height", 491)
                                           .Int("MinWidth", 64)
                                           .Int("MinHeight", 64)
                                           .Int("MaxWidth", 32000)
                                           .Int("MaxHeight", 32000)
                                           .Int("Frame", 0)
                                           .Bool("Composite", false)
                                           .Bool("HasBackColor", false)
                                           .Colour("BackColor", kWhite)
                                           .Text("Title", "Description")
                                           .Bool("Visible", false)
                                           .Bool("FullScreen", false)
                                           .Bool("MenuBarVisible", true)
                                           .Bool("CloseButton", true)
                                           .Bool("Resizeable", true)
                                           .Bool("LiveResize", false)
                                           .Bool("MaximizeButton", false)
                                           .Bool("MinimizeButton", true)
                                           .Int("MacProcID", 0)
                                           .Bool("_mInitialControlsCreated", false)
                                           .Int("Top", 0)
                                           .Int("Left", 0);
  return list;
}

struct AreaDesign {
  const char* name;
  int left, top, width, height, tabIndex;
  bool styled;
  const char* font;
  std::string_view text;
  int alignment;
};

fw::SettingsList AreaSettings(const AreaDesign& d) {
  fw::SettingsList list;
  list.Text("Name", d.name)
      .Int("Index", std::numeric_limits<std::int32_t>::min())
      .Int("Left", d.left)
      .Int("Top", d.top)
      .Int("Width", d.width)
      .Int("Height", d.height)
      .Bool("LockLeft", true)
      .Bool("LockTop", true)
      .Bool("LockRight", true)
      .Bool("LockBottom", true)
      .Int("TabPanelIndex", 0)
      .Int("TabIndex", d.tabIndex)
      .Bool("TabStop", true)
      .Bool("Border", true)
      .Bool("Multiline", true)
      .Bool("ScrollbarHorizontal", false)
      .Bool("ScrollbarVertical", true)
      .Bool("Styled", d.styled)
      .Bool("UseFocusRing", false)
      .Colour("TextColor", kBlack)
      .Colour("BackColor", kWhite)
      .Bool("Enabled", true)
      .Text("Format", "")
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Bool("HideSelection", true)
      .Text("TextFont", d.font)
      .Bool("Bold", false)
      .Bool("Italic", false)
      .Bool("Underline", false)
      .Text("Text", d.text)
      .Text("Mask", "")
      .Bool("ReadOnly", true)
      .Int("LimitText", 0)
      .Bool("AcceptTabs", false)
      .Int("Alignment", d.alignment)
      .Text("DataSource", "")
      .Text("DataField", "")
      .Text("InitialParent", "");
  return list;
}

// The covered area under the text reaches two pixels further right and down.
const std::string& BackAreaSettings() {
  static const fw::SettingsList list =
      AreaSettings({"DescribeFld", 1, -1, 427, 478, 0, false, "Courier", "\r", 0});
  return list;
}

const std::string& TextAreaSettings() {
  static const fw::SettingsList list = AreaSettings(
      {"DescribeFld2", -1, -1, 427, 476, 1, true, "Times", shell::DescriptionText(), 1});
  return list;
}

fw::Ref<fw::TextArea> Area(const fw::Window& window, const char* name) {
  return fw::CheckedCast<fw::TextArea>(fw::NotNil(fw::RuntimeWindowControlByName(window, name)));
}

void BuildArea(fw::Window& window, const char* name, float textSize, const std::string& settings) {
  window.New<fw::TextArea>(name);
  Area(window, name)->SetTextSize(textSize);
  Area(window, name)->SetTextUnit(0);
  fw::SetProperties(*Area(window, name), settings);
}

}  // namespace

const fw::ClassRecord& DescriptionWnd::ClassInfo() {
  return shell::EnsureClass(
      kFullName, "Window",
      {fw::PublicOperation("Layout", "(  )"), fw::PublicOperation("CreateControls", "(  )"),
       fw::HiddenOperation("CreateControls0", "(  )"),
       fw::PublicOperation("DescribeFld", "(  ) as TextArea"),
       fw::PublicOperation("DescribeFld2", "(  ) as TextArea"), SHELL_MENU_ITEM_ACCESSOR_OPERATIONS,
       fw::PublicOperation("AddMenuHandlers", "(  )"), fw::PublicOperation("Event_Open", "(  )"),
       fw::PublicOperation("Event_EnableMenuItems", "(  )"),
       fw::PublicOperation("ControlMenuItem_Action", "(  ) as Boolean"),
       fw::PublicOperation("AboutMenuItem_Action", "(  ) as Boolean"),
       fw::PublicOperation("Print_Action", "(  ) as Boolean")},
      {{"Layout", "Layout"},
       {"CreateControls", "CreateControls"},
       {"AddMenuHandlers", "AddMenuHandlers"},
       {"Open", "Event_Open"},
       {"EnableMenuItems", "Event_EnableMenuItems"}});
}

void DescriptionWnd::Layout() {
  SetMenuBar(::Menu());
  fw::SetProperties(*this, WindowSettings());
}

void DescriptionWnd::CreateControls() {
  CreateControls0();
}

void DescriptionWnd::CreateControls0() {
  BuildArea(*this, "DescribeFld", 10.0f, BackAreaSettings());
  BuildArea(*this, "DescribeFld2", 11.0f, TextAreaSettings());
}

fw::Ref<fw::TextArea> DescriptionWnd::DescribeFld() {
  return fw::CheckedCast<fw::TextArea>(fw::RuntimeWindowControlByName(*this, "DescribeFld"));
}

fw::Ref<fw::TextArea> DescriptionWnd::DescribeFld2() {
  return fw::CheckedCast<fw::TextArea>(fw::RuntimeWindowControlByName(*this, "DescribeFld2"));
}

SHELL_DEFINE_MENU_ITEM_ACCESSORS(DescriptionWnd)

fw::Ref<class DescriptionWnd> DescriptionWnd() {
  return fw::ImplicitInstance<class DescriptionWnd>();
}
