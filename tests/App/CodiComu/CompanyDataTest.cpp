#include "App/CodiComu/CompanyData.h"

#include <gtest/gtest.h>

#include "App/CodiComu/CurrencyFormat.h"
#include "App/CodiComu/TParametrosApp.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/support/TempDir.h"

namespace {

class CompanyDataTest : public ::testing::Test {
protected:
  void SetUp() override {
    db.Create(dir.File(QStringLiteral("empresa.mdb")));
    CreateSchema(db);
    Parametres().Clear();
    ParametrosApp().SetDataBase(&db);
    RegisterCompanyDeclarations();
  }
  void TearDown() override {
    UnregisterCompanyDeclarations();
    ParametrosApp().SetDataBase(nullptr);
    Parametres().Clear();
  }
  TempDir dir;
  TDataBaseZUL db;
};

TEST_F(CompanyDataTest, NewDatabaseGetsTheDefaultsCopiedIntoTheFrameworkParameters) {
  ParametrosApp().NotifyParametersChanged();
  TParametres& prm = Parametres();
  EXPECT_EQ(prm.AsString(QStringLiteral("DIVISA_NOM")), QStringLiteral("EUR"));
  EXPECT_EQ(prm.AsString(QStringLiteral("DIVISA_LONGNAME")), QStringLiteral("Euros"));
  EXPECT_EQ(prm.AsString(QStringLiteral("DIVISA_MASK")), QStringLiteral("#,#0.00"));
  EXPECT_EQ(prm.AsString(QStringLiteral("DIVISA_EDITMASK")), QStringLiteral("#,#0.00##"));
  EXPECT_EQ(prm.AsInteger(QStringLiteral("DIVISA_ROUND")), 100);
  EXPECT_EQ(prm.AsInteger(QStringLiteral("DIVISA_TOTALROUND")), 100);
  // Company values are declared as empty texts; "?" stands for a null value.
  for (int i = 0; i < kCompanyParameterCount; ++i) {
    const TCompanyParameter& p = CompanyParameter(i);
    EXPECT_TRUE(prm.ParamExists(QString::fromLatin1(p.frameworkName))) << p.name;
  }
  EXPECT_EQ(prm.GetParametreValue(QStringLiteral("PRMAEmpresaNombre")), QVariant(QString()));
  db.ExecuteSQL(
      QStringLiteral("UPDATE T99ParametrosAplicacion SET ValorTextoT99 = NULL "
                     "WHERE NombreParametroT99 = 'EmpresaCIF'"));
  DeclareCompanyParameters();
  EXPECT_EQ(prm.AsString(QStringLiteral("PRMAEmpresaCIF")), QStringLiteral("?"));
}

TEST_F(CompanyDataTest, StoredValuesSurviveTheNextConnection) {
  ParametrosApp().NotifyParametersChanged();
  ParametrosApp().SetValue(QStringLiteral("EmpresaNombre"), QStringLiteral("Academia Norte"));
  ParametrosApp().SetValue(QStringLiteral("DIVISAROUND"), 10000);
  ParametrosApp().SetValue(QStringLiteral("DIVISAMASK"), QStringLiteral("0.0"));
  ParametrosApp().NotifyParametersChanged();
  EXPECT_EQ(Parametres().AsString(QStringLiteral("PRMAEmpresaNombre")), QStringLiteral("Academia Norte"));
  EXPECT_EQ(Parametres().AsInteger(QStringLiteral("DIVISA_ROUND")), 10000);
  EXPECT_EQ(FormatCurrency(Currency::Parse(QStringLiteral("2,25"))), QStringLiteral("2,3"));
}

TEST(CurrencyFormat, MasksAndAmounts) {
  struct Case {
    const char* amount;
    const char* mask;
    const char* text;
  };
  const Case cases[] = {
      {"1234,5", "#,#0.00", "1.234,50"},
      {"-1234,5", "#,#0.00", "-1.234,50"},
      {"0", "#,#0.00", "0,00"},
      {"0,005", "#,#0.00", "0,01"},  // halves away from zero
      {"-0,005", "#,#0.00", "-0,01"},
      {"0,0049", "#,#0.00", "0,00"},
      {"-0,004", "#,#0.00", "0,00"},  // rounds to zero: no sign
      {"1234567,891", "#,#0.00", "1.234.567,89"},
      {"999,995", "#,#0.00", "1.000,00"},
      {"123456,5", "#,##0.00", "123.456,50"},
      {"1,5", "#,#0.00##", "1,50"},
      {"1,234", "#,#0.00##", "1,234"},
      {"-1,2346", "#,#0.00##", "-1,2346"},
      {"1234,5", "0.00", "1234,50"},
      {"2,5", "0", "3"},
      {"-2,5", "0", "-3"},
      {"0,5", "#.##", ",5"},
      {"1,25", "0.000000", "1,250000"},
      {"5", "#,##0,00", "005"},  // commas only group: no decimals
      {"1234,56", "#,##0,00", "1.235"},
      {"12", "0.00 'EUR'", "12,00 EUR"},
      {"-5", "#,#0.00;(#,#0.00);Cero", "(5,00)"},
      {"0", "#,#0.00;(#,#0.00);Cero", "Cero"},
      {"0,001", "#,#0.00;(#,#0.00);Cero", "Cero"},
      {"7", "#,#0.00;(#,#0.00);Cero", "7,00"},
      {"-5", "#,#0.00;", "-5,00"},  // empty negative section: the first one
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatCurrencyMask(Currency::Parse(QString::fromUtf8(c.amount)), QString::fromUtf8(c.mask)),
              QString::fromUtf8(c.text))
        << c.amount << " " << c.mask;
  }
}

TEST(CurrencyFormat, UsesTheFrameworkMask) {
  Parametres().Clear();
  EXPECT_EQ(FormatCurrency(Currency::Parse(QStringLiteral("1234,5"))), QStringLiteral("1.234,50"));
  Parametres().SetParametreValue(QStringLiteral("DIVISA_MASK"), QStringLiteral("0.0000"));
  EXPECT_EQ(FormatCurrency(Currency::Parse(QStringLiteral("-3,5"))), QStringLiteral("-3,5000"));
  Parametres().Clear();
}

}  // namespace
