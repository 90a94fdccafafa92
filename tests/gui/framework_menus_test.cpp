// Menus: the tree model, the drawn bar, routing a chosen item, the enabling
// round, the framework's own commands and the shortcut keys.
#include <QAction>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QWindow>

#include "framework/controls.h"
#include "framework/menus.h"
#include "framework_test_support.h"

namespace framework_test {
namespace {

std::vector<std::string> journal;

class App : public fw::Application {
 public:
  void Event_EnableMenuItems() override {
    journal.push_back("app enables; Front is " +
                      std::string(MenuBar()->Lookup("Front")->Enabled() ? "on" : "off"));
  }
};

class MenuWindow : public TestWindow {
 public:
  void Event_EnableMenuItems() override {
    journal.push_back("window enables");
    // Disabled here, enabled again afterwards: the window has a handler.
    MenuBar()->Lookup("Front")->SetEnabled(false);
  }

 protected:
  void AddMenuHandlers() override {
    AddMenuHandler("Front", [] {
      journal.push_back("window Front");
      return false;
    });
  }
};

// Clipboard data that counts the questions put to it: which formats it
// offers, and the data of one.
struct Offered : QMimeData {
  mutable int asked = 0, fetched = 0;
  QStringList formats() const override {
    ++asked;
    return QMimeData::formats();
  }
  QVariant retrieveData(const QString& format, QMetaType type) const override {
    ++fetched;
    return QMimeData::retrieveData(format, type);
  }
};

// Puts `text` (none when null) on the clipboard, which owns it from then on.
const Offered* Offer(const QString& text) {
  auto* offered = new Offered;
  if (!text.isNull()) offered->setText(text);
  QApplication::clipboard()->setMimeData(offered);
  offered->asked = offered->fetched = 0;
  return offered;
}

class MenusTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    journal.clear();
    bar = BuildBar();
    app = std::make_shared<App>();
    app->SetMenuBar(bar);
    fw::RegisterAppObject(app);
    app->AddMenuHandler("About", [] {
      journal.push_back("app About");
      return false;
    });
    app->AddMenuHandler("Front", [] {
      journal.push_back("app Front");
      return false;
    });
    app->AddMenuHandler("Report", [] {
      journal.push_back("app Report");
      return false;
    });
    window = std::make_shared<MenuWindow>();
    window->build = [this](TestWindow& w) {
      area = Place<fw::TextArea>(w, "Area", 10, 10, 200, 80);
    };
    window->SetMenuBar(bar);
    window->Constructor();
    window->Show();
  }
  bool On(const std::string& name) { return bar->Lookup(name)->Enabled(); }
  QMenuBar* DrawnBar() { return fw::qt::QtWindowOf(*window)->findChild<QMenuBar*>(); }

  fw::Ref<fw::MenuBar> bar;
  std::shared_ptr<App> app;
  std::shared_ptr<MenuWindow> window;
  std::shared_ptr<fw::TextArea> area;
};

TEST(MenuTree, AppendsFindsAndRefusesNothing) {
  auto bar = BuildBar();
  EXPECT_EQ(bar->Count(), 3);
  EXPECT_EQ(bar->Item(1)->Name(), "EditMenu");
  EXPECT_EQ(bar->Item(3), nullptr);
  EXPECT_EQ(bar->Item(-1), nullptr);
  EXPECT_NE(bar->Child("FileMenu"), nullptr);
  EXPECT_EQ(bar->Child("FileQuit"), nullptr);  // not a direct child
  EXPECT_EQ(bar->Lookup("FileQuit")->Text(), "Quit");
  EXPECT_EQ(bar->Lookup("About")->Parent(), bar->Lookup("WindowMenu").get());
  EXPECT_EQ(bar->Lookup("Nothing"), nullptr);
  EXPECT_THROW(bar->Append(nullptr), fw::NilObjectException);
  EXPECT_TRUE(bar->Lookup("Separator")->IsSeparator());
}

TEST_F(MenusTest, TheWindowDrawsTheTreeWithAboutInHelpAndStandardTexts) {
  EXPECT_EQ(
      window->DrawnMenuTitles(),
      (std::vector<std::string>{"File", "File/Print", "File/Report\tCtrl+R", "File/Quit\tCtrl+Q",
                                "Edit", "Edit/Undo\tCtrl+Z", "Edit/-", "Edit/Cut\tCtrl+X",
                                "Edit/Copy\tCtrl+C", "Edit/Paste\tCtrl+V", "Edit/Delete", "Window",
                                "Window/Bring & Show", "Help", "Help/About Zelvora"}));
  // A window that sets no bar draws the application's; a borderless box draws none.
  auto plain = OpenWindow({});
  EXPECT_EQ(plain->DrawnMenuTitles(), window->DrawnMenuTitles());
  plain->SetProperty("Frame", 2);
  EXPECT_TRUE(plain->DrawnMenuTitles().empty());
}

TEST_F(MenusTest, AChosenItemGoesToTheWindowsHandlerElseTheApplications) {
  EXPECT_TRUE(window->RunMenuCommand("Front"));
  EXPECT_TRUE(window->RunMenuCommand("About"));
  EXPECT_FALSE(window->RunMenuCommand("Print"));  // nobody serves it
  EXPECT_EQ(journal, (std::vector<std::string>{"window Front", "app About"}));
  EXPECT_FALSE(fw::QuitRequested());
  EXPECT_TRUE(window->RunMenuCommand("FileQuit"));
  EXPECT_TRUE(fw::QuitRequested());
}

TEST_F(MenusTest, ChoosingADrawnItemRoutesItAsTheModelSays) {
  QMenu* windowMenu = DrawnBar()->actions().at(2)->menu();
  ASSERT_NE(windowMenu, nullptr);
  emit windowMenu->aboutToShow();
  windowMenu->actions().at(0)->trigger();
  EXPECT_EQ(journal.back(), "window Front");
}

TEST_F(MenusTest, TheEnablingRoundRunsInItsOrderAndEndsWithWhatTheWindowServes) {
  for (const char* name : {"Print", "Report", "Front", "About", "FileQuit"})
    bar->Lookup(name)->SetEnabled(true);
  window->EnableMenuItems();
  EXPECT_EQ(journal, (std::vector<std::string>{"app enables; Front is off", "window enables"}));
  EXPECT_FALSE(On("Print"));    // automatic, but nobody serves it
  EXPECT_FALSE(On("Report"));   // served, but not automatic
  EXPECT_FALSE(On("About"));    // nobody enabled it
  EXPECT_TRUE(On("FileQuit"));  // the framework serves Quit
  EXPECT_TRUE(On("Front"));     // the window has a handler
  EXPECT_TRUE(On("FileMenu"));  // menu titles stay open

  app->AddMenuHandler("Print", [] { return false; });
  window->EnableMenuItems();
  EXPECT_TRUE(On("Print"));
}

TEST_F(MenusTest, OpeningADrawnMenuRunsTheRoundAndUpdatesWhatItShows) {
  const Offered* offered = Offer("x");
  QMenu* file = DrawnBar()->actions().at(0)->menu();
  emit file->aboutToShow();
  EXPECT_EQ(journal.size(), 2u);
  EXPECT_FALSE(file->actions().at(0)->isEnabled());  // Print
  EXPECT_TRUE(file->actions().at(2)->isEnabled());   // Quit
  // Only a menu that shows Paste asks the clipboard, whose owner may be slow.
  emit DrawnBar()->actions().at(3)->menu()->aboutToShow();  // Help
  EXPECT_EQ(offered->asked, 0);
  emit DrawnBar()->actions().at(1)->menu()->aboutToShow();  // Edit
  EXPECT_EQ(offered->asked, 1);
}

TEST_F(MenusTest, EscapeClosesAMenuAndTheKeysGoBackToTheFocusedControl) {
  QWidget* top = fw::qt::QtWindowOf(*window);
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  area->SetFocus();
  QAction* title = DrawnBar()->actions().at(0);
  QTest::mouseClick(DrawnBar(), Qt::LeftButton, {}, DrawnBar()->actionGeometry(title).center());
  ASSERT_TRUE(title->menu()->isVisible());
  QTest::keyClick(title->menu(), Qt::Key_Escape);
  EXPECT_FALSE(title->menu()->isVisible());
  QTest::keyClick(top->windowHandle(), '3');
  QTest::keyClick(top->windowHandle(), '4');
  EXPECT_EQ(area->Text(), "34");
}

TEST_F(MenusTest, AltHandsTheKeysToTheBarWhichShowsItsTitleUntilEscapeGivesThemBack) {
  QWidget* top = fw::qt::QtWindowOf(*window);
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  area->SetFocus();
  QMenuBar* drawn = DrawnBar();
  const QRect file = drawn->actionGeometry(drawn->actions().at(0));
  const QRect edit = drawn->actionGeometry(drawn->actions().at(1));
  const QImage fileBefore = drawn->grab(file).toImage();
  const QImage editBefore = drawn->grab(edit).toImage();

  QTest::keyClick(top->windowHandle(), Qt::Key_Alt);
  ASSERT_EQ(QApplication::focusWidget(), drawn);
  EXPECT_NE(drawn->grab(file).toImage(), fileBefore);
  QTest::keyClick(top->windowHandle(), Qt::Key_Right);
  EXPECT_EQ(drawn->grab(file).toImage(), fileBefore);
  EXPECT_NE(drawn->grab(edit).toImage(), editBefore);

  QTest::keyClick(top->windowHandle(), Qt::Key_Escape);
  EXPECT_EQ(drawn->grab(edit).toImage(), editBefore);
  QTest::keyClick(top->windowHandle(), '2');
  EXPECT_EQ(area->Text(), "2");
}

TEST_F(MenusTest, EditItemsFollowTheFocusedTextControl) {
  area->SetFocus();
  area->SetText("some text");
  const Offered* nothing = Offer(QString());
  window->EnableMenuItems();
  for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
    EXPECT_FALSE(On(name)) << name;
  EXPECT_EQ(nothing->asked, 1) << "the clipboard's owner may be slow to answer";

  area->SetSelStart(0);
  area->SetSelLength(4);
  const Offered* offered = Offer("x");
  window->EnableMenuItems();
  for (const char* name : {"EditCut", "EditCopy", "EditPaste", "EditClear"})
    EXPECT_TRUE(On(name)) << name;
  EXPECT_EQ(offered->fetched, 0) << "Paste asks whether text is offered, not for the text";

  // Copy's shortcut asks the clipboard nothing, and so leaves Paste as it was.
  QTest::keyClick(fw::qt::WidgetOf(*area), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "some");
  EXPECT_TRUE(On("EditPaste"));
  EXPECT_TRUE(DrawnBar()->actions().at(1)->menu()->actions().at(4)->isEnabled());
  EXPECT_TRUE(window->RunMenuCommand("EditClear"));
  EXPECT_EQ(area->Text(), " text");
  window->EnableMenuItems();
  EXPECT_TRUE(On("EditUndo"));
  EXPECT_TRUE(window->RunMenuCommand("EditPaste"));
  EXPECT_EQ(area->Text(), "some text");
  // An empty text pasted changes nothing, over a selection either.
  area->SetSelStart(0);
  area->SetSelLength(4);
  Offer("");
  EXPECT_TRUE(window->RunMenuCommand("EditPaste"));
  EXPECT_EQ(area->Text(), "some text");
  EXPECT_EQ(area->SelLength(), 4);

  area->SetProperty("ReadOnly", true);
  area->SetSelStart(0);
  area->SetSelLength(4);
  window->EnableMenuItems();
  EXPECT_TRUE(On("EditCopy"));
  for (const char* name : {"EditUndo", "EditCut", "EditPaste", "EditClear"})
    EXPECT_FALSE(On(name)) << name;
}

TEST_F(MenusTest, EditItemsServeTheFieldThatHadTheKeysHoweverTheMenuIsReached) {
  QWidget* top = fw::qt::QtWindowOf(*window);
  top->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  area->SetFocus();
  QTest::keyClick(top->windowHandle(), '1');
  Offer("x");
  QMenuBar* drawn = DrawnBar();
  QMenu* edit = drawn->actions().at(1)->menu();
  QAction* undo = edit->actions().at(0);
  QAction* paste = edit->actions().at(4);

  // From the keyboard, the bar holding the keys: Alt, Right, Down.
  QTest::keyClick(top->windowHandle(), Qt::Key_Alt);
  QTest::keyClick(top->windowHandle(), Qt::Key_Right);
  QTest::keyClick(top->windowHandle(), Qt::Key_Down);
  ASSERT_TRUE(edit->isVisible());
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_TRUE(paste->isEnabled());
  edit->setActiveAction(paste);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(area->Text(), "1x");

  // Moved over from the File menu, which the bar then holds the keys for.
  QMenu* file = drawn->actions().at(0)->menu();
  QTest::mouseClick(drawn, Qt::LeftButton, {}, drawn->actionGeometry(file->menuAction()).center());
  ASSERT_TRUE(file->isVisible());
  QTest::keyClick(file, Qt::Key_Right);
  ASSERT_TRUE(edit->isVisible());
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_TRUE(paste->isEnabled());
  QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(undo).center());
  EXPECT_EQ(area->Text(), "1");
}

TEST_F(MenusTest, AShortcutActsOnlyWhenTheRoundLeavesItsItemEnabled) {
  QWidget* field = fw::qt::WidgetOf(*area);
  const Offered* offered = Offer("x");
  QTest::keyClick(field, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(journal, (std::vector<std::string>{"app enables; Front is off", "window enables"}));

  bar->Lookup("Report")->SetAutoEnable(true);
  QTest::keyClick(field, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(journal.back(), "app Report");
  EXPECT_EQ(offered->asked, 0) << "only Paste's own shortcut asks the clipboard";

  area->SetText("abc");
  area->SetSelStart(0);
  area->SetSelLength(3);
  QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "abc");
  EXPECT_EQ(area->Text(), "");

  // Undo takes a long paste back whole while it goes in; Quit doesn't wait
  // for one to go in.
  std::string values;
  for (int i = 0; i < 20000; ++i) values += "1.5\n";
  QApplication::clipboard()->setText(QString::fromStdString(values));
  const auto* edit = static_cast<QPlainTextEdit*>(field);
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  ASSERT_TRUE(edit->toPlainText().toStdString() != values) << "still going in";
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(area->Text(), "");
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  ASSERT_TRUE(edit->toPlainText().toStdString() != values) << "still going in";
  QTest::keyClick(field, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_TRUE(edit->toPlainText().toStdString() != values) << "Quit didn't wait for the paste";
}

}  // namespace
}  // namespace framework_test
