// The calculator's input and commands through the real window: the eigenvalue field's key
// filter, the subject field, Clear and the focus, Print and its pages, and Close quitting.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "calculator_fixture.h"
#include "framework/application.h"
#include "framework/text.h"

namespace {

using calculator_test::CalculatorTest;
using calculator_test::WidgetOf;

class CalculatorInput : public CalculatorTest {
 protected:
  void SetUp() override {
    CalculatorTest::SetUp();
    QWidget* top = WidgetOf(*window_->EigenFld())->window();
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    window_->EigenFld()->SetFocus();
  }
  QWidget* Eigen() const { return WidgetOf(*window_->EigenFld()); }
};

TEST_F(CalculatorInput, EigenvalueFilterPassesOnlyDigitsPointMinusAndEditingKeys) {
  for (std::int32_t code = 0; code < 128; ++code) {
    const bool accepted = (code >= '0' && code <= '9') || code == '-' || code == '.' ||
                          code == 127 || code == 10 || code == 13 || code == 8;
    alerts_.beeps = 0;
    const bool swallowed = window_->EigenFld_KeyDown(fw::Chr(code));
    EXPECT_EQ(swallowed, !accepted) << "code " << code;
    EXPECT_EQ(alerts_.beeps, accepted ? 0 : 1) << "code " << code;
  }
  alerts_.beeps = 0;
  EXPECT_TRUE(window_->EigenFld_KeyDown("\u00e9"));
  EXPECT_TRUE(window_->EigenFld_KeyDown("\u2212"));
  EXPECT_EQ(alerts_.beeps, 2);
}

TEST_F(CalculatorInput, TypedKeysReachTheFieldOrBeepAndAreDropped) {
  struct Case {
    const char* typed;
    const char* text;
    int beeps;
  };
  const Case cases[] = {
      {"12.5", "12.5", 0}, {"-0.3.", "-0.3.", 0}, {"1e-3", "1-3", 1}, {"+2", "2", 1},
      {"2,5", "25", 1},    {"1 2", "12", 1},      {"abcXYZ", "", 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    window_->EigenFld()->SetText("");
    alerts_.beeps = 0;
    QTest::keyClicks(Eigen(), c.typed);
    EXPECT_EQ(window_->EigenFld()->Text(), c.text);
    EXPECT_EQ(alerts_.beeps, c.beeps);
  }
}

TEST_F(CalculatorInput, EditingKeysWorkAndMovementKeysBeepWithoutMovingTheCaret) {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;    // from "123" with the caret after "1"
    std::int64_t caret;  // afterwards
    int beeps;
  };
  const Case cases[] = {
      {Qt::Key_Return, Qt::NoModifier, "1\n23", 2, 0},
      {Qt::Key_Backspace, Qt::NoModifier, "23", 0, 0},
      {Qt::Key_Delete, Qt::NoModifier, "13", 1, 0},
      {Qt::Key_Enter, Qt::KeypadModifier, "123", 1, 1},
      {Qt::Key_Left, Qt::NoModifier, "123", 1, 1},
      {Qt::Key_Right, Qt::NoModifier, "123", 1, 1},
      {Qt::Key_Up, Qt::NoModifier, "123", 1, 1},
      {Qt::Key_Down, Qt::NoModifier, "123", 1, 1},
      {Qt::Key_Escape, Qt::NoModifier, "123", 1, 1},
  };
  for (const Case& c : cases) {
    const std::unique_ptr<char[]> keyName(QTest::toString(c.key));
    SCOPED_TRACE(keyName.get());
    window_->EigenFld()->SetText("123");
    window_->EigenFld()->SetSelStart(1);
    alerts_.beeps = 0;
    QTest::keyClick(Eigen(), c.key, c.modifiers);
    EXPECT_EQ(window_->EigenFld()->Text(), c.text);
    EXPECT_EQ(window_->EigenFld()->SelStart(), c.caret);
    EXPECT_EQ(alerts_.beeps, c.beeps);
  }
}

TEST_F(CalculatorInput, ShortcutsAndPastedTextAreNotFiltered) {
  window_->EigenFld()->SetText("2.945\n");
  QTest::keyClick(Eigen(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(window_->EigenFld()->SelLength(), 6) << "Ctrl+A selects all";

  QApplication::clipboard()->setText("1e-3 x,5\t+2\n");
  window_->EigenFld()->SetSelStart(6);
  QTest::keyClick(Eigen(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(window_->EigenFld()->Text(), "2.945\n1e-3 x,5\t+2\n");
  EXPECT_EQ(alerts_.beeps, 0);
}

TEST_F(CalculatorInput, SubjectFieldTakesEveryKeyWithinItsMask) {
  EXPECT_FALSE(window_->NVarsFld_KeyDown("a"));
  EXPECT_FALSE(window_->NVarsFld_KeyDown("\x1c"));
  EXPECT_EQ(alerts_.beeps, 0);
  window_->NVarsFld()->SetFocus();
  QTest::keyClicks(WidgetOf(*window_->NVarsFld()), "301");
  EXPECT_EQ(window_->NVarsFld()->Text(), "301");
  EXPECT_EQ(alerts_.beeps, 0);
}

TEST_F(CalculatorInput, ClearEmptiesTheThreeFieldsAndFocusesTheSubjectField) {
  Fill("301", "Study", "2.945\n1.778\n");
  window_->EigenFld()->SetFocus();
  Click(*window_->ClearBtn());
  EXPECT_EQ(Read(), (Fields{"", "", ""}));
  EXPECT_TRUE(window_->NVarsFld()->HasFocus());
  EXPECT_TRUE(alerts_.log.empty()) << "no confirmation";

  window_->PrintBtn()->Push();
  EXPECT_EQ(alerts_.messages, std::vector<std::string>{"Nothing to print."});
}

class CalculatorPrint : public CalculatorTest {
 protected:
  void SetUp() override {
    CalculatorTest::SetUp();
    pdf_ = std::filesystem::temp_directory_path() /
           ("zelvora-calculator-" +
            std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".pdf");
    std::filesystem::remove(pdf_);
  }
  void TearDown() override {
    std::filesystem::remove(pdf_);
    CalculatorTest::TearDown();
  }

  // Pages of the printed PDF as poppler reads them; 0 when there is no file.
  int Pages() const {
    if (!std::filesystem::exists(pdf_)) return 0;
    const std::string command = "pdfinfo '" + pdf_.string() + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return -1;
    char line[512];
    while (fgets(line, sizeof line, pipe.get())) {
      int pages = 0;
      if (std::sscanf(line, "Pages: %d", &pages) == 1) return pages;
    }
    return -1;
  }

  std::filesystem::path pdf_;
};

TEST_F(CalculatorPrint, AnEmptyFieldBeepsThenSaysSoWithoutADialog) {
  fw::seams::SetPrintDialogToPdf(pdf_.string());
  const int dialogs = fw::seams::PrintDialogsOpened();
  window_->PrintBtn()->Push();
  EXPECT_EQ(alerts_.log, (std::vector<std::string>{"beep", "msgbox: Nothing to print."}));
  EXPECT_EQ(fw::seams::PrintDialogsOpened(), dialogs);
  EXPECT_EQ(Pages(), 0);
}

TEST_F(CalculatorPrint, ACancelledDialogPrintsAndShowsNothing) {
  fw::seams::SetPrintDialogCancels();
  window_->EigenFld()->SetText("\n");  // a lone Return is something to print
  const int dialogs = fw::seams::PrintDialogsOpened();
  window_->PrintBtn()->Push();
  EXPECT_EQ(fw::seams::PrintDialogsOpened(), dialogs + 1);
  EXPECT_TRUE(alerts_.log.empty());
  EXPECT_EQ(Pages(), 0);
}

TEST_F(CalculatorPrint, PrintsOneBlockPerPageWithNoPageAfterTheLast) {
  struct Case {
    int lines;
    int pages;
  };
  // A 720-point block of 12-point Courier holds between 44 and 64 lines.
  for (const Case c : {Case{1, 1}, Case{130, 3}}) {
    SCOPED_TRACE(c.lines);
    std::filesystem::remove(pdf_);
    fw::seams::SetPrintDialogToPdf(pdf_.string());
    std::string text;
    for (int i = 1; i <= c.lines; ++i) text += std::to_string(i) + "\n";
    text.pop_back();
    window_->EigenFld()->SetText(text);
    window_->PrintBtn()->Push();
    EXPECT_EQ(Pages(), c.pages);
    EXPECT_TRUE(alerts_.log.empty());
  }
}

TEST_F(CalculatorTest, ClosingTheWindowAsksTheApplicationToQuit) {
  EXPECT_FALSE(fw::QuitRequested());
  window_->Close();
  EXPECT_TRUE(fw::QuitRequested());
}

}  // namespace
