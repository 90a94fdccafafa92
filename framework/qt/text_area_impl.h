// The text area: a text editor whose runs of text can be bold (the plain
// editor, which lays out only what it shows, so that long reports set fast),
// whose text goes in and comes out with LF line breaks.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QAccessible>
#include <QPlainTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "framework/qt/text_control_impl.h"

namespace fw {

// The area's editor. Its event entry points are the gate before the document:
// an event that may read or change the text or the selection waits for the
// rest of a write.
class TextEditWidget : public QPlainTextEdit, public OwnedWidget {
 public:
  TextEditWidget();
  // Whether the frame shows the focus as a text field's does (UseFocusRing).
  bool focusRing = false;
  // Text about to go in: a long run in it makes lines break anywhere before
  // it is laid out, which would otherwise take one layout more.
  void Expect(QStringView text);
  // The top of the view, held by a cursor at the start of its line's block,
  // which moves on with text put in before it.
  struct ViewTop {
    QTextCursor block;
    int linesInto = 0;
  };
  ViewTop TopOfView() const;
  void ScrollTo(const ViewTop& top);

 protected:
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  // Lines break anywhere while the text holds a long run, and at word
  // boundaries again once it holds none; looked at whenever the text changes.
  void FollowRuns(int position, int removed, int added);
  void BreakAnywhere(bool anywhere);
  void FinishWriting();
};

class TextAreaImpl : public TextControlImpl, private QAccessible::ActivationObserver {
 public:
  TextAreaImpl() : TextAreaImpl(new TextEditWidget) {}
  explicit TextAreaImpl(TextEditWidget* widget);
  ~TextAreaImpl() override;
  TextEditWidget* Edit() const { return static_cast<TextEditWidget*>(Widget()); }

  std::string Text() const override;
  void SetText(std::string text) override;
  std::int64_t SelStart() const override;
  std::int64_t SelLength() const override;
  void SetSelStart(std::int64_t v) override;
  void SetSelLength(std::int64_t v) override;
  void SetSelBold(bool bold) override;
  bool SelBold() const override;
  bool CharacterBold(std::int64_t index) const override;
  bool ReadOnly() const override;
  bool CanUndo() const override;
  bool HasSelection() const override;
  void Undo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  void Clear() override;

  bool ApplyOwn(const std::string& name, const SettingValue& value) override;

  // Puts a pasted text (line breaks as LF, admitted by the rules) in place of
  // the selection, as one undo step.
  void InsertPasted(const QString& text);
  // Writes now what is still to go in of a text set or pasted. Nothing reads
  // or changes the document while part of a text is still to come: every
  // event that reaches the editor calls this first, those that can do
  // neither excepted (the editor's gate), and so does every call of the area
  // that reads or edits, through Whole().
  void FinishWriting() const;
  // The text that a print-out shows, with its bold and other styled runs.
  QString PrintedText(QList<QTextLayout::FormatRange>& runs) const;
  bool HasStyledRuns() const;
  QString SelectedText() const override;

  bool styled = true;
  bool hideSelection = true;
  QColor textColor{Qt::black};
  QColor backColor{Qt::white};
  void UpdatePalette();

 protected:
  void ApplyFont(const QFont& font) override;
  QString WithSelectionReplaced(const QString& insert) const override;
  QString CurrentText() const override;
  QString NormalizeInserted(QString text) const override {
    return UnixLineEndings(std::move(text));
  }

 private:
  // The editor with all of the text in it, once what is still to go in of a
  // write is in; at once when nothing is.
  TextEditWidget* Whole() const;
  // The document's text with each block break as LF: positions in it are the
  // document's cursor positions.
  QString RawText() const;
  bool BoldAt(int position) const;

  // A text on its way into the document, set or pasted. The program and the
  // user see the area as if it were all in at once, while the editor is
  // filled with the rest from the event loop, a slice at a time, so that a
  // long text keeps no window waiting. The text is kept as given: the
  // document's line breaks are made as it goes in.
  struct Writing {
    std::string text;
    std::size_t next = 0;  // the first byte of `text` still to go in
    QTextCursor at;        // where it goes
    bool set = false;      // set by the program, not pasted
    bool begun = false;    // a piece is in
    bool behind = false;   // some went in behind the user's back, from the event loop
  };
  void Write(Writing writing);
  // The text as it stands once the rest of the write is in.
  QString WrittenText() const;
  // Writes pieces until `until` (the first piece whatever the time); true
  // once the write is done. Const as the reads that need the editor whole
  // are: the text is the same either way.
  bool WriteUntil(std::chrono::steady_clock::time_point until) const;
  mutable std::optional<Writing> writing_;
  mutable QTimer writer_;

  // An assistive technology reads and selects in the document itself, past
  // every gate: while one listens, a text goes in whole at once, and one
  // still going in when it starts is finished.
  void accessibilityActiveChanged(bool active) override;
  bool assisted_ = false;
};

}  // namespace fw
