// The calculator window: its class record, its thirteen controls and their accessors, the
// handlers of their events and of the window's own, and the window's shared instance.
#pragma once

#include <string>

#include "framework/controls.h"
#include "framework/object.h"
#include "framework/window.h"

class ControlWnd : public fw::Window {
 public:
  static constexpr const char* kFullName = "ControlWnd.ControlWnd";
  static const fw::ClassRecord& ClassInfo();

  // Each looks its control up by name; a missing control raises NilObjectException.
  fw::Ref<fw::TextArea> NVarsFld() const;
  fw::Ref<fw::PushButton> ClearBtn() const;
  fw::Ref<fw::PushButton> CalculateBtn() const;
  fw::Ref<fw::StaticText> StaticText3() const;
  fw::Ref<fw::StaticText> StaticText9() const;
  fw::Ref<fw::StaticText> StaticText1() const;
  fw::Ref<fw::PushButton> PrintBtn() const;
  fw::Ref<fw::Canvas> Canvas1() const;
  fw::Ref<fw::TextArea> EigenFld() const;
  fw::Ref<fw::StaticText> StaticText2() const;
  fw::Ref<fw::TextField> LabelFld() const;
  fw::Ref<fw::ImageWell> ImageWell1() const;
  fw::Ref<fw::Canvas> Canvas2() const;

  // Control events. A KeyDown handler returns true to swallow the key.
  bool NVarsFld_KeyDown(const std::string& key);
  void ClearBtn_Action();
  void CalculateBtn_Action();
  void PrintBtn_Action();
  bool Canvas1_MouseDown(int x, int y);
  bool EigenFld_KeyDown(const std::string& key);
  bool ImageWell1_MouseDown(int x, int y);

  // Window events.
  void Event_Close() override;
  void Event_Activate() override;
  void Event_EnableMenuItems() override;

  // Menu handlers, bound by item name.
  bool DescriptionMenuItem_Action();
  bool AboutPlim_Action();

 protected:
  void Layout() override;
  void CreateControls() override;
  // Virtual so that a subclass's set of controls would be built in its place.
  virtual void CreateControls0();
  void AddMenuHandlers() override;
};

// The calculator window's one instance, built (and shown) on first use; never nil.
fw::Ref<class ControlWnd> ControlWnd();
