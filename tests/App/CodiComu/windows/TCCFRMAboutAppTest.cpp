// The product-version window on the offscreen platform.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "App/CodiComu/windows/TCCFRMAboutApp.h"

namespace {

TAboutAppInfo Sample() {
  TAboutAppInfo info;
  info.title = QStringLiteral("Lumaresca Escuelas");
  info.name = QStringLiteral("Lumaresca PRO");
  info.description = QString::fromUtf8("Gestión de centros de enseñanza");
  info.fileVersion = QStringLiteral("4.0.0");
  info.frameworkVersion = 54;
  info.memory = {true, 1048576ull * 8000, 1048576ull * 10000, 1048576ull * 6000};
  info.systemName = QStringLiteral("Debian GNU/Linux 12");
  info.appFileDate = DayDate::Encode(2024, 1, 15);
  info.saveCounter = 7;
  return info;
}

QString Text(const QWidget& w, const char* name) {
  const auto* label = w.findChild<QLabel*>(QString::fromLatin1(name));
  EXPECT_NE(label, nullptr) << name;
  return label ? label->text() : QString();
}

TEST(TCCFRMAboutAppTest, ShowsTheProductFrameworkMemoryAndSystem) {
  TCCFRMAboutApp w(Sample());
  w.show();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("Lumaresca Escuelas"));
  EXPECT_EQ(Text(w, "lblNombre"), QStringLiteral("Lumaresca PRO"));
  EXPECT_EQ(Text(w, "lblDescripcion"), QString::fromUtf8("Gestión de centros de enseñanza"));
  EXPECT_EQ(Text(w, "lblBuild"), QStringLiteral("Build: 4.0.0"));
  EXPECT_EQ(Text(w, "lblZUL"), QStringLiteral("ZUL v5.4"));
  EXPECT_EQ(Text(w, "lblMemoriaFisica"), QString::fromUtf8("Memoria física:"));
  EXPECT_EQ(Text(w, "lblMemoriaFisicaValor"), QStringLiteral("8.001,0 MB"));
  EXPECT_EQ(Text(w, "lblMemoriaVirtualValor"), QStringLiteral("10.001,0 MB"));
  EXPECT_EQ(Text(w, "lblVirtualDisponibleValor"), QStringLiteral("6.001,0 MB"));
  EXPECT_EQ(Text(w, "lblSistema"), QStringLiteral("Debian GNU/Linux 12  ZUL: 15/01/2024 - 7"));
  EXPECT_TRUE(w.findChild<QLabel*>(QStringLiteral("lblSistema"))->isVisible());
  EXPECT_TRUE(Text(w, "lblWeb").contains(TCCFRMAboutApp::WebAddress()));
  EXPECT_FALSE(w.findChild<QLabel*>(QStringLiteral("imgAplicacion"))->pixmap().isNull());
  EXPECT_FALSE(w.findChild<QLabel*>(QStringLiteral("imgFamilia"))->pixmap().isNull());

  auto* ok = w.findChild<QPushButton*>(QStringLiteral("btnOK"));
  ASSERT_NE(ok, nullptr);
  ok->click();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_FALSE(w.isVisible());
}

TEST(TCCFRMAboutAppTest, UndatedApplicationFileHidesTheSystemLine) {
  TAboutAppInfo info = Sample();
  info.appFileDate = 0;
  TCCFRMAboutApp w(info);
  w.show();
  EXPECT_FALSE(w.findChild<QLabel*>(QStringLiteral("lblSistema"))->isVisible());
}

}  // namespace
