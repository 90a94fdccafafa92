// Entry point of the window suites: the framework's runtime on Qt's offscreen
// platform, the pictures from the build tree's bundle, then the tests.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/application.h"
#include "framework/seams.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  fw::RuntimeInit();
  fw::seams::SetResourceFolder(ZELVORA_TEST_RESOURCES);
  return RUN_ALL_TESTS();
}
