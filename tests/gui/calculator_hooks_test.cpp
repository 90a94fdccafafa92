// The calculator's links to the rest of the program: picture clicks and menu commands open the
// Description and About windows, activation puts the About window away, and the Window menu's
// items are enabled as the calculator wants them while it is in front.
#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "calculator_fixture.h"
#include "framework/menus.h"
#include "framework/window.h"
#include "shell/about_window.h"
#include "shell/description_window.h"

namespace {

using calculator_test::CalculatorTest;
using calculator_test::WidgetOf;

TEST_F(CalculatorTest, TheHelpPictureShowsTheDescriptionBuiltAfreshAfterItWasClosed) {
  EXPECT_EQ(fw::GetImplicitWindow(DescriptionWnd::kFullName), nullptr);
  Click(*window_->Canvas1());
  const auto first = fw::GetImplicitWindow(DescriptionWnd::kFullName);
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->Visible());

  Click(*window_->Canvas1());
  EXPECT_EQ(fw::GetImplicitWindow(DescriptionWnd::kFullName), first);

  first->Close();
  Click(*window_->Canvas1());
  const auto second = fw::GetImplicitWindow(DescriptionWnd::kFullName);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_TRUE(second->Visible());
}

TEST_F(CalculatorTest, ThePictureWellShowsTheAboutWindowAndActivationHidesIt) {
  Click(*window_->ImageWell1());
  ASSERT_NE(fw::GetImplicitWindow(AboutWnd::kFullName), nullptr);
  EXPECT_TRUE(AboutWnd()->Visible());

  QWidget* top = WidgetOf(*window_->EigenFld())->window();
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  EXPECT_FALSE(AboutWnd()->Visible());
  window_->Event_Activate();  // once more changes nothing
  EXPECT_FALSE(AboutWnd()->Visible());
}

TEST_F(CalculatorTest, MenuCommandsOpenTheirWindowsAndOnlyTwoAreBoundHere) {
  for (const char* item : {"DescriptionMenuItem", "AboutPlim"}) {
    EXPECT_TRUE(window_->HasMenuHandler(item)) << item;
  }
  for (const char* item : {"ControlMenuItem", "AboutMenuItem", "Print"}) {
    EXPECT_FALSE(window_->HasMenuHandler(item)) << item;
  }
  EXPECT_FALSE(window_->DescriptionMenuItem_Action());
  EXPECT_TRUE(DescriptionWnd()->Visible());

  EXPECT_TRUE(window_->RunMenuCommand("AboutPlim"));
  EXPECT_TRUE(AboutWnd()->Visible());
  AboutWnd()->Hide();
  EXPECT_TRUE(window_->RunMenuCommand("AboutMenuItem")) << "served by the application";
  EXPECT_TRUE(AboutWnd()->Visible());
  AboutWnd()->Hide();
  EXPECT_FALSE(window_->AboutPlim_Action());
  EXPECT_TRUE(AboutWnd()->Visible());
}

TEST_F(CalculatorTest, InFrontItDisablesControlAndEnablesDescriptionAndAbout) {
  ControlMenuItem()->SetEnabled(true);
  DescriptionMenuItem()->SetEnabled(false);
  AboutMenuItem()->SetEnabled(false);
  window_->EnableMenuItems();
  EXPECT_FALSE(ControlMenuItem()->Enabled());
  EXPECT_TRUE(DescriptionMenuItem()->Enabled());
  EXPECT_TRUE(AboutMenuItem()->Enabled());
  EXPECT_TRUE(AboutPlim()->Enabled());
}

TEST_F(CalculatorTest, AMissingMenuItemRaisesAfterTheItemsBeforeItWereSet) {
  auto bar = std::make_shared<fw::MenuBar>();
  auto menu = std::make_shared<fw::MenuItem>();
  menu->SetName("WindowMenu");
  bar->Append(menu);
  auto control = std::make_shared<fw::MenuItem>();
  control->SetName("ControlMenuItem");
  auto description = std::make_shared<fw::MenuItem>();
  description->SetName("DescriptionMenuItem");
  description->SetEnabled(false);
  menu->Append(control);
  menu->Append(description);
  const auto shared = App()->MenuBar();
  App()->SetMenuBar(bar);

  EXPECT_THROW(window_->Event_EnableMenuItems(), fw::NilObjectException);
  EXPECT_FALSE(control->Enabled());
  EXPECT_TRUE(description->Enabled());
  App()->SetMenuBar(shared);
}

}  // namespace
