// The Qt side of a control: its widget, its common settings, where it sits in
// its window and how it follows the window's edges, and its bound events.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <map>
#include <string>

#include "framework/controls.h"
#include "framework/qt/fonts.h"
#include "framework/qt/impl_access.h"
#include "framework/settings.h"

namespace fw {

class ControlImpl;

// Mixed into every control's widget: the way back from the widget to its
// control, cleared when the control goes before its widget.
struct OwnedWidget {
  virtual ~OwnedWidget() = default;
  ControlImpl* owner = nullptr;
};

// Reading a setting's value as the kind the setting takes.
int IntSetting(const std::string& name, const SettingValue& value);
bool BoolSetting(const std::string& name, const SettingValue& value);
Color ColourSetting(const std::string& name, const SettingValue& value);
const std::string& TextSetting(const std::string& name, const SettingValue& value);

// The horizontal alignment of an editable text's `Alignment` code: 0 is the
// default (left), 1 left, 2 centred, 3 right.
Qt::Alignment EditAlignment(int code);

// Takes a font setting (TextFont, Bold, Italic, Underline) into `font`; false
// for any other setting, which is left for the caller.
bool ReadFontSetting(qt::FontSpec& font, const std::string& name, const SettingValue& value);

class ControlImpl {
 public:
  // `widget` is the control's widget, also an OwnedWidget; the control owns it
  // until it is placed in a window.
  ControlImpl(QWidget* widget, OwnedWidget* owned);
  virtual ~ControlImpl();
  ControlImpl(const ControlImpl&) = delete;
  ControlImpl& operator=(const ControlImpl&) = delete;

  // Null once the window that held the widget is gone.
  QWidget* Widget() const { return widget_; }

  Control* control = nullptr;
  Window* window = nullptr;
  std::string name;
  QRect designed{0, 0, 80, 22};
  QSize reference;  // the content's size when `designed` was set
  bool lockLeft = true, lockTop = true, lockRight = false, lockBottom = false;
  int tabIndex = 0;
  bool tabStop = true, visible = true, enabled = true;
  // Lies under a control drawn over it (see WindowImpl::NoteCoveredControls).
  bool covered = false;
  std::map<std::string, SettingValue> received;

  void Apply(const std::string& name, const SettingValue& value);
  // Settings of the control's own kind; false for one it leaves to the base.
  virtual bool ApplyOwn(const std::string& name, const SettingValue& value) {
    (void)name;
    (void)value;
    return false;
  }
  // The index in EventHandler of the handler kind that the event takes, or -1
  // when the control raises no such event.
  virtual int EventKind(const std::string& event) const {
    (void)event;
    return -1;
  }
  // Whether the control can hold the keyboard focus at all.
  virtual bool TakesFocus() const { return false; }
  void UpdateFocusPolicy();

  void SetHandler(const std::string& event, EventHandler handler);
  bool HasHandler(const std::string& event) const;

  // Placed in the window's content, which is `contentSize` now.
  void Attach(Window* window, QWidget* content, QSize contentSize);
  // Follows the content's new size as the locks say.
  void LayOut(QSize contentSize);

  // References that keep the control and its window alive while one of the
  // control's handlers runs: a handler may close the window, dropping the
  // registry's last reference to both, and still be running on them.
  struct Hold {
    Ref<Object> control, window;
  };
  Hold HoldAlive() const;

  // Raising the bound events from the widget; each runs guarded.
  // KeyDown: true when the key is swallowed (or the handler failed).
  bool RaiseKeyDown(const std::string& key);
  // MouseDown: false when no handler is bound, so that the click goes on to
  // the window.
  bool RaiseMouseDown(int x, int y);
  void RaiseAction();

 protected:
  QPointer<QWidget> widget_;
  OwnedWidget* owned_;
  std::map<std::string, EventHandler> handlers_;

 private:
  QSize CurrentContentSize() const;
  void PlaceWidget();
};

}  // namespace fw
