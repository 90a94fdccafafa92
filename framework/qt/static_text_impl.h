// The static text: a label that shows plain text and takes no focus.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QLabel>

#include "framework/qt/control_impl.h"
#include "framework/qt/fonts.h"

namespace fw {

class LabelWidget : public QLabel, public OwnedWidget {};

class StaticTextImpl : public ControlImpl {
 public:
  StaticTextImpl() : StaticTextImpl(new LabelWidget) {}
  explicit StaticTextImpl(LabelWidget* widget);
  LabelWidget* Label() const { return static_cast<LabelWidget*>(Widget()); }

  bool ApplyOwn(const std::string& name, const SettingValue& value) override;
  void UpdateFont();

  std::string text;
  qt::FontSpec font;
};

}  // namespace fw
