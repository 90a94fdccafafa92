// Draws a text area's text block by block at the print width, each block
// ending at a line boundary. Only what the next block needs is laid out, a
// paragraph at a time and, in a long paragraph, a line at a time, so that
// printing costs the same for every page however long the text.
#pragma once
#ifndef ZELVORA_FRAMEWORK_QT_SIDE
#error "framework/qt/ is the framework's own: outside it, include framework/*.h"
#endif

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <memory>

#include "framework/printing.h"

namespace fw {

class GraphicsImpl;

// What is printed: the text with LF between its paragraphs, and its styled
// runs (positions in the text, in order).
struct PrintedText {
  QString text;
  QList<QTextLayout::FormatRange> runs;
  QFont font;
  QTextOption option;
  QColor color;
};

class StyledTextPrinterImpl {
 public:
  StyledTextPrinterImpl(PrintedText text, Ref<Graphics> surface, int widthPoints);
  ~StyledTextPrinterImpl();
  void DrawBlock(int x, int y, int height);
  bool AtEnd() const { return !line_.isValid(); }

 private:
  // Makes line_ the next line to draw, starting the next paragraph when the
  // current one has no more; leaves it invalid at the end of the text.
  void Advance();
  bool StartParagraph();

  PrintedText printed_;
  Ref<Graphics> surface_;   // kept: the printer outlives no surface it draws on
  double width_;            // device units
  qsizetype next_ = 0;      // where the paragraph after the current one starts
  qsizetype runIndex_ = 0;  // the first styled run that may reach it
  std::unique_ptr<QTextLayout> paragraph_;
  QTextLine line_;
};

}  // namespace fw
