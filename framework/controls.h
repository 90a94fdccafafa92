// Controls: the widgets a window holds, each taking its designed settings by
// name and raising the events that the program binds per control.
#pragma once

#include <functional>
#include <string>
#include <variant>

#include "framework/object.h"
#include "framework/settings.h"

namespace fw {

class Window;
class Picture;
class Graphics;
class StyledTextPrinter;
class ControlImpl;

// Handlers bound to a control's event by the event's name.
using ActionHandler = std::function<void()>;                        // "Action"
using KeyDownHandler = std::function<bool(const std::string& key)>;  // "KeyDown": true swallows
using MouseDownHandler = std::function<bool(int x, int y)>;         // "MouseDown"
using EventHandler = std::variant<ActionHandler, KeyDownHandler, MouseDownHandler>;

class Control : public Object, public PropertyTarget {
 public:
  ~Control() override;
  const std::string& Name() const;
  Window* ParentWindow() const;

  // Common settings: Name, Index, Left, Top, Width, Height, the four locks,
  // TabPanelIndex, TabIndex, TabStop, Visible, Enabled, HelpTag,
  // AutoDeactivate, InitialParent. Subclasses add their own; a setting that
  // has no effect in this layer is accepted and kept.
  void SetProperty(const std::string& name, const SettingValue& value) override;

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  bool Visible() const;
  bool Enabled() const;
  int TabIndex() const;
  void SetFocus();
  bool HasFocus() const;

 protected:
  explicit Control(std::unique_ptr<ControlImpl> impl);

 private:
  friend class Window;
  friend struct ImplAccess;
  friend void InstallInstanceEventHandler(Control&, const std::string&, EventHandler);
  std::unique_ptr<ControlImpl> impl_;
};

// Binds a handler to the named event of this one control. Raises
// std::invalid_argument for an event the control doesn't raise or a handler of
// the wrong kind.
void InstallInstanceEventHandler(Control& control, const std::string& event, EventHandler handler);

// Shared by the text area and the text field.
class TextControl : public Control {
 public:
  std::string Text() const;  // line breaks come back as LF
  void SetText(std::string text);  // CR, LF and CR LF alike break lines
  void SetTextSize(float points);
  float TextSize() const;
  void SetTextUnit(int unit);  // FontUnits; 0 is the default (points)
  std::int64_t SelStart() const;  // in characters
  void SetSelStart(std::int64_t v);
  std::int64_t SelLength() const;
  void SetSelLength(std::int64_t v);
  void SetSelBold(bool bold);
  bool SelBold() const;
  // Whether character `index` is drawn bold.
  bool CharacterBold(std::int64_t index) const;
  std::string FontFamily() const;  // the family actually used
  bool FixedPitch() const;
  bool ReadOnly() const;

 protected:
  using Control::Control;
};

// Multi-line styled text. KeyDown event.
class TextArea : public TextControl {
 public:
  TextArea();
  void SetProperty(const std::string& name, const SettingValue& value) override;
  // A printer for this area's text on the surface, `width` wide.
  Ref<StyledTextPrinter> StyledTextPrinterFor(Graphics& surface, int width);
};

// One line of text. KeyDown event.
class TextField : public TextControl {
 public:
  TextField();
  void SetProperty(const std::string& name, const SettingValue& value) override;
};

// Action event.
class PushButton : public Control {
 public:
  PushButton();
  void SetProperty(const std::string& name, const SettingValue& value) override;
  std::string Caption() const;
  void SetTextSize(float points);
  void SetTextUnit(int unit);
  void Push();  // as a click: raises Action
};

class StaticText : public Control {
 public:
  StaticText();
  void SetProperty(const std::string& name, const SettingValue& value) override;
  std::string Text() const;
  void SetTextSize(float points);
  float TextSize() const;
};

// Shows a backdrop picture. MouseDown event.
class Canvas : public Control {
 public:
  Canvas();
  void SetProperty(const std::string& name, const SettingValue& value) override;
  void SetBackdrop(const Ref<Picture>& picture);  // nil: no picture
  Ref<Picture> Backdrop() const;
};

// Shows an image, centred. MouseDown event.
class ImageWell : public Control {
 public:
  ImageWell();
  void SetProperty(const std::string& name, const SettingValue& value) override;
  void SetImage(const Ref<Picture>& picture);  // nil: no picture
  Ref<Picture> Image() const;
};

}  // namespace fw
