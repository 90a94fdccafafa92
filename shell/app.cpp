#include "shell/app.h"

#include "shell/class_records.h"
#include "shell/menu.h"

const fw::ClassRecord& HandleAboutMenu::ClassInfo() {
  return shell::EnsureClass(kFullName, "Application",
                            {shell::PublicOperation("Event_EnableMenuItems", "(  )"),
                             shell::PublicOperation("AboutPlim_Action", "(  ) as Boolean"),
                             shell::PublicOperation("AboutMenuItem_Action", "(  ) as Boolean")},
                            {{"EnableMenuItems", "Event_EnableMenuItems"}});
}

fw::Ref<HandleAboutMenu> App() {
  return fw::CheckedCast<HandleAboutMenu>(fw::GetAppObject());
}

void NewAppInstance() {
  auto app = std::make_shared<HandleAboutMenu>();
  fw::NotNil(app)->SetMenuBar(::Menu());
  fw::RegisterAppObject(app);
}
