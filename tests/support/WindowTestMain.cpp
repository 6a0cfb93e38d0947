// Window tests need a QApplication; they run on the offscreen platform, so no
// display is needed, and never touch the real home folder.
#include <gtest/gtest.h>
#include <QApplication>
#include <cstdlib>

#include "tests/support/TempDir.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static TempDir home;
  setenv("HOME", home.Path().toUtf8().constData(), 1);
  setenv("XDG_CONFIG_HOME", (home.Path() + QStringLiteral("/.config")).toUtf8().constData(), 1);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
