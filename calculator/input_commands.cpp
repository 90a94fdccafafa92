// The calculator's key filters, its Clear and Print buttons, and its Close, which ends the program.
#include "calculator/control_window.h"
#include "framework/alerts.h"
#include "framework/application.h"
#include "framework/printing.h"
#include "framework/text.h"

namespace {

bool AcceptedInEigenvalues(std::int32_t c) {
  return c == 45 ||           // "-"
         c == 46 ||           // "."
         c == 127 ||          // forward delete
         c == 10 ||           // line feed
         c == 13 ||           // Return
         c == 8 ||            // backspace
         (47 < c && c < 58);  // the digits
}

}  // namespace

bool ControlWnd::EigenFld_KeyDown(const std::string& key) {
  if (AcceptedInEigenvalues(fw::Asc(key))) return false;
  fw::Beep();
  return true;
}

// The field's mask and length limit alone restrict the subject count.
bool ControlWnd::NVarsFld_KeyDown(const std::string&) {
  return false;
}

void ControlWnd::ClearBtn_Action() {
  NVarsFld()->SetText("");
  EigenFld()->SetText("");
  LabelFld()->SetText("");
  NVarsFld()->SetFocus();
}

void ControlWnd::PrintBtn_Action() {
  if (fw::Len(EigenFld()->Text()) == 0) {
    fw::Beep();
    fw::MsgBox("Nothing to print.");
    return;
  }
  fw::PrintTextArea(*EigenFld());
}

void ControlWnd::Event_Close() {
  fw::Quit(0);
}
