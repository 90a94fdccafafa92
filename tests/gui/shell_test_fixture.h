// A fresh runtime for each shell test: no windows, an application object with
// its About handlers, message boxes caught, and a tick source that moves a
// whole second per reading so that a splash ends at once.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "framework/application.h"
#include "framework/seams.h"
#include "shell/app.h"

namespace shell_test {

inline void UseFastTicks() {
  fw::seams::SetTickSource([ticks = std::int32_t{0}]() mutable { return ticks += 60; });
}

class ShellTest : public testing::Test {
 protected:
  void SetUp() override {
    fw::ResetRuntimeForTests();
    fw::seams::SetAlertSink(&alerts_);
    UseFastTicks();
    NewAppInstance();
    ApplicationAddMenuHandlers();
  }
  void TearDown() override {
    fw::ResetRuntimeForTests();
    fw::seams::SetYieldHook(nullptr);
    fw::seams::SetTickSource(nullptr);
    fw::seams::ResetPrintDialog();
    fw::seams::SetAlertSink(nullptr);
  }

  fw::seams::AlertSink alerts_;
};

}  // namespace shell_test
