// The menu bar: its fifteen items in build order with their parents, classes,
// texts, shortcuts and automatic enabling; lookups by name; one shared bar.
#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <vector>

#include "framework/menus.h"
#include "framework/object.h"
#include "shell/menu.h"

namespace {

enum class Kind { Item, Quit, Apple };

struct Expected {
  const char* name;
  const char* parent;  // "" for the bar itself
  Kind kind;
  const char* text;
  const char* shortcut;
  bool autoEnable;
};

const std::vector<Expected> kTree = {
    {"FileMenu", "", Kind::Item, "File", "", false},
    {"Print", "FileMenu", Kind::Item, "Print", "", true},
    {"FileQuit", "FileMenu", Kind::Quit, "Quit", "Cmd+Q", true},
    {"UntitledMenu0", "", Kind::Item, "Edit", "", false},
    {"EditUndo", "UntitledMenu0", Kind::Item, "Undo", "Cmd+Z", false},
    {"UntitledMenu1", "UntitledMenu0", Kind::Item, "-", "", false},
    {"EditCut", "UntitledMenu0", Kind::Item, "Cut", "Cmd+X", false},
    {"EditCopy", "UntitledMenu0", Kind::Item, "Copy", "Cmd+C", false},
    {"EditPaste", "UntitledMenu0", Kind::Item, "Paste", "Cmd+V", false},
    {"EditClear", "UntitledMenu0", Kind::Item, "", "", false},
    {"WindowMenu", "", Kind::Item, "Window", "", false},
    {"ControlMenuItem", "WindowMenu", Kind::Item, "Control", "", false},
    {"DescriptionMenuItem", "WindowMenu", Kind::Item, "Description", "", false},
    {"AboutMenuItem", "WindowMenu", Kind::Item, "About Zelvora", "", false},
    {"AboutPlim", "WindowMenu", Kind::Apple, "About Zelvora", "", false},
};

Kind KindOf(const fw::MenuItem& item) {
  if (typeid(item) == typeid(fw::QuitMenuItem)) return Kind::Quit;
  if (typeid(item) == typeid(fw::AppleMenuItem)) return Kind::Apple;
  EXPECT_EQ(typeid(item), typeid(fw::MenuItem)) << item.Name();
  return Kind::Item;
}

// The whole tree, each title followed by its items.
std::vector<fw::Ref<fw::MenuItem>> Flatten(const fw::MenuItem& bar) {
  std::vector<fw::Ref<fw::MenuItem>> all;
  for (const auto& title : bar.Children()) {
    all.push_back(title);
    for (const auto& item : title->Children()) {
      all.push_back(item);
      EXPECT_EQ(item->Count(), 0) << item->Name() << " should hold no items";
    }
  }
  return all;
}

TEST(MenuBar, HoldsExactlyTheFifteenItemsInBuildOrder) {
  const auto bar = Menu();
  ASSERT_NE(bar, nullptr);
  const auto all = Flatten(*bar);
  ASSERT_EQ(all.size(), kTree.size());
  for (size_t i = 0; i < kTree.size(); ++i) {
    const Expected& want = kTree[i];
    const fw::MenuItem& item = *all[i];
    SCOPED_TRACE(want.name);
    EXPECT_EQ(item.Name(), want.name);
    EXPECT_EQ(item.Parent()->Name(), want.parent);
    EXPECT_EQ(KindOf(item), want.kind);
    EXPECT_EQ(item.Text(), want.text);
    EXPECT_EQ(item.KeyboardShortcut(), want.shortcut);
    EXPECT_EQ(item.AutoEnable(), want.autoEnable);
  }
  EXPECT_EQ(all[0]->Parent(), bar.get());
}

TEST(MenuBar, FindsEveryNameAndNothingElse) {
  const auto bar = Menu();
  for (const char* title : {"FileMenu", "UntitledMenu0", "WindowMenu"}) {
    ASSERT_NE(bar->Child(title), nullptr) << title;
    EXPECT_EQ(bar->Child(title)->Name(), title);
  }
  for (const Expected& want : kTree) {
    const auto found = bar->Lookup(want.name);
    ASSERT_NE(found, nullptr) << want.name;
    EXPECT_EQ(found->Name(), want.name);
  }
  EXPECT_NE(fw::TryCast<fw::AppleMenuItem>(bar->Lookup("AboutPlim")), nullptr);
  for (const char* missing : {"UntitledMenu3", "EditSelectAll", "", "filemenu"})
    EXPECT_EQ(bar->Lookup(missing), nullptr) << missing;
  EXPECT_EQ(bar->Child("Print"), nullptr) << "items sit under their titles, not on the bar";
}

TEST(MenuBar, SetsNoEnabledStateOfItsOwn) {
  // A fresh bar, so that no other test's enabling rounds show through.
  MenuImplicitInstanceExit();
  for (const auto& item : Flatten(*Menu())) EXPECT_TRUE(item->Enabled()) << item->Name();
}

TEST(MenuBar, IsOneSharedBarUntilReleasedAndThenBuiltAfresh) {
  const auto before = Menu();
  EXPECT_EQ(Menu(), before);
  EXPECT_EQ(Flatten(*before).size(), kTree.size()) << "a second use adds nothing";
  MenuImplicitInstanceExit();
  const auto after = Menu();
  EXPECT_NE(before, after);
  EXPECT_EQ(Flatten(*after).size(), kTree.size());
}

}  // namespace
