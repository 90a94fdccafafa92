// A fresh calculator window for each test: the application object with its menu bar and About
// handlers, message boxes and beeps caught, a fixed clock, and ways to reach a control's widget
// so that keys and clicks arrive as a user's would.
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <chrono>
#include <string>

#include "calculator/control_window.h"
#include "framework/application.h"
#include "framework/qt/control_impl.h"
#include "framework/seams.h"
#include "shell/app.h"

namespace calculator_test {

inline QWidget* WidgetOf(const fw::Control& control) {
  return ImplOf(control).Widget();
}

class CalculatorTest : public testing::Test {
 protected:
  void SetUp() override {
    fw::ResetRuntimeForTests();
    fw::seams::SetAlertSink(&alerts_);
    fw::seams::SetClock(
        [] { return std::chrono::system_clock::time_point(std::chrono::seconds(1767225600)); });
    NewAppInstance();
    ApplicationAddMenuHandlers();
    window_ = ControlWnd();
  }
  void TearDown() override {
    window_.reset();
    fw::ResetRuntimeForTests();
    fw::seams::SetClock(nullptr);
    fw::seams::ResetPrintDialog();
    fw::seams::SetAlertSink(nullptr);
  }

  // The three fields as the user left them.
  struct Fields {
    std::string subjects, label, eigenvalues;
    friend bool operator==(const Fields&, const Fields&) = default;
  };
  Fields Read() const {
    return {window_->NVarsFld()->Text(), window_->LabelFld()->Text(), window_->EigenFld()->Text()};
  }
  void Fill(const std::string& subjects, const std::string& label, const std::string& eigenvalues) {
    window_->NVarsFld()->SetText(subjects);
    window_->LabelFld()->SetText(label);
    window_->EigenFld()->SetText(eigenvalues);
  }
  void Click(const fw::Control& control) {
    QTest::mouseClick(WidgetOf(control), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  }

  fw::seams::AlertSink alerts_;
  fw::Ref<class ControlWnd> window_;
};

}  // namespace calculator_test
