// The calculator's links to the rest of the program: its picture clicks and menu handlers open
// the Description and About windows, its activation puts the About window away, and it sets
// which Window menu items are enabled while it is in front.
#include "calculator/control_window.h"
#include "shell/about_window.h"
#include "shell/app.h"
#include "shell/description_window.h"

bool ControlWnd::Canvas1_MouseDown(int, int) {
  fw::NotNil(DescriptionWnd())->Show();
  return false;
}

bool ControlWnd::ImageWell1_MouseDown(int, int) {
  fw::NotNil(AboutWnd())->Show();
  return false;
}

void ControlWnd::AddMenuHandlers() {
  AddMenuHandler("DescriptionMenuItem", [this] { return DescriptionMenuItem_Action(); });
  AddMenuHandler("AboutPlim", [this] { return AboutPlim_Action(); });
}

bool ControlWnd::DescriptionMenuItem_Action() {
  fw::NotNil(DescriptionWnd())->Show();
  return false;
}

bool ControlWnd::AboutPlim_Action() {
  fw::NotNil(AboutWnd())->Show();
  return false;
}

void ControlWnd::Event_Activate() {
  fw::NotNil(AboutWnd())->Hide();
}

void ControlWnd::Event_EnableMenuItems() {
  fw::NotNil(ControlMenuItem())->SetEnabled(false);
  fw::NotNil(DescriptionMenuItem())->SetEnabled(true);
  fw::NotNil(AboutMenuItem())->SetEnabled(true);
}
