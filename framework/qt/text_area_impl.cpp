// The text area on QPlainTextEdit.
#include "framework/qt/text_area_impl.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "framework/application.h"
#include "framework/qt/document_slices.h"
#include "framework/qt/keys.h"

namespace fw {
namespace {

TextAreaImpl* AreaOf(OwnedWidget* widget) {
  return static_cast<TextAreaImpl*>(widget->owner);
}

template <typename Step>
struct AtExit {
  Step step;
  ~AtExit() { step(); }
};

}  // namespace

TextEditWidget::TextEditWidget() {
  // Tab moves the focus unless the area is set to accept tabs.
  setTabChangesFocus(true);
}

bool TextEditWidget::event(QEvent* event) {
  const bool handled = QPlainTextEdit::event(event);
  // The plain frame is drawn by now; a focused area with a focus ring gets the text field's
  // focused frame over it, so that the field where typing goes is as plain to see.
  if (event->type() == QEvent::Paint && focusRing && hasFocus() && frameShape() != NoFrame) {
    QPainter painter(this);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.rect = rect();
    option.lineWidth = frameWidth();
    option.state |= QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
  }
  return handled;
}

void TextEditWidget::keyPressEvent(QKeyEvent* event) {
  if (owner && AreaOf(this)->PreKey(*event)) {
    event->accept();
    return;
  }
  if (qt::IsChord(*event)) {
    qt::PassChord(*event, [this](QKeyEvent* bare) { QPlainTextEdit::keyPressEvent(bare); });
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void TextEditWidget::inputMethodEvent(QInputMethodEvent* event) {
  const auto admitted = owner ? AreaOf(this)->AdmitCommitted(*event) : nullptr;
  QPlainTextEdit::inputMethodEvent(admitted ? admitted.get() : event);
}

bool TextEditWidget::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText();
}

void TextEditWidget::insertFromMimeData(const QMimeData* source) {
  // Only the text is taken, in the area's own font: a spreadsheet's cells or a
  // web page's markup would otherwise come in as tables and foreign styles.
  if (isReadOnly() || !source->hasText()) return;
  std::optional<QString> text = UnixLineEndings(source->text());
  if (owner) text = AreaOf(this)->Admit(*text);
  if (!text) return;
  if (owner && text->size() > qt::kShortText) {
    // Written from the event loop, where the widget may go between the
    // slices without taking the toolkit's code that called this along.
    QPointer<TextEditWidget> self(this);
    QMetaObject::invokeMethod(
        qApp,
        [self, pasted = *text] {
          if (self && self->owner) Guarded([&] { AreaOf(self)->PasteLong(pasted); });
        },
        Qt::QueuedConnection);
    return;
  }
  if (owner) AreaOf(this)->NotePasted(*text);
  QTextCursor cursor = textCursor();
  cursor.insertText(*text);
  setTextCursor(cursor);
  ensureCursorVisible();
}

TextAreaImpl::TextAreaImpl(TextEditWidget* widget) : TextControlImpl(widget, widget) {
  widget->document()->setUndoRedoEnabled(true);
  UpdateFont();
}

QString TextAreaImpl::RawText() const {
  if (!Edit()) return {};
  QString text = Edit()->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QChar(u'\n'));
  text.replace(QChar::LineSeparator, QChar(u'\n'));
  return text;
}

std::string TextAreaImpl::Text() const {
  if (writing_) return writing_->seen;
  return RawText().toStdString();
}

void TextAreaImpl::SetText(const std::string& text) {
  if (!Edit()) return;
  // The window may close while the slices let its events run.
  const Hold hold = HoldAlive();
  if (static_cast<qsizetype>(text.size()) <= qt::kShortText) {
    ++writes_;
    StopWriting();
    // Straight into the document: the editor's own setPlainText would give
    // the whole new text the format at the caret, and costs a pass more.
    Edit()->document()->setPlainText(UnixLineEndings(QString::fromStdString(text)));
    // Only once the old text is gone: a long run in it would otherwise be
    // broken again at word boundaries, which takes minutes.
    BreakAnywhere(qt::HasLongRun(text));
    Edit()->setTextCursor(QTextCursor(Edit()->document()));
    return;
  }
  QPointer<QTextDocument> document = Edit()->document();
  WriteLong(
      Text(),
      [&] {
        // Undo starts afresh with a new text, as it does for a short one.
        document->setUndoRedoEnabled(false);
        document->setPlainText(QString());
        BreakAnywhere(qt::HasLongRun(text));
        Edit()->setTextCursor(QTextCursor(document));
        return QTextCursor(document);
      },
      qt::Utf8Pieces(text));
  if (document) document->setUndoRedoEnabled(true);
}

void TextAreaImpl::PasteLong(const QString& text) {
  if (!Edit() || ReadOnly()) return;
  // The window may close while the slices let its events run.
  const Hold hold = HoldAlive();
  NotePasted(text);
  // Pasted, the values are the user's: a click meanwhile reads them as they will stand.
  const QTextCursor cursor = WriteLong(
      WithSelectionReplaced(text).toStdString(), [&] { return Edit()->textCursor(); },
      qt::TextPieces(text));
  if (!cursor.isNull() && Edit()) {
    Edit()->setTextCursor(cursor);
    Edit()->ensureCursorVisible();
  }
}

QTextCursor TextAreaImpl::WriteLong(std::string seen, const std::function<QTextCursor()>& start,
                                    const qt::PieceSource& pieces) {
  if (!writing_) {
    writing_ = Writing{{}, Edit()->isReadOnly(), Edit()->textInteractionFlags()};
    Edit()->setReadOnly(true);
  }
  writing_->seen = std::move(seen);
  const std::uint64_t write = ++writes_;
  const auto current = [&] { return Edit() && writes_ == write; };
  // However the write ends, unless another took its place, the area is the
  // user's again.
  const AtExit release{[&] {
    if (writes_ == write) StopWriting();
  }};
  QTextCursor cursor = start();
  if (!qt::InsertInSlices(cursor, pieces, current) || !current()) return {};
  return cursor;
}

QString TextAreaImpl::PrintedText(QList<QTextLayout::FormatRange>& runs) const {
  runs.clear();
  if (!Edit()) return {};
  if (writing_) return QString::fromStdString(writing_->seen);
  const QTextDocument* document = Edit()->document();
  // Plain text has no character format of its own: only a text with styled
  // runs is worth a walk over every fragment.
  const QList<QTextFormat> formats = document->allFormats();
  if (std::any_of(formats.begin(), formats.end(), [](const QTextFormat& format) {
        return format.isCharFormat() && !format.properties().isEmpty();
      })) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.charFormat().properties().isEmpty())
          runs.append({fragment.position(), fragment.length(), fragment.charFormat()});
      }
  }
  return RawText();
}

void TextAreaImpl::NotePasted(QStringView text) {
  if (qt::HasLongRun(text)) BreakAnywhere(true);
}

void TextAreaImpl::BreakAnywhere(bool anywhere) {
  const auto mode =
      anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
  if (Edit()->wordWrapMode() != mode) Edit()->setWordWrapMode(mode);
}

void TextAreaImpl::StopWriting() {
  if (!writing_) return;
  const Writing done = std::move(*writing_);
  writing_.reset();
  if (!Edit()) return;
  Edit()->setReadOnly(done.readOnly);
  Edit()->setTextInteractionFlags(done.interaction);
}

std::int64_t TextAreaImpl::SelStart() const {
  if (!Edit()) return 0;
  return qt::Utf16ToCodePoint(RawText(), Edit()->textCursor().selectionStart());
}

std::int64_t TextAreaImpl::SelLength() const {
  if (!Edit()) return 0;
  const QTextCursor cursor = Edit()->textCursor();
  const QString text = RawText();
  return qt::Utf16ToCodePoint(text, cursor.selectionEnd()) -
         qt::Utf16ToCodePoint(text, cursor.selectionStart());
}

void TextAreaImpl::SetSelStart(std::int64_t v) {
  if (!Edit()) return;
  const QString text = RawText();
  QTextCursor cursor = Edit()->textCursor();
  cursor.setPosition(static_cast<int>(qt::CodePointToUtf16(text, std::max<std::int64_t>(0, v))));
  Edit()->setTextCursor(cursor);
}

void TextAreaImpl::SetSelLength(std::int64_t v) {
  if (!Edit()) return;
  const QString text = RawText();
  QTextCursor cursor = Edit()->textCursor();
  const int start = cursor.selectionStart();
  const qsizetype startPoints = qt::Utf16ToCodePoint(text, start);
  const qsizetype end = qt::CodePointToUtf16(text, startPoints + std::max<std::int64_t>(0, v));
  cursor.setPosition(start);
  cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
  Edit()->setTextCursor(cursor);
}

void TextAreaImpl::SetSelBold(bool bold) {
  // A plain (unstyled) area has one style for all its text.
  if (!Edit() || !styled) return;
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  QTextCursor cursor = Edit()->textCursor();
  if (cursor.hasSelection())
    cursor.mergeCharFormat(format);
  else
    Edit()->mergeCurrentCharFormat(format);
}

bool TextAreaImpl::BoldAt(int position) const {
  const QTextDocument* doc = Edit()->document();
  const QTextBlock block = doc->findBlock(position);
  QTextCharFormat format = block.charFormat();
  // A line break is the separator before the next block and carries that
  // block's character format.
  if (position == block.position() + block.length() - 1 && block.next().isValid())
    format = block.next().charFormat();
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    if (fragment.contains(position)) {
      format = fragment.charFormat();
      break;
    }
  }
  const int weight = format.hasProperty(QTextFormat::FontWeight)
                         ? format.fontWeight()
                         : static_cast<int>(doc->defaultFont().weight());
  return weight >= QFont::Bold;
}

bool TextAreaImpl::SelBold() const {
  if (!Edit()) return false;
  const QTextCursor cursor = Edit()->textCursor();
  if (!cursor.hasSelection()) return Edit()->currentCharFormat().fontWeight() >= QFont::Bold;
  for (int p = cursor.selectionStart(); p < cursor.selectionEnd(); ++p)
    if (!BoldAt(p)) return false;
  return true;
}

bool TextAreaImpl::CharacterBold(std::int64_t index) const {
  if (!Edit() || index < 0) return false;
  const QString text = RawText();
  if (index >= qt::CodePoints(text)) return false;
  return BoldAt(static_cast<int>(qt::CodePointToUtf16(text, index)));
}

bool TextAreaImpl::ReadOnly() const {
  return Edit() && Edit()->isReadOnly();
}

bool TextAreaImpl::CanUndo() const {
  return Edit() && !ReadOnly() && Edit()->document()->isUndoAvailable();
}

bool TextAreaImpl::HasSelection() const {
  return Edit() && Edit()->textCursor().hasSelection();
}

void TextAreaImpl::Undo() {
  if (Edit()) Edit()->undo();
}
void TextAreaImpl::Cut() {
  if (Edit()) Edit()->cut();
}
void TextAreaImpl::Copy() {
  if (Edit()) Edit()->copy();
}
void TextAreaImpl::Paste() {
  if (!Edit()) return;
  const QString text = QGuiApplication::clipboard()->text();
  if (text.size() <= qt::kShortText || ReadOnly()) {
    Edit()->paste();
    return;
  }
  if (auto admitted = Admit(text)) PasteLong(*admitted);
}
void TextAreaImpl::Clear() {
  if (!Edit() || ReadOnly()) return;
  QTextCursor cursor = Edit()->textCursor();
  cursor.removeSelectedText();
  Edit()->setTextCursor(cursor);
}

void TextAreaImpl::ApplyFont(const QFont& font) {
  if (!Edit()) return;
  Edit()->setFont(font);
  Edit()->document()->setDefaultFont(font);
}

QString TextAreaImpl::WithSelectionReplaced(const QString& insert) const {
  if (!Edit()) return insert;
  const QTextCursor cursor = Edit()->textCursor();
  QString text = RawText();
  text.replace(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart(), insert);
  return text;
}

QString TextAreaImpl::SelectedText() const {
  if (!Edit()) return {};
  const QTextCursor cursor = Edit()->textCursor();
  return RawText().mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart());
}

QString TextAreaImpl::CurrentText() const {
  return RawText();
}

void TextAreaImpl::UpdatePalette() {
  if (!Edit()) return;
  QPalette palette = Edit()->palette();
  palette.setColor(QPalette::Text, textColor);
  palette.setColor(QPalette::Base, backColor);
  // The editor draws the selection of an area without the focus in the
  // inactive colours: made the area's own, the selection is not seen.
  const QPalette standard = QApplication::palette(Edit());
  palette.setColor(
      QPalette::Inactive, QPalette::Highlight,
      hideSelection ? backColor : standard.color(QPalette::Inactive, QPalette::Highlight));
  palette.setColor(
      QPalette::Inactive, QPalette::HighlightedText,
      hideSelection ? textColor : standard.color(QPalette::Inactive, QPalette::HighlightedText));
  Edit()->setPalette(palette);
}

bool TextAreaImpl::ApplyOwn(const std::string& n, const SettingValue& value) {
  TextEditWidget* edit = Edit();
  if (!edit) return TextControlImpl::ApplyOwn(n, value);
  if (n == "Text") {
    SetText(TextSetting(n, value));
  } else if (n == "Styled") {
    styled = BoolSetting(n, value);
  } else if (n == "ReadOnly") {
    const bool readOnly = BoolSetting(n, value);
    edit->setReadOnly(readOnly);
    // Read-only text can still be selected and copied, with the keyboard too.
    if (readOnly)
      edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  } else if (n == "AcceptTabs") {
    edit->setTabChangesFocus(!BoolSetting(n, value));
  } else if (n == "Alignment") {
    const int a = IntSetting(n, value);
    QTextOption option = edit->document()->defaultTextOption();
    option.setAlignment(EditAlignment(a));
    edit->document()->setDefaultTextOption(option);
  } else if (n == "ScrollbarVertical") {
    edit->setVerticalScrollBarPolicy(BoolSetting(n, value) ? Qt::ScrollBarAsNeeded
                                                           : Qt::ScrollBarAlwaysOff);
  } else if (n == "ScrollbarHorizontal") {
    const bool scrolls = BoolSetting(n, value);
    edit->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(scrolls ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
  } else if (n == "UseFocusRing") {
    edit->focusRing = BoolSetting(n, value);
    edit->update();
  } else if (n == "Border") {
    edit->setFrameShape(BoolSetting(n, value) ? QFrame::StyledPanel : QFrame::NoFrame);
  } else if (n == "TextColor" || n == "BackColor") {
    const Color c = ColourSetting(n, value);
    (n == "TextColor" ? textColor : backColor) = QColor(c.red, c.green, c.blue);
    UpdatePalette();
  } else if (n == "HideSelection") {
    hideSelection = BoolSetting(n, value);
    UpdatePalette();
  } else {
    return TextControlImpl::ApplyOwn(n, value);
  }
  return true;
}

}  // namespace fw
