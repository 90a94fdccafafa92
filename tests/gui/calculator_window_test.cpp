// The calculator window as built: one shared instance, its fixed size and frame, its thirteen
// controls in their designed places, fonts and limits, its class record and its tab order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "calculator/pictures.h"
#include "calculator_fixture.h"
#include "framework/object.h"

namespace {

using calculator_test::CalculatorTest;
using calculator_test::WidgetOf;

TEST_F(CalculatorTest, IsOneSharedFixedSizeWindowThatCanBeMinimisedAndClosed) {
  EXPECT_EQ(ControlWnd(), window_);
  EXPECT_TRUE(window_->Visible());
  EXPECT_EQ(window_->Title(), "Zelvora");
  EXPECT_EQ(window_->Frame(), 0);
  EXPECT_EQ(window_->Width(), 500);
  EXPECT_EQ(window_->Height(), 550);
  EXPECT_FALSE(window_->Resizeable());
  EXPECT_FALSE(window_->HasMaximizeBox());
  EXPECT_TRUE(window_->HasMinimizeBox());
  EXPECT_TRUE(window_->HasCloseBox());
  EXPECT_EQ(window_->MenuBar(), nullptr) << "it draws the application's menu bar";

  window_->Resize(600, 700);
  EXPECT_EQ(window_->Width(), 500);
  EXPECT_EQ(window_->Height(), 550);
}

TEST_F(CalculatorTest, HoldsItsThirteenControlsInOrderAtTheirDesignedPlaces) {
  struct Box {
    const char* name;
    int left, top, width, height, tabIndex;
  };
  const std::vector<Box> boxes = {
      {"NVarsFld", 141, 150, 65, 20, 0},    {"ClearBtn", 210, 503, 80, 30, 3},
      {"CalculateBtn", 20, 503, 80, 30, 4}, {"StaticText3", 20, 191, 120, 20, 5},
      {"StaticText9", 233, 69, 197, 20, 8}, {"StaticText1", 20, 150, 120, 20, 10},
      {"PrintBtn", 400, 503, 80, 30, 11},   {"Canvas1", 445, 188, 35, 20, 12},
      {"EigenFld", 20, 210, 460, 280, 2},   {"StaticText2", 233, 150, 40, 20, 13},
      {"LabelFld", 273, 150, 207, 20, 1},   {"ImageWell1", 20, 10, 170, 73, 14},
      {"Canvas2", 233, 14, 206, 59, 15},
  };
  const auto controls = window_->Controls();
  ASSERT_EQ(controls.size(), boxes.size());
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    SCOPED_TRACE(boxes[i].name);
    EXPECT_EQ(controls[i]->Name(), boxes[i].name);
    EXPECT_EQ(controls[i]->Left(), boxes[i].left);
    EXPECT_EQ(controls[i]->Top(), boxes[i].top);
    EXPECT_EQ(controls[i]->Width(), boxes[i].width);
    EXPECT_EQ(controls[i]->Height(), boxes[i].height);
    EXPECT_EQ(controls[i]->TabIndex(), boxes[i].tabIndex);
    EXPECT_LE(controls[i]->Left() + controls[i]->Width(), 500);
    EXPECT_LE(controls[i]->Top() + controls[i]->Height(), 550);
    EXPECT_TRUE(controls[i]->Visible());
    EXPECT_TRUE(controls[i]->Enabled());
  }
}

TEST_F(CalculatorTest, AccessorsGiveTheControlsOfTheirNames) {
  const std::vector<std::pair<fw::Ref<fw::Control>, const char*>> accessors = {
      {window_->NVarsFld(), "NVarsFld"},         {window_->ClearBtn(), "ClearBtn"},
      {window_->CalculateBtn(), "CalculateBtn"}, {window_->StaticText3(), "StaticText3"},
      {window_->StaticText9(), "StaticText9"},   {window_->StaticText1(), "StaticText1"},
      {window_->PrintBtn(), "PrintBtn"},         {window_->Canvas1(), "Canvas1"},
      {window_->EigenFld(), "EigenFld"},         {window_->StaticText2(), "StaticText2"},
      {window_->LabelFld(), "LabelFld"},         {window_->ImageWell1(), "ImageWell1"},
      {window_->Canvas2(), "Canvas2"},
  };
  for (const auto& [control, name] : accessors) {
    EXPECT_EQ(control, window_->ControlByName(name)) << name;
  }
}

TEST_F(CalculatorTest, ShowsItsTextsPicturesAndFonts) {
  EXPECT_EQ(window_->StaticText1()->Text(), "Number of subjects:");
  EXPECT_EQ(window_->StaticText2()->Text(), "Label:");
  EXPECT_EQ(window_->StaticText3()->Text(), "Eigenvalues");
  EXPECT_EQ(window_->StaticText9()->Text(), "\u00a9 2026 The Zelvora authors");
  EXPECT_EQ(window_->CalculateBtn()->Caption(), "Calculate");
  EXPECT_EQ(window_->ClearBtn()->Caption(), "Clear");
  EXPECT_EQ(window_->PrintBtn()->Caption(), "Print");

  EXPECT_EQ(window_->Canvas1()->Backdrop(), Quest35());
  EXPECT_EQ(window_->ImageWell1()->Image(), NormalSmall());
  EXPECT_EQ(window_->Canvas2()->Backdrop(), Zelvoratitle200());
  EXPECT_NE(Quest35(), nullptr) << "the build's pictures are in the resource folder";

  for (const auto& field : {fw::Ref<fw::TextControl>(window_->NVarsFld()),
                            fw::Ref<fw::TextControl>(window_->LabelFld()),
                            fw::Ref<fw::TextControl>(window_->EigenFld())}) {
    SCOPED_TRACE(field->Name());
    EXPECT_EQ(field->Text(), "") << "a new window starts empty";
    EXPECT_TRUE(field->FixedPitch()) << "the report's columns line up";
    EXPECT_EQ(field->TextSize(), 12.0f);
    EXPECT_FALSE(field->ReadOnly());
  }
}

TEST_F(CalculatorTest, FieldsKeepToTheirDesignedLimits) {
  window_->NVarsFld()->SetFocus();
  QTest::keyClicks(WidgetOf(*window_->NVarsFld()), "12345678");
  EXPECT_EQ(window_->NVarsFld()->Text(), "123456");

  const std::string fifty(50, 'x');
  QTest::keyClicks(WidgetOf(*window_->LabelFld()), QString::fromStdString(fifty));
  EXPECT_EQ(window_->LabelFld()->Text(), std::string(49, 'x'));

  std::string longReport;
  for (int i = 0; i < 100000; ++i) longReport += "+2.9450\n";
  window_->EigenFld()->SetText(longReport);
  EXPECT_EQ(window_->EigenFld()->Text(), longReport) << "the eigenvalue field has no limit";
}

TEST_F(CalculatorTest, TabMovesTheFocusOverFieldsAndButtonsInTabIndexOrder) {
  QWidget* top = WidgetOf(*window_->NVarsFld())->window();
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  window_->NVarsFld()->SetFocus();
  ASSERT_TRUE(window_->NVarsFld()->HasFocus());
  std::vector<std::string> visited = {"NVarsFld"};
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    std::string name = "<other>";
    for (const auto& control : window_->Controls()) {
      if (control->HasFocus()) name = control->Name();
    }
    visited.push_back(name);
  }
  const std::vector<std::string> expected = {"NVarsFld",     "LabelFld", "EigenFld", "ClearBtn",
                                             "CalculateBtn", "PrintBtn", "NVarsFld"};
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(alerts_.beeps, 0) << "Tab leaves a field without reaching its key filter";
}

TEST_F(CalculatorTest, TheSubjectFieldShowsItsFocusRingAndTheEigenvalueFieldNone) {
  QWidget* top = WidgetOf(*window_->NVarsFld())->window();
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  // The colour of the frame's top edge, with the field focused and then not.
  const auto frameColours = [&](fw::TextArea& field) {
    QWidget* widget = WidgetOf(field);
    const auto edge = [&] { return widget->grab().toImage().pixel(widget->width() / 2, 0); };
    field.SetFocus();
    const QRgb focused = edge();
    window_->LabelFld()->SetFocus();
    return std::pair(focused, edge());
  };
  const auto [subjectFocused, subjectUnfocused] = frameColours(*window_->NVarsFld());
  EXPECT_NE(subjectFocused, subjectUnfocused);
  const auto [eigenFocused, eigenUnfocused] = frameColours(*window_->EigenFld());
  EXPECT_EQ(eigenFocused, eigenUnfocused);
}

TEST_F(CalculatorTest, ClassRecordListsTheOperationsAndTheSixHandledEvents) {
  const fw::ClassRecord& record = ControlWnd::ClassInfo();
  EXPECT_EQ(&record, fw::FindClass("ControlWnd.ControlWnd"));
  EXPECT_EQ(record.base, "Window");
  ASSERT_EQ(record.operations.size(), 29u);
  EXPECT_EQ(record.operations[0].name, "Layout");
  EXPECT_EQ(record.operations[2].name, "CreateControls0");
  EXPECT_EQ(record.operations[3].name, "NVarsFld");
  EXPECT_EQ(record.operations[3].signature, "(  ) as TextArea");
  EXPECT_EQ(record.operations[16].signature, "( String ) as Boolean");
  EXPECT_EQ(record.operations[28].name, "AboutPlim_Action");
  for (const auto& operation : record.operations) {
    ASSERT_FALSE(operation.attributes.empty()) << operation.name;
    EXPECT_EQ(operation.attributes[0].name, "__Scope");
    EXPECT_EQ(operation.attributes[0].value, "Public");
    EXPECT_EQ(operation.attributes.size(), operation.name == "CreateControls0" ? 2u : 1u)
        << operation.name;
  }
  std::vector<std::string> events;
  for (const auto& binding : record.events)
    events.push_back(binding.event + "->" + binding.handler);
  const std::vector<std::string> expected = {"Layout->Layout",
                                             "CreateControls->CreateControls",
                                             "AddMenuHandlers->AddMenuHandlers",
                                             "Close->Event_Close",
                                             "EnableMenuItems->Event_EnableMenuItems",
                                             "Activate->Event_Activate"};
  EXPECT_EQ(events, expected);
}

}  // namespace
