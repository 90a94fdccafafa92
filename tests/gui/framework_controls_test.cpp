// Controls: events bound per control, key codes, shortcuts kept from KeyDown,
// masks and limits on typed and pasted text, line breaks, fonts and styles,
// focus order and the locks.
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <stdexcept>

#include "framework/alerts.h"
#include "framework/controls.h"
#include "framework/text.h"
#include "framework_test_support.h"

namespace framework_test {
namespace {

using fw::Canvas;
using fw::PushButton;
using fw::StaticText;
using fw::TextArea;
using fw::TextField;

class ControlsTest : public FrameworkTest {
 protected:
  static void Type(const fw::Control& control, const QString& keys) {
    QTest::keyClicks(fw::qt::WidgetOf(control), keys);
  }
  static void Key(const fw::Control& control, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    QTest::keyClick(fw::qt::WidgetOf(control), key, mods);
  }
  static void PasteText(const fw::Control& control, const QString& text) {
    QApplication::clipboard()->setText(text);
    Key(control, Qt::Key_V, Qt::ControlModifier);
  }
  // An application whose menu bar has the Edit menu, so that Ctrl+V and the
  // rest are its items' shortcuts, as in the program.
  static fw::Ref<fw::Application> ServeTheEditMenu() {
    auto app = std::make_shared<fw::Application>();
    app->SetMenuBar(BuildBar());
    fw::RegisterAppObject(app);
    return app;
  }
};

TEST_F(ControlsTest, EachBoundEventReachesOnlyItsOwnControl) {
  std::vector<std::string> log;
  std::shared_ptr<TextArea> bound, unbound;
  std::shared_ptr<Canvas> clickable, plain;
  std::shared_ptr<PushButton> button, other;
  auto window = OpenWindow([&](TestWindow& w) {
    bound = Place<TextArea>(w, "Bound", 10, 10, 100, 40);
    unbound = Place<TextArea>(w, "Unbound", 120, 10, 100, 40);
    clickable = Place<Canvas>(w, "Clickable", 10, 60, 50, 50);
    plain = Place<Canvas>(w, "Plain", 70, 60, 50, 50);
    button = Place<PushButton>(w, "Button", 10, 120, 80, 30);
    other = Place<PushButton>(w, "Other", 100, 120, 80, 30);
    fw::InstallInstanceEventHandler(*bound, "KeyDown",
                                    fw::KeyDownHandler([&](const std::string& k) {
                                      log.push_back("Bound " + k);
                                      return false;
                                    }));
    fw::InstallInstanceEventHandler(
        *clickable, "MouseDown", fw::MouseDownHandler([&](int x, int y) {
          log.push_back("Clickable " + std::to_string(x) + "," + std::to_string(y));
          return false;
        }));
    fw::InstallInstanceEventHandler(*button, "Action",
                                    fw::ActionHandler([&] { log.push_back("Button"); }));
  });
  Type(*unbound, "x");
  QTest::mouseClick(fw::qt::WidgetOf(*plain), Qt::LeftButton, {}, QPoint(3, 4));
  QTest::mouseClick(fw::qt::WidgetOf(*other), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(log.empty());
  // A click that no handler takes goes on to the window, in its content's terms.
  EXPECT_EQ(window->events, (std::vector<std::string>{"MouseDown 73,64"}));

  Type(*bound, "y");
  QTest::mouseClick(fw::qt::WidgetOf(*clickable), Qt::LeftButton, {}, QPoint(3, 4));
  QTest::mouseClick(fw::qt::WidgetOf(*button), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(log, (std::vector<std::string>{"Bound y", "Clickable 3,4", "Button"}));
  EXPECT_EQ(unbound->Text(), "x");
  EXPECT_EQ(bound->Text(), "y");
}

TEST_F(ControlsTest, AnEventTheControlDoesNotRaiseOrAHandlerOfTheWrongKindIsRefused) {
  auto window = OpenWindow({});
  auto area = window->New<TextArea>("Area");
  auto button = window->New<PushButton>("Button");
  auto label = window->New<StaticText>("Label");
  auto canvas = window->New<Canvas>("Canvas");
  const fw::ActionHandler action = [] {};
  const fw::KeyDownHandler key = [](const std::string&) { return false; };
  const fw::MouseDownHandler mouse = [](int, int) { return false; };
  EXPECT_THROW(fw::InstallInstanceEventHandler(*area, "Action", action), std::invalid_argument);
  EXPECT_THROW(fw::InstallInstanceEventHandler(*area, "KeyDown", mouse), std::invalid_argument);
  EXPECT_THROW(fw::InstallInstanceEventHandler(*button, "Action", key), std::invalid_argument);
  EXPECT_THROW(fw::InstallInstanceEventHandler(*label, "MouseDown", mouse), std::invalid_argument);
  EXPECT_THROW(fw::InstallInstanceEventHandler(*canvas, "Paint", action), std::invalid_argument);
  EXPECT_THROW(fw::InstallInstanceEventHandler(*button, "Action", fw::ActionHandler()),
               std::invalid_argument);
  EXPECT_NO_THROW(fw::InstallInstanceEventHandler(*canvas, "MouseDown", mouse));
}

TEST_F(ControlsTest, KeysReachKeyDownWithTheClassicCodes) {
  std::vector<std::string> keys;
  std::shared_ptr<TextArea> area;
  OpenWindow([&](TestWindow& w) {
    area = Place<TextArea>(w, "Area", 10, 10, 200, 100, {{"AcceptTabs", true}});
    fw::InstallInstanceEventHandler(*area, "KeyDown", fw::KeyDownHandler([&](const std::string& k) {
      keys.push_back(k);
      return true;
    }));
  });
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    std::string code;
  } cases[] = {
      {Qt::Key_Return, {}, "\r"},
      {Qt::Key_Enter, Qt::KeypadModifier, "\x03"},
      {Qt::Key_Backspace, {}, "\x08"},
      {Qt::Key_Delete, {}, "\x7f"},
      {Qt::Key_Tab, {}, "\t"},
      {Qt::Key_Escape, {}, "\x1b"},
      {Qt::Key_Left, {}, "\x1c"},
      {Qt::Key_Right, {}, "\x1d"},
      {Qt::Key_Up, {}, "\x1e"},
      {Qt::Key_Down, {}, "\x1f"},
      {Qt::Key_Home, {}, "\x01"},
      {Qt::Key_End, {}, "\x04"},
      {Qt::Key_PageUp, {}, "\x0b"},
      {Qt::Key_PageDown, {}, "\x0c"},
      {Qt::Key_A, {}, "a"},
      {Qt::Key_5, Qt::KeypadModifier, "5"},
      {Qt::Key_Period, {}, "."},
  };
  for (const auto& c : cases) {
    keys.clear();
    Key(*area, c.key, c.mods);
    EXPECT_EQ(keys, std::vector<std::string>{c.code}) << "key " << c.key;
  }
  keys.clear();
  QTest::keyClicks(fw::qt::WidgetOf(*area), QStringLiteral("A"));
  QKeyEvent accented(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00e9"));
  QApplication::sendEvent(fw::qt::WidgetOf(*area), &accented);
  EXPECT_EQ(keys, (std::vector<std::string>{"A", "\u00e9"}));
  EXPECT_EQ(area->Text(), "");  // every key was swallowed
}

TEST_F(ControlsTest, KeysHeldWithCtrlNeverReachKeyDownButDoTheStandardEditing) {
  std::vector<std::string> keys;
  std::shared_ptr<TextArea> area;
  auto window = OpenWindow([&](TestWindow& w) {
    area = Place<TextArea>(w, "Area", 10, 10, 200, 100);
    fw::InstallInstanceEventHandler(*area, "KeyDown", fw::KeyDownHandler([&](const std::string& k) {
      keys.push_back(k);
      return false;
    }));
  });
  area->SetText("hello");
  Key(*area, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(area->SelLength(), 5);
  Key(*area, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "hello");
  // Plain text goes out plain; styled text keeps its styles.
  EXPECT_EQ(QApplication::clipboard()->mimeData()->formats(), QStringList{"text/plain"});
  area->SetSelBold(true);
  Key(*area, Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasHtml());
  EXPECT_EQ(QApplication::clipboard()->text(), "hello");
  Key(*area, Qt::Key_Z, Qt::ControlModifier);
  Key(*area, Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(keys.empty());
  EXPECT_TRUE(window->events.empty());
  EXPECT_FALSE(fw::QuitRequested());  // no menu bar, so no Quit item
}

TEST_F(ControlsTest, TheMaskAndTheLimitHoldForTypedAndPastedText) {
  std::shared_ptr<TextArea> count;
  OpenWindow([&](TestWindow& w) {
    count = Place<TextArea>(w, "Count", 10, 10, 65, 20,
                            {{"Mask", std::string("######")}, {"LimitText", 6}});
  });
  struct Case {
    const char* what;
    QString before;
    bool paste;
    QString input;
    std::string after;
    int beeps;
  };
  const Case cases[] = {
      {"digits typed", "", false, "301", "301", 0},
      {"letters and signs typed", "", false, "3a0-1 .", "301", 4},
      {"typed beyond six", "12345", false, "678", "123456", 2},
      {"Return typed", "12", false, "\r", "12", 1},
      {"a cell pasted", "", true, "  42\n", "42", 0},
      {"a number with a point pasted", "", true, "4.2", "", 1},
      {"too much pasted", "1", true, "2345678", "123456", 1},
      {"pasted into a full field", "123456", true, "7", "123456", 1},
  };
  for (const Case& c : cases) {
    count->SetText(c.before.toStdString());
    count->SetSelStart(fw::Len(c.before.toStdString()));
    alerts.beeps = 0;
    if (c.paste) {
      PasteText(*count, c.input);
    } else if (c.input == "\r") {
      Key(*count, Qt::Key_Return);
    } else {
      Type(*count, c.input);
    }
    EXPECT_EQ(count->Text(), c.after) << c.what;
    EXPECT_EQ(alerts.beeps, c.beeps) << c.what;
  }
}

TEST_F(ControlsTest, ComposedTextAndChordsKeepToKeyDownTheMaskAndTheLimit) {
  std::vector<std::string> keys;
  std::shared_ptr<TextArea> area;
  std::shared_ptr<TextField> field;
  OpenWindow([&](TestWindow& w) {
    const auto count = [](const std::shared_ptr<fw::TextControl>& control,
                          std::vector<std::string>& keys) {
      Apply(*control, {{"Mask", std::string("######")}, {"LimitText", 6}});
      fw::InstallInstanceEventHandler(*control, "KeyDown",
                                      fw::KeyDownHandler([&keys](const std::string& k) {
                                        keys.push_back(k);
                                        return k == "9";
                                      }));
    };
    area = Place<TextArea>(w, "Area", 10, 10, 65, 20);
    field = Place<TextField>(w, "Field", 10, 40, 65, 20);
    count(area, keys);
    count(field, keys);
  });
  for (const std::shared_ptr<fw::TextControl>& count :
       {std::shared_ptr<fw::TextControl>(area), std::shared_ptr<fw::TextControl>(field)}) {
    SCOPED_TRACE(count->Name());
    keys.clear();
    alerts.beeps = 0;
    count->SetText("12");
    count->SetSelStart(2);
    // Digits, which the mask would take.
    Key(*count, Qt::Key_5, Qt::MetaModifier);
    QTest::keyClick(fw::qt::WidgetOf(*count), '7', Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(count->Text(), "12") << "a chord that no menu serves inserts nothing";
    EXPECT_TRUE(keys.empty());

    // A dead key or an input method commits text instead of pressing keys.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("3\u00e994567"));
    QApplication::sendEvent(fw::qt::WidgetOf(*count), &commit);
    EXPECT_EQ(keys, (std::vector<std::string>{"3", "\u00e9", "9", "4", "5", "6", "7"}));
    EXPECT_EQ(count->Text(), "123456");
    EXPECT_EQ(alerts.beeps, 2) << "the accent outside the mask, the 7 beyond the limit";
  }
}

TEST_F(ControlsTest, APastedLineOfMillionsOfCharactersWithNoBreakComesBackWholeAndClears) {
  std::shared_ptr<TextArea> area;
  auto window =
      OpenWindow([&](TestWindow& w) { area = Place<TextArea>(w, "Area", 10, 10, 300, 200); });
  area->SetFocus();
  QString line;
  while (line.size() < 3000000) line += "2.9451.7781.396";
  QApplication::clipboard()->setText(line);
  EXPECT_TRUE(window->RunMenuCommand("EditPaste"));
  EXPECT_EQ(area->Text(), line.toStdString());
  area->SetText("");
  EXPECT_EQ(area->Text(), "");
}

TEST_F(ControlsTest, LinesBreakAnywhereWhileTheTextHoldsALongRunHoweverItCameIn) {
  std::shared_ptr<TextArea> area;
  OpenWindow([&](TestWindow& w) { area = Place<TextArea>(w, "Area", 10, 10, 300, 200); });
  const auto* edit = static_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*area));
  const auto anywhere = [&] { return edit->wordWrapMode() == QTextOption::WrapAnywhere; };
  // Two bytes each in UTF-8, one character each on the screen.
  for (const int run : {500, 1000}) {
    const QString text(run, QChar(0xe9));
    area->SetText(text.toStdString());
    EXPECT_EQ(anywhere(), run == 1000) << run << " set";
    area->SetText("");
    PasteText(*area, text);
    EXPECT_EQ(anywhere(), run == 1000) << run << " pasted";
  }
  // Taken out by hand, the run no longer counts.
  Key(*area, Qt::Key_A, Qt::ControlModifier);
  Key(*area, Qt::Key_Backspace);
  Type(*area, "ordinary words");
  EXPECT_FALSE(anywhere());
}

TEST_F(ControlsTest, ALongTextReadsWholeFromTheMomentItIsSetAndGoesInBehind) {
  std::shared_ptr<TextArea> area;
  auto window =
      OpenWindow([&](TestWindow& w) { area = Place<TextArea>(w, "Area", 10, 10, 300, 200); });
  const auto* edit = static_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*area));
  const auto inEditor = [&] { return edit->toPlainText().toStdString(); };
  std::string first, second;
  for (int i = 0; i < 20000; ++i) {
    first += "First " + std::to_string(i) + "\n";
    second += "Second " + std::to_string(i) + "\n";
  }
  area->SetText(first);
  area->SetText(second);
  ASSERT_TRUE(inEditor() != second) << "the text is still going in";
  EXPECT_TRUE(area->Text() == second) << "the last text set wins";
  Apply(*area, {{"ReadOnly", true}});
  // Nothing here needs the editor whole: the rest goes in by itself.
  EXPECT_TRUE(QTest::qWaitFor([&] { return inEditor() == second; }, 60000));
  EXPECT_TRUE(area->ReadOnly()) << "kept from the program, not put back by the write";
  EXPECT_EQ(area->SelStart(), 0);
  EXPECT_EQ(area->SelLength(), 0);

  // In a bold face every character is bold, the last one too.
  Apply(*area, {{"Bold", true}});
  area->SetText(first);
  ASSERT_TRUE(inEditor() != first);
  EXPECT_TRUE(area->CharacterBold(fw::Len(first) - 2));

  // A window that goes while a text goes in takes the rest of it along.
  area->SetText(first);
  window.reset();
  fw::ResetRuntimeForTests();
  QCoreApplication::processEvents();
  EXPECT_EQ(area->Text(), "");
}

TEST_F(ControlsTest, EveryWayIntoATextStillGoingInActsOnAllOfIt) {
  const auto app = ServeTheEditMenu();
  std::shared_ptr<TextArea> area;
  auto window = OpenWindow([&](TestWindow& w) {
    area = Place<TextArea>(w, "Area", 10, 10, 300, 200);
    fw::InstallInstanceEventHandler(*area, "KeyDown", fw::KeyDownHandler([&](const std::string& k) {
      if (k >= "0" && k <= "9") return false;
      fw::Beep();
      return true;
    }));
  });
  auto* edit = static_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*area));
  area->SetFocus();
  std::string values;
  for (int i = 0; i < 20000; ++i) values += "1.5\n";
  const auto allIn = [&] { return edit->toPlainText().toStdString() == area->Text(); };
  const auto clipboard = [] { return QApplication::clipboard()->text().toStdString(); };
  const auto offer = [](const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
  };
  const QPoint line(4, 4);  // on the first line in view
  // Chooses an item of the area's own context menu, opened by the keyboard's
  // Menu key or a right click; `meanwhile` runs while the menu is open.
  const auto contextMenu = [&](QContextMenuEvent::Reason reason, const QString& item,
                               const std::function<void()>& meanwhile = {}) {
    QContextMenuEvent event(reason, line, edit->viewport()->mapToGlobal(line));
    QApplication::sendEvent(reason == QContextMenuEvent::Keyboard ? edit : edit->viewport(),
                            &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(allIn()) << "the menu opens on the whole text";
    if (meanwhile) meanwhile();
    for (QAction* action : menu->actions())
      if (action->text().remove(u'&').section(u'\t', 0, 0) == item) menu->setActiveAction(action);
    ASSERT_EQ(menu->activeAction()->text().remove(u'&').section(u'\t', 0, 0), item);
    QTest::keyClick(menu, Qt::Key_Return);
  };
  const auto chooseFromEdit = [&](const std::string& name) {
    emit fw::qt::QtWindowOf(*window)
        ->findChild<QMenuBar*>()
        ->actions()
        .at(1)
        ->menu()
        ->aboutToShow();
    ASSERT_TRUE(app->MenuBar()->Lookup(name)->Enabled()) << name;
    EXPECT_TRUE(window->RunMenuCommand(name));
  };
  const auto drop = [&](const QString& text) {
    QMimeData dropped;
    dropped.setText(text);
    QDragEnterEvent enter(line, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(edit->viewport(), &enter);
    QDropEvent dropEvent(line, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(edit->viewport(), &dropEvent);
  };
  const auto text = [&] { return area->Text(); };
  const auto copied = [&] {
    Key(*area, Qt::Key_C, Qt::ControlModifier);
    return clipboard();
  };
  const auto typed = [&](const char* keys) {
    return [&, keys] {
      Type(*area, keys);
      return area->Text();
    };
  };
  std::int64_t caret = 0;

  // Each acts while a paste of `values` into the empty area still goes in.
  // The paste is all in by the time it acts, and `result` reads what it did.
  struct Way {
    const char* name;
    std::function<void()> act;
    std::function<std::string()> result;
    std::string expected;
  };
  const Way ways[] = {
      {"typed keys, one refused", [&] { Type(*area, "4x2"); }, text, values + "42"},
      {"a press", [&] { QTest::mousePress(edit->viewport(), Qt::LeftButton, {}, line); },
       [&] {
         QTest::mouseRelease(edit->viewport(), Qt::LeftButton, {}, line);
         return typed("9")();
       },
       "9" + values},
      {"a double click", [&] { QTest::mouseDClick(edit->viewport(), Qt::LeftButton, {}, line); },
       typed("9"), "9" + values.substr(1)},
      {"the Menu key's context menu: Undo",
       [&] { contextMenu(QContextMenuEvent::Keyboard, "Undo"); }, text, ""},
      {"the Menu key's context menu: Select All",
       [&] { contextMenu(QContextMenuEvent::Keyboard, "Select All"); }, copied, values},
      {"a right click's context menu: Paste",
       [&] { contextMenu(QContextMenuEvent::Mouse, "Paste", [&] { offer("7\n"); }); }, text,
       values + "7\n"},
      {"a context menu open while the program sets a long text: Select All",
       [&] { contextMenu(QContextMenuEvent::Mouse, "Select All", [&] { area->SetText(values); }); },
       copied, values},
      {"text an input method commits",
       [&] {
         QInputMethodEvent commit;
         commit.setCommitString(QStringLiteral("5"));
         QApplication::sendEvent(edit, &commit);
       },
       text, values + "5"},
      {"a drop, an undo step of its own", [&] { drop(QStringLiteral("7\n")); },
       [&] {
         EXPECT_TRUE(area->Text() == "7\n" + values);
         Key(*area, Qt::Key_Z, Qt::ControlModifier);
         return area->Text();
       },
       values},
      {"Undo from the Edit menu", [&] { chooseFromEdit("EditUndo"); }, text, ""},
      {"Undo by its shortcut", [&] { Key(*area, Qt::Key_Z, Qt::ControlModifier); }, text, ""},
      {"Paste from the Edit menu",
       [&] {
         offer("7\n");
         chooseFromEdit("EditPaste");
       },
       text, values + "7\n"},
      {"Paste by its shortcut",
       [&] {
         offer("7\n");
         Key(*area, Qt::Key_V, Qt::ControlModifier);
       },
       text, values + "7\n"},
      {"the caret read", [&] { caret = area->SelStart(); }, [&] { return std::to_string(caret); },
       std::to_string(fw::Len(values))},
      {"the last character selected",
       [&] {
         area->SetSelStart(fw::Len(values) - 1);
         area->SetSelLength(1);
       },
       typed("8"), values.substr(0, values.size() - 1) + "8"},
      {"a long text set, then all of it selected",
       [&] {
         area->SetText(values);
         area->SetSelLength(fw::Len(values));
       },
       copied, values},
      {"bold set for what is typed next", [&] { area->SetSelBold(true); },
       [&] {
         Type(*area, "6");
         return std::string(area->CharacterBold(fw::Len(values)) ? "bold" : "plain");
       },
       "bold"},
      {"an assistive technology that starts listening", [&] { QAccessible::setActive(true); },
       [&] {
         // It selects all it is told there is and copies it; a text pasted
         // while it listens goes in at once.
         QAccessibleTextInterface* read =
             QAccessible::queryAccessibleInterface(edit)->textInterface();
         read->setSelection(0, 0, read->characterCount());
         const std::string selected = copied();
         Key(*area, Qt::Key_V, Qt::ControlModifier);
         EXPECT_TRUE(allIn());
         QAccessible::setActive(false);
         return selected;
       },
       values},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    area->SetText("");
    offer(values);
    Key(*area, Qt::Key_V, Qt::ControlModifier);
    ASSERT_FALSE(allIn()) << "still going in";
    // A lone modifier, on its own or as the start of a shortcut, doesn't wait.
    Key(*area, Qt::Key_Shift);
    Key(*area, Qt::Key_Control, Qt::ControlModifier);
    ASSERT_FALSE(allIn());
    way.act();
    EXPECT_TRUE(allIn());
    const std::string result = way.result();
    EXPECT_TRUE(result == way.expected) << result.substr(0, 40);
  }
  EXPECT_EQ(alerts.beeps, 1) << "the refused key";
}

TEST_F(ControlsTest, ALongPasteMovesTheViewOnlyWhenTheUserActsAndAPressLandsWhereItPointed) {
  ServeTheEditMenu();
  std::shared_ptr<TextArea> area;
  OpenWindow([&](TestWindow& w) { area = Place<TextArea>(w, "Area", 10, 10, 300, 200); });
  auto* edit = static_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*area));
  area->SetFocus();
  std::string lines;
  for (int i = 0; i < 20000; ++i) lines += std::to_string(i) + "\n";
  QApplication::clipboard()->setText(QString::fromStdString(lines));
  QScrollBar* scroll = edit->verticalScrollBar();
  const auto allIn = [&] { return edit->toPlainText().toStdString() == area->Text(); };

  // Pasted into an empty area, the first lines stay in view while the rest
  // goes in, and where the user scrolls meanwhile stays in view once it is in.
  for (const int scrolledTo : {0, 100}) {
    area->SetText("");
    Key(*area, Qt::Key_V, Qt::ControlModifier);
    ASSERT_FALSE(allIn());
    EXPECT_EQ(scroll->value(), 0);
    scroll->setValue(scrolledTo);
    ASSERT_TRUE(QTest::qWaitFor(allIn, 60000));
    EXPECT_EQ(scroll->value(), scrolledTo);
  }
  // A paste that goes in as the user pastes shows where it ends.
  PasteText(*area, QStringLiteral("7\n"));
  EXPECT_TRUE(edit->viewport()->rect().contains(edit->cursorRect().center()));
  QApplication::clipboard()->setText(QString::fromStdString(lines));

  const QPoint third =
      edit->cursorRect(QTextCursor(edit->document()->findBlockByNumber(2))).center();
  // Pasted into an empty area, the rest going in below the lines in view;
  // then before lines that are scrolled into view meanwhile, which the rest
  // pushes down.
  for (const bool above : {false, true}) {
    SCOPED_TRACE(above ? "pasted above the view" : "pasted into view");
    area->SetText(above ? lines : "");
    area->SetSelStart(0);
    Key(*area, Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(edit->toPlainText().toStdString() != area->Text()) << "still going in";
    if (above) edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->value() + 5000);
    // Moves on with the text that still goes in before it.
    const QTextCursor pointed = edit->cursorForPosition(third);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, third);
    EXPECT_TRUE(edit->toPlainText().toStdString() == area->Text()) << "the press finished it";
    EXPECT_EQ(edit->textCursor().position(), pointed.position());
    EXPECT_EQ(edit->textCursor().block().text().toStdString(),
              pointed.block().text().toStdString());
  }
}

TEST_F(ControlsTest, ATextFieldKeepsToItsLimitAndTheProgramsTextIsNotCut) {
  std::shared_ptr<TextField> label;
  OpenWindow([&](TestWindow& w) {
    label = Place<TextField>(w, "Label", 10, 10, 200, 20, {{"LimitText", 5}});
  });
  Type(*label, "abcdefg");
  EXPECT_EQ(label->Text(), "abcde");
  label->SetText("");
  PasteText(*label, "12345678\n");
  EXPECT_EQ(label->Text(), "12345");
  label->SetText("a longer text than five");
  EXPECT_EQ(label->Text(), "a longer text than five");
  Key(*label, Qt::Key_End);
  Key(*label, Qt::Key_Backspace);
  EXPECT_EQ(label->Text(), "a longer text than fiv");
}

TEST_F(ControlsTest, LineBreaksOfEveryKindComeBackAsLineFeeds) {
  std::shared_ptr<TextArea> area;
  OpenWindow([&](TestWindow& w) { area = Place<TextArea>(w, "Area", 10, 10, 200, 100); });
  for (const std::string& in : {std::string("1\r2\r"), std::string("1\n2\n"),
                                std::string("1\r\n2\r\n"), std::string("1\u20282\u2029")}) {
    area->SetText(in);
    EXPECT_EQ(area->Text(), "1\n2\n");
    // A long text reads the same while it goes in as once it is in, wherever
    // its pieces end.
    // The first piece ends just after the first break, a CR LF's CR.
    std::string longIn(65534, 'a'), longOut(65534, 'a');
    for (int i = 0; i < 40000; ++i) {
      longIn += in;
      longOut += "1\n2\n";
    }
    area->SetText(longIn);
    EXPECT_TRUE(area->Text() == longOut) << "while it goes in";
    // Placed in the whole text, not in what is in so far.
    area->SetSelStart(fw::Len(longOut) - 1);
    EXPECT_EQ(area->SelStart(), fw::Len(longOut) - 1);
    EXPECT_TRUE(area->Text() == longOut) << "once it is in";
    area->SetText(longIn);
    area->SetSelLength(fw::Len(longOut));
    EXPECT_EQ(area->SelLength(), fw::Len(longOut));
  }
  area->SetText("");
  Type(*area, "7");
  Key(*area, Qt::Key_Return);
  Type(*area, "8");
  EXPECT_EQ(area->Text(), "7\n8");
  EXPECT_EQ(fw::Len(area->Text()), 3);
}

TEST_F(ControlsTest, CourierIsFixedPitchAndTimesASerifFace) {
  std::shared_ptr<TextArea> mono, serif;
  OpenWindow([&](TestWindow& w) {
    mono = Place<TextArea>(w, "Mono", 10, 10, 200, 100, {{"TextFont", std::string("Courier")}});
    serif = Place<TextArea>(w, "Serif", 10, 120, 200, 100, {{"TextFont", std::string("Times")}});
  });
  mono->SetTextSize(12);
  EXPECT_TRUE(mono->FixedPitch());
  EXPECT_EQ(mono->FontFamily(), "Liberation Mono");
  EXPECT_EQ(serif->FontFamily(), "Liberation Serif");
  QFontMetricsF metrics(fw::qt::WidgetOf(*mono)->font());
  EXPECT_EQ(metrics.horizontalAdvance("iiiii"), metrics.horizontalAdvance("WWWWW"));
  EXPECT_FLOAT_EQ(mono->TextSize(), 12);
  // Sizes are in units of the designed layout: a rule of 49 characters in
  // Courier 12 fits a field 460 wide, as the report's layout needs.
  EXPECT_LE(metrics.horizontalAdvance(QString(49, u'=')), 360.0);
}

TEST_F(ControlsTest, SelBoldMakesExactlyTheSelectedCharactersBold) {
  std::shared_ptr<TextArea> area;
  OpenWindow([&](TestWindow& w) { area = Place<TextArea>(w, "Area", 10, 10, 200, 100); });
  area->SetText("Title\r\rBody text");
  area->SetSelStart(0);
  area->SetSelLength(9);
  area->SetSelBold(true);
  EXPECT_TRUE(area->SelBold());
  for (int i = 0; i < 15; ++i) EXPECT_EQ(area->CharacterBold(i), i < 9) << i;
  EXPECT_EQ(area->SelStart(), 0);
  EXPECT_EQ(area->SelLength(), 9);
  area->SetText("fresh");
  EXPECT_FALSE(area->CharacterBold(0));  // new text takes the area's own style
}

TEST_F(ControlsTest, ReadOnlyTextCanBeSelectedButNotChanged) {
  std::shared_ptr<TextArea> area;
  OpenWindow([&](TestWindow& w) {
    area = Place<TextArea>(w, "Area", 10, 10, 200, 100, {{"ReadOnly", true}});
  });
  area->SetText("fixed");
  Type(*area, "abc");
  PasteText(*area, "more");
  EXPECT_EQ(area->Text(), "fixed");
  EXPECT_TRUE(area->ReadOnly());
}

TEST_F(ControlsTest, TabMovesTheFocusInTabIndexOrderSkippingWhatTakesNoFocus) {
  std::shared_ptr<TextArea> first;
  auto window = OpenWindow([&](TestWindow& w) {
    Place<PushButton>(w, "Button", 10, 200, 80, 30, {{"TabIndex", 3}});
    Place<Canvas>(w, "Canvas", 300, 10, 20, 20, {{"TabIndex", 1}, {"AcceptFocus", false}});
    Place<TextField>(w, "Field", 10, 40, 100, 20, {{"TabIndex", 2}});
    first = Place<TextArea>(w, "First", 10, 10, 100, 20, {{"TabIndex", 0}});
    Place<StaticText>(w, "Label", 200, 10, 60, 20, {{"TabIndex", 4}});
    Place<TextArea>(w, "Last", 10, 100, 100, 60, {{"TabIndex", 5}});
  });
  window->Show();
  ASSERT_NE(window->FocusedControl(), nullptr);
  std::vector<std::string> order{window->FocusedControl()->Name()};
  for (int i = 0; i < 4; ++i) {
    QWidget* focus = fw::qt::QtWindowOf(*window)->focusWidget();
    QTest::keyClick(focus, Qt::Key_Tab);
    order.push_back(window->FocusedControl() ? window->FocusedControl()->Name() : "none");
  }
  EXPECT_EQ(order, (std::vector<std::string>{"First", "Field", "Button", "Last", "First"}));
}

TEST_F(ControlsTest, LockedEdgesFollowTheWindowWhenItIsResized) {
  struct Case {
    const char* name;
    bool left, top, right, bottom;
    QRect after;
  };
  const Case cases[] = {
      {"TopLeft", true, true, false, false, QRect(10, 10, 50, 20)},
      {"Stretch", true, true, true, true, QRect(10, 10, 150, 80)},
      {"BottomRight", false, false, true, true, QRect(110, 70, 50, 20)},
      {"RightOnly", false, true, true, false, QRect(110, 10, 50, 20)},
      {"None", false, false, false, false, QRect(10, 10, 50, 20)},
  };
  auto window = OpenWindow([&](TestWindow& w) {
    for (const Case& c : cases)
      Place<Canvas>(w, c.name, 10, 10, 50, 20,
                    {{"LockLeft", c.left},
                     {"LockTop", c.top},
                     {"LockRight", c.right},
                     {"LockBottom", c.bottom}});
  });
  window->Resize(500, 360);
  ASSERT_EQ(window->Width(), 500);
  for (const Case& c : cases)
    EXPECT_EQ(fw::qt::WidgetOf(*window->ControlByName(c.name))->geometry(), c.after) << c.name;
  window->Resize(400, 300);
  EXPECT_EQ(fw::qt::WidgetOf(*window->ControlByName("Stretch"))->geometry(), QRect(10, 10, 50, 20));
}

TEST_F(ControlsTest, AlignmentAndStaticTextSettingsTakeEffect) {
  std::shared_ptr<TextArea> right;
  std::shared_ptr<TextField> centred;
  std::shared_ptr<TextArea> left;
  std::shared_ptr<StaticText> label;
  OpenWindow([&](TestWindow& w) {
    right = Place<TextArea>(w, "Right", 10, 10, 100, 20, {{"Alignment", 3}});
    centred = Place<TextField>(w, "Centred", 10, 40, 100, 20, {{"Alignment", 2}});
    left = Place<TextArea>(w, "Left", 10, 100, 100, 20, {{"Alignment", 1}});
    label = Place<StaticText>(w, "Label", 10, 70, 100, 20,
                              {{"Text", std::string("<b>a & b</b>")},
                               {"TextAlign", 1},
                               {"TextColor", fw::Color{128, 0, 0}}});
  });
  right->SetText("42");
  auto* edit = static_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*right));
  EXPECT_EQ(edit->document()->defaultTextOption().alignment(), Qt::AlignRight);
  EXPECT_TRUE(static_cast<QLineEdit*>(fw::qt::WidgetOf(*centred))->alignment() & Qt::AlignHCenter);
  auto* leftEdit = static_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*left));
  EXPECT_EQ(leftEdit->document()->defaultTextOption().alignment(), Qt::AlignLeft);
  auto* qlabel = static_cast<QLabel*>(fw::qt::WidgetOf(*label));
  EXPECT_EQ(qlabel->textFormat(), Qt::PlainText);
  EXPECT_EQ(label->Text(), "<b>a & b</b>");
  EXPECT_TRUE(qlabel->alignment() & Qt::AlignHCenter);
  EXPECT_EQ(qlabel->palette().color(QPalette::WindowText), QColor(128, 0, 0));
}

}  // namespace
}  // namespace framework_test
