// A print job's page surface: the printer and the painter on it. The program
// measures in points; the painter works in the printer's device units.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QPainter>
#include <QPrinter>
#include <memory>

#include "framework/qt/impl_access.h"

namespace fw {

class GraphicsImpl {
 public:
  // Starts the job; Active() tells whether the printer accepted it.
  explicit GraphicsImpl(std::unique_ptr<QPrinter> printer);
  ~GraphicsImpl();
  bool Active() const { return painter_.isActive(); }
  QPrinter& Printer() { return *printer_; }
  QPainter& Painter() { return painter_; }
  double UnitsPerPoint() const;
  void NextPage();
  void Finish();

 private:
  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
};

}  // namespace fw
