// BICs of Spanish entities and the IBAN/BIC consistency check.

#include <gtest/gtest.h>

#include "App/CodiComu/bank/BankText.h"
#include "App/CodiComu/bank/BicCodes.h"
#include "tests/support/QtPrinters.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

const char* const kIban2100 = "ES9121000418450200051332";  // CAIXESBBXXX
const char* const kIban0049 = "ES7000491500010512345678";  // BSCHESMMXXX
const char* const kIban9999 = "ES8099990001450000000001";  // an entity absent from the table

TEST(BicTest, TableIsSortedWithUniqueCodesAndWellFormedBics) {
  const auto table = BICTable();
  ASSERT_EQ(table.size(), 257u);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const QString code = QLatin1String(table[i].entidad);
    EXPECT_EQ(code.size(), 4);
    EXPECT_TRUE(BankText::AllDigits(code)) << table[i].entidad;
    EXPECT_EQ(qstrlen(table[i].bic), 11u) << table[i].entidad;
    if (i > 0) {
      EXPECT_LT(qstrcmp(table[i - 1].entidad, table[i].entidad), 0) << table[i].entidad;
    }
  }
  EXPECT_STREQ(table.front().entidad, "0003");
  EXPECT_STREQ(table.back().bic, "SBFCESMMXXX");
}

TEST(BicTest, LookupMatchesTheCodeExactly) {
  const std::pair<const char*, const char*> cases[] = {
      {"0003", "BDEPESM1XXX"},
      {"0049", "BSCHESMMXXX"},
      {"0122", "CITIES2XXXX"},
      {"2080", "CAGLESMMVIG"},
      {"2100", "CAIXESBBXXX"},
      {"3191", "BCOEESMM191"},
      {"8835", "SBFCESMMXXX"},
      {"9999", ""},
      {"0000", ""},
      {"49", ""},
      {"049", ""},
      {"0049 ", ""},
      {" 049", ""},
      {"004a", ""},
      {"", ""},
  };
  for (const auto& [code, bic] : cases) EXPECT_EQ(BuscaBICEntidad(U(code)), U(bic)) << code;
}

TEST(BicTest, EntityOfSpanishIbansOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {kIban2100, "2100"},
      {"es9121000418450200051332", "2100"},
      {"FR1420041010050500013M02606", ""},
      {"ES91 2100 0418", " 210"},  // never matches a row
      {"ES91", ""},
      {"", ""},
  };
  for (const auto& [iban, entity] : cases) EXPECT_EQ(EntidadDeIBAN(U(iban)), U(entity)) << iban;
}

TEST(BicTest, ConsistencyMessages) {
  const QString cannotSearch =
      U("El IBAN tiene un código de país distinto a \"ES\" y no se puede buscar el código BIC");
  const QString notChecked = U("El IBAN tiene un código de país distinto a \"ES\" y no se comprobará");
  struct Case {
    const char* iban;
    const char* bic;
    QString quiet;  // warning flag off
    QString warn;   // warning flag on
  };
  const Case cases[] = {
      {"", "CAIXESBBXXX", U("Se ha indicado un código BIC pero ningún código IBAN"),
       U("Se ha indicado un código BIC pero ningún código IBAN")},
      {"", "", QString(), cannotSearch},
      {kIban2100, "", QString(), QString()},
      {kIban2100, "   ", QString(), QString()},
      {kIban2100, "CAIXESBBXXX", QString(), QString()},
      {kIban2100, "caixesbbxxx", QString(), QString()},
      {"es9121000418450200051332", "CAIXESBBXXX", QString(), QString()},
      {kIban2100, "CAIXESBBXXX ",
       U("El BIC calculado (CAIXESBBXXX) no coincide con el BIC existente (CAIXESBBXXX )"),
       U("El BIC calculado (CAIXESBBXXX) no coincide con el BIC existente (CAIXESBBXXX )")},
      {kIban2100, "BSCHESMMXXX",
       U("El BIC calculado (CAIXESBBXXX) no coincide con el BIC existente (BSCHESMMXXX)"),
       U("El BIC calculado (CAIXESBBXXX) no coincide con el BIC existente (BSCHESMMXXX)")},
      {kIban0049, "BSCHESMMXXX", QString(), QString()},
      {kIban9999, "", U("No se encuentra el código BIC para la entidad: 9999"),
       U("No se encuentra el código BIC para la entidad: 9999")},
      // The IBAN's own fault comes first, and no BIC message with it.
      {"ES9121000418460200051332", "BSCHESMMXXX",
       U("El número de cuenta (2100-0418-46-0200051332) no es correcto"),
       U("El número de cuenta (2100-0418-46-0200051332) no es correcto")},
      // A foreign IBAN: with the flag on the IBAN check's own notice wins.
      {"FR1420041010050500013M02606", "BNPAFRPPXXX", QString(), notChecked},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.iban) + " / " + c.bic);
    EXPECT_EQ(CompruebaIBANyBIC(U(c.iban), U(c.bic), false), c.quiet);
    EXPECT_EQ(CompruebaIBANyBIC(U(c.iban), U(c.bic), true), c.warn);
  }
}

}  // namespace
