// The Qt side of windows.
#include "framework/qt/window_impl.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "framework/application.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/keys.h"
#include "framework/qt/menu_commands.h"
#include "framework/qt/menu_drawing.h"
#include "framework/qt/runtime_state.h"
#include "framework/qt/window_registry.h"

namespace fw {

MainWindow::MainWindow(WindowImpl* impl) : owner(impl) {}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && owner) owner->QtActivated();
  return QMainWindow::event(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The framework hides and forgets the window itself.
  event->ignore();
  if (owner) owner->QtCloseRequested();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (owner) {
    if (auto key = qt::KeyTextFor(*event)) {
      owner->QtKey(*key);
      event->accept();
      return;
    }
  }
  QMainWindow::keyPressEvent(event);
}

ContentWidget::ContentWidget(WindowImpl* impl) : owner(impl) {}

void ContentWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (owner) owner->ContentResized(size());
}

void ContentWidget::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (owner) {
    const QPoint p = event->position().toPoint();
    owner->QtMouseDown(p.x(), p.y());
  }
}

WindowSurface::WindowSurface(WindowImpl* impl) : owner(impl) {}

void WindowSurface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (owner) owner->LayOutSurface();
}

WindowImpl::WindowImpl(Window& owner) : window(owner) {
  qt = new MainWindow(this);
  surface = new WindowSurface(this);
  qt->setCentralWidget(surface);
  content = new ContentWidget(this);
  content->setParent(surface);
  contentSize = QSize(width, height);
  menuBar = new DrawnMenuBar(surface);
  menuBar->setNativeMenuBar(false);
  menus = std::make_unique<DrawnMenus>(menuBar, *this);
  UpdateFlags();
  UpdateSizeLimits();
  qt->resize(width, height + MenuBarHeight());
  windows::ImplCreated(this);
}

WindowImpl::~WindowImpl() {
  windows::ImplDestroyed(this);
  windows::Forget(&window);
  for (const auto& control : controls) ImplOf(*control).window = nullptr;
  controls.clear();
  menus.reset();
  if (qt) {
    qt->owner = nullptr;
    surface->owner = nullptr;
    content->owner = nullptr;
    qt->hide();
    // Not now: this may run inside one of the window's own events.
    qt->deleteLater();
  }
}

void WindowImpl::Apply(const std::string& n, const SettingValue& value) {
  received[n] = value;
  if (n == "Width" || n == "Height") {
    const int v = std::max(1, IntSetting(n, value));
    (n == "Width" ? width : height) = v;
    ResizeContent(width, height);
  } else if (n == "MinWidth" || n == "MinHeight" || n == "MaxWidth" || n == "MaxHeight") {
    const int v = std::max(0, IntSetting(n, value));
    (n == "MinWidth"    ? minWidth
     : n == "MinHeight" ? minHeight
     : n == "MaxWidth"  ? maxWidth
                        : maxHeight) = v;
    UpdateSizeLimits();
  } else if (n == "Frame") {
    frame = IntSetting(n, value);
    UpdateFlags();
    RefreshMenus();
  } else if (n == "Placement" || n == "Left" || n == "Top") {
    (n == "Placement" ? placement : n == "Left" ? left : top) = IntSetting(n, value);
    placed = false;
    if (qt && qt->isVisible()) Place();
  } else if (n == "HasBackColor" || n == "BackColor") {
    if (n == "HasBackColor")
      hasBackColor = BoolSetting(n, value);
    else
      backColor = ColourSetting(n, value);
    QPalette palette = content->palette();
    if (hasBackColor)
      palette.setColor(QPalette::Window, QColor(backColor.red, backColor.green, backColor.blue));
    else
      palette = QPalette();
    content->setPalette(palette);
    content->setAutoFillBackground(hasBackColor);
  } else if (n == "Title") {
    title = TextSetting(n, value);
    qt->setWindowTitle(QString::fromStdString(title));
  } else if (n == "Visible") {
    visible = BoolSetting(n, value);
    if (constructed) visible ? window.Show() : window.Hide();
  } else if (n == "CloseButton" || n == "MinimizeButton" || n == "MaximizeButton") {
    (n == "CloseButton"      ? closeButton
     : n == "MinimizeButton" ? minimizeButton
                             : maximizeButton) = BoolSetting(n, value);
    UpdateFlags();
  } else if (n == "Resizeable") {
    resizeable = BoolSetting(n, value);
    UpdateFlags();
    UpdateSizeLimits();
  }
  // Composite, FullScreen, MenuBarVisible, LiveResize, MacProcID and the
  // framework's own entries have no effect here: they are kept in `received`.
}

Ref<fw::MenuBar> WindowImpl::EffectiveMenuBar() const {
  if (ownMenuBar) return ownMenuBar;
  auto app = GetAppObject();
  return app ? app->MenuBar() : nullptr;
}

void WindowImpl::RefreshMenus() {
  if (!menus) return;
  const bool drawn = frame == 0;
  const bool changed = menus->Refresh(drawn ? EffectiveMenuBar() : nullptr);
  if (changed) {
    UpdateSizeLimits();
    qt->resize(contentSize.width(), contentSize.height() + MenuBarHeight());
    LayOutSurface();
  }
}

int WindowImpl::MenuBarHeight() const {
  if (!menuBar || frame != 0 || menuBar->actions().isEmpty()) return 0;
  menuBar->ensurePolished();
  return menuBar->sizeHint().height();
}

void WindowImpl::UpdateFlags() {
  Qt::WindowFlags flags;
  if (frame == 2) {
    flags = Qt::Window | Qt::FramelessWindowHint;
    if (minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
  } else {
    flags = (frame == 1 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
            Qt::WindowSystemMenuHint;
    if (closeButton) flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton && resizeable) flags |= Qt::WindowMaximizeButtonHint;
  }
  if (flags == qt->windowFlags()) return;
  const bool shown = qt->isVisible();
  qt->setWindowFlags(flags);
  if (shown) qt->show();
}

void WindowImpl::UpdateSizeLimits() {
  const int bar = MenuBarHeight();
  if (!resizeable) {
    qt->setFixedSize(contentSize.width(), contentSize.height() + bar);
    return;
  }
  // The designed size always fits, even when it lies outside the limits.
  qt->setMinimumSize(std::min(minWidth, width), std::min(minHeight, height) + bar);
  qt->setMaximumSize(std::max(maxWidth, width), std::max(maxHeight, height) + bar);
}

void WindowImpl::ResizeContent(int w, int h) {
  contentSize = QSize(w, h);
  UpdateSizeLimits();
  qt->resize(w, h + MenuBarHeight());
  for (const auto& control : controls) ImplOf(*control).LayOut(contentSize);
  NoteCoveredControls();
}

void WindowImpl::Place() {
  if (placed) return;
  placed = true;
  if (placement != 0) {
    qt->move(left, top);
    return;
  }
  QScreen* screen = qt->screen() ? qt->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect available = screen->availableGeometry();
  const QSize size = qt->frameGeometry().size();
  const int x = available.x() + std::max(0, (available.width() - size.width()) / 2);
  const int y = available.y() + std::max(0, (available.height() - size.height()) / 2);
  qt->move(x, y);
}

void WindowImpl::NoteCoveredControls() {
  // Strips no wider than this left showing beside a control drawn over
  // another hold at most the lower one's frame.
  constexpr int kSliver = 4;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    ControlImpl& below = ImplOf(*controls[i]);
    if (!below.Widget()) continue;
    const QRect area = below.Widget()->geometry();
    bool covered = false;
    for (std::size_t j = i + 1; j < controls.size() && !covered; ++j) {
      const ControlImpl& above = ImplOf(*controls[j]);
      covered =
          above.visible && above.Widget() &&
          above.Widget()->geometry().adjusted(-kSliver, -kSliver, kSliver, kSliver).contains(area);
    }
    if (covered == below.covered) continue;
    below.covered = covered;
    below.UpdateFocusPolicy();
  }
}

void WindowImpl::ApplyTabOrder() {
  std::vector<ControlImpl*> chain;
  for (const auto& control : controls) {
    ControlImpl& impl = ImplOf(*control);
    if (impl.Widget() && impl.TakesFocus() && impl.tabStop) chain.push_back(&impl);
  }
  std::stable_sort(chain.begin(), chain.end(),
                   [](ControlImpl* a, ControlImpl* b) { return a->tabIndex < b->tabIndex; });
  for (std::size_t i = 1; i < chain.size(); ++i)
    QWidget::setTabOrder(chain[i - 1]->Widget(), chain[i]->Widget());
}

void WindowImpl::FocusFirstControl() {
  if (QWidget* focus = qt->focusWidget(); focus && ControlFor(focus)) return;
  ControlImpl* first = nullptr;
  for (const auto& control : controls) {
    ControlImpl& impl = ImplOf(*control);
    if (!impl.Widget() || !impl.TakesFocus() || !impl.tabStop || !impl.visible || !impl.enabled ||
        impl.covered)
      continue;
    if (!first || impl.tabIndex < first->tabIndex) first = &impl;
  }
  if (first) first->Widget()->setFocus(Qt::TabFocusReason);
}

void WindowImpl::ContentResized(QSize size) {
  if (size == contentSize) return;
  contentSize = size;
  for (const auto& control : controls) ImplOf(*control).LayOut(size);
  NoteCoveredControls();
}

void WindowImpl::LayOutSurface() {
  const int bar = MenuBarHeight();
  if (menuBar) {
    menuBar->setVisible(bar > 0);
    menuBar->setGeometry(0, 0, surface->width(), bar);
  }
  content->setGeometry(0, bar, surface->width(), std::max(0, surface->height() - bar));
}

ControlImpl* WindowImpl::ControlFor(QWidget* widget) const {
  for (QWidget* w = widget; w && w != qt; w = w->parentWidget())
    if (auto* owned = dynamic_cast<OwnedWidget*>(w); owned && owned->owner) return owned->owner;
  return nullptr;
}

QWidget* WindowImpl::KeysOwner() const {
  QWidget* focus = qt->focusWidget();
  return focus && focus == menuBar ? menuBar->KeysHome() : focus;
}

void WindowImpl::CloseQuietly() {
  closed = true;
  if (qt) qt->hide();
  windows::Forget(&window);
}

void WindowImpl::RunMenuRound(bool askClipboard) {
  auto keep = window.weak_from_this().lock();
  Guarded([&] { menus::RunEnablingRound(window, askClipboard); });
}

void WindowImpl::ChooseMenuItem(const std::string& itemName) {
  auto keep = window.weak_from_this().lock();
  Guarded([&] { window.RunMenuCommand(itemName); });
}

void WindowImpl::QtActivated() {
  if (closed || !qt->isVisible()) return;
  auto keep = window.weak_from_this().lock();
  if (windows::NoteActivated(&window)) Guarded([&] { window.Event_Activate(); });
}

void WindowImpl::QtCloseRequested() {
  // A window without a close box can't be closed by the user; the program
  // closes windows through Window::Close, never through the toolkit.
  if (closed || !closeButton) return;
  auto keep = window.weak_from_this().lock();
  Guarded([&] { window.Close(); });
}

void WindowImpl::QtKey(const std::string& key) {
  auto keep = window.weak_from_this().lock();
  Guarded([&] { window.Event_KeyDown(key); });
}

void WindowImpl::QtMouseDown(int x, int y) {
  auto keep = window.weak_from_this().lock();
  Guarded([&] { window.Event_MouseDown(x, y); });
}

}  // namespace fw
