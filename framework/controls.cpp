// The controls' public face: each forwards to its Qt side.
#include "framework/controls.h"

#include <QFontInfo>
#include <stdexcept>

#include "framework/qt/button_impl.h"
#include "framework/qt/picture_controls.h"
#include "framework/qt/static_text_impl.h"
#include "framework/qt/text_area_impl.h"
#include "framework/qt/text_field_impl.h"

namespace fw {
namespace {

TextControlImpl& TextImpl(const Control& control) {
  return static_cast<TextControlImpl&>(ImplOf(control));
}

}  // namespace

Control::Control(std::unique_ptr<ControlImpl> impl) : impl_(std::move(impl)) {
  impl_->control = this;
}

Control::~Control() = default;

const std::string& Control::Name() const {
  return impl_->name;
}

Window* Control::ParentWindow() const {
  return impl_->window;
}

void Control::SetProperty(const std::string& name, const SettingValue& value) {
  impl_->Apply(name, value);
}

int Control::Left() const {
  return impl_->Widget() ? impl_->Widget()->x() : impl_->designed.left();
}
int Control::Top() const {
  return impl_->Widget() ? impl_->Widget()->y() : impl_->designed.top();
}
int Control::Width() const {
  return impl_->Widget() ? impl_->Widget()->width() : impl_->designed.width();
}
int Control::Height() const {
  return impl_->Widget() ? impl_->Widget()->height() : impl_->designed.height();
}
bool Control::Visible() const {
  return impl_->visible;
}
bool Control::Enabled() const {
  return impl_->enabled;
}
int Control::TabIndex() const {
  return impl_->tabIndex;
}

void Control::SetFocus() {
  if (QWidget* widget = impl_->Widget(); widget && widget->focusPolicy() != Qt::NoFocus)
    widget->setFocus(Qt::OtherFocusReason);
}

bool Control::HasFocus() const {
  QWidget* widget = impl_->Widget();
  if (!widget) return false;
  // The window's focus child counts even while the window is not active.
  QWidget* focus = widget->window()->focusWidget();
  return focus && (focus == widget || widget->isAncestorOf(focus));
}

void InstallInstanceEventHandler(Control& control, const std::string& event, EventHandler handler) {
  const int kind = control.impl_->EventKind(event);
  if (kind < 0)
    throw std::invalid_argument("The control " + control.Name() + " raises no event " + event +
                                ".");
  if (static_cast<int>(handler.index()) != kind)
    throw std::invalid_argument("The handler for " + event + " of " + control.Name() +
                                " is of the wrong kind.");
  const bool empty = std::visit([](const auto& f) { return !f; }, handler);
  if (empty) throw std::invalid_argument("The handler for " + event + " is empty.");
  control.impl_->SetHandler(event, std::move(handler));
}

std::string TextControl::Text() const {
  return TextImpl(*this).Text();
}
void TextControl::SetText(std::string text) {
  TextImpl(*this).SetText(std::move(text));
}
void TextControl::SetTextSize(float points) {
  TextImpl(*this).font.size = points;
  TextImpl(*this).UpdateFont();
}
float TextControl::TextSize() const {
  return TextImpl(*this).font.size;
}
void TextControl::SetTextUnit(int unit) {
  TextImpl(*this).font.unit = unit;
  TextImpl(*this).UpdateFont();
}
std::int64_t TextControl::SelStart() const {
  return TextImpl(*this).SelStart();
}
void TextControl::SetSelStart(std::int64_t v) {
  TextImpl(*this).SetSelStart(v);
}
std::int64_t TextControl::SelLength() const {
  return TextImpl(*this).SelLength();
}
void TextControl::SetSelLength(std::int64_t v) {
  TextImpl(*this).SetSelLength(v);
}
void TextControl::SetSelBold(bool bold) {
  TextImpl(*this).SetSelBold(bold);
}
bool TextControl::SelBold() const {
  return TextImpl(*this).SelBold();
}
bool TextControl::CharacterBold(std::int64_t index) const {
  return TextImpl(*this).CharacterBold(index);
}
std::string TextControl::FontFamily() const {
  return QFontInfo(TextImpl(*this).CurrentFont()).family().toStdString();
}
bool TextControl::FixedPitch() const {
  return QFontInfo(TextImpl(*this).CurrentFont()).fixedPitch();
}
bool TextControl::ReadOnly() const {
  return TextImpl(*this).ReadOnly();
}

TextArea::TextArea() : TextControl(std::make_unique<TextAreaImpl>()) {}
void TextArea::SetProperty(const std::string& name, const SettingValue& value) {
  Control::SetProperty(name, value);
}

TextField::TextField() : TextControl(std::make_unique<TextFieldImpl>()) {}
void TextField::SetProperty(const std::string& name, const SettingValue& value) {
  Control::SetProperty(name, value);
}

PushButton::PushButton() : Control(std::make_unique<PushButtonImpl>()) {}
void PushButton::SetProperty(const std::string& name, const SettingValue& value) {
  Control::SetProperty(name, value);
}
std::string PushButton::Caption() const {
  return static_cast<PushButtonImpl&>(ImplOf(*this)).caption;
}
void PushButton::SetTextSize(float points) {
  auto& impl = static_cast<PushButtonImpl&>(ImplOf(*this));
  impl.font.size = points;
  impl.UpdateFont();
}
void PushButton::SetTextUnit(int unit) {
  auto& impl = static_cast<PushButtonImpl&>(ImplOf(*this));
  impl.font.unit = unit;
  impl.UpdateFont();
}
void PushButton::Push() {
  auto& impl = static_cast<PushButtonImpl&>(ImplOf(*this));
  const ActionHandler* action = impl.Action();
  if (!action || !impl.enabled) return;
  // Called by the program, so a failure goes straight back to it.
  const ActionHandler handler = *action;
  const auto hold = impl.HoldAlive();
  handler();
}

StaticText::StaticText() : Control(std::make_unique<StaticTextImpl>()) {}
void StaticText::SetProperty(const std::string& name, const SettingValue& value) {
  Control::SetProperty(name, value);
}
std::string StaticText::Text() const {
  return static_cast<StaticTextImpl&>(ImplOf(*this)).text;
}
void StaticText::SetTextSize(float points) {
  auto& impl = static_cast<StaticTextImpl&>(ImplOf(*this));
  impl.font.size = points;
  impl.UpdateFont();
}
float StaticText::TextSize() const {
  return static_cast<StaticTextImpl&>(ImplOf(*this)).font.size;
}

Canvas::Canvas() : Control(std::make_unique<PictureControlImpl>(false)) {}
void Canvas::SetProperty(const std::string& name, const SettingValue& value) {
  Control::SetProperty(name, value);
}
void Canvas::SetBackdrop(const Ref<Picture>& picture) {
  static_cast<PictureControlImpl&>(ImplOf(*this)).SetPicture(picture);
}
Ref<Picture> Canvas::Backdrop() const {
  return static_cast<PictureControlImpl&>(ImplOf(*this)).CurrentPicture();
}

ImageWell::ImageWell() : Control(std::make_unique<PictureControlImpl>(true)) {}
void ImageWell::SetProperty(const std::string& name, const SettingValue& value) {
  Control::SetProperty(name, value);
}
void ImageWell::SetImage(const Ref<Picture>& picture) {
  static_cast<PictureControlImpl&>(ImplOf(*this)).SetPicture(picture);
}
Ref<Picture> ImageWell::Image() const {
  return static_cast<PictureControlImpl&>(ImplOf(*this)).CurrentPicture();
}

}  // namespace fw
