// A run whose start-up fails in its last step: the rest of the step is left
// undone, the event loop is never entered, the failure is reported, and
// shut-down still releases everything, ending with a non-zero status.
#include <gtest/gtest.h>

#include <QTimer>
#include <stdexcept>

#include "calculator/control_window.h"
#include "framework/application.h"
#include "framework/file_type.h"
#include "framework/seams.h"
#include "framework/window.h"
#include "shell/file_types.h"
#include "shell/startup.h"
#include "shell_test_fixture.h"

namespace {

TEST(FailedStartUp, SkipsTheRestAndTheLoopButStillShutsDownWithAFailureStatus) {
  fw::seams::AlertSink alerts;
  fw::seams::SetAlertSink(&alerts);
  shell_test::UseFastTicks();
  fw::RuntimeInit();
  InitializeClasses();

  bool loopRan = false;
  fw::seams::SetYieldHook([&] {
    // Whatever the event loop would run shows that it was entered.
    QTimer::singleShot(0, [&] {
      loopRan = true;
      fw::Quit(0);
    });
    throw std::runtime_error("the splash could not go on");
  });

  Main();
  fw::seams::SetYieldHook(nullptr);
  EXPECT_FALSE(loopRan);
  EXPECT_EQ(fw::GetImplicitWindow(ControlWnd::kFullName), nullptr)
      << "the splash's closing steps never ran";
  ASSERT_EQ(alerts.messages.size(), 1u);
  EXPECT_NE(alerts.messages[0].find("the splash could not go on"), std::string::npos);

  FinalizeShared();
  EXPECT_EQ(FileTypes::pText, nullptr);
  EXPECT_TRUE(fw::RegisteredFileTypes().empty());
  EXPECT_NE(fw::RuntimeExit(), 0);
  fw::seams::SetAlertSink(nullptr);
}

}  // namespace
