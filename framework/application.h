// The application object and the runtime: start-up, the event loop, quitting,
// the background yield, ticks, shared values and unhandled exceptions.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <string>

#include "framework/menus.h"
#include "framework/object.h"

namespace fw {

class Application : public Object {
 public:
  // The project's version as the build knows it, e.g. "1.0.0".
  std::string LongVersion() const;
  Ref<fw::MenuBar> MenuBar() const { return menuBar_; }
  void SetMenuBar(const Ref<fw::MenuBar>& bar) { menuBar_ = bar; }
  // Binds a handler to the menu item of that name for the whole application.
  void AddMenuHandler(const std::string& itemName, MenuHandler handler);
  bool HasMenuHandler(const std::string& itemName) const;
  // Runs the application's handler of that item; true when one ran, false
  // when it has none.
  bool RunMenuHandler(const std::string& itemName);
  // Raised before a menu opens and before a shortcut acts.
  virtual void Event_EnableMenuItems() {}

 private:
  Ref<fw::MenuBar> menuBar_;
  std::map<std::string, MenuHandler> handlers_;
};

// Makes the object the application object; GetAppObject returns it from then on.
void RegisterAppObject(const Ref<Application>& app);
Ref<Application> GetAppObject();

// Initialises the runtime (the GUI toolkit included); the first call of all.
// The command line and the environment change nothing.
void RuntimeInit();
// Completes the framework's initialisation and runs the start-up routine
// once, on the main thread, before returning.
void RunFrameworkInitialization(const std::function<void()>& startup);
// Runs the event loop until the application quits. A quit asked for before
// it runs is kept: the loop is not entered. An exception that reached the
// loop from a handler ends it and is raised again from here.
void RuntimeRun();
// Asks the application to quit with that exit code.
void Quit(int code = 0);
bool QuitRequested();
// Shuts the runtime down and returns the exit status: the quit code, or 1
// after an unhandled exception.
int RuntimeExit();

// The time-sliced background yield: runs pending events when a few
// milliseconds have passed since it last did, else returns at once. Raises
// again an exception that a handler run inside it let escape.
void BackgroundYield();

// Sixtieths of a second since process start (from the tick seam).
std::int32_t Ticks();

// The unhandled-exception treatment: the exception's name and message on
// standard error and in a message box; the exit status becomes 1.
void UnhandledException(const std::exception_ptr& error);

// Releases the framework's own shared values of process life (the window
// lists and class maps), in their order; the program's follow.
void FinalizeFrameworkShared();

// Runs a callback that Qt invoked, keeping any exception for the event loop
// instead of letting it cross Qt's code. Returns false when one was kept (or
// one was kept already, in which case the body does not run).
bool Guarded(const std::function<void()>& body);

// For tests that share one process: hides and forgets every window (raising
// no events), forgets the application object, the quit request, a kept
// exception and the unhandled-exception status. The seams are left as set.
void ResetRuntimeForTests();

}  // namespace fw
