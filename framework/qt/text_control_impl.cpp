// Shared text-control behaviour.
#include "framework/qt/text_control_impl.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "framework/alerts.h"
#include "framework/qt/keys.h"

namespace fw {

QString UnixLineEndings(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QChar(u'\r'), QChar(u'\n'));
  return text;
}

bool TextControlImpl::CanPaste() const {
  if (ReadOnly()) return false;
  // Whether text is offered, not the text: fetching it would copy all of a
  // long clipboard at every menu and shortcut. Asked once, since the program
  // that holds the clipboard may be slow to answer: plain text, or links,
  // which paste as their text.
  const auto* clipboard = QGuiApplication::clipboard();
  const QMimeData* offered = clipboard ? clipboard->mimeData() : nullptr;
  if (!offered) return false;
  const QStringList formats = offered->formats();
  return formats.contains(QStringLiteral("text/plain")) ||
         formats.contains(QStringLiteral("text/uri-list"));
}

QFont TextControlImpl::CurrentFont() const {
  return qt::ResolveFont(font);
}

void TextControlImpl::UpdateFont() {
  ApplyFont(CurrentFont());
}

bool TextControlImpl::ApplyOwn(const std::string& n, const SettingValue& value) {
  if (ReadFontSetting(font, n, value)) {
    UpdateFont();
  } else if (n == "Mask") {
    rules.mask = QString::fromStdString(TextSetting(n, value));
  } else if (n == "LimitText") {
    rules.limit = std::max(0, IntSetting(n, value));
  } else {
    return false;
  }
  return true;
}

int TextControlImpl::EventKind(const std::string& event) const {
  return event == "KeyDown" ? 1 : -1;
}

bool TextControlImpl::PreKey(QKeyEvent& event) {
  if (qt::IsChord(event)) return false;
  // KeyDown may close the window; the rules are looked at after it.
  const Hold hold = HoldAlive();
  if (auto key = qt::KeyTextFor(event)) {
    if (RaiseKeyDown(*key)) return true;
  }
  if (ReadOnly() || !rules.Restricts()) return false;
  QString insert;
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
    insert = QStringLiteral("\n");
  else if (!event.text().isEmpty() && !event.text().front().isNonCharacter() &&
           event.text().front().category() != QChar::Other_Control)
    insert = event.text();
  if (insert.isEmpty() || rules.Allows(WithSelectionReplaced(NormalizeInserted(insert))))
    return false;
  Beep();
  return true;
}

std::unique_ptr<QInputMethodEvent> TextControlImpl::AdmitCommitted(const QInputMethodEvent& event) {
  const QString committed = event.commitString();
  if (committed.isEmpty()) return nullptr;
  const Hold hold = HoldAlive();
  QString admitted;
  for (const char32_t c : committed.toUcs4()) {
    const QString character = QString::fromUcs4(&c, 1);
    if (RaiseKeyDown(character.toStdString())) continue;
    if (rules.Restricts() &&
        !rules.Allows(WithSelectionReplaced(NormalizeInserted(admitted + character)))) {
      Beep();
      continue;
    }
    admitted += character;
  }
  if (admitted == committed) return nullptr;
  auto cut = std::make_unique<QInputMethodEvent>(event.preeditString(), event.attributes());
  cut->setCommitString(admitted, event.replacementStart(), event.replacementLength());
  return cut;
}

std::optional<QString> TextControlImpl::Admit(QString text) {
  text = NormalizeInserted(std::move(text));
  // A value copied from a spreadsheet cell comes with a line break.
  if (!rules.mask.isEmpty()) text = text.trimmed();
  // Nothing to put in changes nothing: a selection stays as it is.
  if (text.isEmpty()) return std::nullopt;
  if (!rules.Restricts()) return text;
  bool cut = false;
  if (rules.limit > 0) {
    const qsizetype room =
        rules.limit - (qt::CodePoints(CurrentText()) - qt::CodePoints(SelectedText()));
    if (qt::CodePoints(text) > room) {
      text = qt::FirstCodePoints(text, std::max<qsizetype>(0, room));
      cut = true;
    }
  }
  if ((cut && text.isEmpty()) || !rules.Allows(WithSelectionReplaced(text))) {
    Beep();
    return std::nullopt;
  }
  if (cut) Beep();
  return text;
}

}  // namespace fw
