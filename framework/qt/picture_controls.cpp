// Canvas and image well.
#include "framework/qt/picture_controls.h"

#include <QMouseEvent>
#include <QPainter>

#include "framework/qt/picture_data.h"

namespace fw {

void PictureWidget::paintEvent(QPaintEvent*) {
  if (!picture) return;
  const QImage& image = picture->Data().image;
  QPainter painter(this);
  QPoint at(0, 0);
  if (centred_) at = QPoint((width() - image.width()) / 2, (height() - image.height()) / 2);
  painter.setClipRect(rect());
  painter.drawImage(at, image);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (owner && owner->RaiseMouseDown(p.x(), p.y()))
    event->accept();
  else
    event->ignore();
}

void PictureControlImpl::SetPicture(const Ref<fw::Picture>& picture) {
  picture_ = picture;
  if (auto* widget = View()) {
    widget->picture = picture;
    widget->update();
  }
}

bool PictureControlImpl::ApplyOwn(const std::string& n, const SettingValue& value) {
  if (n == "AcceptFocus") {
    acceptFocus = BoolSetting(n, value);
    UpdateFocusPolicy();
    return true;
  }
  return false;  // UseFocusRing, AcceptTabs, DoubleBuffer, EraseBackground: kept
}

}  // namespace fw
