// The Qt side of a Window: a QMainWindow whose surface holds the drawn menu bar
// above the content, the content in which controls sit at designed positions,
// and the window's settings and menu handlers.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/menus.h"
#include "framework/qt/impl_access.h"
#include "framework/settings.h"
#include "framework/window.h"

namespace fw {

class ControlImpl;
class DrawnMenuBar;
class DrawnMenus;
class WindowImpl;

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(WindowImpl* owner);
  WindowImpl* owner;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// The window's content: the designed Width by Height in which controls are
// placed, and where clicks that no control takes reach the window.
class ContentWidget : public QWidget {
 public:
  explicit ContentWidget(WindowImpl* owner);
  WindowImpl* owner;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

// Holds the menu bar at the top and the content below it.
class WindowSurface : public QWidget {
 public:
  explicit WindowSurface(WindowImpl* owner);
  WindowImpl* owner;

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

class WindowImpl {
 public:
  explicit WindowImpl(Window& window);
  ~WindowImpl();
  WindowImpl(const WindowImpl&) = delete;
  WindowImpl& operator=(const WindowImpl&) = delete;

  Window& window;
  QPointer<MainWindow> qt;
  WindowSurface* surface = nullptr;
  ContentWidget* content = nullptr;
  DrawnMenuBar* menuBar = nullptr;  // frame 0 only
  std::unique_ptr<DrawnMenus> menus;

  // Designed settings, with the defaults of a window that sets none.
  int placement = 0, left = 0, top = 0;
  int width = 300, height = 300;
  int minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
  int frame = 0;
  bool hasBackColor = false;
  Color backColor{255, 255, 255};
  std::string title;
  bool visible = true, closeButton = true, resizeable = true;
  bool minimizeButton = true, maximizeButton = true;
  std::map<std::string, SettingValue> received;

  bool constructed = false, closed = false, placed = false;
  QSize contentSize;  // the content's size now (designed until laid out)

  Ref<fw::MenuBar> ownMenuBar;
  std::map<std::string, MenuHandler> handlers;
  std::vector<Ref<Control>> controls;

  void Apply(const std::string& name, const SettingValue& value);
  // The bar this window draws and whose shortcuts it serves.
  Ref<fw::MenuBar> EffectiveMenuBar() const;
  void RefreshMenus();
  int MenuBarHeight() const;
  void UpdateFlags();
  void UpdateSizeLimits();
  void ResizeContent(int w, int h);
  void Place();
  void ApplyTabOrder();
  // A control that a later one, drawn over it, covers but for a sliver can be
  // neither read nor clicked into: it takes no keyboard focus while it lies so.
  void NoteCoveredControls();
  void FocusFirstControl();
  void ContentResized(QSize size);
  void LayOutSurface();
  ControlImpl* ControlFor(QWidget* widget) const;
  // The widget the keys belong to: the focused one, or while the menu bar
  // borrows them, the one they go back to.
  QWidget* KeysOwner() const;
  // Hidden and out of every list, raising no event.
  void CloseQuietly();
  // A drawn menu is about to open: one enabling round, guarded, which asks
  // the clipboard when the menu shows an item that needs it.
  void RunMenuRound(bool askClipboard);
  // A drawn item was chosen.
  void ChooseMenuItem(const std::string& itemName);
  // The Qt window became active.
  void QtActivated();
  void QtCloseRequested();
  void QtKey(const std::string& key);
  void QtMouseDown(int x, int y);
};

}  // namespace fw
