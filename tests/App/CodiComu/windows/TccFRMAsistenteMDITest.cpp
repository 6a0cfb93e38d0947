#include "App/CodiComu/windows/TccFRMAsistenteMDI.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "platform/core/IniFile.h"
#include "tests/support/TempDir.h"

namespace {

class AsistenteMDITest : public ::testing::Test {
protected:
  AsistenteMDITest() : ini(dir.File(QStringLiteral("app.ini"))) {}
  static QImage Background() {
    QImage img(800, 600, QImage::Format_RGB32);
    img.fill(QColor(10, 20, 30));
    return img;
  }
  bool Mdi() const { return ini.ReadBool(QStringLiteral("INIT"), QStringLiteral("MDI"), false); }
  bool Remember() const {
    return ini.ReadBool(QStringLiteral("INIT"), QStringLiteral("RememberMDIOption"), false);
  }
  TempDir dir;
  TIniFile ini;
};

TEST_F(AsistenteMDITest, KeysAndClicksChooseTheStyleAndClose) {
  struct Case {
    int key;  // 0: click the choice instead
    bool mdi;
  };
  const Case cases[] = {
      {Qt::Key_2, true}, {Qt::Key_1, false}, {Qt::Key_F2, true}, {Qt::Key_F1, false}, {0, true}};
  for (const Case& c : cases) {
    ini.WriteBool(QStringLiteral("INIT"), QStringLiteral("MDI"), !c.mdi);
    TccFRMAsistenteMDI w(ini, QStringLiteral("Aula"), Background());
    w.show();
    if (c.key) {
      QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
      QApplication::sendEvent(&w, &press);
    } else {
      w.MultipleButton()->click();
    }
    EXPECT_EQ(w.result(), int(QDialog::Accepted)) << c.key;
    EXPECT_FALSE(w.isVisible()) << c.key;
    EXPECT_EQ(Mdi(), c.mdi) << c.key;
  }
  TccFRMAsistenteMDI w(ini, QStringLiteral("Aula"), Background());
  w.SingleButton()->click();
  EXPECT_FALSE(Mdi());
}

TEST_F(AsistenteMDITest, RememberBoxWritesAtOnceAndStartsFromTheFile) {
  {
    TccFRMAsistenteMDI w(ini, QStringLiteral("Aula"), Background());
    EXPECT_FALSE(w.RememberBox()->isChecked());
    w.RememberBox()->setChecked(true);
    EXPECT_TRUE(Remember());
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("INIT"), QStringLiteral("MDI")));  // no choice yet
  }
  TccFRMAsistenteMDI w(ini, QStringLiteral("Aula"), Background());
  EXPECT_TRUE(w.RememberBox()->isChecked());
  w.RememberBox()->setChecked(false);
  EXPECT_FALSE(Remember());
}

TEST_F(AsistenteMDITest, HoveringAChoiceShowsItsSample) {
  TccFRMAsistenteMDI w(ini, QStringLiteral("Aula"), Background());
  auto shown = [&w] { return w.Preview()->pixmap().toImage().convertToFormat(QImage::Format_RGB32); };
  const QImage idle = shown();
  QEvent enter(QEvent::Enter);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(w.MultipleButton(), &enter);
  EXPECT_EQ(shown(), TccFRMAsistenteMDI::SamplePicture(Background().scaled(320, 240), true));
  QApplication::sendEvent(w.MultipleButton(), &leave);
  EXPECT_EQ(shown(), idle);
  QApplication::sendEvent(w.SingleButton(), &enter);
  EXPECT_EQ(shown(), TccFRMAsistenteMDI::SamplePicture(Background().scaled(320, 240), false));
  EXPECT_NE(shown(), idle);
}

}  // namespace
