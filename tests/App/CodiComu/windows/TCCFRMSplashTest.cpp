#include "App/CodiComu/windows/TCCFRMSplash.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>

#include "App/CodiComu/Progress.h"
#include "App/CodiComu/TSplash.h"
#include "platform/core/Exceptions.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

class TCCFRMSplashTest : public ::testing::Test {
protected:
  void SetUp() override {
    FreeProgress();
    RegisterSplashWindow();
  }
  void TearDown() override {
    FreeProgress();
    TSplash::RegisterView({});
  }
  static TCCFRMSplash* Window() {
    return ProgressInstance() ? dynamic_cast<TCCFRMSplash*>(ProgressInstance()->View()) : nullptr;
  }
  static void PressEscape(QObject* target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
  }
};

TEST_F(TCCFRMSplashTest, ThreeNestedLevelsShowThreeGauges) {
  BeginProgress(QStringLiteral("Facturar"), QStringLiteral("Alumnos"), false, 25);
  BeginProgress(QStringLiteral("ignorado"), QStringLiteral("Conceptos"), false, 0, false);
  BeginProgress(QStringLiteral("ignorado"), QStringLiteral("Líneas"), false, 75);
  TCCFRMSplash* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Facturar"));
  struct Row {
    const char* text;
    int value;
    bool number;
  };
  const Row rows[] = {{"Alumnos", 25, true}, {"Conceptos", 50, false}, {"Líneas", 75, true}};
  for (int i = 0; i < 3; ++i) {
    auto* gauge = w->findChild<QProgressBar*>(QStringLiteral("Gauge%1").arg(i + 1));
    auto* label = w->findChild<QLabel*>(QStringLiteral("lblDescription%1").arg(i + 1));
    ASSERT_TRUE(gauge && label) << i;
    EXPECT_TRUE(gauge->isVisible()) << i;
    EXPECT_EQ(gauge->value(), rows[i].value) << i;
    EXPECT_EQ(gauge->isTextVisible(), rows[i].number) << i;
    EXPECT_EQ(label->text(), QString::fromUtf8(rows[i].text)) << i;
  }
  EXPECT_FALSE(w->findChild<QLabel*>(QStringLiteral("lblEscape"))->isVisible());

  EndProgress();
  EXPECT_FALSE(w->findChild<QProgressBar*>(QStringLiteral("Gauge3"))->isVisible());
  EXPECT_TRUE(w->findChild<QProgressBar*>(QStringLiteral("Gauge2"))->isVisible());
  EndProgress();
  EndProgress();
  EXPECT_EQ(Window(), nullptr);  // freed with the last level
}

TEST_F(TCCFRMSplashTest, EscapeIsTakenOnceAndCancelsAfterConfirmation) {
  ScriptedDialogs::Scope dialogs;
  BeginProgress(QStringLiteral("Importar"), QStringLiteral("Leyendo"), true, 0);
  TCCFRMSplash* w = Window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->findChild<QLabel*>(QStringLiteral("lblEscape"))->isVisible());

  // Pressed in any window of the program, Escape reaches the progress window once.
  QWidget other;
  PressEscape(&other);
  EXPECT_TRUE(w->TakeEscape());
  EXPECT_FALSE(w->TakeEscape());

  PressEscape(w);
  dialogs->Answer(dbNo);
  EXPECT_NO_THROW(SetProgress(QStringLiteral("sigue"), 10));
  PressEscape(w);
  dialogs->Answer(dbYes);
  try {
    SetProgress(QStringLiteral("sigue"), 20);
    FAIL() << "not cancelled";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Proceso cancelado por el usuario"));
  }
  ASSERT_EQ(dialogs->questions.size(), 2u);
  EXPECT_EQ(dialogs->questions[0].text, QString::fromUtf8("¿Cancelar el proceso?"));
  EndProgress();
}

TEST_F(TCCFRMSplashTest, ImageIsDrawnInTwoColoursOnTransparency) {
  const QImage image = TCCFRMSplash::DrawImage(64);
  ASSERT_EQ(image.size(), QSize(64, 64));
  EXPECT_EQ(qAlpha(image.pixel(0, 63)), 0);   // corner outside the drawing
  EXPECT_NE(qAlpha(image.pixel(32, 20)), 0);  // the cap
  EXPECT_NE(qAlpha(image.pixel(16, 48)), 0);  // the left page
  EXPECT_NE(image.pixel(32, 20), image.pixel(18, 48));
}

}  // namespace
