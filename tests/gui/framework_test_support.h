// Shared by the framework's window suites: a clean runtime for every test, the
// alert sink in place, and designed settings applied the way a window's Layout
// applies them.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/application.h"
#include "framework/menus.h"
#include "framework/qt/testing.h"
#include "framework/seams.h"
#include "framework/settings.h"
#include "framework/window.h"

namespace framework_test {

using Setting = std::pair<std::string, fw::SettingValue>;

inline void Apply(fw::PropertyTarget& target, std::initializer_list<Setting> settings) {
  for (const auto& [name, value] : settings) target.SetProperty(name, value);
}

class FrameworkTest : public testing::Test {
 protected:
  void SetUp() override {
    fw::ResetRuntimeForTests();
    fw::seams::SetAlertSink(&alerts);
  }
  void TearDown() override {
    fw::ResetRuntimeForTests();
    fw::seams::SetAlertSink(nullptr);
    fw::seams::ResetPrintDialog();
    fw::seams::SetYieldHook(nullptr);
    fw::seams::SetTickSource(nullptr);
    QApplication::clipboard()->clear();
  }
  fw::seams::AlertSink alerts;
};

}  // namespace framework_test

namespace framework_test {

// A window whose controls a test builds; it records what reaches the window.
class TestWindow : public fw::Window {
 public:
  std::function<void(TestWindow&)> build;
  std::vector<std::string> events;
  bool Event_KeyDown(const std::string& key) override {
    events.push_back("KeyDown " + key);
    return false;
  }
  bool Event_MouseDown(int x, int y) override {
    events.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
    return false;
  }

 protected:
  void Layout() override {
    Apply(*this, {{"Width", 400}, {"Height", 300}, {"Resizeable", true}, {"Visible", true}});
  }
  void CreateControls() override {
    if (build) build(*this);
  }
};

inline std::shared_ptr<TestWindow> OpenWindow(std::function<void(TestWindow&)> build) {
  auto window = std::make_shared<TestWindow>();
  window->build = std::move(build);
  window->Constructor();
  return window;
}

template <class T = fw::MenuItem>
fw::Ref<T> Item(const std::string& name, const std::string& text, const std::string& shortcut = "",
                bool autoEnable = false) {
  auto item = std::make_shared<T>();
  item->SetName(name);
  item->SetText(text);
  item->SetKeyboardShortcut(shortcut);
  item->SetAutoEnable(autoEnable);
  return item;
}

// File, Edit and Window menus with the program's shortcuts, and a few items
// of a test's own.
inline fw::Ref<fw::MenuBar> BuildBar() {
  auto bar = std::make_shared<fw::MenuBar>();
  auto file = Item("FileMenu", "File");
  file->Append(Item("Print", "Print", "", true));
  file->Append(Item("Report", "Report", "Cmd+R"));
  file->Append(Item<fw::QuitMenuItem>("FileQuit", "Quit", "Cmd+Q", true));
  auto edit = Item("EditMenu", "Edit");
  edit->Append(Item("EditUndo", "Undo", "Cmd+Z"));
  edit->Append(Item("Separator", "-"));
  edit->Append(Item("EditCut", "Cut", "Cmd+X"));
  edit->Append(Item("EditCopy", "Copy", "Cmd+C"));
  edit->Append(Item("EditPaste", "Paste", "Cmd+V"));
  edit->Append(Item("EditClear", ""));
  auto window = Item("WindowMenu", "Window");
  window->Append(Item("Front", "Bring & Show"));
  window->Append(Item<fw::AppleMenuItem>("About", "About Zelvora"));
  bar->Append(file);
  bar->Append(edit);
  bar->Append(window);
  return bar;
}

template <class C>
std::shared_ptr<C> Place(fw::Window& window, const std::string& name, int left, int top, int width,
                         int height, std::initializer_list<Setting> more = {}) {
  auto control = window.New<C>(name);
  Apply(*control, {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}});
  Apply(*control, more);
  return control;
}

}  // namespace framework_test
