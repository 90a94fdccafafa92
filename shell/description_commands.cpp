// The Description window's events and menu commands: the bold opening run,
// the enabling round, Control, About and Print.
#include <string>

#include "calculator/control_window.h"
#include "framework/application.h"
#include "framework/printing.h"
#include "shell/about_window.h"
#include "shell/description_window.h"

namespace {

constexpr int kBoldRunLength = 29;

}  // namespace

void DescriptionWnd::AddMenuHandlers() {
  auto bind = [this](const std::string& item, bool (DescriptionWnd::*handler)()) {
    AddMenuHandler(item, [this, handler] { return (this->*handler)(); });
  };
  bind("ControlMenuItem", &DescriptionWnd::ControlMenuItem_Action);
  bind("AboutMenuItem", &DescriptionWnd::AboutMenuItem_Action);
  bind("Print", &DescriptionWnd::Print_Action);
}

void DescriptionWnd::Event_Open() {
  fw::NotNil(DescribeFld2())->SetSelStart(0);
  fw::NotNil(DescribeFld2())->SetSelLength(kBoldRunLength);
  fw::NotNil(DescribeFld2())->SetSelBold(true);
}

void DescriptionWnd::Event_EnableMenuItems() {
  fw::NotNil(ControlMenuItem())->SetEnabled(true);
  fw::NotNil(AboutMenuItem())->SetEnabled(true);
}

bool DescriptionWnd::ControlMenuItem_Action() {
  fw::NotNil(::ControlWnd())->Show();
  return false;
}

bool DescriptionWnd::AboutMenuItem_Action() {
  fw::NotNil(::AboutWnd())->Show();
  return false;
}

bool DescriptionWnd::Print_Action() {
  fw::PrintTextArea(*fw::NotNil(DescribeFld2()));
  return false;
}
