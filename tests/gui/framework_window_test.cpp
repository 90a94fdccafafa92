// Windows: construction order, visibility, shared instances, designed size and
// limits, frames, and the user's close.
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWindow>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework_test_support.h"

namespace framework_test {
namespace {

std::vector<std::string> journal;

// Records its hooks and events, and every setting it receives.
class Recorder : public fw::Window {
 public:
  static constexpr const char* kFullName = "Recorder.Recorder";
  bool visible = true;
  std::vector<std::string> settings;
  Recorder* selfDuringOpen = nullptr;

  void SetProperty(const std::string& name, const fw::SettingValue& value) override {
    settings.push_back(name);
    fw::Window::SetProperty(name, value);
  }
  void Event_Open() override {
    journal.push_back("Open with " + std::to_string(Controls().size()) + " controls");
    selfDuringOpen = dynamic_cast<Recorder*>(fw::GetImplicitWindow(kFullName).get());
  }
  void Event_Activate() override { journal.push_back("Activate"); }
  void Event_Close() override { journal.push_back("Close"); }

 protected:
  void Layout() override {
    journal.push_back("Layout");
    Apply(*this, {{"Width", 300},
                  {"Height", 200},
                  {"Title", std::string("Recorder")},
                  {"Visible", visible}});
  }
  void CreateControls() override {
    journal.push_back("CreateControls");
    New<fw::TextArea>("Field");
  }
  void AddMenuHandlers() override { journal.push_back("AddMenuHandlers"); }
};

class HiddenRecorder : public Recorder {
 public:
  static constexpr const char* kFullName = "HiddenRecorder.HiddenRecorder";
  HiddenRecorder() { visible = false; }
};

class WindowTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    journal.clear();
  }
};

TEST_F(WindowTest, ConstructionRunsTheHooksInOrderThenOpenThenShows) {
  auto window = fw::ImplicitInstance<Recorder>();
  EXPECT_EQ(journal, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers",
                                               "Open with 1 controls", "Activate"}));
  EXPECT_TRUE(window->Visible());
  EXPECT_EQ(fw::ActiveWindow(), window);
  EXPECT_EQ(window->Title(), "Recorder");
}

TEST_F(WindowTest, AWindowWhoseSettingsSayHiddenIsBuiltButNotShown) {
  auto window = fw::ImplicitInstance<HiddenRecorder>();
  EXPECT_EQ(journal, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers",
                                               "Open with 1 controls"}));
  EXPECT_FALSE(window->Visible());
  EXPECT_EQ(fw::ActiveWindow(), nullptr);
  window->Show();
  EXPECT_TRUE(window->Visible());
  window->Hide();
  EXPECT_FALSE(window->Visible());
  EXPECT_FALSE(window->Closed());
  EXPECT_EQ(fw::GetImplicitWindow(HiddenRecorder::kFullName), window);
}

TEST_F(WindowTest, SettingsReachTheWindowInTheOrderGiven) {
  auto window = fw::ImplicitInstance<Recorder>();
  EXPECT_EQ(window->settings, (std::vector<std::string>{"Width", "Height", "Title", "Visible"}));
}

TEST_F(WindowTest, OneSharedInstanceLiveDuringItsOwnOpenAndRenewedAfterTheUserClosesIt) {
  auto first = fw::ImplicitInstance<Recorder>();
  EXPECT_EQ(first->selfDuringOpen, first.get());
  EXPECT_EQ(fw::ImplicitInstance<Recorder>(), first);
  EXPECT_EQ(journal.size(), 5u);  // built once

  first->Close();
  EXPECT_TRUE(first->Closed());
  EXPECT_FALSE(first->Visible());
  EXPECT_EQ(fw::GetImplicitWindow(Recorder::kFullName), nullptr);
  EXPECT_EQ(journal.back(), "Close");

  auto second = fw::ImplicitInstance<Recorder>();
  EXPECT_NE(second, first);
  EXPECT_FALSE(second->Closed());
  first->Show();  // a closed window stays gone
  EXPECT_FALSE(first->Visible());
}

TEST_F(WindowTest, TheUsersCloseRaisesCloseOnlyWhereTheWindowHasACloseBox) {
  auto window = fw::ImplicitInstance<Recorder>();
  // The platform window's close is the user's: it arrives as from the desktop.
  window->SetProperty("CloseButton", false);
  fw::qt::QtWindowOf(*window)->windowHandle()->close();
  EXPECT_FALSE(window->Closed());
  EXPECT_TRUE(window->Visible());

  window->SetProperty("CloseButton", true);
  fw::qt::QtWindowOf(*window)->windowHandle()->close();
  EXPECT_TRUE(window->Closed());
  EXPECT_EQ(journal.back(), "Close");
  EXPECT_EQ(fw::GetImplicitWindow(Recorder::kFullName), nullptr);
}

TEST_F(WindowTest, ShowRestoresAMinimisedWindow) {
  auto window = fw::ImplicitInstance<Recorder>();
  QMainWindow* qt = fw::qt::QtWindowOf(*window);
  qt->showMinimized();
  ASSERT_TRUE(qt->isMinimized());
  window->Show();
  EXPECT_FALSE(qt->isMinimized());
  EXPECT_TRUE(window->Visible());
}

// A window of the calculator's shape: taller than its maximum height.
class Tall : public fw::Window {
 public:
  static constexpr const char* kFullName = "Tall.Tall";

 protected:
  void Layout() override {
    Apply(*this, {{"Placement", 0},
                  {"Width", 500},
                  {"Height", 550},
                  {"MinWidth", 64},
                  {"MinHeight", 64},
                  {"MaxWidth", 500},
                  {"MaxHeight", 500},
                  {"Frame", 0},
                  {"Resizeable", false},
                  {"CloseButton", true},
                  {"MaximizeButton", false},
                  {"MinimizeButton", true},
                  {"HasBackColor", true},
                  {"BackColor", fw::Color{255, 255, 255}},
                  {"Visible", true}});
  }
  void CreateControls() override {
    auto button = New<fw::PushButton>("Bottom");
    Apply(*button, {{"Left", 400}, {"Top", 503}, {"Width", 80}, {"Height", 30}});
  }
};

TEST_F(WindowTest, OpensAtItsDesignedContentSizeEvenAboveItsMaximumAndStaysThere) {
  auto window = fw::ImplicitInstance<Tall>();
  QApplication::processEvents();
  QWidget* content = fw::qt::ContentOf(*window);
  EXPECT_EQ(content->size(), QSize(500, 550));
  EXPECT_EQ(window->Width(), 500);
  EXPECT_EQ(window->Height(), 550);
  const QRect button = fw::qt::WidgetOf(*window->ControlByName("Bottom"))->geometry();
  EXPECT_EQ(button, QRect(400, 503, 80, 30));
  EXPECT_TRUE(content->rect().contains(button));

  window->Resize(300, 300);
  EXPECT_EQ(content->size(), QSize(500, 550));
  EXPECT_FALSE(window->Resizeable());
  EXPECT_FALSE(window->HasMaximizeBox());
  EXPECT_TRUE(window->HasMinimizeBox());
  EXPECT_TRUE(window->HasCloseBox());
  EXPECT_EQ(content->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(WindowTest, PlacementZeroCentresTheWindowOnTheScreen) {
  auto window = fw::ImplicitInstance<Tall>();
  QMainWindow* qt = fw::qt::QtWindowOf(*window);
  const QRect screen = qt->screen()->availableGeometry();
  const QPoint centre = qt->frameGeometry().center();
  EXPECT_NEAR(centre.x(), screen.center().x(), 2);
  if (qt->frameGeometry().height() < screen.height()) {
    EXPECT_NEAR(centre.y(), screen.center().y(), 2);
  }
}

class Framed : public fw::Window {
 public:
  int frame = 0;

 protected:
  void Layout() override { Apply(*this, {{"Frame", frame}, {"Visible", false}}); }
};

TEST_F(WindowTest, FrameKindsGiveADocumentWindowADialogOrABorderlessBox) {
  struct Case {
    int frame;
    Qt::WindowType type;
    bool frameless;
  };
  for (const Case& c :
       {Case{0, Qt::Window, false}, Case{1, Qt::Dialog, false}, Case{2, Qt::Window, true}}) {
    auto window = std::make_shared<Framed>();
    window->frame = c.frame;
    window->Constructor();
    const Qt::WindowFlags flags = fw::qt::QtWindowOf(*window)->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, c.type) << c.frame;
    EXPECT_EQ(flags.testFlag(Qt::FramelessWindowHint), c.frameless) << c.frame;
    EXPECT_EQ(window->Frame(), c.frame);
  }
}

TEST_F(WindowTest, AResizableWindowKeepsWithinItsLimits) {
  auto window = std::make_shared<Framed>();
  Apply(*window, {{"Width", 200},
                  {"Height", 150},
                  {"MinWidth", 100},
                  {"MinHeight", 100},
                  {"MaxWidth", 400},
                  {"MaxHeight", 300},
                  {"Resizeable", true}});
  window->Constructor();
  window->Show();
  window->Resize(1000, 50);
  EXPECT_EQ(window->Width(), 400);
  EXPECT_EQ(window->Height(), 100);
  window->Resize(250, 180);
  EXPECT_EQ(fw::qt::ContentOf(*window)->size(), QSize(250, 180));
}

struct Failing : fw::Window {
  static constexpr const char* kFullName = "Failing.Failing";
  void CreateControls() override { throw fw::NilObjectException(); }
};

TEST_F(WindowTest, AFailedConstructionLeavesNoSharedInstanceBehind) {
  EXPECT_THROW(fw::ImplicitInstance<Failing>(), fw::NilObjectException);
  EXPECT_EQ(fw::GetImplicitWindow(Failing::kFullName), nullptr);
}

TEST_F(WindowTest, ActiveWindowIsTheMostRecentlyShownThatIsStillVisible) {
  auto first = std::make_shared<Framed>();
  auto second = std::make_shared<Framed>();
  first->Constructor();
  second->Constructor();
  first->Show();
  second->Show();
  EXPECT_EQ(fw::ActiveWindow(), second);
  second->Hide();
  EXPECT_EQ(fw::ActiveWindow(), first);
  first->Hide();
  EXPECT_EQ(fw::ActiveWindow(), nullptr);
}

}  // namespace
}  // namespace framework_test
