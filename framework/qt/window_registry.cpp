// The window bookkeeping, in leaked statics: the windows' widgets must not be
// destroyed by the process's exit after the toolkit is gone.
#include "framework/qt/window_registry.h"

#include <algorithm>
#include <map>

#include "framework/qt/window_impl.h"
#include "framework/window.h"

namespace fw::windows {
namespace {

struct Registry {
  std::map<std::string, Ref<Window>> implicit;
  std::vector<Ref<Window>> list;
  std::vector<Window*> recency;  // most recently activated first
  Window* active = nullptr;
  std::vector<WindowImpl*> impls;
};

Registry& R() {
  static auto* registry = new Registry;
  return *registry;
}

bool Usable(Window* window) {
  return window && window->Visible() && !window->Closed();
}

}  // namespace

Ref<Window> Implicit(const std::string& fullClassName) {
  auto it = R().implicit.find(fullClassName);
  if (it == R().implicit.end()) return nullptr;
  if (it->second && it->second->Closed()) {
    R().implicit.erase(it);
    return nullptr;
  }
  return it->second;
}

void SetImplicit(const std::string& fullClassName, const Ref<Window>& window) {
  if (window && !window->Closed())
    R().implicit[fullClassName] = window;
  else
    R().implicit.erase(fullClassName);
}

void AddToList(const Ref<Window>& window) {
  auto& list = R().list;
  if (std::find(list.begin(), list.end(), window) == list.end()) list.push_back(window);
}

void Forget(Window* window) {
  // Moved out first: dropping the last reference destroys the window, which
  // comes back here.
  std::vector<Ref<Window>> dropped;
  for (auto it = R().implicit.begin(); it != R().implicit.end();) {
    if (it->second.get() == window) {
      dropped.push_back(std::move(it->second));
      it = R().implicit.erase(it);
    } else {
      ++it;
    }
  }
  auto& list = R().list;
  for (auto it = list.begin(); it != list.end();) {
    if (it->get() == window) {
      dropped.push_back(std::move(*it));
      it = list.erase(it);
    } else {
      ++it;
    }
  }
  std::erase(R().recency, window);
  if (R().active == window) R().active = nullptr;
  dropped.clear();
}

bool NoteActivated(Window* window) {
  auto& recency = R().recency;
  std::erase(recency, window);
  recency.insert(recency.begin(), window);
  if (R().active == window) return false;
  R().active = window;
  return true;
}

void NoteHidden(Window* window) {
  if (R().active != window) return;
  R().active = nullptr;
  for (Window* other : R().recency)
    if (other != window && Usable(other)) {
      R().active = other;
      break;
    }
}

Window* Active() {
  if (Usable(R().active)) return R().active;
  for (Window* window : R().recency)
    if (Usable(window)) return window;
  return nullptr;
}

void ReleaseImplicitWindows() {
  auto implicit = std::move(R().implicit);
  R().implicit.clear();
}

void ReleaseBookkeeping() {
  R().recency.clear();
  R().active = nullptr;
}

void ReleaseWindowList() {
  auto list = std::move(R().list);
  R().list.clear();
}

void ImplCreated(WindowImpl* impl) {
  R().impls.push_back(impl);
}

void ImplDestroyed(WindowImpl* impl) {
  std::erase(R().impls, impl);
}

int LiveImplCount() {
  return static_cast<int>(R().impls.size());
}

void CloseAllQuietly() {
  const auto impls = R().impls;
  for (WindowImpl* impl : impls) {
    // Closing one window may have destroyed another.
    if (std::find(R().impls.begin(), R().impls.end(), impl) != R().impls.end())
      impl->CloseQuietly();
  }
}

}  // namespace fw::windows
