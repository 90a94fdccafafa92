// The text field: one line of plain text.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QLineEdit>
#include <QValidator>

#include "framework/qt/text_control_impl.h"

namespace fw {

class LineEditWidget : public QLineEdit, public OwnedWidget {
 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
};

class TextFieldImpl : public TextControlImpl {
 public:
  TextFieldImpl() : TextFieldImpl(new LineEditWidget) {}
  explicit TextFieldImpl(LineEditWidget* widget);
  LineEditWidget* Edit() const { return static_cast<LineEditWidget*>(Widget()); }

  std::string Text() const override;
  void SetText(std::string text) override;
  std::int64_t SelStart() const override;
  std::int64_t SelLength() const override;
  void SetSelStart(std::int64_t v) override;
  void SetSelLength(std::int64_t v) override;
  void SetSelBold(bool bold) override { (void)bold; }
  bool SelBold() const override { return font.bold; }
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

 protected:
  void ApplyFont(const QFont& font) override;
  QString WithSelectionReplaced(const QString& insert) const override;
  QString SelectedText() const override;
  QString CurrentText() const override;
  // One line: a pasted line break becomes a space.
  QString NormalizeInserted(QString text) const override;

 private:
  void UpdateRules();
  QValidator* validator_ = nullptr;
};

}  // namespace fw
