// Calculate through the real window: a refusal shows its message and leaves every field as it
// was; a completed click replaces the eigenvalues with the report and nothing else.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <memory>
#include <string>
#include <vector>

#include "calculator_fixture.h"
#include "framework/date.h"
#include "framework/seams.h"

namespace {

using calculator_test::CalculatorTest;

TEST_F(CalculatorTest, ARefusalShowsItsMessageAndLeavesEveryFieldAsItWas) {
  struct Case {
    const char* subjects;
    const char* label;
    const char* eigenvalues;
    const char* message;
  };
  const Case cases[] = {
      {"3", "Study", "2.945\r\n1.778\r\n", "Subjects must > 3"},
      {"", "", "", "Subjects must > 3"},
      {"301", "Study", "", "No Eigenvalues"},
      {"301", "", "2.945\n\n1.778\n",
       "Please check the accuracy of Eigenvalue # 2. Remove nonprinting characters."},
      {"301", "Study", "1.2\t\t3.4\n",
       "Please check the accuracy of Eigenvalue # 2. Remove nonprinting characters."},
      {"301", "Study", "2.945\r1.778\r0\r",
       "Please check the accuracy of Eigenvalue # 3. It cannot be \u2264 0."},
      {"4", "Study", "1\n1e200\n", "Please check the accuracy of Eigenvalue # 2. It is too large."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Fill(c.subjects, c.label, c.eigenvalues);
    const Fields before = Read();
    alerts_.messages.clear();
    window_->CalculateBtn()->Push();
    EXPECT_EQ(alerts_.messages, std::vector<std::string>{c.message});
    EXPECT_EQ(Read(), before);
  }
}

TEST_F(CalculatorTest, ACompletedClickReplacesTheEigenvaluesWithTheReport) {
  Fill("301", "Study A", "2.945\n1.778\n");
  fw::seams::ResetYieldCount();
  Click(*window_->CalculateBtn());

  const fw::Date now;
  const std::string rule(49, '=');
  const std::string expected = "Zelvora \u00a9 2026\n   Version " + App()->LongVersion() +
                               "\nby the Zelvora authors\n\nStudy A\n" + rule +
                               "\nEigenvalue      SE             95% CI\n" + rule +
                               "\n+2.9450      +0.2401      2.4745 \u2013 3.4155"
                               "\n+1.7780      +0.1449      1.4939 \u2013 2.0621\n" +
                               rule + "\nDate: " + now.ShortDate() + "  " + now.ShortTime() + "\n";
  EXPECT_TRUE(alerts_.messages.empty());
  EXPECT_EQ(window_->EigenFld()->Text(), expected);
  EXPECT_EQ(window_->NVarsFld()->Text(), "301");
  EXPECT_EQ(window_->LabelFld()->Text(), "Study A");
  EXPECT_EQ(fw::seams::YieldCount(), 6) << "one yield per value in each of three passes";
  EXPECT_FALSE(App()->LongVersion().empty());
}

TEST_F(CalculatorTest, CalculateOnAReportRefusesItAndKeepsTheReport) {
  Fill("301", "", "2.945\n");
  window_->CalculateBtn()->Push();
  const Fields report = Read();
  ASSERT_TRUE(alerts_.messages.empty());

  window_->CalculateBtn()->Push();
  EXPECT_EQ(alerts_.messages,
            std::vector<std::string>{"Please check the accuracy of Eigenvalue # 1. It cannot be "
                                     "\u2264 0."});
  EXPECT_EQ(Read(), report);
}

TEST_F(CalculatorTest, ALabelEditedWhileALongListIsComputedAppearsInTheReport) {
  std::string values;
  for (int i = 0; i < 50; ++i) values += "1.5\n";
  Fill("301", "before", values);
  int yields = 0;
  // The label is read after the computation pass, so an edit during the first pass counts.
  fw::seams::SetYieldHook([&] {
    if (++yields == 10) window_->LabelFld()->SetText("after");
  });
  window_->CalculateBtn()->Push();
  fw::seams::SetYieldHook(nullptr);
  const std::string report = window_->EigenFld()->Text();
  EXPECT_NE(report.find("\n\nafter\n"), std::string::npos) << report.substr(0, 120);
}

TEST_F(CalculatorTest, ValuesClearedOrEditedWhileTheyAreComputedStandAndGetNoReport) {
  std::string values;
  for (int i = 0; i < 50; ++i) values += "1.5\n";
  const Fields cleared{"", "", ""}, edited{"301", "label", values + "2"};
  for (const Fields& newer : {cleared, edited}) {
    Fill("301", "label", values);
    int yields = 0;
    fw::seams::SetYieldHook([&] {
      if (++yields != 60) return;
      if (newer == cleared)
        window_->ClearBtn()->Push();
      else
        window_->EigenFld()->SetText(newer.eigenvalues);
    });
    window_->CalculateBtn()->Push();
    fw::seams::SetYieldHook(nullptr);
    EXPECT_EQ(Read(), newer);
  }
}

TEST_F(CalculatorTest, ClosingTheWindowDuringCalculateEndsTheClickQuietly) {
  Fill("301", "", "2.945\n1.778\n");
  QWidget* calculate = calculator_test::WidgetOf(*window_->CalculateBtn());
  const std::weak_ptr<class ControlWnd> watched = window_;
  window_.reset();  // only the framework holds the window now
  int yields = 0;
  fw::seams::SetYieldHook([&] {
    if (++yields == 1) watched.lock()->Close();
  });
  QTest::mouseClick(calculate, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  fw::seams::SetYieldHook(nullptr);
  EXPECT_EQ(yields, 1);
  EXPECT_TRUE(alerts_.log.empty());
  EXPECT_TRUE(watched.expired());
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_NO_THROW(fw::RuntimeRun()) << "nothing failed on the way";
}

TEST_F(CalculatorTest, AClickWhileALongReportIsWrittenReadsTheReport) {
  std::string values;
  for (int i = 0; i < 50000; ++i) values += "1.5\n";
  Fill("301", "", values);
  window_->CalculateBtn()->Push();
  const std::string report = window_->EigenFld()->Text();
  ASSERT_EQ(report.rfind("Zelvora", 0), 0u);
  // The report is still going into the field; the second click reads it all the same.
  window_->CalculateBtn()->Push();
  EXPECT_EQ(alerts_.messages,
            std::vector<std::string>{
                "Please check the accuracy of Eigenvalue # 1. It cannot be \u2264 0."});
  QCoreApplication::processEvents();
  EXPECT_TRUE(window_->EigenFld()->Text() == report);
}

TEST_F(CalculatorTest, AClickWhileALongListIsPastedReadsAllThePastedValues) {
  std::string values;
  for (int i = 0; i < 200000; ++i) values += "1.5\n";
  Fill("301", "", "");
  window_->EigenFld()->SetFocus();
  QApplication::clipboard()->setText(QString::fromStdString(values));
  window_->RunMenuCommand("EditPaste");
  window_->CalculateBtn()->Push();
  EXPECT_TRUE(alerts_.messages.empty());
  const std::string report = window_->EigenFld()->Text();
  EXPECT_EQ(report.rfind("Zelvora", 0), 0u);
  std::size_t rows = 0;
  for (std::size_t at = report.find("\n+1.5000 "); at != std::string::npos;
       at = report.find("\n+1.5000 ", at + 1))
    ++rows;
  EXPECT_EQ(rows, 200000u);
}

}  // namespace
