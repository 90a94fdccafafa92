// The Description window and its text: the text's shape and numbers, the bold
// opening run, one window until the user closes it, its size and resizing,
// and its Control, About and Print commands.
#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "calculator/control_window.h"
#include "calculator/report.h"
#include "framework/controls.h"
#include "framework/qt/testing.h"
#include "framework/seams.h"
#include "framework/text.h"
#include "framework/window.h"
#include "shell/about_window.h"
#include "shell/description_text.h"
#include "shell/description_window.h"
#include "shell/menu.h"
#include "shell_test_fixture.h"

namespace {

namespace fs = std::filesystem;
using shell_test::ShellTest;

const std::string kEnDash = "\u2013";

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : text) {
    if (c == '\r') {
      lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  lines.push_back(line);
  return lines;
}

// The rows that the report core writes for these eigenvalues and 301 subjects.
std::vector<std::string> ReportRows(const std::vector<std::string>& eigenvalues) {
  std::string input;
  for (const auto& e : eigenvalues) input += e + "\n";
  const ReportOutcome outcome =
      CalculateReport("301", input,
                      {[] {}, [] { return std::string("1"); }, [] { return std::string(); },
                       [] {
                         return ReportDate{"d", "t"};
                       }});
  EXPECT_FALSE(outcome.refused) << outcome.text;
  const std::vector<std::string> lines = Lines(fw::ReplaceLineEndings(outcome.text, "\r"));
  const auto rule = std::find(lines.begin(), lines.end(), std::string(49, '='));
  // The rows follow the rule under the column header.
  const auto rows = std::find(rule + 1, lines.end(), std::string(49, '=')) + 1;
  return {rows, rows + static_cast<std::ptrdiff_t>(eigenvalues.size())};
}

// The description's table shows a "+" on both bounds; the report shows none.
std::string WithoutBoundSigns(std::string row) {
  for (int sign = 0; sign < 2; ++sign) row.erase(row.rfind('+'), 1);
  return row;
}

TEST(DescriptionText, IsTheResourceFileByteForByte) {
  const fs::path file = fs::path(__FILE__).parent_path() / "../../resources/description.txt";
  std::ifstream in(file, std::ios::binary);
  ASSERT_TRUE(in) << file;
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(bytes, shell::DescriptionText());
}

TEST(DescriptionText, Has55CrSeparatedLinesWithNineEnDashesAndNoOtherNonAscii) {
  const std::string_view text = shell::DescriptionText();
  EXPECT_EQ(Lines(text).size(), 55u);
  EXPECT_EQ(text.find('\n'), std::string_view::npos);
  EXPECT_EQ(text.find('\t'), std::string_view::npos);
  EXPECT_NE(text.back(), '\r');
  // The help's designed length, give or take a sentence.
  EXPECT_NEAR(static_cast<double>(fw::Len(text)), 3938.0, 80.0);
  EXPECT_EQ(text.substr(28, 2), "y ") << "the bold run of 29 characters ends at the end of a word";
  std::string rest(text);
  size_t dashes = 0;
  for (size_t at; (at = rest.find(kEnDash)) != std::string::npos; ++dashes) rest.erase(at, 3);
  EXPECT_EQ(dashes, 9u);
  EXPECT_TRUE(std::all_of(rest.begin(), rest.end(),
                          [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

TEST(DescriptionText, FollowsTheOutlineWithItsHeadingsNumbersAndTable) {
  const std::vector<std::string> lines = Lines(shell::DescriptionText());
  ASSERT_EQ(lines.size(), 55u);
  const auto at = [&](const std::string& wanted) {
    return std::find(lines.begin(), lines.end(), wanted) - lines.begin();
  };
  EXPECT_EQ(lines[0], "Zelvora");
  EXPECT_EQ(lines[1], "");
  const auto operation = at("Operation of Program");
  const auto example = at("Example");
  const auto references = at("References");
  const auto stars = at(std::string(71, '*'));
  EXPECT_LT(operation, example);
  EXPECT_LT(example, references);
  EXPECT_LT(references, stars);
  ASSERT_LT(stars, 54);
  EXPECT_EQ(lines[operation - 1], "");
  EXPECT_EQ(lines[operation - 2], "") << "two empty lines before the heading";
  EXPECT_FALSE(lines[operation + 1].empty()) << "the heading runs straight into its paragraph";
  EXPECT_FALSE(lines[example + 1].empty());
  EXPECT_FALSE(lines[references + 1].empty());

  const std::string all(shell::DescriptionText());
  for (const char* needle : {"formula 9 (p. 873)", "301 subjects", "9 eigenvalues", "Table 1",
                             "2007", "2010", "(CI)", "Return/Enter",
                             "square root of 2 times the squared eigenvalue divided by the number "
                             "of subjects",
                             "minus and plus 1.96 SE"})
    EXPECT_NE(all.find(needle), std::string::npos) << needle;

  const std::vector<std::string> eigenvalues = {"2.945", "1.778", "1.396", "0.717", "0.629",
                                                "0.535", "0.478", "0.289", "0.251"};
  const std::vector<std::string> reportRows = ReportRows(eigenvalues);
  ASSERT_EQ(reportRows.size(), eigenvalues.size());
  const std::string rule(35, '=');
  const auto firstRule = at(rule);
  ASSERT_LT(firstRule + 13, 55);
  for (size_t i = 0; i < eigenvalues.size(); ++i) {
    EXPECT_EQ(lines[firstRule - 11 + i], eigenvalues[i]) << "the listed eigenvalues";
    const std::string& row = lines[firstRule + 3 + i];
    EXPECT_EQ(WithoutBoundSigns(row), reportRows[i]) << "row " << i + 1;
    EXPECT_EQ(std::count(row.begin(), row.end(), '+'), 4) << row;
  }
  EXPECT_EQ(lines[firstRule + 2], rule);
  EXPECT_EQ(lines[firstRule + 12], rule);
  const std::string header = lines[firstRule + 1];
  for (const char* column : {"Eigenvalue", "SE", "95% CI"})
    EXPECT_NE(header.find(column), std::string::npos) << column;
  EXPECT_EQ(std::count(all.begin(), all.end(), '='), 3 * 35) << "no other rule of equals signs";
}

class DescriptionWindow : public ShellTest {
 protected:
  void TearDown() override {
    if (!pdf_.empty()) fs::remove(pdf_);
    ShellTest::TearDown();
  }
  static int PdfPages(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    int pages = 0;
    for (size_t at = 0; (at = bytes.find("/Type /Page", at)) != std::string::npos; ++at)
      if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
    return pages;
  }
  fs::path pdf_;
};

TEST_F(DescriptionWindow, IsBuiltHiddenAndShownOnlyByItsCaller) {
  const auto window = DescriptionWnd();
  EXPECT_FALSE(window->Visible());
  EXPECT_EQ(DescriptionWnd(), window);
  window->Show();
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(window->Title(), "Description");
  EXPECT_EQ(window->Width(), 427);
  EXPECT_EQ(window->Height(), 491);
  EXPECT_EQ(window->Frame(), 0);
  EXPECT_TRUE(window->Resizeable());
  EXPECT_TRUE(window->HasCloseBox());
  EXPECT_FALSE(window->HasMaximizeBox());
  EXPECT_TRUE(window->HasMinimizeBox());
  EXPECT_EQ(window->MenuBar(), Menu());
}

TEST_F(DescriptionWindow, ShowsTheTextReadOnlyInTimesOverAnAreaHoldingOneLineBreak) {
  const auto window = DescriptionWnd();
  const auto text = window->DescribeFld2();
  const auto back = window->DescribeFld();
  ASSERT_NE(text, nullptr);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(text->Text(), fw::ReplaceAll(std::string(shell::DescriptionText()), "\r", "\n"));
  EXPECT_EQ(back->Text(), "\n");
  EXPECT_TRUE(text->ReadOnly());
  EXPECT_TRUE(back->ReadOnly());
  EXPECT_FLOAT_EQ(text->TextSize(), 11.0f);
  EXPECT_FLOAT_EQ(back->TextSize(), 10.0f);
  const auto controls = window->Controls();
  ASSERT_EQ(controls.size(), 2u);
  EXPECT_EQ(controls[0], back) << "the text area is made last and lies on top";
  EXPECT_EQ(controls[1], text);
}

TEST_F(DescriptionWindow, BoldsExactlyTheFirst29Characters) {
  const auto text = DescriptionWnd()->DescribeFld2();
  for (std::int64_t i = 0; i < 29; ++i) EXPECT_TRUE(text->CharacterBold(i)) << i;
  for (std::int64_t i : {29, 30, 40, 100, 1000, 3000}) EXPECT_FALSE(text->CharacterBold(i)) << i;
  EXPECT_EQ(text->SelStart(), 0);
  EXPECT_EQ(text->SelLength(), 29);
}

TEST_F(DescriptionWindow, ClosedByTheUserItIsBuiltAfreshWithItsBoldRunOnNextUse) {
  const auto first = DescriptionWnd();
  first->Show();
  first->Close();
  EXPECT_TRUE(first->Closed());
  const auto second = DescriptionWnd();
  EXPECT_NE(second, first);
  EXPECT_FALSE(second->Visible());
  EXPECT_TRUE(second->DescribeFld2()->CharacterBold(28));
  EXPECT_FALSE(second->DescribeFld2()->CharacterBold(29));
  EXPECT_EQ(DescriptionWnd(), second);
}

TEST_F(DescriptionWindow, BothAreasFollowEveryEdgeWhenResized) {
  const auto window = DescriptionWnd();
  window->Show();
  window->Resize(600, 700);
  EXPECT_EQ(window->Width(), 600);
  EXPECT_EQ(window->Height(), 700);
  const auto text = window->DescribeFld2();
  const auto back = window->DescribeFld();
  EXPECT_EQ(text->Left(), -1);
  EXPECT_EQ(text->Top(), -1);
  EXPECT_EQ(text->Width(), 427 + 173);
  EXPECT_EQ(text->Height(), 476 + 209);
  EXPECT_EQ(back->Left(), 1);
  EXPECT_EQ(back->Width(), 427 + 173);
  EXPECT_EQ(back->Height(), 478 + 209);
  window->Resize(10, 10);
  EXPECT_EQ(window->Width(), 64) << "never smaller than 64 by 64";
  EXPECT_EQ(window->Height(), 64);
}

TEST_F(DescriptionWindow, TheKeyboardIsInTheVisibleTextAndNeverInTheAreaUnderIt) {
  const auto window = DescriptionWnd();
  const auto focused = [&] {
    const auto control = window->FocusedControl();
    return control ? control->Name() : std::string("nothing");
  };
  window->Show();
  EXPECT_EQ(focused(), "DescribeFld2");
  QTest::keyClick(fw::qt::WidgetOf(*window->DescribeFld2()), Qt::Key_Tab);
  EXPECT_EQ(focused(), "DescribeFld2");
}

TEST_F(DescriptionWindow, ControlAndAboutBringTheirWindowsForwardAndReturnFalse) {
  const auto window = DescriptionWnd();
  window->Show();
  EXPECT_TRUE(window->HasMenuHandler("ControlMenuItem"));
  EXPECT_TRUE(window->HasMenuHandler("AboutMenuItem"));
  EXPECT_TRUE(window->HasMenuHandler("Print"));
  EXPECT_FALSE(window->HasMenuHandler("DescriptionMenuItem"));

  EXPECT_TRUE(window->RunMenuCommand("ControlMenuItem"));
  EXPECT_TRUE(ControlWnd()->Visible());
  window->Show();
  EXPECT_TRUE(window->RunMenuCommand("AboutMenuItem"));
  EXPECT_TRUE(AboutWnd()->Visible());
  EXPECT_FALSE(window->ControlMenuItem_Action());
  EXPECT_FALSE(window->AboutMenuItem_Action());
}

TEST_F(DescriptionWindow, PrintsTheTextOnPagesOf720PointBlocks) {
  pdf_ = fs::temp_directory_path() / "zelvora-description-test.pdf";
  fs::remove(pdf_);
  fw::seams::SetPrintDialogToPdf(pdf_.string());
  const auto window = DescriptionWnd();
  window->Show();
  const int dialogs = fw::seams::PrintDialogsOpened();
  EXPECT_FALSE(window->Print_Action());
  EXPECT_EQ(fw::seams::PrintDialogsOpened(), dialogs + 1);
  ASSERT_TRUE(fs::exists(pdf_));
  // Some 80 lines of Times 11 at 540 points wide: more than one block, well
  // under three, and no empty page after the last block.
  EXPECT_EQ(PdfPages(pdf_), 2);
  EXPECT_TRUE(alerts_.log.empty());
}

TEST_F(DescriptionWindow, CancellingThePrintDialogPrintsNothingAndSaysNothing) {
  fw::seams::SetPrintDialogCancels();
  const auto window = DescriptionWnd();
  window->Show();
  const int dialogs = fw::seams::PrintDialogsOpened();
  EXPECT_TRUE(window->RunMenuCommand("Print"));
  EXPECT_EQ(fw::seams::PrintDialogsOpened(), dialogs + 1);
  EXPECT_TRUE(alerts_.log.empty());
  EXPECT_TRUE(window->Visible());
}

}  // namespace
