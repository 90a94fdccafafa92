// A whole run of the program, ended by closing the calculator window: the
// class records in order, everything in place when the splash runs, the event
// loop, the release of the shared values in order, and exit status 0.
#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "calculator/control_window.h"
#include "framework/application.h"
#include "framework/file_type.h"
#include "framework/object.h"
#include "framework/seams.h"
#include "framework/window.h"
#include "shell/app.h"
#include "shell/file_types.h"
#include "shell/invisible_window.h"
#include "shell/menu.h"
#include "shell/startup.h"
#include "shell_test_fixture.h"

namespace {

TEST(WholeRun, StartsInOrderRunsTheLoopAndEndsWithStatusZeroWhenTheCalculatorCloses) {
  fw::seams::AlertSink alerts;
  fw::seams::SetAlertSink(&alerts);
  shell_test::UseFastTicks();
  const size_t logBefore = fw::FileTypeRegistryLog().size();

  fw::RuntimeInit();
  InitializeClasses();
  const std::vector<std::string> names = fw::RegisteredClassNames();
  const std::vector<std::string> program = {"ControlWnd.ControlWnd",
                                            "Menu.Menu",
                                            "AboutWnd.AboutWnd",
                                            "HandleAboutMenu.HandleAboutMenu",
                                            "DescriptionWnd.DescriptionWnd",
                                            "InvisibleWnd.InvisibleWnd"};
  ASSERT_GE(names.size(), program.size());
  EXPECT_TRUE(std::equal(program.begin(), program.end(), names.end() - program.size()))
      << "the program's six records come last, in their order";
  EXPECT_NE(std::find(names.begin(), names.end(), "Window"), names.end());
  EXPECT_EQ(App(), nullptr) << "no object of the program is made with the records";

  // What the splash finds in place: everything the earlier steps make.
  bool checkedDuringSplash = false;
  fw::seams::SetYieldHook([&] {
    if (checkedDuringSplash) return;
    checkedDuringSplash = true;
    ASSERT_NE(App(), nullptr);
    EXPECT_EQ(App()->MenuBar(), Menu());
    EXPECT_TRUE(App()->HasMenuHandler("AboutPlim"));
    EXPECT_TRUE(App()->HasMenuHandler("AboutMenuItem"));
    const auto types = fw::RegisteredFileTypes();
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[0].name, "text");
    EXPECT_EQ(types[0].macType, "TEXT");
    EXPECT_EQ(types[0].macCreator, "R*ch");
    EXPECT_EQ(types[0].extensions, "");
    EXPECT_EQ(types[1].name + types[1].macType + types[1].macCreator + types[1].extensions, "");
    EXPECT_NE(fw::GetImplicitWindow(InvisibleWnd::kFullName), nullptr);
    EXPECT_EQ(fw::GetImplicitWindow(ControlWnd::kFullName), nullptr);
  });

  // Once the loop runs, the user closes the calculator.
  bool closedInLoop = false;
  QTimer closer;
  closer.setInterval(5);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    const auto calculator = fw::GetImplicitWindow(ControlWnd::kFullName);
    if (!calculator || !calculator->Visible() || closedInLoop) return;
    closedInLoop = true;
    calculator->Close();
  });
  closer.start();

  Main();
  closer.stop();
  fw::seams::SetYieldHook(nullptr);
  EXPECT_TRUE(checkedDuringSplash);
  EXPECT_TRUE(closedInLoop);
  EXPECT_TRUE(fw::QuitRequested());

  const auto bar = Menu();
  FinalizeShared();
  EXPECT_EQ(FileTypes::pText, nullptr);
  EXPECT_EQ(FileTypes::pUntitledType, nullptr);
  EXPECT_TRUE(fw::RegisteredFileTypes().empty());
  const auto log = fw::FileTypeRegistryLog();
  ASSERT_GE(log.size(), logBefore + 4);
  EXPECT_EQ(
      std::vector<std::string>(log.end() - 4, log.end()),
      (std::vector<std::string>{"register text", "register ", "deregister text", "deregister "}));
  EXPECT_NE(Menu(), bar) << "the shared bar was released last";
  MenuImplicitInstanceExit();

  EXPECT_EQ(fw::RuntimeExit(), 0);
  EXPECT_TRUE(alerts.messages.empty());
  fw::seams::SetAlertSink(nullptr);
}

}  // namespace
