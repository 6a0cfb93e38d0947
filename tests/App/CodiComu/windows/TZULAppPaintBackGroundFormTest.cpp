#include "App/CodiComu/windows/TZULAppPaintBackGroundForm.h"

#include <gtest/gtest.h>
#include <QMdiArea>
#include <QMenu>

#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/windows/TAppImages.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

QImage Solid(int w, int h, QColor colour) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(colour);
  return img;
}

class PaintBackGroundFormTest : public ::testing::Test {
protected:
  void SetUp() override {
    Parametres().Clear();
    images.SetBackground(Solid(400, 300, QColor(10, 20, 30)));
  }
  void TearDown() override {
    ParametrosApp().SetDataBase(nullptr);
    Parametres().Clear();
  }
  TempDir dir;
  TAppImages images;
};

TEST_F(PaintBackGroundFormTest, MdiAreaBackgroundFollowsTheSizeAndIsGivenBack) {
  QMdiArea area;
  area.resize(640, 480);
  area.show();
  const QBrush original = area.background();
  TZULAppPaintBackGroundForm form(QStringLiteral("Aula"), images);
  form.AttachTo(&area);
  const QSize first = area.viewport()->size();
  EXPECT_EQ(area.background().textureImage().size(), first);
  EXPECT_EQ(form.Picture().size(), first);

  area.resize(900, 700);
  EXPECT_NE(area.viewport()->size(), first);
  EXPECT_EQ(area.background().textureImage().size(), area.viewport()->size());

  form.Detach();
  EXPECT_EQ(area.background(), original);
  area.resize(500, 400);  // no longer watched
  EXPECT_EQ(area.background(), original);
}

TEST_F(PaintBackGroundFormTest, AreaDestroyedFirstIsForgotten) {
  auto area = std::make_unique<QMdiArea>();
  auto* owned = new TZULAppPaintBackGroundForm(QStringLiteral("Aula"), images, area.get());
  owned->AttachTo(area.get());
  TZULAppPaintBackGroundForm outside(QStringLiteral("Aula"), images);
  outside.AttachTo(area.get());
  area.reset();  // destroys `owned` with it; neither touches the dead area
  EXPECT_EQ(outside.Client(), nullptr);
  outside.Repaint();
}

TEST_F(PaintBackGroundFormTest, SingleWindowPictureChildFillsTheClient) {
  QWidget client;
  client.resize(640, 480);
  client.show();
  TZULAppPaintBackGroundForm form(QStringLiteral("Aula"), images);
  form.AttachTo(&client);
  QWidget* picture = client.findChild<QWidget*>(QStringLiteral("ZULAppPaintBackGround"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->geometry(), client.rect());
  client.resize(1000, 700);
  EXPECT_EQ(picture->geometry(), QRect(0, 0, 1000, 700));
  EXPECT_EQ(form.Picture().size(), QSize(1000, 700));
  form.Detach();
  EXPECT_EQ(client.findChild<QWidget*>(QStringLiteral("ZULAppPaintBackGround")), nullptr);
}

TEST_F(PaintBackGroundFormTest, PopupItemsChangeTheSettingsAndRepaint) {
  const QString logo = dir.File(QStringLiteral("fondo.png"));
  ASSERT_TRUE(Solid(120, 80, QColor(0, 200, 0)).save(logo));
  QMdiArea area;
  area.resize(640, 480);
  area.show();
  TZULAppPaintBackGroundForm form(QStringLiteral("Aula"), images);
  form.AttachTo(&area);

  QMenu menu;
  form.AddMenuItems(menu);
  ASSERT_EQ(menu.actions().size(), 2);
  EXPECT_EQ(menu.actions()[0]->text(), QStringLiteral("Seleccionar imagen de fondo"));
  EXPECT_EQ(menu.actions()[1]->text(), QString::fromUtf8("Ajustar el tamaño de la imagen"));
  EXPECT_FALSE(menu.actions()[1]->isChecked());

  ScriptedDialogs::Scope d;
  d->AnswerFile(QString());  // cancelled: nothing changes
  form.SelectPicture();
  EXPECT_FALSE(Parametres().ParamExists(QStringLiteral("PRMLogoFileName")));
  d->AnswerFile(logo);
  menu.actions()[0]->trigger();
  EXPECT_EQ(Parametres().AsString(QStringLiteral("PRMLogoFileName")), logo);
  EXPECT_FALSE(Parametres().AsBoolean(QStringLiteral("PRMUsarLogoEmpresa"), true));
  EXPECT_TRUE(Parametres().IsWritable(QStringLiteral("PRMLogoFileName")));
  EXPECT_EQ(form.Painter().LogoFile(), logo);
  // A small logo keeps its size until fitting is switched on from the menu.
  EXPECT_EQ(form.Painter().LayerRect(TZULAppPaintBackGround::lyLogo).size(), QSize(120, 80));
  menu.actions()[1]->trigger();
  EXPECT_TRUE(Parametres().AsBoolean(QStringLiteral("PRMAjustarImagenFondo")));
  EXPECT_GT(form.Painter().LayerRect(TZULAppPaintBackGround::lyLogo).width(), 120);
  QMenu again;
  form.AddMenuItems(again);
  EXPECT_TRUE(again.actions()[1]->isChecked());
}

TEST_F(PaintBackGroundFormTest, ApplySettingsTakesTheCompanyOfTheOpenDatabase) {
  TDataBaseZUL db;
  db.Create(dir.File(QStringLiteral("empresa.mdb")));
  CreateSchema(db);
  ParametrosApp().SetDataBase(&db);
  ParametrosApp().SetValue(QStringLiteral("EmpresaNombre"), QStringLiteral("Academia Norte"));
  TZULAppPaintBackGroundForm form(QStringLiteral("Aula"), images);
  form.ApplySettings();
  EXPECT_EQ(form.Painter().Title(), QStringLiteral("Academia Norte"));
  db.Close();  // no database open: no title
  form.ApplySettings();
  EXPECT_TRUE(form.Painter().Title().isEmpty());
}

TEST_F(PaintBackGroundFormTest, WithoutBackgroundPictureTheGreyCanvasStandsIn) {
  images.SetBackground(QImage());
  images.SetMainFormBackground(Solid(700, 700, QColor(200, 220, 240)));
  QImage large(64, 64, QImage::Format_RGB32);
  large.fill(QColor(0, 0, 255));
  large.setPixelColor(0, 63, QColor(255, 255, 255));  // the transparent colour
  images.SetLarge(large);
  TZULAppPaintBackGround painter(QStringLiteral("Aula"), images);
  painter.Render(QSize(700, 700));
  const QImage& picture = painter.LayerImage(TZULAppPaintBackGround::lyPicture);
  ASSERT_EQ(picture.size(), QSize(700, 700));
  const QColor corner = picture.pixelColor(5, 5);
  const QColor middle = picture.pixelColor(350, 350);
  EXPECT_EQ(corner.red(), corner.green());
  EXPECT_EQ(corner.green(), corner.blue());
  EXPECT_EQ(middle.red(), middle.blue());
  // The faint blue image darkens the middle only: 4/7 of the canvas, centred.
  EXPECT_LT(middle.red(), corner.red());
  EXPECT_EQ(picture.pixelColor(140, 140), corner);  // outside the 400 x 400 box at 150
}

}  // namespace
