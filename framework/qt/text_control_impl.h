// What the text area and the text field share: font, colours, mask and limit,
// the KeyDown event, typed and pasted text kept within the rules, and the
// standard editing that the Edit menu's items do.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "framework/qt/control_impl.h"
#include "framework/qt/edit_rules.h"
#include "framework/qt/fonts.h"

class QInputMethodEvent;
class QKeyEvent;

namespace fw {

class TextControlImpl : public ControlImpl {
 public:
  using ControlImpl::ControlImpl;

  virtual std::string Text() const = 0;
  virtual void SetText(std::string text) = 0;
  virtual std::int64_t SelStart() const = 0;
  virtual std::int64_t SelLength() const = 0;
  virtual void SetSelStart(std::int64_t v) = 0;
  virtual void SetSelLength(std::int64_t v) = 0;
  virtual void SetSelBold(bool bold) = 0;
  virtual bool SelBold() const = 0;
  virtual bool CharacterBold(std::int64_t index) const = 0;
  virtual bool ReadOnly() const = 0;

  // Standard editing of the Edit menu.
  virtual bool CanUndo() const = 0;
  virtual bool HasSelection() const = 0;
  virtual void Undo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  virtual void Clear() = 0;
  bool CanPaste() const;

  qt::FontSpec font;
  qt::EditRules rules;
  QFont CurrentFont() const;
  void UpdateFont();

  bool ApplyOwn(const std::string& name, const SettingValue& value) override;
  int EventKind(const std::string& event) const override;
  bool TakesFocus() const override { return true; }

  // Run by the widget before its own handling of a key press; true when the
  // key is used up (swallowed by KeyDown, or refused by the rules). A chord is
  // not: the widget takes it without its text.
  bool PreKey(QKeyEvent& event);
  // Text committed by an input method (a dead key, a compose sequence) goes
  // character by character through KeyDown and the rules, as typed keys do.
  // The event with its commit cut to what they admit, or nil when they admit
  // all of it.
  std::unique_ptr<QInputMethodEvent> AdmitCommitted(const QInputMethodEvent& event);
  // Text about to be pasted or dropped, cut to what the rules admit; nothing
  // when they admit none of it, or when it is empty.
  std::optional<QString> Admit(QString text);

 protected:
  virtual void ApplyFont(const QFont& font) = 0;
  // The text as it would be with the selection replaced by `insert`.
  virtual QString WithSelectionReplaced(const QString& insert) const = 0;
  virtual QString SelectedText() const = 0;
  virtual QString CurrentText() const = 0;
  // Line breaks as this control keeps them.
  virtual QString NormalizeInserted(QString text) const = 0;
};

// Line breaks of any kind as LF.
QString UnixLineEndings(QString text);

}  // namespace fw
