// The static text on QLabel.
#include "framework/qt/static_text_impl.h"

namespace fw {

StaticTextImpl::StaticTextImpl(LabelWidget* widget) : ControlImpl(widget, widget) {
  // Shown as typed: markup in a text is not interpreted.
  widget->setTextFormat(Qt::PlainText);
  widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  UpdateFont();
}

void StaticTextImpl::UpdateFont() {
  if (Label()) Label()->setFont(qt::ResolveFont(font));
}

bool StaticTextImpl::ApplyOwn(const std::string& n, const SettingValue& value) {
  LabelWidget* label = Label();
  if (n == "Text") {
    text = TextSetting(n, value);
    if (label) label->setText(QString::fromStdString(text));
  } else if (n == "TextAlign") {
    const int a = IntSetting(n, value);
    if (label)
      label->setAlignment((a == 1   ? Qt::AlignHCenter
                           : a == 2 ? Qt::AlignRight
                                    : Qt::AlignLeft) |
                          Qt::AlignTop);
  } else if (n == "TextColor") {
    const Color c = ColourSetting(n, value);
    if (label) {
      QPalette palette = label->palette();
      palette.setColor(QPalette::WindowText, QColor(c.red, c.green, c.blue));
      label->setPalette(palette);
    }
  } else if (n == "Multiline") {
    if (label) label->setWordWrap(BoolSetting(n, value));
  } else if (n == "Selectable") {
    if (label)
      label->setTextInteractionFlags(BoolSetting(n, value) ? Qt::TextSelectableByMouse
                                                           : Qt::NoTextInteraction);
  } else if (ReadFontSetting(font, n, value)) {
    UpdateFont();
  } else {
    return false;
  }
  return true;
}

}  // namespace fw
