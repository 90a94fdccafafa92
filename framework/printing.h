// Printing: the system print dialog, the printer's page surface, a text
// printer that lays a text area's text out in blocks, and the program's
// print-out of a text area.
#pragma once

#include <memory>

#include "framework/object.h"

namespace fw {

class GraphicsImpl;

// A printer's page surface. It measures in points: 540 wide and 720 high is
// 7.5 by 10 inches.
class Graphics : public Object {
 public:
  explicit Graphics(std::unique_ptr<GraphicsImpl> impl);
  ~Graphics() override;  // finishes the print job
  // Ends the current page and starts a new one.
  void NextPage();

 private:
  friend struct ImplAccess;
  std::unique_ptr<GraphicsImpl> impl_;
};

// The system print dialog (CUPS printers and "Print to File"); nil when the
// user cancels. Both arguments stand for a page setup and a parent window and
// are passed as nothing by the program.
Ref<Graphics> OpenPrinterDialog(std::nullptr_t pageSetup = nullptr,
                                std::nullptr_t parent = nullptr);

class StyledTextPrinterImpl;
class TextArea;

// Draws a text, with its fonts and styles, block by block: lines are broken
// to the width and a block ends at a line boundary, so no line is cut across
// two blocks.
class StyledTextPrinter : public Object {
 public:
  explicit StyledTextPrinter(std::unique_ptr<StyledTextPrinterImpl> impl);
  ~StyledTextPrinter() override;
  // Draws the next part of the text that fits `height` at (x, y) on the
  // surface and moves past it. A line taller than a whole block is drawn
  // (clipped) on its own, so printing always advances.
  void DrawBlock(int x, int y, int height);
  // True once all the text has been drawn (the framework's EOF; EOF is a C macro).
  bool EndOfFile() const;

 private:
  std::unique_ptr<StyledTextPrinterImpl> impl_;
};

// Prints the area's text, with its fonts and styles, after the print dialog:
// blocks of the designed size, 540 wide and 720 high, one to a page, with the
// pending events run between pages. Nothing when the user cancels.
void PrintTextArea(TextArea& area);

}  // namespace fw
