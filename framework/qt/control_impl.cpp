// Common control behaviour: settings, placement, locks and event raising.
#include "framework/qt/control_impl.h"

#include <stdexcept>

#include "framework/application.h"
#include "framework/qt/window_impl.h"
#include "framework/window.h"

namespace fw {
namespace {

template <class T>
const T& As(const std::string& name, const SettingValue& value, const char* kind) {
  if (const T* v = std::get_if<T>(&value)) return *v;
  throw SettingsError("The setting " + name + " takes " + kind + ".");
}

}  // namespace

bool ReadFontSetting(qt::FontSpec& font, const std::string& n, const SettingValue& value) {
  if (n == "TextFont") {
    font.family = TextSetting(n, value);
  } else if (n == "Bold") {
    font.bold = BoolSetting(n, value);
  } else if (n == "Italic") {
    font.italic = BoolSetting(n, value);
  } else if (n == "Underline") {
    font.underline = BoolSetting(n, value);
  } else {
    return false;
  }
  return true;
}

Qt::Alignment EditAlignment(int code) {
  switch (code) {
    case 2:
      return Qt::AlignHCenter;
    case 3:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

int IntSetting(const std::string& name, const SettingValue& value) {
  return As<std::int32_t>(name, value, "a whole number");
}
bool BoolSetting(const std::string& name, const SettingValue& value) {
  return As<bool>(name, value, "a Boolean");
}
Color ColourSetting(const std::string& name, const SettingValue& value) {
  return As<Color>(name, value, "a colour");
}
const std::string& TextSetting(const std::string& name, const SettingValue& value) {
  return As<std::string>(name, value, "a text");
}

ControlImpl::ControlImpl(QWidget* widget, OwnedWidget* owned) : widget_(widget), owned_(owned) {
  owned_->owner = this;
  widget->hide();
}

ControlImpl::~ControlImpl() {
  if (!widget_) return;
  owned_->owner = nullptr;
  if (widget_->parent()) {
    widget_->hide();
    widget_->deleteLater();
  } else {
    delete widget_.data();
  }
}

void ControlImpl::Apply(const std::string& setting, const SettingValue& value) {
  if (ApplyOwn(setting, value)) {
    received[setting] = value;
    return;
  }
  received[setting] = value;
  const std::string& n = setting;
  if (n == "Name") {
    name = TextSetting(n, value);
  } else if (n == "Left" || n == "Top" || n == "Width" || n == "Height") {
    const int v = IntSetting(n, value);
    if (n == "Left") designed.moveLeft(v);
    if (n == "Top") designed.moveTop(v);
    if (n == "Width") designed.setWidth(std::max(0, v));
    if (n == "Height") designed.setHeight(std::max(0, v));
    reference = CurrentContentSize();
    PlaceWidget();
    if (window) ImplOf(*window).NoteCoveredControls();
  } else if (n == "LockLeft" || n == "LockTop" || n == "LockRight" || n == "LockBottom") {
    const bool v = BoolSetting(n, value);
    (n == "LockLeft"    ? lockLeft
     : n == "LockTop"   ? lockTop
     : n == "LockRight" ? lockRight
                        : lockBottom) = v;
    reference = CurrentContentSize();
  } else if (n == "TabIndex") {
    tabIndex = IntSetting(n, value);
    if (window && ImplOf(*window).constructed) ImplOf(*window).ApplyTabOrder();
  } else if (n == "TabStop") {
    tabStop = BoolSetting(n, value);
    UpdateFocusPolicy();
    if (window && ImplOf(*window).constructed) ImplOf(*window).ApplyTabOrder();
  } else if (n == "Visible") {
    visible = BoolSetting(n, value);
    // A widget without its window would show as a window of its own.
    if (widget_ && widget_->parentWidget()) widget_->setVisible(visible);
    if (window) ImplOf(*window).NoteCoveredControls();
  } else if (n == "Enabled") {
    enabled = BoolSetting(n, value);
    if (widget_) widget_->setEnabled(enabled);
  } else if (n == "HelpTag") {
    if (widget_) widget_->setToolTip(QString::fromStdString(TextSetting(n, value)));
  }
  // Index, TabPanelIndex, AutoDeactivate, InitialParent and any other entry
  // have no effect in this layer: they are kept in `received`.
}

void ControlImpl::UpdateFocusPolicy() {
  if (!widget_) return;
  widget_->setFocusPolicy(!TakesFocus() || covered ? Qt::NoFocus
                          : tabStop                ? Qt::StrongFocus
                                                   : Qt::ClickFocus);
}

void ControlImpl::SetHandler(const std::string& event, EventHandler handler) {
  handlers_[event] = std::move(handler);
}

bool ControlImpl::HasHandler(const std::string& event) const {
  return handlers_.count(event) != 0;
}

void ControlImpl::Attach(Window* owner, QWidget* content, QSize contentSize) {
  window = owner;
  if (!reference.isValid()) reference = contentSize;
  if (widget_) {
    widget_->setParent(content);
    UpdateFocusPolicy();
    PlaceWidget();
    widget_->setVisible(visible);
  }
}

QSize ControlImpl::CurrentContentSize() const {
  return window ? ImplOf(*window).contentSize : QSize();
}

void ControlImpl::PlaceWidget() {
  LayOut(CurrentContentSize());
}

void ControlImpl::LayOut(QSize contentSize) {
  if (!widget_) return;
  QRect r = designed;
  if (reference.isValid() && contentSize.isValid()) {
    const int dx = contentSize.width() - reference.width();
    const int dy = contentSize.height() - reference.height();
    if (lockLeft && lockRight)
      r.setWidth(std::max(0, r.width() + dx));
    else if (lockRight)
      r.moveLeft(r.left() + dx);
    if (lockTop && lockBottom)
      r.setHeight(std::max(0, r.height() + dy));
    else if (lockBottom)
      r.moveTop(r.top() + dy);
  }
  widget_->setGeometry(r);
}

ControlImpl::Hold ControlImpl::HoldAlive() const {
  return {control ? control->weak_from_this().lock() : nullptr,
          window ? window->weak_from_this().lock() : nullptr};
}

bool ControlImpl::RaiseKeyDown(const std::string& key) {
  auto it = handlers_.find("KeyDown");
  if (it == handlers_.end()) return false;
  const KeyDownHandler handler = std::get<KeyDownHandler>(it->second);
  const Hold hold = HoldAlive();
  bool swallowed = false;
  if (!Guarded([&] { swallowed = handler(key); })) return true;
  return swallowed;
}

bool ControlImpl::RaiseMouseDown(int x, int y) {
  auto it = handlers_.find("MouseDown");
  if (it == handlers_.end()) return false;
  const MouseDownHandler handler = std::get<MouseDownHandler>(it->second);
  const Hold hold = HoldAlive();
  Guarded([&] { handler(x, y); });
  return true;
}

void ControlImpl::RaiseAction() {
  auto it = handlers_.find("Action");
  if (it == handlers_.end()) return;
  const ActionHandler handler = std::get<ActionHandler>(it->second);
  const Hold hold = HoldAlive();
  Guarded([&] { handler(); });
}

}  // namespace fw
