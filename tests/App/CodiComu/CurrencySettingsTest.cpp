#include "App/CodiComu/CurrencySettings.h"

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"

namespace {

TEST(CurrencySettingsTest, DecimalsOfARoundingFactor) {
  struct Case {
    int factor, decimals;
  };
  // Counted while the factor is above 1, so odd factors still give a number.
  for (const Case& c :
       {Case{100, 2}, Case{1, 0}, Case{0, 0}, Case{-100, 0}, Case{10000, 4}, Case{5, 1}, Case{1000, 3}}) {
    EXPECT_EQ(DecimalsOfFactor(c.factor), c.decimals) << c.factor;
  }
}

TEST(CurrencySettingsTest, FactorOfTheDecimalsTyped) {
  EXPECT_EQ(FactorOfDecimals(QStringLiteral("0")), 1);
  EXPECT_EQ(FactorOfDecimals(QStringLiteral("2")), 100);
  EXPECT_EQ(FactorOfDecimals(QStringLiteral("4")), 10000);
  struct Case {
    const char* text;
    const char* message;
  };
  for (const Case& c :
       {Case{"5", "El redondeo máximo es de 4 decimales"}, Case{"12", "El redondeo máximo es de 4 decimales"},
        Case{"", "El número de decimales introducido no es válido"},
        Case{"a", "El número de decimales introducido no es válido"},
        Case{"-1", "El número de decimales introducido no es válido"}}) {
    try {
      FactorOfDecimals(QString::fromLatin1(c.text));
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), QString::fromUtf8(c.message)) << c.text;
    }
  }
}

}  // namespace
