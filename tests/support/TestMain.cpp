// Test programs run at build time (test discovery) and under CI without a display,
// and never touch the real home folder.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <cstdlib>

#include "tests/support/TempDir.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static TempDir home;
  setenv("HOME", home.Path().toUtf8().constData(), 1);
  setenv("XDG_CONFIG_HOME", (home.Path() + QStringLiteral("/.config")).toUtf8().constData(), 1);
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
