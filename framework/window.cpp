// Windows' public face: construction, showing and hiding, closing, controls,
// menus, and the shared instances.
#include "framework/window.h"

#include <QLayout>
#include <QMainWindow>

#include "framework/application.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/menu_commands.h"
#include "framework/qt/menu_drawing.h"
#include "framework/qt/runtime_state.h"
#include "framework/qt/window_impl.h"
#include "framework/qt/window_registry.h"

namespace fw {

Window::Window() : impl_(std::make_unique<WindowImpl>(*this)) {}

Window::~Window() = default;

void Window::Constructor() {
  if (impl_->constructed) return;
  if (auto self = std::static_pointer_cast<Window>(weak_from_this().lock()))
    windows::AddToList(self);
  try {
    Layout();
    CreateControls();
    AddMenuHandlers();
    impl_->constructed = true;
    impl_->ApplyTabOrder();
    impl_->RefreshMenus();
    Event_Open();
  } catch (...) {
    // A half-built window is not left as its class's shared instance.
    impl_->CloseQuietly();
    throw;
  }
  if (impl_->visible) Show();
}

void Window::Show() {
  if (runtime::QuitUnderWay() || impl_->closed) return;
  impl_->RefreshMenus();
  impl_->Place();
  QMainWindow* qt = impl_->qt;
  // A minimised window is neither visible nor in front until it is restored.
  if (qt->isMinimized()) qt->setWindowState(qt->windowState() & ~Qt::WindowMinimized);
  qt->show();
  qt->raise();
  qt->activateWindow();
  impl_->FocusFirstControl();
  if (windows::NoteActivated(this)) Event_Activate();
}

void Window::Hide() {
  impl_->qt->hide();
  windows::NoteHidden(this);
}

void Window::Close() {
  if (impl_->closed) return;
  auto keep = weak_from_this().lock();
  struct Gone {
    WindowImpl& impl;
    ~Gone() { impl.CloseQuietly(); }
  } gone{*impl_};
  Event_Close();
}

bool Window::Visible() const {
  return impl_->qt && impl_->qt->isVisible();
}
bool Window::Closed() const {
  return impl_->closed;
}
std::string Window::Title() const {
  return impl_->title;
}
int Window::Width() const {
  return impl_->contentSize.width();
}
int Window::Height() const {
  return impl_->contentSize.height();
}

void Window::Resize(int width, int height) {
  WindowImpl& w = *impl_;
  if (!w.resizeable) return;
  width = std::clamp(width, std::min(w.minWidth, w.width), std::max(w.maxWidth, w.width));
  height = std::clamp(height, std::min(w.minHeight, w.height), std::max(w.maxHeight, w.height));
  w.qt->resize(width, height + w.MenuBarHeight());
  if (QLayout* layout = w.qt->layout()) layout->activate();
  w.surface->setGeometry(w.qt->rect());
  w.LayOutSurface();
  w.ContentResized(w.content->size());
}

bool Window::Resizeable() const {
  return impl_->resizeable;
}
bool Window::HasCloseBox() const {
  return impl_->closeButton;
}
bool Window::HasMinimizeBox() const {
  return impl_->minimizeButton;
}
bool Window::HasMaximizeBox() const {
  return impl_->maximizeButton && impl_->resizeable;
}
int Window::Frame() const {
  return impl_->frame;
}

Ref<fw::MenuBar> Window::MenuBar() const {
  return impl_->ownMenuBar;
}

void Window::SetMenuBar(const Ref<fw::MenuBar>& bar) {
  impl_->ownMenuBar = bar;
  if (impl_->constructed) impl_->RefreshMenus();
}

void Window::AddMenuHandler(const std::string& itemName, MenuHandler handler) {
  impl_->handlers[itemName] = std::move(handler);
}

bool Window::HasMenuHandler(const std::string& itemName) const {
  auto it = impl_->handlers.find(itemName);
  return it != impl_->handlers.end() && it->second;
}

void Window::AddControl(const std::string& name, const Ref<Control>& control) {
  NotNil(control);
  ControlImpl& impl = ImplOf(*control);
  impl.name = name;
  impl.Attach(this, impl_->content, impl_->contentSize);
  impl_->controls.push_back(control);
  impl_->NoteCoveredControls();
  if (impl_->constructed) impl_->ApplyTabOrder();
}

Ref<Control> Window::ControlByName(const std::string& name) const {
  for (const auto& control : impl_->controls)
    if (control->Name() == name) return control;
  return nullptr;
}

std::vector<Ref<Control>> Window::Controls() const {
  return impl_->controls;
}

Ref<Control> Window::FocusedControl() const {
  ControlImpl* impl = impl_->ControlFor(impl_->KeysOwner());
  if (!impl) return nullptr;
  for (const auto& control : impl_->controls)
    if (&ImplOf(*control) == impl) return control;
  return nullptr;
}

void Window::SetProperty(const std::string& name, const SettingValue& value) {
  impl_->Apply(name, value);
}

bool Window::RunMenuCommand(const std::string& itemName) {
  return menus::RunCommand(*this, itemName);
}

void Window::EnableMenuItems() {
  menus::RunEnablingRound(*this);
}

std::vector<std::string> Window::DrawnMenuTitles() const {
  impl_->RefreshMenus();
  return impl_->frame == 0 && impl_->menus ? impl_->menus->Describe() : std::vector<std::string>();
}

Ref<Window> GetImplicitWindow(const std::string& fullClassName) {
  return windows::Implicit(fullClassName);
}

void RegisterImplicitWindow(const std::string& fullClassName, const Ref<Window>& window) {
  windows::SetImplicit(fullClassName, window);
}

Ref<Control> RuntimeWindowControlByName(const Window& window, const std::string& name) {
  return window.ControlByName(name);
}

Ref<Window> ActiveWindow() {
  Window* active = windows::Active();
  return active ? std::static_pointer_cast<Window>(active->weak_from_this().lock()) : nullptr;
}

}  // namespace fw
