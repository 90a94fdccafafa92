#include "calculator/control_window.h"

#include "framework/settings.h"

namespace {

fw::ClassRecord BuildClassRecord() {
  return fw::ClassRecord{
      .fullName = ControlWnd::kFullName,
      .base = "Window",
      .operations =
          {
              fw::PublicOperation("Layout", "(  )"),
              fw::PublicOperation("CreateControls", "(  )"),
              fw::HiddenOperation("CreateControls0", "(  )"),
              fw::PublicOperation("NVarsFld", "(  ) as TextArea"),
              fw::PublicOperation("ClearBtn", "(  ) as PushButton"),
              fw::PublicOperation("CalculateBtn", "(  ) as PushButton"),
              fw::PublicOperation("StaticText3", "(  ) as StaticText"),
              fw::PublicOperation("StaticText9", "(  ) as StaticText"),
              fw::PublicOperation("StaticText1", "(  ) as StaticText"),
              fw::PublicOperation("PrintBtn", "(  ) as PushButton"),
              fw::PublicOperation("Canvas1", "(  ) as Canvas"),
              fw::PublicOperation("EigenFld", "(  ) as TextArea"),
              fw::PublicOperation("StaticText2", "(  ) as StaticText"),
              fw::PublicOperation("LabelFld", "(  ) as TextField"),
              fw::PublicOperation("ImageWell1", "(  ) as ImageWell"),
              fw::PublicOperation("Canvas2", "(  ) as Canvas"),
              fw::PublicOperation("NVarsFld_KeyDown", "( String ) as Boolean"),
              fw::PublicOperation("ClearBtn_Action", "(  )"),
              fw::PublicOperation("CalculateBtn_Action", "(  )"),
              fw::PublicOperation("PrintBtn_Action", "(  )"),
              fw::PublicOperation("Canvas1_MouseDown", "( Int32, Int32 ) as Boolean"),
              fw::PublicOperation("EigenFld_KeyDown", "( String ) as Boolean"),
              fw::PublicOperation("ImageWell1_MouseDown", "( Int32, Int32 ) as Boolean"),
              fw::PublicOperation("AddMenuHandlers", "( Window )"),
              fw::PublicOperation("Event_Close", "(  )"),
              fw::PublicOperation("Event_Activate", "(  )"),
              fw::PublicOperation("Event_EnableMenuItems", "(  )"),
              fw::PublicOperation("DescriptionMenuItem_Action", "(  ) as Boolean"),
              fw::PublicOperation("AboutPlim_Action", "(  ) as Boolean"),
          },
      .events =
          {
              {"Layout", "Layout"},
              {"CreateControls", "CreateControls"},
              {"AddMenuHandlers", "AddMenuHandlers"},
              {"Close", "Event_Close"},
              {"EnableMenuItems", "Event_EnableMenuItems"},
              {"Activate", "Event_Activate"},
          },
      .attributes = {{"__Scope", "Public"}},
  };
}

template <class C>
fw::Ref<C> Find(const fw::Window& window, const char* name) {
  return fw::NotNil(fw::CheckedCast<C>(fw::RuntimeWindowControlByName(window, name)));
}

}  // namespace

const fw::ClassRecord& ControlWnd::ClassInfo() {
  // Looked up on every call: tests may empty the registry between two uses.
  if (const fw::ClassRecord* known = fw::FindClass(kFullName)) return *known;
  return fw::RegisterClass(BuildClassRecord());
}

fw::Ref<class ControlWnd> ControlWnd() {
  ControlWnd::ClassInfo();
  return fw::ImplicitInstance<class ControlWnd>();
}

void ControlWnd::Layout() {
  fw::SetProperties(*this, fw::SettingsList()
                               .Int("Placement", 0)
                               .Int("Width", 500)
                               .Int("Height", 550)
                               .Int("MinWidth", 64)
                               .Int("MinHeight", 64)
                               .Int("MaxWidth", 500)
                               .Int("MaxHeight", 500)
                               .Int("Frame", 0)
                               .Bool("Composite", false)
                               .Bool("HasBackColor", true)
                               .Colour("BackColor", 255, 255, 255)
                               .Text("Title", "Zelvora")
                               .Bool("Visible", true)
                               .Bool("FullScreen", false)
                               .Bool("MenuBarVisible", true)
                               .Bool("CloseButton", true)
                               .Bool("Resizeable", false)
                               .Bool("LiveResize", false)
                               .Bool("MaximizeButton", false)
                               .Bool("MinimizeButton", true)
                               .Int("MacProcID", 0)
                               .Bool("_mInitialControlsCreated", false)
                               .Int("Top", 0)
                               .Int("Left", 0));
}

void ControlWnd::CreateControls() {
  CreateControls0();
}

fw::Ref<fw::TextArea> ControlWnd::NVarsFld() const {
  return Find<fw::TextArea>(*this, "NVarsFld");
}

fw::Ref<fw::PushButton> ControlWnd::ClearBtn() const {
  return Find<fw::PushButton>(*this, "ClearBtn");
}

fw::Ref<fw::PushButton> ControlWnd::CalculateBtn() const {
  return Find<fw::PushButton>(*this, "CalculateBtn");
}

fw::Ref<fw::StaticText> ControlWnd::StaticText3() const {
  return Find<fw::StaticText>(*this, "StaticText3");
}

fw::Ref<fw::StaticText> ControlWnd::StaticText9() const {
  return Find<fw::StaticText>(*this, "StaticText9");
}

fw::Ref<fw::StaticText> ControlWnd::StaticText1() const {
  return Find<fw::StaticText>(*this, "StaticText1");
}

fw::Ref<fw::PushButton> ControlWnd::PrintBtn() const {
  return Find<fw::PushButton>(*this, "PrintBtn");
}

fw::Ref<fw::Canvas> ControlWnd::Canvas1() const {
  return Find<fw::Canvas>(*this, "Canvas1");
}

fw::Ref<fw::TextArea> ControlWnd::EigenFld() const {
  return Find<fw::TextArea>(*this, "EigenFld");
}

fw::Ref<fw::StaticText> ControlWnd::StaticText2() const {
  return Find<fw::StaticText>(*this, "StaticText2");
}

fw::Ref<fw::TextField> ControlWnd::LabelFld() const {
  return Find<fw::TextField>(*this, "LabelFld");
}

fw::Ref<fw::ImageWell> ControlWnd::ImageWell1() const {
  return Find<fw::ImageWell>(*this, "ImageWell1");
}

fw::Ref<fw::Canvas> ControlWnd::Canvas2() const {
  return Find<fw::Canvas>(*this, "Canvas2");
}
