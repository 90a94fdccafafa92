// The way from the framework's public classes to their Qt sides. Only the
// framework's own code and its tests include this: the public headers name
// their Qt sides as friends and offer no accessor of their own.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include "framework/controls.h"
#include "framework/printing.h"
#include "framework/window.h"

namespace fw {

struct ImplAccess {
  static WindowImpl& Of(const Window& window) { return *window.impl_; }
  static ControlImpl& Of(const Control& control) { return *control.impl_; }
  static GraphicsImpl& Of(const Graphics& surface) { return *surface.impl_; }
};

inline WindowImpl& ImplOf(const Window& window) {
  return ImplAccess::Of(window);
}
inline ControlImpl& ImplOf(const Control& control) {
  return ImplAccess::Of(control);
}
inline GraphicsImpl& ImplOf(const Graphics& surface) {
  return ImplAccess::Of(surface);
}

}  // namespace fw
