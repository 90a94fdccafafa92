// The About window: title artwork, picture well, badge and copyright line in
// a borderless box. It is also the splash; any key or click in it gives way
// to the calculator window.
#pragma once

#include "framework/controls.h"
#include "framework/object.h"
#include "framework/window.h"

class AboutWnd : public fw::Window {
 public:
  static constexpr const char* kFullName = "AboutWnd.AboutWnd";
  static const fw::ClassRecord& ClassInfo();

  virtual fw::Ref<fw::StaticText> StaticText5();
  virtual fw::Ref<fw::Canvas> Canvas2();
  virtual fw::Ref<fw::ImageWell> ImageWell1();
  virtual fw::Ref<fw::Canvas> Canvas1();
  bool Event_KeyDown(const std::string& key) override;
  bool Event_MouseDown(int x, int y) override;

 protected:
  void Layout() override;
  void CreateControls() override;
  virtual void CreateControls0();
};

// The one About window, built (and so shown) on first use.
fw::Ref<class AboutWnd> AboutWnd();
