// Shared by the framework's window suites: a clean runtime for every test, the
// alert sink in place, and designed settings applied the way a window's Layout
// applies them.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <initializer_list>
#include <string>
#include <utility>

#include "framework/application.h"
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
