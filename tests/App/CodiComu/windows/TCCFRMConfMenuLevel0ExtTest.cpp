#include "App/CodiComu/windows/TCCFRMConfMenuLevel0Ext.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "App/CodiComu/windows/AppPaint.h"
#include "App/CodiComu/windows/TAppImages.h"
#include "platform/core/IniFile.h"
#include "tests/support/TempDir.h"

namespace {

class ConfMenuTest : public ::testing::Test {
protected:
  std::unique_ptr<TCCFRMConfMenuLevel0Ext> Open(bool allowsMdi = true, bool mdi = false) {
    auto w =
        std::make_unique<TCCFRMConfMenuLevel0Ext>(prm, ini, &company, QStringLiteral("Aula"), allowsMdi, mdi);
    w->SetColourChooser([this](const QColor&, QWidget*) { return nextColour; });
    w->SetFileChooser([this](const QString& folder, QWidget*) {
      askedFolder = folder;
      return nextFile;
    });
    return w;
  }
  template <typename T>
  static T* Child(QWidget* w, const char* name) {
    T* child = w->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  TempDir dir;
  TParametres prm;
  TIniFile ini;
  TCompanyLook company{QStringLiteral("Academia Norte"), QString()};
  QColor nextColour;
  QString nextFile;
  QString askedFolder;
};

TEST_F(ConfMenuTest, OkWritesEveryParameterAndTheRememberOption) {
  auto w = Open(true, true);
  Child<QLineEdit>(w.get(), "edtEtiqueta")->setText(QStringLiteral("Mi centro"));
  Child<QCheckBox>(w.get(), "chkTituloEmpresa")->setChecked(false);
  Child<QCheckBox>(w.get(), "chkImagenPredefinida")->setChecked(false);
  nextColour = QColor(Qt::red);
  w->ChooseTitleColour();
  nextColour = QColor();  // cancelled: the colour stays
  w->ChooseBackgroundColour();
  nextFile = dir.File(QStringLiteral("logo.png"));
  w->ChooseFile();
  Child<QCheckBox>(w.get(), "chkImagenEmpresa")->setChecked(false);
  Child<QCheckBox>(w.get(), "chkTituloEncima")->setChecked(true);
  Child<QCheckBox>(w.get(), "chkAjustarImagen")->setChecked(true);
  Child<QCheckBox>(w.get(), "chkAlinear")->setChecked(true);
  Child<QCheckBox>(w.get(), "chkRecordar")->setChecked(true);
  EXPECT_FALSE(prm.ParamExists(QStringLiteral("PRMTituloAplicacion")));  // nothing before OK
  w->accept();
  EXPECT_EQ(prm.AsString(QStringLiteral("PRMTituloAplicacion")), QStringLiteral("Mi centro"));
  EXPECT_FALSE(prm.AsBoolean(QStringLiteral("PRMUsarTituloEmpresa"), true));
  EXPECT_FALSE(prm.AsBoolean(QStringLiteral("PRMMostrarImageBackground"), true));
  EXPECT_EQ(prm.AsInteger(QStringLiteral("PRMGENColorTextoTitulo")), 0x0000FF);
  EXPECT_EQ(prm.AsInteger(QStringLiteral("PRMGENColorFondoImagen")),
            NumberFromColor(AppImages().BackgroundColour()));
  EXPECT_EQ(prm.AsString(QStringLiteral("PRMLogoFileName")), nextFile);
  EXPECT_FALSE(prm.AsBoolean(QStringLiteral("PRMUsarLogoEmpresa"), true));
  EXPECT_TRUE(prm.AsBoolean(QStringLiteral("PRMTituloEncimaImagen")));
  EXPECT_TRUE(prm.AsBoolean(QStringLiteral("PRMAjustarImagenFondo")));
  EXPECT_TRUE(prm.AsBoolean(QStringLiteral("PRMMDIAlinearAutomatico")));
  EXPECT_TRUE(prm.IsWritable(QStringLiteral("PRMLogoFileName")));
  EXPECT_TRUE(ini.ReadBool(QStringLiteral("INIT"), QStringLiteral("RememberMDIOption")));
  EXPECT_TRUE(w->MdiChosen());
  // Opening again shows what was stored; the file dialog starts in the file's folder.
  auto again = Open();
  EXPECT_EQ(Child<QLineEdit>(again.get(), "edtArchivo")->text(), nextFile);
  EXPECT_TRUE(Child<QCheckBox>(again.get(), "chkRecordar")->isChecked());
  nextFile.clear();
  again->ChooseFile();
  EXPECT_EQ(askedFolder, dir.Path());
  EXPECT_EQ(Child<QLineEdit>(again.get(), "edtArchivo")->text(),
            prm.AsString(QStringLiteral("PRMLogoFileName")));
}

TEST_F(ConfMenuTest, ControlsEnableEachOtherAndCancelWritesNothing) {
  auto w = Open(true, false);
  auto* colour = Child<QPushButton>(w.get(), "btnColorFondo");
  auto* align = Child<QCheckBox>(w.get(), "chkAlinear");
  EXPECT_FALSE(colour->isEnabled());
  Child<QCheckBox>(w.get(), "chkImagenPredefinida")->setChecked(false);
  EXPECT_TRUE(colour->isEnabled());
  EXPECT_FALSE(align->isEnabled());
  Child<QCheckBox>(w.get(), "chkMDI")->setChecked(true);
  EXPECT_TRUE(align->isEnabled());
  Child<QPushButton>(w.get(), "btnBorrar")->click();
  w->reject();
  EXPECT_TRUE(prm.Names().isEmpty());
  auto noMdi = Open(false, true);
  EXPECT_FALSE(Child<QCheckBox>(noMdi.get(), "chkMDI")->isEnabled());
  EXPECT_FALSE(noMdi->MdiChosen());
}

TEST_F(ConfMenuTest, PreviewFollowsChangesAndDefaultsRestore) {
  auto w = Open(true, false);
  EXPECT_EQ(w->PreviewImage().size(), QSize(800, 600));
  EXPECT_EQ(w->Painter().Title(), company.name);  // company title by default
  Child<QCheckBox>(w.get(), "chkTituloEmpresa")->setChecked(false);
  Child<QLineEdit>(w.get(), "edtEtiqueta")->setText(QStringLiteral("Otro"));
  EXPECT_EQ(w->Painter().Title(), QStringLiteral("Otro"));
  Child<QCheckBox>(w.get(), "chkImagenPredefinida")->setChecked(false);
  nextColour = QColor(0, 255, 0);
  w->ChooseBackgroundColour();
  EXPECT_EQ(w->PreviewImage().pixelColor(2, 300), QColor(0, 255, 0));
  // Inside the first sample child window, drawn at its own size from (40, 90).
  const QPoint inSample(100, 200);
  const QColor sample = AppImages().MdiFormGrid().pixelColor(inSample - QPoint(40, 90));
  EXPECT_NE(w->PreviewImage().pixelColor(inSample), sample);
  Child<QCheckBox>(w.get(), "chkMDI")->setChecked(true);
  EXPECT_EQ(w->PreviewImage().pixelColor(inSample), sample);

  Child<QPushButton>(w.get(), "btnDefecto")->click();
  EXPECT_TRUE(Child<QCheckBox>(w.get(), "chkTituloEmpresa")->isChecked());
  EXPECT_TRUE(Child<QLineEdit>(w.get(), "edtEtiqueta")->text().isEmpty());
  EXPECT_TRUE(Child<QCheckBox>(w.get(), "chkImagenPredefinida")->isChecked());
  EXPECT_TRUE(w->MdiChosen());  // the window style is not a default
  w->accept();
  EXPECT_EQ(prm.AsInteger(QStringLiteral("PRMGENColorTextoTitulo")), 12615680);
  EXPECT_EQ(prm.AsInteger(QStringLiteral("PRMGENColorFondoImagen")),
            NumberFromColor(AppImages().BackgroundColour()));
  EXPECT_FALSE(prm.AsBoolean(QStringLiteral("PRMAjustarImagenFondo"), true));
}

}  // namespace
