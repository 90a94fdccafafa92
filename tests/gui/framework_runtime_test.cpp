// The runtime: a failure kept from a callback and raised again on the
// program's side, quitting before and during the loop, the time-sliced yield,
// ticks, alerts and the unhandled-exception treatment.
#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "framework/alerts.h"
#include "framework/controls.h"
#include "framework_test_support.h"

namespace framework_test {
namespace {

class RuntimeTest : public FrameworkTest {};

void Later(std::function<void()> body) {
  QTimer::singleShot(0, qApp, [body = std::move(body)] { fw::Guarded(body); });
}

TEST_F(RuntimeTest, AFailureInAHandlerEndsTheLoopAndIsRaisedByRuntimeRun) {
  std::shared_ptr<fw::PushButton> button;
  int laterHandlers = 0;
  OpenWindow([&](TestWindow& w) {
    button = Place<fw::PushButton>(w, "Button", 10, 10, 80, 30);
    fw::InstallInstanceEventHandler(*button, "Action",
                                    fw::ActionHandler([] { throw std::runtime_error("boom"); }));
  });
  QTimer::singleShot(0, qApp, [&] {
    QTest::mouseClick(fw::qt::WidgetOf(*button), Qt::LeftButton, {}, QPoint(5, 5));
  });
  QTimer::singleShot(0, qApp, [&] { fw::Guarded([&] { ++laterHandlers; }); });
  // Ends the loop should the failure not.
  QTimer::singleShot(2000, qApp, [] { QCoreApplication::exit(0); });
  try {
    fw::RuntimeRun();
    FAIL() << "the loop ended without the failure";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "boom");
  }
  EXPECT_EQ(laterHandlers, 0);             // nothing more of the program ran
  EXPECT_NO_THROW(fw::BackgroundYield());  // raised once, then forgotten
}

TEST_F(RuntimeTest, AQuitAskedForBeforeTheLoopKeepsTheLoopFromRunningAndWindowsHidden) {
  bool loopRan = false;
  QTimer::singleShot(0, qApp, [&] { loopRan = true; });
  fw::Quit(3);
  EXPECT_TRUE(fw::QuitRequested());
  auto window = std::make_shared<TestWindow>();
  window->Constructor();  // its settings say Visible
  EXPECT_FALSE(window->Visible());
  fw::RuntimeRun();
  EXPECT_FALSE(loopRan);
  QCoreApplication::processEvents();  // the pending timer, now that the test is done with it
}

TEST_F(RuntimeTest, AQuitDuringTheLoopEndsIt) {
  Later([] { fw::Quit(0); });
  QTimer::singleShot(2000, qApp, [] { QCoreApplication::exit(9); });
  const auto start = std::chrono::steady_clock::now();
  fw::RuntimeRun();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(RuntimeTest, TheYieldCountsEveryCallButRunsEventsOnlyWhenItsSliceHasPassed) {
  fw::seams::ResetYieldCount();
  int hooks = 0, ran = 0;
  fw::seams::SetYieldHook([&] { ++hooks; });
  auto post = [&] {
    QMetaObject::invokeMethod(
        qApp, [&] { ++ran; }, Qt::QueuedConnection);
  };
  post();
  fw::BackgroundYield();
  EXPECT_EQ(ran, 1);
  post();
  fw::BackgroundYield();
  EXPECT_EQ(ran, 1);  // too soon
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  fw::BackgroundYield();
  EXPECT_EQ(ran, 2);
  EXPECT_EQ(fw::seams::YieldCount(), 3);
  EXPECT_EQ(hooks, 3);
}

TEST_F(RuntimeTest, TheYieldRaisesAFailureThatAnEventItRanLetEscape) {
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  Later([] { throw fw::NilObjectException(); });
  EXPECT_THROW(fw::BackgroundYield(), fw::NilObjectException);
}

TEST_F(RuntimeTest, GuardedKeepsTheFirstFailureAndRunsNothingMoreUntilItIsRaised) {
  EXPECT_TRUE(fw::Guarded([] {}));
  EXPECT_FALSE(fw::Guarded([] { throw std::logic_error("first"); }));
  bool ran = false;
  EXPECT_FALSE(fw::Guarded([&] { ran = true; }));
  EXPECT_FALSE(ran);
  // A message box never hides a kept failure.
  try {
    fw::MsgBox("hidden");
    FAIL();
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "first");
  }
  EXPECT_TRUE(alerts.messages.empty());
}

TEST_F(RuntimeTest, MessageBoxesAndBeepsGoToTheSinkInOrder) {
  fw::Beep();
  fw::MsgBox("Nothing to print.");
  fw::Beep();
  EXPECT_EQ(alerts.log, (std::vector<std::string>{"beep", "msgbox: Nothing to print.", "beep"}));
  EXPECT_EQ(alerts.beeps, 2);
  EXPECT_EQ(alerts.messages, std::vector<std::string>{"Nothing to print."});
}

TEST_F(RuntimeTest, TicksComeFromTheSeamOrGrowFromProcessStart) {
  fw::seams::SetTickSource([] { return 600; });
  EXPECT_EQ(fw::Ticks(), 600);
  fw::seams::SetTickSource(nullptr);
  const auto before = fw::Ticks();
  std::this_thread::sleep_for(std::chrono::milliseconds(40));
  EXPECT_GE(before, 0);
  EXPECT_GT(fw::Ticks(), before);
}

TEST_F(RuntimeTest, TheStartUpRoutineRunsOnceBeforeInitializationReturnsAndItsFailurePasses) {
  int runs = 0;
  fw::RunFrameworkInitialization([&] { ++runs; });
  EXPECT_EQ(runs, 1);
  EXPECT_THROW(fw::RunFrameworkInitialization([] { throw fw::NilObjectException(); }),
               fw::NilObjectException);
}

TEST_F(RuntimeTest, AnUnhandledFailureIsReportedAndTheExitStatusIsOne) {
  testing::internal::CaptureStderr();
  fw::UnhandledException(std::make_exception_ptr(fw::NilObjectException()));
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("fw::NilObjectException"), std::string::npos) << err;
  EXPECT_NE(err.find("A missing object was used."), std::string::npos) << err;
  ASSERT_EQ(alerts.messages.size(), 1u);
  EXPECT_NE(alerts.messages[0].find("fw::NilObjectException"), std::string::npos);
  auto window = std::make_shared<TestWindow>();
  window->Constructor();
  EXPECT_FALSE(window->Visible());  // shut-down is under way
  window.reset();
  EXPECT_EQ(fw::RuntimeExit(), 1);
  fw::RuntimeInit();  // for the tests after this one
}

TEST_F(RuntimeTest, TheExitStatusIsTheQuitCode) {
  fw::Quit(0);
  fw::Quit(5);  // the first request stands
  EXPECT_EQ(fw::RuntimeExit(), 0);
  fw::RuntimeInit();
  ASSERT_NE(QCoreApplication::instance(), nullptr);
}

}  // namespace
}  // namespace framework_test
