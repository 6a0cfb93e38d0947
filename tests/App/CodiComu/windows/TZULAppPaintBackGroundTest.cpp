#include "App/CodiComu/windows/TZULAppPaintBackGround.h"

#include <gtest/gtest.h>
#include <QFile>

#include "App/CodiComu/windows/AppPaint.h"
#include "App/CodiComu/windows/TAppImages.h"
#include "platform/zul/TParametres.h"
#include "tests/support/TempDir.h"

namespace {

QImage Solid(int w, int h, QColor colour) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(colour);
  return img;
}

class PaintBackGroundTest : public ::testing::Test {
protected:
  void SetUp() override {
    // Small known pictures so every rectangle can be worked out by hand.
    images.SetBackground(Solid(400, 300, QColor(10, 20, 30)));
    images.SetLarge(Solid(50, 50, QColor(200, 0, 0)));  // all one colour: fully transparent
    logoFile = dir.File(QStringLiteral("logo.png"));
    ASSERT_TRUE(Solid(200, 100, QColor(0, 200, 0)).save(logoFile));
  }
  TempDir dir;
  TAppImages images;
  QString logoFile;
};

TEST_F(PaintBackGroundTest, DefaultLayoutPlacesPictureAndBadge) {
  TZULAppPaintBackGround painter(QStringLiteral("Aula"), images);
  const QImage out = painter.Render(QSize(800, 600));
  ASSERT_EQ(out.size(), QSize(800, 600));
  // The picture fits (mode 4): its own size, centred.
  EXPECT_EQ(painter.LayerRect(TZULAppPaintBackGround::lyPicture), QRect(200, 150, 400, 300));
  EXPECT_EQ(out.pixelColor(400, 300), QColor(10, 20, 30));
  // The base shows the application background colour around it.
  EXPECT_EQ(out.pixelColor(5, 5), images.BackgroundColour());
  // The badge: 10 pixels from the bottom-right corner; black strip at its bottom.
  const QRect badge = painter.LayerRect(TZULAppPaintBackGround::lyBadge);
  EXPECT_EQ(badge.right(), 800 - 1 - 10);
  EXPECT_EQ(badge.bottom(), 600 - 1 - 10);
  EXPECT_GE(badge.width(), 110);
  EXPECT_EQ(out.pixelColor(badge.left() + 1, badge.bottom() - 1), QColor(Qt::black));
  EXPECT_TRUE(painter.LayerRect(TZULAppPaintBackGround::lyTitle).isNull());
  EXPECT_TRUE(painter.LayerRect(TZULAppPaintBackGround::lyLogo).isNull());
}

TEST_F(PaintBackGroundTest, PictureLargerThanTheAreaIsScaledDown) {
  images.SetBackground(Solid(1600, 600, QColor(10, 20, 30)));
  TZULAppPaintBackGround painter(QStringLiteral("Aula"), images);
  painter.Render(QSize(800, 600));
  EXPECT_EQ(painter.LayerRect(TZULAppPaintBackGround::lyPicture), QRect(0, 150, 800, 300));
}

TEST_F(PaintBackGroundTest, WithoutThePredefinedPictureTheChosenColourFills) {
  TZULAppPaintBackGround painter(QStringLiteral("Aula"), images);
  painter.SetShowPredefinedPicture(false);
  painter.SetBackgroundColour(QColor(250, 240, 0));
  const QImage out = painter.Render(QSize(640, 480));
  EXPECT_TRUE(painter.LayerRect(TZULAppPaintBackGround::lyPicture).isNull());
  EXPECT_EQ(out.pixelColor(320, 240), QColor(250, 240, 0));
}

TEST_F(PaintBackGroundTest, TitleAtTheTopAndTheLogoBelowWhenAbove) {
  TZULAppPaintBackGround painter(QStringLiteral("Aula"), images);
  painter.SetTitle(QStringLiteral("Academia Norte"));
  painter.SetTitleColour(QColor(0, 0, 255));
  painter.SetLogoFile(logoFile);
  painter.SetLogoFitMode(3);
  for (bool above : {false, true}) {
    painter.SetTitleAbovePicture(above);
    const QImage out = painter.Render(QSize(800, 600));
    const QRect title = painter.LayerRect(TZULAppPaintBackGround::lyTitle);
    ASSERT_FALSE(title.isNull());
    EXPECT_EQ(title.top(), 0);
    EXPECT_NEAR(title.center().x(), 400, 1);
    const QRect logo = painter.LayerRect(TZULAppPaintBackGround::lyLogo);
    const int top = above ? title.height() : 0;
    const int h = 600 - top;
    // Mode 3 into 800 x h: a 2:1 logo takes the full width, centred in the rest.
    EXPECT_EQ(logo, QRect(0, top + (h - 400) / 2, 800, 400)) << above;
    EXPECT_EQ(out.pixelColor(400, top + h / 2), QColor(0, 200, 0));
  }
  painter.SetTitle(QString());
  painter.Render(QSize(800, 600));
  EXPECT_TRUE(painter.LayerRect(TZULAppPaintBackGround::lyTitle).isNull());
}

TEST_F(PaintBackGroundTest, LogoFileMissingOrUnreadableClearsTheLogo) {
  TZULAppPaintBackGround painter(QStringLiteral("Aula"), images);
  painter.SetLogoFile(logoFile);
  EXPECT_EQ(painter.Logo().size(), QSize(200, 100));
  painter.SetLogoFile(dir.File(QStringLiteral("none.png")));
  EXPECT_TRUE(painter.Logo().isNull());
  const QString junk = dir.File(QStringLiteral("junk.png"));
  {
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
  }
  painter.SetLogoFile(junk);
  EXPECT_TRUE(painter.Logo().isNull());
}

TEST_F(PaintBackGroundTest, ApplySettingsReadsTheParameters) {
  TZULAppPaintBackGround painter(QStringLiteral("Aula"), images);
  const TCompanyLook company{QStringLiteral("Academia Norte"), logoFile};
  TParametres prm;
  // Defaults: the company's title and logo while a database is open, nothing without.
  painter.ApplySettings(prm, &company);
  EXPECT_EQ(painter.Title(), company.name);
  EXPECT_EQ(painter.LogoFile(), logoFile);
  EXPECT_EQ(painter.TitleColour(), QColor(0x00, 0x80, 0xC0));
  EXPECT_EQ(painter.LogoFitMode(), 4);
  EXPECT_FALSE(painter.TitleAbovePicture());
  EXPECT_TRUE(painter.ShowPredefinedPicture());
  EXPECT_EQ(painter.BackgroundColour(), images.BackgroundColour());
  painter.ApplySettings(prm, nullptr);
  EXPECT_TRUE(painter.Title().isEmpty());
  EXPECT_TRUE(painter.Logo().isNull());

  // Own title and picture, other choices.
  prm.AddParam(QStringLiteral("PRMUsarTituloEmpresa"), false);
  prm.AddParam(QStringLiteral("PRMTituloAplicacion"), QStringLiteral("Mi centro"));
  prm.AddParam(QStringLiteral("PRMUsarLogoEmpresa"), false);
  prm.AddParam(QStringLiteral("PRMLogoFileName"), logoFile);
  prm.AddParam(QStringLiteral("PRMGENColorTextoTitulo"), 0x0000FF);
  prm.AddParam(QStringLiteral("PRMGENColorFondoImagen"), 0x00FF00);
  prm.AddParam(QStringLiteral("PRMAjustarImagenFondo"), true);
  prm.AddParam(QStringLiteral("PRMTituloEncimaImagen"), true);
  prm.AddParam(QStringLiteral("PRMMostrarImageBackground"), false);
  painter.ApplySettings(prm, &company);
  EXPECT_EQ(painter.Title(), QStringLiteral("Mi centro"));
  EXPECT_EQ(painter.Logo().size(), QSize(200, 100));
  EXPECT_EQ(painter.TitleColour(), QColor(Qt::red));
  EXPECT_EQ(painter.BackgroundColour(), QColor(0, 255, 0));
  EXPECT_EQ(painter.LogoFitMode(), 3);
  EXPECT_TRUE(painter.TitleAbovePicture());
  EXPECT_FALSE(painter.ShowPredefinedPicture());
  const QImage out = painter.Render(QSize(800, 600));
  EXPECT_EQ(out.pixelColor(2, 599), QColor(0, 255, 0));
}

TEST_F(PaintBackGroundTest, LongApplicationNameWidensTheBadge) {
  TZULAppPaintBackGround shortName(QStringLiteral("Aula"), images);
  TZULAppPaintBackGround longName(QStringLiteral("Gestión integral de centros de enseñanza privados"),
                                  images);
  shortName.Render(QSize(800, 600));
  longName.Render(QSize(800, 600));
  const QRect a = shortName.LayerRect(TZULAppPaintBackGround::lyBadge);
  const QRect b = longName.LayerRect(TZULAppPaintBackGround::lyBadge);
  EXPECT_EQ(a.width(), 110);  // at least 100 pixels of text room plus 10
  EXPECT_GT(b.width(), 110);
  EXPECT_EQ(b.right(), a.right());
  // The application image is scaled to the strip's width: a square grows with it.
  EXPECT_GT(b.height(), a.height());
}

TEST_F(PaintBackGroundTest, SmallLogoKeepsItsSizeUnlessFitted) {
  TZULAppPaintBackGround painter(QStringLiteral("Aula"), images);
  TParametres prm;
  prm.AddParam(QStringLiteral("PRMUsarLogoEmpresa"), false);
  prm.AddParam(QStringLiteral("PRMLogoFileName"), logoFile);
  painter.ApplySettings(prm, nullptr);
  painter.Render(QSize(800, 600));
  EXPECT_EQ(painter.LayerRect(TZULAppPaintBackGround::lyLogo), QRect(300, 250, 200, 100));
  prm.AddParam(QStringLiteral("PRMAjustarImagenFondo"), true);
  painter.ApplySettings(prm, nullptr);
  painter.Render(QSize(800, 600));
  EXPECT_EQ(painter.LayerRect(TZULAppPaintBackGround::lyLogo), QRect(0, 100, 800, 400));
}

TEST_F(PaintBackGroundTest, StoreWithDefaultsKeepsValuesAndMarksThemSaved) {
  TParametres prm;
  prm.AddParam(QStringLiteral("PRMTituloAplicacion"), QStringLiteral("Mi centro"));
  MainWindowSettings::StoreWithDefaults(prm, images);
  EXPECT_EQ(prm.AsString(QStringLiteral("PRMTituloAplicacion")), QStringLiteral("Mi centro"));
  EXPECT_TRUE(prm.AsBoolean(QStringLiteral("PRMUsarTituloEmpresa")));
  EXPECT_TRUE(prm.AsBoolean(QStringLiteral("PRMUsarLogoEmpresa")));
  EXPECT_EQ(prm.AsInteger(QStringLiteral("PRMGENColorTextoTitulo")), 12615680);
  EXPECT_EQ(prm.AsInteger(QStringLiteral("PRMGENColorFondoImagen")),
            NumberFromColor(images.BackgroundColour()));
  EXPECT_FALSE(prm.AsBoolean(QStringLiteral("PRMAjustarImagenFondo"), true));
  EXPECT_FALSE(prm.AsBoolean(QStringLiteral("PRMTituloEncimaImagen"), true));
  for (const char* name : {"PRMTituloAplicacion", "PRMLogoFileName", "PRMGENColorFondoImagen"})
    EXPECT_TRUE(prm.IsWritable(QString::fromLatin1(name))) << name;
}

}  // namespace
