#include "shell/startup.h"

#include <exception>
#include <functional>

#include "calculator/control_window.h"
#include "framework/application.h"
#include "framework/object.h"
#include "shell/about_window.h"
#include "shell/app.h"
#include "shell/description_window.h"
#include "shell/file_types.h"
#include "shell/invisible_window.h"
#include "shell/menu.h"

void InitializeClasses() {
  fw::InitializeFrameworkClasses();
  ControlWnd::ClassInfo();
  Menu::ClassInfo();
  AboutWnd::ClassInfo();
  HandleAboutMenu::ClassInfo();
  DescriptionWnd::ClassInfo();
  InvisibleWnd::ClassInfo();
}

void Main() {
  try {
    fw::RunFrameworkInitialization(Startup);
    fw::RuntimeRun();
  } catch (...) {
    fw::UnhandledException(std::current_exception());
  }
}

void Startup() {
  // The framework's controls are Qt's own, bound when the runtime starts, so
  // there are no external classes or plug-in entry points to set up here.
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
  MakeDefaultView();
}

void InitFileTypes() {
  FileTypes::Initialize();
}

// The framework keeps the window; the reference made here is dropped at once.
void MakeDefaultView() {
  (void)::InvisibleWnd();
}

void FinalizeShared() {
  fw::FinalizeFrameworkShared();
  FileTypes::pTextExit();
  FileTypes::pUntitledTypeExit();
  MenuImplicitInstanceExit();
}
