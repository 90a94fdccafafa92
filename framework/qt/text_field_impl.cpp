// The text field on QLineEdit.
#include "framework/qt/text_field_impl.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>

#include "framework/qt/keys.h"

namespace fw {
namespace {

TextFieldImpl* FieldOf(OwnedWidget* widget) {
  return static_cast<TextFieldImpl*>(widget->owner);
}

// Backs the field's own checks for the ways in that pass no key press (the
// context menu's Paste, a drop).
class RulesValidator : public QValidator {
 public:
  explicit RulesValidator(QLineEdit* edit) : QValidator(edit) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
  }
  qt::EditRules rules;
  State validate(QString& input, int&) const override {
    // Taking text out is always allowed, even from a text that the program set
    // beyond the rules.
    if (input.size() < shown_.size()) return Acceptable;
    return rules.Allows(input) ? Acceptable : Invalid;
  }

 private:
  QString shown_;  // the text as it stood before the change being checked
};

}  // namespace

void LineEditWidget::keyPressEvent(QKeyEvent* event) {
  if (owner && FieldOf(this)->PreKey(*event)) {
    event->accept();
    return;
  }
  if (owner && event->matches(QKeySequence::Paste)) {
    FieldOf(this)->Paste();
    event->accept();
    return;
  }
  if (qt::IsChord(*event)) {
    qt::PassChord(*event, [this](QKeyEvent* bare) { QLineEdit::keyPressEvent(bare); });
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void LineEditWidget::inputMethodEvent(QInputMethodEvent* event) {
  const auto admitted = owner ? FieldOf(this)->AdmitCommitted(*event) : nullptr;
  QLineEdit::inputMethodEvent(admitted ? admitted.get() : event);
}

TextFieldImpl::TextFieldImpl(LineEditWidget* widget) : TextControlImpl(widget, widget) {
  validator_ = new RulesValidator(widget);
  widget->setValidator(validator_);
  UpdateFont();
}

void TextFieldImpl::UpdateRules() {
  if (!Edit()) return;
  static_cast<RulesValidator*>(validator_)->rules = rules;
}

std::string TextFieldImpl::Text() const {
  return Edit() ? Edit()->text().toStdString() : "";
}

void TextFieldImpl::SetText(std::string text) {
  if (!Edit()) return;
  // Text set by the program is not held to the rules, which are for the user.
  Edit()->setValidator(nullptr);
  Edit()->setText(NormalizeInserted(QString::fromStdString(text)));
  Edit()->setValidator(validator_);
}

std::int64_t TextFieldImpl::SelStart() const {
  if (!Edit()) return 0;
  const int start = Edit()->hasSelectedText() ? Edit()->selectionStart() : Edit()->cursorPosition();
  return qt::Utf16ToCodePoint(Edit()->text(), start);
}

std::int64_t TextFieldImpl::SelLength() const {
  if (!Edit() || !Edit()->hasSelectedText()) return 0;
  return qt::CodePoints(Edit()->selectedText());
}

void TextFieldImpl::SetSelStart(std::int64_t v) {
  if (!Edit()) return;
  Edit()->setCursorPosition(
      static_cast<int>(qt::CodePointToUtf16(Edit()->text(), std::max<std::int64_t>(0, v))));
}

void TextFieldImpl::SetSelLength(std::int64_t v) {
  if (!Edit()) return;
  const QString text = Edit()->text();
  const int start = static_cast<int>(SelStart() >= 0 ? qt::CodePointToUtf16(text, SelStart()) : 0);
  const qsizetype end =
      qt::CodePointToUtf16(text, qt::Utf16ToCodePoint(text, start) + std::max<std::int64_t>(0, v));
  Edit()->setSelection(start, static_cast<int>(end) - start);
}

bool TextFieldImpl::CharacterBold(std::int64_t index) const {
  return Edit() && index >= 0 && index < qt::CodePoints(Edit()->text()) && font.bold;
}

bool TextFieldImpl::ReadOnly() const {
  return Edit() && Edit()->isReadOnly();
}

bool TextFieldImpl::CanUndo() const {
  return Edit() && !ReadOnly() && Edit()->isUndoAvailable();
}

bool TextFieldImpl::HasSelection() const {
  return Edit() && Edit()->hasSelectedText();
}

void TextFieldImpl::Undo() {
  if (Edit()) Edit()->undo();
}
void TextFieldImpl::Cut() {
  if (Edit()) Edit()->cut();
}
void TextFieldImpl::Copy() {
  if (Edit()) Edit()->copy();
}
void TextFieldImpl::Paste() {
  if (!Edit() || ReadOnly()) return;
  const auto* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return;
  if (auto text = Admit(clipboard->text())) Edit()->insert(*text);
}
void TextFieldImpl::Clear() {
  if (Edit() && !ReadOnly() && Edit()->hasSelectedText()) Edit()->del();
}

void TextFieldImpl::ApplyFont(const QFont& font) {
  if (Edit()) Edit()->setFont(font);
}

QString TextFieldImpl::WithSelectionReplaced(const QString& insert) const {
  if (!Edit()) return insert;
  QString text = Edit()->text();
  if (Edit()->hasSelectedText())
    text.replace(Edit()->selectionStart(), Edit()->selectedText().size(), insert);
  else
    text.insert(Edit()->cursorPosition(), insert);
  return text;
}

QString TextFieldImpl::SelectedText() const {
  return Edit() ? Edit()->selectedText() : QString();
}

QString TextFieldImpl::CurrentText() const {
  return Edit() ? Edit()->text() : QString();
}

QString TextFieldImpl::NormalizeInserted(QString text) const {
  text = UnixLineEndings(std::move(text));
  while (text.endsWith(u'\n')) text.chop(1);
  text.replace(QChar(u'\n'), QChar(u' '));
  return text;
}

bool TextFieldImpl::ApplyOwn(const std::string& n, const SettingValue& value) {
  LineEditWidget* edit = Edit();
  if (!edit) return TextControlImpl::ApplyOwn(n, value);
  if (n == "Text") {
    SetText(TextSetting(n, value));
  } else if (n == "ReadOnly") {
    edit->setReadOnly(BoolSetting(n, value));
  } else if (n == "Password") {
    edit->setEchoMode(BoolSetting(n, value) ? QLineEdit::Password : QLineEdit::Normal);
  } else if (n == "CueText") {
    edit->setPlaceholderText(QString::fromStdString(TextSetting(n, value)));
  } else if (n == "Alignment") {
    const int a = IntSetting(n, value);
    edit->setAlignment(EditAlignment(a) | Qt::AlignVCenter);
  } else if (n == "Border") {
    edit->setFrame(BoolSetting(n, value));
  } else if (n == "TextColor" || n == "BackColor") {
    const Color c = ColourSetting(n, value);
    QPalette palette = edit->palette();
    palette.setColor(n == "TextColor" ? QPalette::Text : QPalette::Base,
                     QColor(c.red, c.green, c.blue));
    edit->setPalette(palette);
  } else if (n == "Mask" || n == "LimitText") {
    TextControlImpl::ApplyOwn(n, value);
    UpdateRules();
  } else {
    return TextControlImpl::ApplyOwn(n, value);
  }
  return true;
}

}  // namespace fw
