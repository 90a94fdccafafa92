// Lays a copy of a text area's document out at the print width and draws it
// block by block, each block ending at a line boundary.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QColor>
#include <QTextDocument>
#include <memory>
#include <vector>

#include "framework/printing.h"

namespace fw {

class GraphicsImpl;

class StyledTextPrinterImpl {
 public:
  StyledTextPrinterImpl(const QTextDocument& source, QColor textColor, Ref<Graphics> surface,
                        int widthPoints);
  void DrawBlock(int x, int y, int height);
  bool AtEnd() const { return next_ >= lines_.size(); }

 private:
  struct Line {
    double top, bottom;  // in the document, device units
  };
  std::unique_ptr<QTextDocument> document_;
  QColor textColor_;
  Ref<Graphics> surface_;  // kept: the printer outlives no surface it draws on
  double width_;           // device units
  std::vector<Line> lines_;
  std::size_t next_ = 0;
};

}  // namespace fw
