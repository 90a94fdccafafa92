#include "shell/app.h"

#include "shell/class_records.h"
#include "shell/menu.h"

const fw::ClassRecord& HandleAboutMenu::ClassInfo() {
  return shell::EnsureClass(kFullName, "Application",
                            {fw::PublicOperation("Event_EnableMenuItems", "(  )"),
                             fw::PublicOperation("AboutPlim_Action", "(  ) as Boolean"),
                             fw::PublicOperation("AboutMenuItem_Action", "(  ) as Boolean")},
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
