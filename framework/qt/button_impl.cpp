// The push button on QPushButton.
#include "framework/qt/button_impl.h"

namespace fw {

PushButtonImpl::PushButtonImpl(ButtonWidget* widget) : ControlImpl(widget, widget) {
  // Captured is the widget, not this control, which may go first.
  QObject::connect(widget, &QPushButton::clicked, widget, [widget] {
    if (widget->owner) widget->owner->RaiseAction();
  });
  widget->setAutoDefault(false);
  UpdateFont();
}

void PushButtonImpl::UpdateFont() {
  if (Button()) Button()->setFont(qt::ResolveFont(font));
}

const ActionHandler* PushButtonImpl::Action() const {
  auto it = handlers_.find("Action");
  return it == handlers_.end() ? nullptr : std::get_if<ActionHandler>(&it->second);
}

bool PushButtonImpl::ApplyOwn(const std::string& n, const SettingValue& value) {
  ButtonWidget* button = Button();
  if (n == "Caption") {
    caption = TextSetting(n, value);
    // "&" would otherwise mark a mnemonic and vanish from the caption.
    if (button)
      button->setText(QString::fromStdString(caption).replace(u'&', QStringLiteral("&&")));
  } else if (n == "Default") {
    if (button) button->setDefault(BoolSetting(n, value));
  } else if (ReadFontSetting(font, n, value)) {
    UpdateFont();
  } else {
    return false;  // Cancel and ButtonStyle are kept with the rest.
  }
  return true;
}

}  // namespace fw
