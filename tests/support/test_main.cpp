// Test main: every test runs on the simulated platform and, for widgets, on
// Qt's offscreen platform unless the test chose a display itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("TOLVEX_PLATFORM", "sim", 0);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Keeps Qt from reading the developer's settings and themes.
  setenv("QT_QPA_PLATFORMTHEME", "", 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
