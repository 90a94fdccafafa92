// The splash that the hidden start-up window runs in its Open event: its
// whole-second arithmetic on a tick source the test scripts, one reading and
// one yield per pass, and what a key or an About command during the wait does.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calculator/control_window.h"
#include "framework/application.h"
#include "framework/seams.h"
#include "framework/window.h"
#include "shell/about_window.h"
#include "shell/app.h"
#include "shell/invisible_window.h"
#include "shell_test_fixture.h"

namespace {

class Splash : public shell_test::ShellTest {
 protected:
  // The first reading is the start; every later one is a pass's reading. Past
  // the script the clock jumps far ahead, which ends any wait, and counts as
  // an overrun.
  void ScriptTicks(std::vector<std::int32_t> readings) {
    readings_ = std::move(readings);
    reads_ = 0;
    fw::seams::SetTickSource([this] {
      const size_t i = reads_++;
      return i < readings_.size() ? readings_[i] : 1'000'000;
    });
  }

  // Runs the splash by building the hidden window; the hook sees each pass.
  fw::Ref<class InvisibleWnd> RunSplash(std::function<void(int pass)> onPass = nullptr) {
    fw::seams::ResetYieldCount();
    passes_ = 0;
    fw::seams::SetYieldHook([this, onPass] {
      ++passes_;
      if (onPass) onPass(passes_);
    });
    auto window = InvisibleWnd();
    fw::seams::SetYieldHook(nullptr);
    return window;
  }

  std::vector<std::int32_t> readings_;
  size_t reads_ = 0;
  int passes_ = 0;
};

struct WaitCase {
  const char* label;
  std::vector<std::int32_t> ticks;  // start, then one reading per pass
};

TEST_F(Splash, WaitEndsAtTheFirstPassWhoseWholeSecondCountIsThreeAboveTheStart) {
  const std::vector<WaitCase> cases = {
      // The first test never ends the wait, however far the clock has run.
      {"600 ticks start at 10; one pass reads 13", {600, 780}},
      {"a difference of 2 goes on, 3 ends", {600, 720, 720, 780}},
      {"seconds are whole: 779 is still 12", {600, 660, 779, 780}},
      {"a jump far past the end ends it", {600, 600, 600, 60000}},
      {"starting at zero", {0, 0, 59, 60, 120, 179, 180}},
  };
  for (const WaitCase& c : cases) {
    SCOPED_TRACE(c.label);
    fw::ResetRuntimeForTests();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    ScriptTicks(c.ticks);
    RunSplash();
    const int expectedPasses = static_cast<int>(c.ticks.size()) - 1;
    EXPECT_EQ(reads_, c.ticks.size()) << "one start reading and one per pass, no overrun";
    EXPECT_EQ(passes_, expectedPasses);
    EXPECT_EQ(fw::seams::YieldCount(), expectedPasses) << "one yield per pass";
  }
}

TEST_F(Splash, AboutWindowShowsDuringTheWaitAndTheCalculatorAfterIt) {
  ScriptTicks({600, 660, 720, 780});
  std::vector<bool> aboutVisible;
  std::vector<bool> calculatorLive;
  RunSplash([&](int) {
    aboutVisible.push_back(fw::GetImplicitWindow(AboutWnd::kFullName) &&
                           fw::GetImplicitWindow(AboutWnd::kFullName)->Visible());
    calculatorLive.push_back(fw::GetImplicitWindow(ControlWnd::kFullName) != nullptr);
  });
  EXPECT_EQ(aboutVisible, (std::vector<bool>{true, true, true}));
  EXPECT_EQ(calculatorLive, (std::vector<bool>{false, false, false}));
  EXPECT_FALSE(AboutWnd()->Visible());
  EXPECT_TRUE(ControlWnd()->Visible());
}

TEST_F(Splash, AKeyDuringTheWaitShowsTheCalculatorAtOnceAndTheEndChangesNothingVisible) {
  ScriptTicks({600, 600, 660, 720, 720, 780});
  std::vector<std::string> seen;
  RunSplash([&](int pass) {
    const auto about = fw::GetImplicitWindow(AboutWnd::kFullName);
    const auto calculator = fw::GetImplicitWindow(ControlWnd::kFullName);
    seen.push_back(std::string(about && about->Visible() ? "about" : "-") + "/" +
                   (calculator && calculator->Visible() ? "calculator" : "-"));
    if (pass == 2) AboutWnd()->Event_KeyDown("q");
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"about/-", "about/-", "-/calculator", "-/calculator",
                                            "-/calculator"}))
      << "the wait goes on to its end all the same";
  EXPECT_FALSE(AboutWnd()->Visible());
  EXPECT_TRUE(ControlWnd()->Visible());
  EXPECT_EQ(passes_, 5);
}

TEST_F(Splash, AClickDuringTheWaitDoesAsAKeyDoes) {
  ScriptTicks({600, 600, 660, 780});
  bool calculatorShownEarly = false;
  RunSplash([&](int pass) {
    if (pass == 1) AboutWnd()->Event_MouseDown(10, 10);
    if (pass == 2) calculatorShownEarly = ControlWnd()->Visible() && !AboutWnd()->Visible();
  });
  EXPECT_TRUE(calculatorShownEarly);
  EXPECT_FALSE(AboutWnd()->Visible());
  EXPECT_TRUE(ControlWnd()->Visible());
}

TEST_F(Splash, AnAboutShownAgainDuringTheWaitIsHiddenAtItsEnd) {
  ScriptTicks({600, 600, 660, 720, 780});
  RunSplash([&](int pass) {
    if (pass == 1) AboutWnd()->Event_KeyDown("x");
    if (pass == 3) App()->RunMenuHandler("AboutMenuItem");
  });
  EXPECT_FALSE(AboutWnd()->Visible());
  EXPECT_TRUE(ControlWnd()->Visible());
}

TEST_F(Splash, TheHiddenWindowIsOneInstanceNeverOnScreen) {
  ScriptTicks({600, 660, 720, 780});
  fw::Ref<fw::Window> duringOpen;
  bool everVisible = false;
  RunSplash([&](int) {
    const auto live = fw::GetImplicitWindow(InvisibleWnd::kFullName);
    ASSERT_NE(live, nullptr) << "live during its own Open";
    everVisible = everVisible || live->Visible();
    if (!duringOpen) duringOpen = InvisibleWnd();
    EXPECT_EQ(InvisibleWnd(), duringOpen);
  });
  const auto window = InvisibleWnd();
  EXPECT_EQ(window, duringOpen);
  EXPECT_FALSE(everVisible);
  EXPECT_FALSE(window->Visible());
  EXPECT_EQ(reads_, 4u) << "a second use runs no second splash";
  EXPECT_EQ(window->Title(), "Untitled");
  EXPECT_EQ(window->Frame(), 1);
  EXPECT_EQ(window->Width(), 64);
  EXPECT_EQ(window->Height(), 64);
  EXPECT_TRUE(window->Controls().empty());
}

TEST_F(Splash, HiddenWindowsItemAccessorsSearchTheSharedBar) {
  const auto window = InvisibleWnd();
  ASSERT_NE(window->MenuBar(), nullptr);
  EXPECT_EQ(window->MenuBar(), App()->MenuBar());
  const std::vector<std::pair<std::string, fw::Ref<fw::MenuItem>>> items = {
      {"WindowMenu", window->WindowMenu()},
      {"AboutPlim", window->AboutPlim()},
      {"AboutMenuItem", window->AboutMenuItem()},
      {"DescriptionMenuItem", window->DescriptionMenuItem()},
      {"ControlMenuItem", window->ControlMenuItem()},
      {"UntitledMenu0", window->UntitledMenu0()},
      {"EditClear", window->EditClear()},
      {"EditPaste", window->EditPaste()},
      {"EditCopy", window->EditCopy()},
      {"EditCut", window->EditCut()},
      {"UntitledMenu1", window->UntitledMenu1()},
      {"EditUndo", window->EditUndo()},
      {"FileMenu", window->FileMenu()},
      {"FileQuit", window->FileQuit()},
      {"Print", window->Print()},
  };
  for (const auto& [name, item] : items) {
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->Name(), name);
  }
  EXPECT_EQ(window->UntitledMenu3(), nullptr);
}

}  // namespace
