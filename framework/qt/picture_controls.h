// The canvas, which draws its backdrop picture at its top left, and the image
// well, which shows its image centred. Both raise MouseDown; a click that no
// handler takes goes on to the window.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QWidget>

#include "framework/files.h"
#include "framework/qt/control_impl.h"

namespace fw {

class PictureWidget : public QWidget, public OwnedWidget {
 public:
  explicit PictureWidget(bool centred) : centred_(centred) {}
  Ref<Picture> picture;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  bool centred_;
};

class PictureControlImpl : public ControlImpl {
 public:
  explicit PictureControlImpl(bool centred) : PictureControlImpl(new PictureWidget(centred)) {}
  explicit PictureControlImpl(PictureWidget* widget) : ControlImpl(widget, widget) {}
  PictureWidget* View() const { return static_cast<PictureWidget*>(Widget()); }

  void SetPicture(const Ref<fw::Picture>& picture);
  Ref<fw::Picture> CurrentPicture() const { return picture_; }

  bool ApplyOwn(const std::string& name, const SettingValue& value) override;
  int EventKind(const std::string& event) const override { return event == "MouseDown" ? 2 : -1; }
  bool TakesFocus() const override { return acceptFocus; }

  bool acceptFocus = false;

 private:
  Ref<fw::Picture> picture_;
};

}  // namespace fw
