// For tests only: the Qt widgets behind windows and controls, so that tests can
// send key presses and clicks the way the toolkit delivers them.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QMainWindow>
#include <QWidget>

#include "framework/qt/control_impl.h"
#include "framework/qt/window_impl.h"

namespace fw::qt {

inline QWidget* WidgetOf(const Control& control) {
  return ImplOf(control).Widget();
}
inline QMainWindow* QtWindowOf(const Window& window) {
  return ImplOf(window).qt;
}
// The content: the area of Width by Height in which controls are placed.
inline QWidget* ContentOf(const Window& window) {
  return ImplOf(window).content;
}

}  // namespace fw::qt
