// The application object and its menu handling: App before and after it is
// made, the item accessors, both About items from every window, and which
// items each window's enabling round leaves enabled.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calculator/control_window.h"
#include "framework/application.h"
#include "framework/menus.h"
#include "framework/window.h"
#include "shell/about_window.h"
#include "shell/app.h"
#include "shell/description_window.h"
#include "shell/menu.h"
#include "shell_test_fixture.h"

namespace {

using shell_test::ShellTest;

TEST(AppObject, IsNilUntilMadeAndThenTheSameObjectHoldingTheSharedBar) {
  fw::ResetRuntimeForTests();
  EXPECT_EQ(App(), nullptr);
  NewAppInstance();
  const auto app = App();
  ASSERT_NE(app, nullptr);
  EXPECT_EQ(App(), app);
  EXPECT_EQ(fw::GetAppObject(), app);
  EXPECT_EQ(app->MenuBar(), Menu());
  EXPECT_FALSE(app->LongVersion().empty());
  fw::ResetRuntimeForTests();
}

TEST(AppObject, WithoutItTheStartUpHandlersAndTheAccessorsRaiseNilObject) {
  fw::ResetRuntimeForTests();
  EXPECT_THROW(ApplicationAddMenuHandlers(), fw::NilObjectException);
  const std::vector<std::function<void()>> accessors = {
      [] { AboutPlim(); }, [] { AboutMenuItem(); }, [] { DescriptionMenuItem(); },
      [] { ControlMenuItem(); }};
  for (const auto& accessor : accessors) EXPECT_THROW(accessor(), fw::NilObjectException);

  // An application object without a menu bar fails the same way.
  fw::RegisterAppObject(std::make_shared<HandleAboutMenu>());
  for (const auto& accessor : accessors) EXPECT_THROW(accessor(), fw::NilObjectException);
  fw::ResetRuntimeForTests();
}

TEST_F(ShellTest, TheItemAccessorsFindTheApplicationBarsItemsWhicheverWindowIsInFront) {
  DescriptionWnd()->Show();
  const auto bar = Menu();
  EXPECT_EQ(AboutPlim(), bar->Lookup("AboutPlim"));
  EXPECT_EQ(AboutMenuItem(), bar->Lookup("AboutMenuItem"));
  EXPECT_EQ(DescriptionMenuItem(), bar->Lookup("DescriptionMenuItem"));
  EXPECT_EQ(ControlMenuItem(), bar->Lookup("ControlMenuItem"));
  ControlWnd()->Show();
  EXPECT_EQ(ControlMenuItem(), bar->Lookup("ControlMenuItem"));
  EXPECT_NE(AboutPlim(), nullptr);
}

TEST_F(ShellTest, BothAboutItemsAreBoundForTheApplicationAndReturnFalse) {
  const auto app = App();
  EXPECT_TRUE(app->HasMenuHandler("AboutPlim"));
  EXPECT_TRUE(app->HasMenuHandler("AboutMenuItem"));
  EXPECT_FALSE(app->HasMenuHandler("Print"));
  EXPECT_FALSE(app->AboutPlim_Action());
  EXPECT_TRUE(AboutWnd()->Visible());
  AboutWnd()->Hide();
  EXPECT_FALSE(app->AboutMenuItem_Action());
  EXPECT_TRUE(AboutWnd()->Visible());
}

TEST_F(ShellTest, EitherAboutItemShowsTheOneAboutWindowFromEveryWindow) {
  const std::vector<std::pair<const char*, std::function<fw::Ref<fw::Window>()>>> windows = {
      {"calculator", [] { return ControlWnd(); }},
      {"description", [] { return DescriptionWnd(); }},
      {"about", [] { return AboutWnd(); }},
  };
  fw::Ref<fw::Window> about;
  for (const auto& [label, window] : windows) {
    for (const char* item : {"AboutPlim", "AboutMenuItem"}) {
      SCOPED_TRACE(std::string(label) + " / " + item);
      const auto front = window();
      front->Show();
      if (about) about->Hide();
      front->RunMenuCommand(item);
      const auto shown = fw::GetImplicitWindow(AboutWnd::kFullName);
      ASSERT_NE(shown, nullptr);
      if (!about) about = shown;
      EXPECT_EQ(shown, about) << "never a second About window";
      EXPECT_TRUE(shown->Visible());
    }
  }
  EXPECT_TRUE(alerts_.messages.empty());
}

TEST_F(ShellTest, TheAboutItemsBuildTheAboutWindowWhenNoneIsLive) {
  ASSERT_EQ(fw::GetImplicitWindow(AboutWnd::kFullName), nullptr);
  App()->RunMenuHandler("AboutMenuItem");
  const auto about = fw::GetImplicitWindow(AboutWnd::kFullName);
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->Visible());
}

struct EnablingCase {
  const char* front;
  std::vector<const char*> enabled;
  std::vector<const char*> disabled;
};

TEST_F(ShellTest, EachWindowsEnablingRoundLeavesItsOwnItemsEnabled) {
  const std::vector<EnablingCase> cases = {
      {"calculator", {"DescriptionMenuItem", "AboutMenuItem", "AboutPlim"}, {"ControlMenuItem"}},
      {"description", {"ControlMenuItem", "AboutMenuItem", "Print", "AboutPlim"}, {}},
  };
  for (const EnablingCase& c : cases) {
    SCOPED_TRACE(c.front);
    fw::Ref<fw::Window> front;
    if (std::string(c.front) == "calculator")
      front = ControlWnd();
    else
      front = DescriptionWnd();
    front->Show();
    // Each round must set its items, whatever the last one left.
    for (const auto& title : Menu()->Children()) {
      for (const auto& item : title->Children()) item->SetEnabled(false);
    }
    for (const char* name : c.disabled) Menu()->Lookup(name)->SetEnabled(true);
    front->EnableMenuItems();
    for (const char* name : c.enabled) EXPECT_TRUE(Menu()->Lookup(name)->Enabled()) << name;
    for (const char* name : c.disabled) EXPECT_FALSE(Menu()->Lookup(name)->Enabled()) << name;
  }
}

TEST_F(ShellTest, TheApplicationsRoundEnablesTheApplicationMenuAboutItemAndNothingElse) {
  for (const auto& title : Menu()->Children()) {
    for (const auto& item : title->Children()) item->SetEnabled(false);
  }
  Menu()->Lookup("ControlMenuItem")->SetEnabled(true);
  App()->Event_EnableMenuItems();
  EXPECT_TRUE(AboutPlim()->Enabled());
  EXPECT_FALSE(AboutMenuItem()->Enabled());
  EXPECT_FALSE(DescriptionMenuItem()->Enabled());
  EXPECT_TRUE(ControlMenuItem()->Enabled()) << "the application never disables an item";
}

}  // namespace
