// The text area on QPlainTextEdit.
#include "framework/qt/text_area_impl.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <string_view>

#include "framework/qt/document_slices.h"
#include "framework/qt/keys.h"

namespace fw {
namespace {

using Clock = std::chrono::steady_clock;

TextAreaImpl* AreaOf(OwnedWidget* widget) {
  return static_cast<TextAreaImpl*>(widget->owner);
}

// The text as the document holds it and hands it back: it takes every kind
// of line break, its own block and frame marks among them, as a block break.
QString DocumentText(QString text) {
  text = UnixLineEndings(std::move(text));
  for (const QChar mark : {QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator),
                           QChar(0xfdd0), QChar(0xfdd1)})
    text.replace(mark, QChar(u'\n'));
  return text;
}

// The piece of `text` from `at` to `end`, as the document holds it.
QString HeldPiece(std::string_view text, std::size_t at, std::size_t end) {
  return DocumentText(QString::fromUtf8(text.data() + at, static_cast<qsizetype>(end - at)));
}

// Whether an event that reaches the editor can neither read nor change its
// text or selection, and so needn't wait for the rest of a write: drawing,
// timers, showing and sizing, focus, the pointer passing over, the wheel, the
// toolkit's own upkeep, and a lone modifier key. Input methods ask about the
// text near the caret whenever it moves, a write moving it too: what they do
// with the answer comes as committed text, which waits. Every other event
// waits for the write.
bool LeavesTheTextAlone(const QEvent& event) {
  switch (event.type()) {
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
    case QEvent::LayoutRequest:
    case QEvent::Timer:
    case QEvent::MetaCall:
    case QEvent::DeferredDelete:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::Polish:
    case QEvent::PolishRequest:
    case QEvent::ChildAdded:
    case QEvent::ChildPolished:
    case QEvent::ChildRemoved:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::EnabledChange:
    case QEvent::ReadOnlyChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::ActivationChange:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::FocusAboutToChange:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
    case QEvent::ToolTip:
    case QEvent::Wheel:
    case QEvent::InputMethodQuery:
    // Asked before a key is pressed and told after: the press itself waits.
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease:
      return true;
    case QEvent::KeyPress:
      return qt::IsModifierKey(static_cast<const QKeyEvent&>(event));
    case QEvent::MouseMove:
      return static_cast<const QMouseEvent&>(event).buttons() == Qt::NoButton;
    default:
      return false;
  }
}

// Whether a block from `block` to `last`, both included, holds a long run. A
// block shorter than a long run holds none, and costs no copy of its text.
bool LongRunIn(QTextBlock block, const QTextBlock& last) {
  for (; block.isValid(); block = block.next()) {
    if (block.length() > qt::kLongRun && qt::HasLongRun(block.text())) return true;
    if (block == last) break;
  }
  return false;
}

}  // namespace

TextEditWidget::TextEditWidget() {
  // Tab moves the focus unless the area is set to accept tabs.
  setTabChangesFocus(true);
  connect(document(), &QTextDocument::contentsChange, this,
          [this](int position, int removed, int added) { FollowRuns(position, removed, added); });
}

void TextEditWidget::Expect(QStringView text) {
  if (wordWrapMode() != QTextOption::WrapAnywhere && qt::HasLongRun(text)) BreakAnywhere(true);
}

void TextEditWidget::FollowRuns(int position, int removed, int added) {
  const QTextDocument* doc = document();
  if (wordWrapMode() != QTextOption::WrapAnywhere) {
    // Only the lines that changed can have gained a long run; switched now,
    // before the editor lays them out.
    if (LongRunIn(doc->findBlock(position), doc->findBlock(position + added))) BreakAnywhere(true);
  } else if (removed > 0 && !LongRunIn(doc->begin(), doc->lastBlock())) {
    // Only once the long run is gone: laid out again at word boundaries, it
    // would take minutes.
    BreakAnywhere(false);
  }
}

void TextEditWidget::BreakAnywhere(bool anywhere) {
  setWordWrapMode(anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void TextEditWidget::FinishWriting() {
  if (owner) AreaOf(this)->FinishWriting();
}

TextEditWidget::ViewTop TextEditWidget::TopOfView() const {
  const QTextBlock first = firstVisibleBlock();
  return {QTextCursor(first), verticalScrollBar()->value() - first.firstLineNumber()};
}

void TextEditWidget::ScrollTo(const ViewTop& top) {
  verticalScrollBar()->setValue(top.block.block().firstLineNumber() + top.linesInto);
}

bool TextEditWidget::event(QEvent* event) {
  if (!LeavesTheTextAlone(*event)) FinishWriting();
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

bool TextEditWidget::viewportEvent(QEvent* event) {
  // A click, a drop, the context menu: on the whole text, and on the lines
  // the user pointed at, since finishing a write leaves the view where it is.
  if (!LeavesTheTextAlone(*event)) FinishWriting();
  return QPlainTextEdit::viewportEvent(event);
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

void TextEditWidget::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu's items act once it has gone, on the editor itself: a text set
  // while it was open (a Calculate's report) is whole by then.
  connect(menu, &QMenu::aboutToHide, this, [this] { FinishWriting(); });
  menu->popup(event->globalPos());
}

bool TextEditWidget::canInsertFromMimeData(const QMimeData* source) const {
  return source->hasText();
}

void TextEditWidget::insertFromMimeData(const QMimeData* source) {
  // Only the text is taken, in the area's own font: a spreadsheet's cells or a
  // web page's markup would otherwise come in as tables and foreign styles.
  if (isReadOnly() || !source->hasText()) return;
  if (!owner) {
    insertPlainText(UnixLineEndings(source->text()));
    return;
  }
  if (const auto text = AreaOf(this)->Admit(source->text())) AreaOf(this)->InsertPasted(*text);
}

QMimeData* TextEditWidget::createMimeDataFromSelection() const {
  // A plain text goes out as plain text only: the editor's rich copy of a long
  // one takes many seconds to make and to hand over.
  const auto* area = owner ? static_cast<const TextAreaImpl*>(owner) : nullptr;
  if (!area || area->HasStyledRuns()) return QPlainTextEdit::createMimeDataFromSelection();
  auto* data = new QMimeData;
  data->setText(area->SelectedText());
  return data;
}

TextAreaImpl::TextAreaImpl(TextEditWidget* widget) : TextControlImpl(widget, widget) {
  widget->document()->setUndoRedoEnabled(true);
  writer_.setInterval(0);
  QObject::connect(&writer_, &QTimer::timeout, [this] { WriteUntil(Clock::now() + qt::kSlice); });
  UpdateFont();
  assisted_ = QAccessible::isActive();
  QAccessible::installActivationObserver(this);
}

TextAreaImpl::~TextAreaImpl() {
  QAccessible::removeActivationObserver(this);
}

void TextAreaImpl::accessibilityActiveChanged(bool active) {
  assisted_ = active;
  if (active) FinishWriting();
}

QString TextAreaImpl::RawText() const {
  if (!Edit()) return {};
  QString text = Edit()->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QChar(u'\n'));
  text.replace(QChar::LineSeparator, QChar(u'\n'));
  return text;
}

QString TextAreaImpl::WrittenText() const {
  QString text = RawText();
  if (!writing_ || !Edit()) return text;
  // What is still to come goes in at the cursor of the write.
  const Writing& w = *writing_;
  return text.insert(w.at.position(), HeldPiece(w.text, w.next, w.text.size()));
}

std::string TextAreaImpl::Text() const {
  return WrittenText().toStdString();
}

void TextAreaImpl::SetText(std::string text) {
  if (!Edit()) return;
  QTextDocument* document = Edit()->document();
  // Undo starts afresh with a new text, and the new text takes the area's own
  // style, not the format at the caret.
  document->setUndoRedoEnabled(false);
  document->setPlainText(QString());
  Write({std::move(text), 0, QTextCursor(document), true});
  // The caret at the start; the text still to come goes in after it.
  Edit()->setTextCursor(QTextCursor(document));
}

void TextAreaImpl::InsertPasted(const QString& pasted) {
  // Reached through the gate (a key, a drop, the context menu) or Paste:
  // nothing is still to go in.
  if (Edit()) Write({pasted.toStdString(), 0, Edit()->textCursor()});
}

void TextAreaImpl::Write(Writing writing) {
  writer_.stop();
  writing_ = std::move(writing);
  // The first piece now: a short text is all in when this returns.
  if (!WriteUntil(Clock::now())) writer_.start();
}

bool TextAreaImpl::WriteUntil(Clock::time_point until) const {
  if (!writing_) return true;
  Writing& w = *writing_;
  if (!Edit() || w.at.isNull()) {  // the window, and the document with it, is gone
    writing_.reset();
    writer_.stop();
    return true;
  }
  if (assisted_) until = Clock::time_point::max();
  const Clock::time_point started = Clock::now();
  // Text that goes in before the lines in view pushes them down, and the view
  // goes with them: what the user sees and points at stays where it is.
  const TextEditWidget::ViewTop top = Edit()->TopOfView();
  const bool beforeView = w.at.selectionStart() < top.block.position();
  // At least one piece, even of an empty text: pasted, it takes the selection's place.
  while (!w.begun || w.next < w.text.size()) {
    const std::size_t end = qt::PieceEnd(w.text, w.next);
    const QString piece = HeldPiece(w.text, w.next, end);
    Edit()->Expect(piece);
    // One undo step for a pasted text, which the editor lays out piece by piece.
    if (w.begun)
      w.at.joinPreviousEditBlock();
    else
      w.at.beginEditBlock();
    w.at.insertText(piece);
    w.at.endEditBlock();
    w.begun = true;
    w.next = end;
    if (Clock::now() >= until) break;
  }
  if (beforeView) Edit()->ScrollTo(top);
  if (w.next < w.text.size()) {
    w.behind = true;
    return false;
  }
  // After a piece that kept the window waiting (one line of megabytes), the
  // window answers before the caret is brought into view, which takes as long
  // again on such a line.
  if (until != Clock::time_point::max() && Clock::now() - started > qt::kSlice) return false;

  const Writing done = std::move(w);
  writing_.reset();
  writer_.stop();
  if (done.set) {
    Edit()->document()->setUndoRedoEnabled(true);
  } else if (!done.behind) {
    // A paste that went in as the user pasted brings the caret, which moved
    // on with it, into view. One that went in behind moves nothing seconds
    // after the user's last action: the caret shows with the next key.
    Edit()->ensureCursorVisible();
  }
  return true;
}

void TextAreaImpl::FinishWriting() const {
  WriteUntil(Clock::time_point::max());
}

TextEditWidget* TextAreaImpl::Whole() const {
  FinishWriting();
  return Edit();
}

bool TextAreaImpl::HasStyledRuns() const {
  if (!Edit()) return false;
  // Plain text has no character format of its own: only a text with styled
  // runs has a format with properties.
  const QList<QTextFormat> formats = Edit()->document()->allFormats();
  return std::any_of(formats.begin(), formats.end(), [](const QTextFormat& format) {
    return format.isCharFormat() && !format.properties().isEmpty();
  });
}

QString TextAreaImpl::PrintedText(QList<QTextLayout::FormatRange>& runs) const {
  runs.clear();
  // A text that the program set is plain: it is printed as it will stand
  // without waiting for the editor to hold all of it.
  if (writing_ && writing_->set) return WrittenText();
  const TextEditWidget* edit = Whole();
  if (!edit) return {};
  if (HasStyledRuns()) {
    const QTextDocument* document = edit->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.charFormat().properties().isEmpty())
          runs.append({fragment.position(), fragment.length(), fragment.charFormat()});
      }
  }
  return RawText();
}

std::int64_t TextAreaImpl::SelStart() const {
  const TextEditWidget* edit = Whole();
  if (!edit) return 0;
  return qt::Utf16ToCodePoint(RawText(), edit->textCursor().selectionStart());
}

std::int64_t TextAreaImpl::SelLength() const {
  const TextEditWidget* edit = Whole();
  if (!edit) return 0;
  const QTextCursor cursor = edit->textCursor();
  if (!cursor.hasSelection()) return 0;
  const QString text = RawText();
  return qt::Utf16ToCodePoint(text, cursor.selectionEnd()) -
         qt::Utf16ToCodePoint(text, cursor.selectionStart());
}

void TextAreaImpl::SetSelStart(std::int64_t v) {
  TextEditWidget* edit = Whole();
  if (!edit) return;
  const QString text = RawText();
  QTextCursor cursor = edit->textCursor();
  cursor.setPosition(static_cast<int>(qt::CodePointToUtf16(text, std::max<std::int64_t>(0, v))));
  edit->setTextCursor(cursor);
}

void TextAreaImpl::SetSelLength(std::int64_t v) {
  TextEditWidget* edit = Whole();
  if (!edit) return;
  const QString text = RawText();
  QTextCursor cursor = edit->textCursor();
  const int start = cursor.selectionStart();
  const qsizetype startPoints = qt::Utf16ToCodePoint(text, start);
  const qsizetype end = qt::CodePointToUtf16(text, startPoints + std::max<std::int64_t>(0, v));
  cursor.setPosition(start);
  cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
  edit->setTextCursor(cursor);
}

void TextAreaImpl::SetSelBold(bool bold) {
  TextEditWidget* edit = Whole();
  // A plain (unstyled) area has one style for all its text.
  if (!edit || !styled) return;
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  QTextCursor cursor = edit->textCursor();
  if (cursor.hasSelection())
    cursor.mergeCharFormat(format);
  else
    edit->mergeCurrentCharFormat(format);
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
  const TextEditWidget* edit = Whole();
  if (!edit) return false;
  const QTextCursor cursor = edit->textCursor();
  if (!cursor.hasSelection()) return edit->currentCharFormat().fontWeight() >= QFont::Bold;
  for (int p = cursor.selectionStart(); p < cursor.selectionEnd(); ++p)
    if (!BoldAt(p)) return false;
  return true;
}

bool TextAreaImpl::CharacterBold(std::int64_t index) const {
  if (!Whole() || index < 0) return false;
  const QString text = RawText();
  if (index >= qt::CodePoints(text)) return false;
  return BoldAt(static_cast<int>(qt::CodePointToUtf16(text, index)));
}

// The enabling round asks these three before every menu and every shortcut,
// Quit's too, which mustn't wait for a write. They need no wait: nothing is
// selected while a write goes on, since whatever selects finishes it first,
// and the write's own undo step is there from its first piece.
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
  if (TextEditWidget* edit = Whole()) edit->undo();
}
void TextAreaImpl::Cut() {
  if (TextEditWidget* edit = Whole()) edit->cut();
}
void TextAreaImpl::Copy() {
  if (TextEditWidget* edit = Whole()) edit->copy();
}
void TextAreaImpl::Paste() {
  // Through the editor, which hands the clipboard to insertFromMimeData.
  if (TextEditWidget* edit = Whole()) edit->paste();
}
void TextAreaImpl::Clear() {
  TextEditWidget* edit = Whole();
  if (!edit || ReadOnly()) return;
  QTextCursor cursor = edit->textCursor();
  cursor.removeSelectedText();
  edit->setTextCursor(cursor);
}

void TextAreaImpl::ApplyFont(const QFont& font) {
  if (!Edit()) return;
  Edit()->setFont(font);
  Edit()->document()->setDefaultFont(font);
}

// The rules ask these of a key, a commit, a paste or a drop, which have all
// passed the gate; copying asks for the selected text after Copy has.
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
