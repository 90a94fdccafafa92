// The application object: its version, its menu bar and its menu handlers, and
// the one registered instance.
#include "framework/application.h"

namespace fw {
namespace {

Ref<Application>& AppObject() {
  static auto* app = new Ref<Application>;
  return *app;
}

}  // namespace

std::string Application::LongVersion() const {
  return ZELVORA_LONG_VERSION;
}

void Application::AddMenuHandler(const std::string& itemName, MenuHandler handler) {
  handlers_[itemName] = std::move(handler);
}

bool Application::HasMenuHandler(const std::string& itemName) const {
  auto it = handlers_.find(itemName);
  return it != handlers_.end() && it->second;
}

bool Application::RunMenuHandler(const std::string& itemName) {
  auto it = handlers_.find(itemName);
  if (it == handlers_.end() || !it->second) return false;
  // The handler may replace the table's entry while it runs.
  MenuHandler handler = it->second;
  handler();
  return true;
}

void RegisterAppObject(const Ref<Application>& app) {
  AppObject() = app;
}

Ref<Application> GetAppObject() {
  return AppObject();
}

}  // namespace fw
