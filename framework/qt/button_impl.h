// The push button: a caption and the Action event.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QPushButton>

#include "framework/qt/control_impl.h"
#include "framework/qt/fonts.h"

namespace fw {

class ButtonWidget : public QPushButton, public OwnedWidget {};

class PushButtonImpl : public ControlImpl {
 public:
  PushButtonImpl() : PushButtonImpl(new ButtonWidget) {}
  explicit PushButtonImpl(ButtonWidget* widget);
  ButtonWidget* Button() const { return static_cast<ButtonWidget*>(Widget()); }

  bool ApplyOwn(const std::string& name, const SettingValue& value) override;
  int EventKind(const std::string& event) const override { return event == "Action" ? 0 : -1; }
  bool TakesFocus() const override { return true; }
  void UpdateFont();
  // The handler bound to Action, or nothing.
  const ActionHandler* Action() const;

  std::string caption;
  qt::FontSpec font;
};

}  // namespace fw
