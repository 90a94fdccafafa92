// The text area: a text editor whose runs of text can be bold (the plain
// editor, which lays out only what it shows, so that long reports set fast),
// whose text goes in and comes out with LF line breaks.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QPlainTextEdit>
#include <QTextLayout>
#include <cstdint>
#include <functional>
#include <optional>

#include "framework/qt/document_slices.h"
#include "framework/qt/text_control_impl.h"

namespace fw {

class TextEditWidget : public QPlainTextEdit, public OwnedWidget {
 public:
  TextEditWidget();
  // Whether the frame shows the focus as a text field's does (UseFocusRing).
  bool focusRing = false;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

class TextAreaImpl : public TextControlImpl {
 public:
  TextAreaImpl() : TextAreaImpl(new TextEditWidget) {}
  explicit TextAreaImpl(TextEditWidget* widget);
  TextEditWidget* Edit() const { return static_cast<TextEditWidget*>(Widget()); }

  std::string Text() const override;
  void SetText(const std::string& text) override;
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

  // Puts a long pasted text (line breaks as LF, admitted by the rules) in
  // place of the selection a slice at a time, as one undo step.
  void PasteLong(const QString& text);
  // A pasted text with a long run in it: lines are broken anywhere from now on.
  void NotePasted(QStringView text);
  // The text that a print-out shows, with its bold and other styled runs.
  QString PrintedText(QList<QTextLayout::FormatRange>& runs) const;

  bool styled = true;
  bool hideSelection = true;
  QColor textColor{Qt::black};
  QColor backColor{Qt::white};
  void UpdatePalette();

 protected:
  void ApplyFont(const QFont& font) override;
  QString WithSelectionReplaced(const QString& insert) const override;
  QString SelectedText() const override;
  QString CurrentText() const override;
  QString NormalizeInserted(QString text) const override {
    return UnixLineEndings(std::move(text));
  }

 private:
  // The document's text with each block break as LF: positions in it are the
  // document's cursor positions.
  QString RawText() const;
  bool BoldAt(int position) const;
  void BreakAnywhere(bool anywhere);

  // While a long text is written into the area, the program sees the text
  // in one piece (`seen`: the text from before a text set by the program, the
  // whole result of a paste), and the user can't edit the half-written one;
  // another text set meanwhile takes its place.
  struct Writing {
    std::string seen;
    bool readOnly = false;
    Qt::TextInteractionFlags interaction;
  };
  // Writes the pieces at the cursor that `start` gives once the area is
  // being written, the program seeing `seen` meanwhile; a null cursor when
  // the write did not end as the area's last.
  QTextCursor WriteLong(std::string seen, const std::function<QTextCursor()>& start,
                        const qt::PieceSource& pieces);
  void StopWriting();
  std::optional<Writing> writing_;
  std::uint64_t writes_ = 0;
};

}  // namespace fw
