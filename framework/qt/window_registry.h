// The framework's window bookkeeping: the shared instances by class name, the
// list of windows, which window is active, and every window's Qt side alive.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <string>
#include <vector>

#include "framework/object.h"

namespace fw {
class Window;
class WindowImpl;
}  // namespace fw

namespace fw::windows {

Ref<Window> Implicit(const std::string& fullClassName);
void SetImplicit(const std::string& fullClassName, const Ref<Window>& window);

// A window joins the list once it is constructed and leaves it when closed.
void AddToList(const Ref<Window>& window);
// The window is gone (closed or destroyed): out of every list.
void Forget(Window* window);

// Notes the window as the active one; true when it was not already.
bool NoteActivated(Window* window);
// A hidden window stops being the active one; the one before takes over.
void NoteHidden(Window* window);
// The active window: the one most recently shown or activated that is still
// visible and open.
Window* Active();

void ReleaseImplicitWindows();
void ReleaseBookkeeping();
void ReleaseWindowList();

void ImplCreated(WindowImpl* impl);
void ImplDestroyed(WindowImpl* impl);
int LiveImplCount();
// Hides every window and forgets it, raising no event (shut-down and tests).
void CloseAllQuietly();

}  // namespace fw::windows
