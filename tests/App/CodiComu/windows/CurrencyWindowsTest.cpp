// The currency and company windows over a real company database.
#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>

#include "App/CodiComu/CompanyData.h"
#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/windows/TCCFRMConfDatosEmpresa.h"
#include "App/CodiComu/windows/TCCFRMConfMoneda.h"
#include "App/CodiComu/windows/TCCFRMSplash.h"
#include "platform/translate/TZULTranslate.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

const QString kConfirm = QString::fromUtf8(
    "¡MUY IMPORTANTE!\nSi modifica el número de decimales de redondeo el programa no recalculará los "
    "documentos ya generados, por lo que es muy posible que existan descuadres de decimales.\n\n"
    "¿Seguro que quiere aplicar los cambios en la moneda?");

class CompanyWindowsTest : public ::testing::Test {
protected:
  void SetUp() override {
    db.Create(dir.File(QStringLiteral("empresa.mdb")));
    CreateSchema(db);
    Parametres().Clear();
    ParametrosApp().SetDataBase(&db);
    RegisterCompanyDeclarations();
    ParametrosApp().NotifyParametersChanged();  // what every connection does
  }
  void TearDown() override {
    UnregisterCompanyDeclarations();
    ParametrosApp().SetDataBase(nullptr);
    Parametres().Clear();
  }
  static void Click(QWidget& window, const char* button) {
    auto* b = window.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
  }
  static int Stored(const char* name) { return ParametrosApp().GetInteger(QString::fromLatin1(name), -1); }

  TempDir dir;
  TDataBaseZUL db;
  ScriptedDialogs::Scope dialogs;
};

TEST_F(CompanyWindowsTest, CurrencyWindowOpensWithTheDatabaseValuesAndDefaults) {
  TCCFRMConfMoneda w;
  const TCurrencySettings v = w.Values();
  EXPECT_EQ(v.name, QStringLiteral("EUR"));
  EXPECT_EQ(v.longName, QStringLiteral("Euros"));
  EXPECT_EQ(v.priceDecimals, QStringLiteral("2"));
  EXPECT_EQ(v.totalDecimals, QStringLiteral("2"));
  EXPECT_EQ(v.mask, QStringLiteral("#,#0.00"));
  EXPECT_EQ(v.editMask, QStringLiteral("#,#0.00##"));
  EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("edtNombre"))->maxLength(), 3);
  EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("edtNombreLargo"))->maxLength(), 10);

  w.SetValues({QStringLiteral("USD"), QStringLiteral("Dólares"), QStringLiteral("3"), QStringLiteral("0"),
               QStringLiteral("0"), QStringLiteral("0")});
  Click(w, "btnDefecto");
  const TCurrencySettings d = w.Values();
  EXPECT_EQ(d.name, QStringLiteral("EUR"));
  EXPECT_EQ(d.longName, QStringLiteral("EURO"));
  EXPECT_EQ(d.priceDecimals + d.totalDecimals, QStringLiteral("22"));
  EXPECT_EQ(d.mask, QStringLiteral("#,##0.00"));
  EXPECT_EQ(d.editMask, QStringLiteral("#,##0.00##"));
}

TEST_F(CompanyWindowsTest, CurrencyWindowRefusesBadDecimalsAndStoresNothing) {
  struct Case {
    const char* price;
    const char* total;
    const char* message;
  };
  const Case cases[] = {
      {"5", "2", "El redondeo máximo es de 4 decimales"},
      {"2", "9", "El redondeo máximo es de 4 decimales"},
      {"x", "2", "El número de decimales introducido no es válido"},
      {"2", "", "El número de decimales introducido no es válido"},
      {"-", "2", "El número de decimales introducido no es válido"},
  };
  for (const Case& c : cases) {
    TCCFRMConfMoneda w;
    TCurrencySettings v = w.Values();
    v.name = QStringLiteral("USD");
    v.priceDecimals = QString::fromLatin1(c.price);
    v.totalDecimals = QString::fromLatin1(c.total);
    w.SetValues(v);
    dialogs->errors.clear();
    dialogs->Answer(dbYes);
    Click(w, "btnOK");
    ASSERT_EQ(dialogs->errors.size(), 1) << c.price << "/" << c.total;
    EXPECT_EQ(dialogs->errors.at(0), QString::fromUtf8(c.message)) << c.price << "/" << c.total;
    EXPECT_EQ(w.result(), QDialog::Rejected);           // still open
    EXPECT_EQ(w.Values().name, QStringLiteral("USD"));  // with the edited values
    EXPECT_EQ(Stored("DIVISAROUND"), 100);
    EXPECT_EQ(ParametrosApp().GetString(QStringLiteral("DIVISANAME"), {}), QStringLiteral("EUR"));
  }
}

TEST_F(CompanyWindowsTest, CurrencyWindowAsksFirstAndKeepsTheEditsOnNo) {
  TCCFRMConfMoneda w;
  TCurrencySettings v = w.Values();
  v.priceDecimals = QStringLiteral("4");
  w.SetValues(v);
  dialogs->Answer(dbNo);
  Click(w, "btnOK");
  ASSERT_EQ(dialogs->questions.size(), 1u);
  const ScriptedDialogs::Question& q = dialogs->questions[0];
  EXPECT_EQ(q.text, kConfirm);
  EXPECT_EQ(q.icon, TDialogIcon::Question);
  EXPECT_EQ(q.buttons, dbYes | dbNo);
  EXPECT_EQ(q.defaultButton, dbNo);
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_EQ(w.Values().priceDecimals, QStringLiteral("4"));
  EXPECT_EQ(Stored("DIVISAROUND"), 100);
  EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(CompanyWindowsTest, CurrencyWindowSavesGoodInputIntoBothParameterSets) {
  TCCFRMConfMoneda w;
  w.SetValues({QStringLiteral("USD"), QString::fromUtf8("Dólares"), QStringLiteral("4"), QStringLiteral("0"),
               QStringLiteral("#,##0.0000"), QStringLiteral("0.00")});
  dialogs->Answer(dbYes);
  Click(w, "btnOK");
  EXPECT_TRUE(dialogs->errors.isEmpty());
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(Stored("DIVISAROUND"), 10000);
  EXPECT_EQ(Stored("DIVISAROUNDTOT"), 1);
  TParametres& prm = Parametres();
  EXPECT_EQ(prm.AsString(QStringLiteral("DIVISA_NOM")), QStringLiteral("USD"));
  EXPECT_EQ(prm.AsString(QStringLiteral("DIVISA_LONGNAME")), QString::fromUtf8("Dólares"));
  EXPECT_EQ(prm.AsString(QStringLiteral("DIVISA_MASK")), QStringLiteral("#,##0.0000"));
  EXPECT_EQ(prm.AsString(QStringLiteral("DIVISA_EDITMASK")), QStringLiteral("0.00"));
  EXPECT_EQ(prm.AsInteger(QStringLiteral("DIVISA_ROUND")), 10000);
  EXPECT_EQ(prm.AsInteger(QStringLiteral("DIVISA_TOTALROUND")), 1);

  TCCFRMConfMoneda again;  // the saved values come back, decimals from the factors
  EXPECT_EQ(again.Values().priceDecimals, QStringLiteral("4"));
  EXPECT_EQ(again.Values().totalDecimals, QStringLiteral("0"));
}

TEST_F(CompanyWindowsTest, CompanyWindowLoadsAndSavesEveryField) {
  ParametrosApp().SetValue(QStringLiteral("EmpresaNombre"), QStringLiteral("Academia Norte"));
  db.ExecuteSQL(
      QStringLiteral("UPDATE T99ParametrosAplicacion SET ValorTextoT99 = NULL "
                     "WHERE NombreParametroT99 = 'EmpresaCIF'"));
  TCCFRMConfDatosEmpresa w;
  QStringList values = w.Values();
  ASSERT_EQ(values.size(), kCompanyParameterCount);
  EXPECT_EQ(values.at(0), QStringLiteral("Academia Norte"));
  EXPECT_EQ(values.at(4), QStringLiteral("?"));  // a null value shows "?"
  EXPECT_EQ(w.findChild<QLineEdit*>(QStringLiteral("edtEmpresaCP"))->maxLength(), 10);

  const QString logo = dir.File(QStringLiteral("logos/logo.png"));
  ParametrosApp().SetValue(QStringLiteral("EmpresaLogo"), dir.File(QStringLiteral("viejo/logo.png")));
  TCCFRMConfDatosEmpresa edit;
  dialogs->AnswerFile(logo);
  Click(edit, "btnLogo");
  for (int i = 0; i < kCompanyParameterCount; ++i) {
    if (i != 6) values[i] = QStringLiteral("valor %1").arg(i);
  }
  values[6] = edit.Values().at(6);
  EXPECT_EQ(values[6], logo);
  edit.SetValues(values);
  Click(edit, "btnOK");
  EXPECT_EQ(edit.result(), QDialog::Accepted);
  for (int i = 0; i < kCompanyParameterCount; ++i) {
    const TCompanyParameter& p = CompanyParameter(i);
    EXPECT_EQ(ParametrosApp().GetString(QString::fromLatin1(p.name), {}), values.at(i)) << p.name;
    EXPECT_EQ(Parametres().AsString(QString::fromLatin1(p.frameworkName)), values.at(i)) << p.frameworkName;
  }
}

TEST_F(CompanyWindowsTest, WindowsTranslateUnderTheirClassNames) {
  TZULTranslate& tr = BPLTranslate();
  tr.SetSaveMode(true);
  {
    TCCFRMConfMoneda currency;
    TCCFRMConfDatosEmpresa company;
    TCCFRMSplash splash;
  }
  tr.SetSaveMode(false);
  const QMap<QString, QString> keys = tr.Collected();
  EXPECT_EQ(keys.value(QStringLiteral("CC_TCCFRMConfMoneda.windowTitle")),
            QStringLiteral("CONFIGURAR MONEDA"));
  EXPECT_EQ(keys.value(QStringLiteral("CC_TCCFRMConfMoneda.lblNombre.text")),
            QStringLiteral("Nombre de la Moneda"));
  EXPECT_EQ(keys.value(QStringLiteral("CC_TCCFRMConfDatosEmpresa.lblEmpresaCIF.text")),
            QStringLiteral("CIF"));
  EXPECT_EQ(keys.value(QStringLiteral("CC_TCCFRMSplash.lblEscape.text")),
            QStringLiteral("Presione ESC para cancelar el proceso"));
}

}  // namespace
