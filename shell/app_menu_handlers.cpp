// The application object's menu handling: its About handlers, its enabling
// round and the application-level item accessors.
#include <memory>
#include <string>

#include "shell/about_window.h"
#include "shell/app.h"

namespace {

// The handler holds the application weakly: the application keeps its
// handlers, and a strong hold would keep both alive for ever.
void BindToApp(const std::string& itemName, bool (HandleAboutMenu::*handler)()) {
  auto target = fw::NotNil(App());
  std::weak_ptr<HandleAboutMenu> bound = fw::NotNil(App());
  target->AddMenuHandler(itemName, [bound, handler] {
    auto app = fw::NotNil(bound.lock());
    return ((*app).*handler)();
  });
}

fw::Ref<fw::MenuItem> LookupInAppBar(const std::string& name) {
  auto app = fw::NotNil(App());
  auto bar = fw::NotNil(app->MenuBar());
  return bar->Lookup(name);
}

bool ShowAbout() {
  fw::NotNil(::AboutWnd())->Show();
  return false;
}

}  // namespace

void ApplicationAddMenuHandlers() {
  BindToApp("AboutPlim", &HandleAboutMenu::AboutPlim_Action);
  BindToApp("AboutMenuItem", &HandleAboutMenu::AboutMenuItem_Action);
}

void HandleAboutMenu::Event_EnableMenuItems() {
  fw::NotNil(AboutPlim())->SetEnabled(true);
}

bool HandleAboutMenu::AboutPlim_Action() {
  return ShowAbout();
}

bool HandleAboutMenu::AboutMenuItem_Action() {
  return ShowAbout();
}

fw::Ref<fw::AppleMenuItem> AboutPlim() {
  return fw::CheckedCast<fw::AppleMenuItem>(LookupInAppBar("AboutPlim"));
}

fw::Ref<fw::MenuItem> AboutMenuItem() {
  return LookupInAppBar("AboutMenuItem");
}

fw::Ref<fw::MenuItem> DescriptionMenuItem() {
  return LookupInAppBar("DescriptionMenuItem");
}

fw::Ref<fw::MenuItem> ControlMenuItem() {
  return LookupInAppBar("ControlMenuItem");
}
