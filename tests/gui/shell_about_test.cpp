// The About window: a fixed borderless box with its four controls, one shared
// instance, and any key or click in it giving way to the calculator.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calculator/control_window.h"
#include "calculator/pictures.h"
#include "framework/controls.h"
#include "framework/text.h"
#include "framework/window.h"
#include "shell/about_window.h"
#include "shell_test_fixture.h"

namespace {

using shell_test::ShellTest;

TEST_F(ShellTest, AboutWindowIsShownByItsFirstUseAsAFixedBorderlessBox) {
  const auto about = AboutWnd();
  EXPECT_TRUE(about->Visible());
  EXPECT_EQ(about->Width(), 350);
  EXPECT_EQ(about->Height(), 250);
  EXPECT_EQ(about->Title(), "");
  EXPECT_EQ(about->Frame(), 2);
  EXPECT_FALSE(about->HasCloseBox());
  EXPECT_FALSE(about->Resizeable());
  EXPECT_FALSE(about->HasMaximizeBox());
  EXPECT_TRUE(about->HasMinimizeBox());
  EXPECT_EQ(about->MenuBar(), nullptr);
  EXPECT_EQ(AboutWnd(), about);
}

struct ControlBox {
  const char* name;
  int left, top, width, height;
};

TEST_F(ShellTest, AboutWindowHoldsItsFourControlsCentredInThatOrder) {
  const auto about = AboutWnd();
  const std::vector<ControlBox> boxes = {{"StaticText5", 68, 219, 214, 16},
                                         {"Canvas2", 100, 192, 152, 21},
                                         {"ImageWell1", 91, 110, 167, 78},
                                         {"Canvas1", 72, 20, 204, 62}};
  const auto controls = about->Controls();
  ASSERT_EQ(controls.size(), boxes.size());
  for (size_t i = 0; i < boxes.size(); ++i) {
    SCOPED_TRACE(boxes[i].name);
    EXPECT_EQ(controls[i]->Name(), boxes[i].name);
    EXPECT_EQ(controls[i]->Left(), boxes[i].left);
    EXPECT_EQ(controls[i]->Top(), boxes[i].top);
    EXPECT_EQ(controls[i]->Width(), boxes[i].width);
    EXPECT_EQ(controls[i]->Height(), boxes[i].height);
    const int right = 350 - boxes[i].left - boxes[i].width;
    EXPECT_LE(std::abs(right - boxes[i].left), 2) << "centred to within two pixels";
  }
  EXPECT_EQ(about->Canvas2()->Backdrop(), ToolBadgeSmall());
  EXPECT_EQ(about->ImageWell1()->Image(), NormalSmall());
  EXPECT_EQ(about->Canvas1()->Backdrop(), Zelvoratitle200());
  EXPECT_NE(about->Canvas1()->Backdrop(), nullptr);
  EXPECT_FALSE(about->Canvas2()->Enabled());
}

TEST_F(ShellTest, AboutNoticeIsOneLineNamingTheAuthorsWithTheCopyrightSignAsItsOnlyNonAscii) {
  const auto notice = AboutWnd()->StaticText5();
  ASSERT_NE(notice, nullptr);
  const std::string text = notice->Text();
  EXPECT_NE(text.find("Zelvora authors"), std::string::npos) << text;
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  int nonAscii = 0;
  for (size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const size_t width = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (width > 1) {
      ++nonAscii;
      EXPECT_EQ(fw::Asc(text.substr(i, width)), 0xA9);
    }
    i += width;
  }
  EXPECT_EQ(nonAscii, 1);
  EXPECT_FLOAT_EQ(notice->TextSize(), 10.0f);
}

// Whatever reaches the box, the effect is the same.
TEST_F(ShellTest, AnyKeyOrClickInTheAboutWindowHidesItAndShowsTheCalculator) {
  const std::vector<std::pair<std::string, std::function<bool(class AboutWnd&)>>> inputs = {
      {"letter", [](class AboutWnd& w) { return w.Event_KeyDown("a"); }},
      {"Return", [](class AboutWnd& w) { return w.Event_KeyDown(fw::Chr(13)); }},
      {"Escape", [](class AboutWnd& w) { return w.Event_KeyDown(fw::Chr(27)); }},
      {"arrow", [](class AboutWnd& w) { return w.Event_KeyDown(fw::Chr(28)); }},
      {"click on the artwork", [](class AboutWnd& w) { return w.Event_MouseDown(100, 40); }},
      {"click in a corner", [](class AboutWnd& w) { return w.Event_MouseDown(0, 249); }},
  };
  for (const auto& [label, input] : inputs) {
    SCOPED_TRACE(label);
    const auto about = AboutWnd();
    about->Show();
    ControlWnd()->Hide();
    EXPECT_FALSE(input(*about)) << "the window claims neither key nor click";
    EXPECT_FALSE(about->Visible());
    EXPECT_FALSE(about->Closed());
    EXPECT_TRUE(ControlWnd()->Visible());
    EXPECT_EQ(AboutWnd(), about);
  }
}

TEST_F(ShellTest, AKeyInTheAboutWindowBuildsTheCalculatorWhenItIsMissing) {
  ASSERT_EQ(fw::GetImplicitWindow(ControlWnd::kFullName), nullptr);
  AboutWnd()->Event_KeyDown("x");
  const auto calculator = fw::GetImplicitWindow(ControlWnd::kFullName);
  ASSERT_NE(calculator, nullptr);
  EXPECT_TRUE(calculator->Visible());
  EXPECT_FALSE(AboutWnd()->Visible());
}

}  // namespace
