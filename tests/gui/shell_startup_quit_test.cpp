// A whole run of the program ended by the File menu's Quit item: the loop
// returns and the run ends with status 0.
#include <gtest/gtest.h>

#include <QTimer>

#include "calculator/control_window.h"
#include "framework/application.h"
#include "framework/seams.h"
#include "framework/window.h"
#include "shell/startup.h"
#include "shell_test_fixture.h"

namespace {

TEST(WholeRun, EndsWithStatusZeroWhenQuitIsChosen) {
  fw::seams::AlertSink alerts;
  fw::seams::SetAlertSink(&alerts);
  shell_test::UseFastTicks();
  fw::RuntimeInit();
  InitializeClasses();

  bool choseQuit = false;
  QTimer chooser;
  chooser.setInterval(5);
  QObject::connect(&chooser, &QTimer::timeout, [&] {
    const auto calculator = fw::GetImplicitWindow(ControlWnd::kFullName);
    if (!calculator || !calculator->Visible() || choseQuit) return;
    choseQuit = true;
    calculator->RunMenuCommand("FileQuit");
  });
  chooser.start();

  Main();
  chooser.stop();
  EXPECT_TRUE(choseQuit);
  EXPECT_TRUE(fw::QuitRequested());
  FinalizeShared();
  EXPECT_EQ(fw::RuntimeExit(), 0);
  EXPECT_TRUE(alerts.messages.empty());
  fw::seams::SetAlertSink(nullptr);
}

}  // namespace
