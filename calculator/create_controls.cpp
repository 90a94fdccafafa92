// The calculator window's thirteen controls, made in their fixed order, each completely (font,
// picture, designed settings, event bindings) before the next.
#include <cstdint>
#include <limits>

#include "calculator/control_window.h"
#include "calculator/pictures.h"
#include "framework/settings.h"

namespace {

constexpr std::int32_t kNoControlArray = std::numeric_limits<std::int32_t>::min();
constexpr fw::Color kBlack{0, 0, 0};
constexpr fw::Color kWhite{255, 255, 255};
constexpr fw::Color kGrey{128, 128, 128};

struct Locks {
  bool left, top, right, bottom;
};
constexpr Locks kAllLocks{true, true, true, true};
constexpr Locks kNoLocks{false, false, false, false};
constexpr Locks kLeftTop{true, true, false, false};

struct Placement {
  const char* name;
  std::int32_t left, top, width, height;
  Locks locks;
  std::int32_t tabIndex;
};

// The entries every control's list begins with.
fw::SettingsList Placed(const Placement& p) {
  fw::SettingsList list;
  list.Text("Name", p.name)
      .Int("Index", kNoControlArray)
      .Int("Left", p.left)
      .Int("Top", p.top)
      .Int("Width", p.width)
      .Int("Height", p.height)
      .Bool("LockLeft", p.locks.left)
      .Bool("LockTop", p.locks.top)
      .Bool("LockRight", p.locks.right)
      .Bool("LockBottom", p.locks.bottom)
      .Int("TabPanelIndex", 0)
      .Int("TabIndex", p.tabIndex)
      .Bool("TabStop", true);
  return list;
}

}  // namespace

void ControlWnd::CreateControls0() {
  New<fw::TextArea>("NVarsFld");
  NVarsFld()->SetTextSize(12);
  NVarsFld()->SetTextUnit(0);
  fw::SetProperties(*NVarsFld(), Placed({"NVarsFld", 141, 150, 65, 20, kAllLocks, 0})
                                     .Bool("Border", true)
                                     .Bool("Multiline", true)
                                     .Bool("ScrollbarHorizontal", false)
                                     .Bool("ScrollbarVertical", false)
                                     .Bool("Styled", true)
                                     .Bool("UseFocusRing", true)
                                     .Colour("TextColor", kBlack)
                                     .Colour("BackColor", kWhite)
                                     .Bool("Enabled", true)
                                     .Text("Format", "")
                                     .Bool("Visible", true)
                                     .Text("HelpTag", "")
                                     .Bool("AutoDeactivate", true)
                                     .Bool("HideSelection", true)
                                     .Text("TextFont", "Courier")
                                     .Bool("Bold", false)
                                     .Bool("Italic", false)
                                     .Bool("Underline", false)
                                     .Text("Text", "")
                                     .Text("Mask", "######")
                                     .Bool("ReadOnly", false)
                                     .Int("LimitText", 6)
                                     .Bool("AcceptTabs", false)
                                     .Int("Alignment", 2)
                                     .Text("DataSource", "")
                                     .Text("DataField", "")
                                     .Text("InitialParent", ""));
  fw::InstallInstanceEventHandler(
      *NVarsFld(), "KeyDown",
      fw::KeyDownHandler([this](const std::string& key) { return NVarsFld_KeyDown(key); }));

  New<fw::PushButton>("ClearBtn");
  ClearBtn()->SetTextSize(12);
  ClearBtn()->SetTextUnit(0);
  fw::SetProperties(*ClearBtn(), Placed({"ClearBtn", 210, 503, 80, 30, kAllLocks, 3})
                                     .Text("Caption", "Clear")
                                     .Bool("Default", false)
                                     .Bool("Cancel", false)
                                     .Bool("Enabled", true)
                                     .Bool("Visible", true)
                                     .Text("HelpTag", "")
                                     .Bool("AutoDeactivate", true)
                                     .Int("ButtonStyle", 0)
                                     .Text("TextFont", "System")
                                     .Bool("Bold", false)
                                     .Bool("Italic", false)
                                     .Bool("Underline", false)
                                     .Text("InitialParent", ""));
  fw::InstallInstanceEventHandler(*ClearBtn(), "Action",
                                  fw::ActionHandler([this] { ClearBtn_Action(); }));

  New<fw::PushButton>("CalculateBtn");
  CalculateBtn()->SetTextSize(12);
  CalculateBtn()->SetTextUnit(0);
  fw::SetProperties(*CalculateBtn(), Placed({"CalculateBtn", 20, 503, 80, 30, kAllLocks, 4})
                                         .Text("Caption", "Calculate")
                                         .Bool("Default", false)
                                         .Bool("Cancel", false)
                                         .Bool("Enabled", true)
                                         .Bool("Visible", true)
                                         .Text("HelpTag", "")
                                         .Bool("AutoDeactivate", true)
                                         .Int("ButtonStyle", 0)
                                         .Text("TextFont", "System")
                                         .Bool("Bold", false)
                                         .Bool("Italic", false)
                                         .Bool("Underline", false)
                                         .Text("InitialParent", ""));
  fw::InstallInstanceEventHandler(*CalculateBtn(), "Action",
                                  fw::ActionHandler([this] { CalculateBtn_Action(); }));

  New<fw::StaticText>("StaticText3");
  StaticText3()->SetTextSize(12);
  fw::SetProperties(*StaticText3(), Placed({"StaticText3", 20, 191, 120, 20, kAllLocks, 5})
                                        .Text("InitialParent", "")
                                        .Bool("Visible", true)
                                        .Text("HelpTag", "")
                                        .Bool("AutoDeactivate", true)
                                        .Bool("Enabled", true)
                                        .Text("Text", "Eigenvalues")
                                        .Int("TextAlign", 0)
                                        .Colour("TextColor", kBlack)
                                        .Bool("Multiline", false)
                                        .Bool("Selectable", false)
                                        .Bool("Transparent", false)
                                        .Text("TextFont", "System")
                                        .Bool("Bold", false)
                                        .Bool("Italic", false)
                                        .Bool("Underline", false)
                                        .Text("DataSource", "")
                                        .Text("DataField", ""));

  New<fw::StaticText>("StaticText9");
  StaticText9()->SetTextSize(12);
  fw::SetProperties(*StaticText9(), Placed({"StaticText9", 233, 69, 197, 20, kAllLocks, 8})
                                        .Text("InitialParent", "")
                                        .Bool("Visible", true)
                                        .Text("HelpTag", "")
                                        .Bool("AutoDeactivate", true)
                                        .Bool("Enabled", true)
                                        .Text("Text", "\u00a9 2026 The Zelvora authors")
                                        .Int("TextAlign", 1)
                                        .Colour("TextColor", kGrey)
                                        .Bool("Multiline", false)
                                        .Bool("Selectable", false)
                                        .Bool("Transparent", false)
                                        .Text("TextFont", "Times")
                                        .Bool("Bold", true)
                                        .Bool("Italic", false)
                                        .Bool("Underline", false)
                                        .Text("DataSource", "")
                                        .Text("DataField", ""));

  New<fw::StaticText>("StaticText1");
  StaticText1()->SetTextSize(12);
  fw::SetProperties(*StaticText1(), Placed({"StaticText1", 20, 150, 120, 20, kNoLocks, 10})
                                        .Text("InitialParent", "")
                                        .Bool("Visible", true)
                                        .Text("HelpTag", "")
                                        .Bool("AutoDeactivate", true)
                                        .Bool("Enabled", true)
                                        .Text("Text", "Number of subjects:")
                                        .Int("TextAlign", 0)
                                        .Colour("TextColor", kBlack)
                                        .Bool("Multiline", false)
                                        .Bool("Selectable", false)
                                        .Bool("Transparent", false)
                                        .Text("TextFont", "System")
                                        .Bool("Bold", false)
                                        .Bool("Italic", false)
                                        .Bool("Underline", false)
                                        .Text("DataSource", "")
                                        .Text("DataField", ""));

  New<fw::PushButton>("PrintBtn");
  PrintBtn()->SetTextSize(12);
  PrintBtn()->SetTextUnit(0);
  fw::SetProperties(*PrintBtn(), Placed({"PrintBtn", 400, 503, 80, 30, kAllLocks, 11})
                                     .Text("Caption", "Print")
                                     .Bool("Default", false)
                                     .Bool("Cancel", false)
                                     .Bool("Enabled", true)
                                     .Bool("Visible", true)
                                     .Text("HelpTag", "")
                                     .Bool("AutoDeactivate", true)
                                     .Int("ButtonStyle", 0)
                                     .Text("TextFont", "System")
                                     .Bool("Bold", false)
                                     .Bool("Italic", false)
                                     .Bool("Underline", false)
                                     .Text("InitialParent", ""));
  fw::InstallInstanceEventHandler(*PrintBtn(), "Action",
                                  fw::ActionHandler([this] { PrintBtn_Action(); }));

  New<fw::Canvas>("Canvas1");
  Canvas1()->SetBackdrop(Quest35());
  fw::SetProperties(*Canvas1(), Placed({"Canvas1", 445, 188, 35, 20, kNoLocks, 12})
                                    .Bool("Visible", true)
                                    .Text("HelpTag", "")
                                    .Bool("AutoDeactivate", true)
                                    .Bool("Enabled", true)
                                    .Bool("UseFocusRing", true)
                                    .Bool("AcceptFocus", false)
                                    .Bool("AcceptTabs", false)
                                    .Bool("DoubleBuffer", false)
                                    .Bool("EraseBackground", true)
                                    .Text("InitialParent", ""));
  fw::InstallInstanceEventHandler(
      *Canvas1(), "MouseDown",
      fw::MouseDownHandler([this](int x, int y) { return Canvas1_MouseDown(x, y); }));

  New<fw::TextArea>("EigenFld");
  EigenFld()->SetTextSize(12);
  EigenFld()->SetTextUnit(0);
  fw::SetProperties(*EigenFld(), Placed({"EigenFld", 20, 210, 460, 280, kAllLocks, 2})
                                     .Bool("Border", true)
                                     .Bool("Multiline", true)
                                     .Bool("ScrollbarHorizontal", false)
                                     .Bool("ScrollbarVertical", true)
                                     .Bool("Styled", true)
                                     .Bool("UseFocusRing", false)
                                     .Colour("TextColor", kBlack)
                                     .Colour("BackColor", kWhite)
                                     .Bool("Enabled", true)
                                     .Text("Format", "")
                                     .Bool("Visible", true)
                                     .Text("HelpTag", "")
                                     .Bool("AutoDeactivate", true)
                                     .Bool("HideSelection", true)
                                     .Text("TextFont", "Courier")
                                     .Bool("Bold", false)
                                     .Bool("Italic", false)
                                     .Bool("Underline", false)
                                     .Text("Text", "")
                                     .Text("Mask", "")
                                     .Bool("ReadOnly", false)
                                     .Int("LimitText", 0)
                                     .Bool("AcceptTabs", false)
                                     .Int("Alignment", 0)
                                     .Text("DataSource", "")
                                     .Text("DataField", "")
                                     .Text("InitialParent", ""));
  fw::InstallInstanceEventHandler(
      *EigenFld(), "KeyDown",
      fw::KeyDownHandler([this](const std::string& key) { return EigenFld_KeyDown(key); }));

  New<fw::StaticText>("StaticText2");
  StaticText2()->SetTextSize(12);
  fw::SetProperties(*StaticText2(), Placed({"StaticText2", 233, 150, 40, 20, kNoLocks, 13})
                                        .Text("InitialParent", "")
                                        .Bool("Visible", true)
                                        .Text("HelpTag", "")
                                        .Bool("AutoDeactivate", true)
                                        .Bool("Enabled", true)
                                        .Text("Text", "Label:")
                                        .Int("TextAlign", 0)
                                        .Colour("TextColor", kBlack)
                                        .Bool("Multiline", false)
                                        .Bool("Selectable", false)
                                        .Bool("Transparent", false)
                                        .Text("TextFont", "System")
                                        .Bool("Bold", false)
                                        .Bool("Italic", false)
                                        .Bool("Underline", false)
                                        .Text("DataSource", "")
                                        .Text("DataField", ""));

  New<fw::TextField>("LabelFld");
  LabelFld()->SetTextSize(12);
  LabelFld()->SetTextUnit(0);
  fw::SetProperties(*LabelFld(), Placed({"LabelFld", 273, 150, 207, 20, kLeftTop, 1})
                                     .Bool("Border", true)
                                     .Bool("Password", false)
                                     .Bool("UseFocusRing", true)
                                     .Colour("TextColor", kBlack)
                                     .Colour("BackColor", kWhite)
                                     .Bool("Enabled", true)
                                     .Text("Format", "")
                                     .Bool("Visible", true)
                                     .Text("HelpTag", "")
                                     .Bool("AutoDeactivate", true)
                                     .Text("TextFont", "Courier")
                                     .Bool("Bold", false)
                                     .Bool("Italic", false)
                                     .Bool("Underline", false)
                                     .Text("CueText", "")
                                     .Text("Text", "")
                                     .Text("Mask", "")
                                     .Bool("ReadOnly", false)
                                     .Int("LimitText", 49)
                                     .Bool("AcceptTabs", false)
                                     .Int("Alignment", 1)
                                     .Text("DataSource", "")
                                     .Text("DataField", ""));

  New<fw::ImageWell>("ImageWell1");
  ImageWell1()->SetImage(NormalSmall());
  fw::SetProperties(*ImageWell1(), Placed({"ImageWell1", 20, 10, 170, 73, kNoLocks, 14})
                                       .Text("InitialParent", "")
                                       .Bool("Visible", true)
                                       .Text("HelpTag", "")
                                       .Bool("AutoDeactivate", true)
                                       .Bool("Enabled", true));
  fw::InstallInstanceEventHandler(
      *ImageWell1(), "MouseDown",
      fw::MouseDownHandler([this](int x, int y) { return ImageWell1_MouseDown(x, y); }));

  New<fw::Canvas>("Canvas2");
  Canvas2()->SetBackdrop(Zelvoratitle200());
  fw::SetProperties(*Canvas2(), Placed({"Canvas2", 233, 14, 206, 59, kLeftTop, 15})
                                    .Bool("Visible", true)
                                    .Text("HelpTag", "")
                                    .Bool("AutoDeactivate", true)
                                    .Bool("Enabled", true)
                                    .Bool("UseFocusRing", true)
                                    .Bool("AcceptFocus", false)
                                    .Bool("AcceptTabs", false)
                                    .Bool("DoubleBuffer", false)
                                    .Bool("EraseBackground", true)
                                    .Text("InitialParent", ""));
}
