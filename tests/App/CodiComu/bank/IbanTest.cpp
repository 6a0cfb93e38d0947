// IBAN check digits, analysis, validation messages and normalisation.

#include <gtest/gtest.h>

#include <QSet>

#include "App/CodiComu/bank/CountryCodes.h"
#include "App/CodiComu/bank/Iban.h"
#include "platform/core/Exceptions.h"
#include "tests/support/QtPrinters.h"

namespace {

const QString kIban = QStringLiteral("ES9121000418450200051332");
const QString kForeign = QStringLiteral("GB82WEST12345698765432");

QString U(const char* text) { return QString::fromUtf8(text); }

TEST(Modulo97Test, RemainderIsExactForAnyLength) {
  const std::pair<QString, int> cases[] = {
      {QString(), 0},
      {QStringLiteral("0"), 0},
      {QStringLiteral("96"), 96},
      {QStringLiteral("97"), 0},
      {QStringLiteral("98"), 1},
      {QStringLiteral("1234567890").repeated(7), 7},  // 70 digits
      {QString(61, QLatin1Char('9')), 81},
      {QStringLiteral("000000000000000000000000000000000098"), 1},
  };
  for (const auto& [digits, remainder] : cases) EXPECT_EQ(Resto97(digits), remainder) << digits.toStdString();
  EXPECT_THROW(Resto97(QStringLiteral("12a")), EConvertError);
}

TEST(Modulo97Test, CharacterValues) {
  const std::pair<QChar, const char*> cases[] = {
      {QLatin1Char('0'), "0"},  {QLatin1Char('9'), "9"},  {QLatin1Char('A'), "10"},
      {QLatin1Char('a'), "10"}, {QLatin1Char('Z'), "35"}, {QLatin1Char('z'), "35"},
      {QLatin1Char(' '), ""},   {QLatin1Char('-'), ""},   {QChar(0x00D1), ""},  // Ñ
      {QChar(0x0661), ""},                                                      // Arabic-Indic one
  };
  for (const auto& [c, value] : cases)
    EXPECT_EQ(ValorCaracterIBAN(c), U(value)) << static_cast<int>(c.unicode());
}

TEST(CountryCodesTest, TableHoldsExactlyTheCodesInNumericOrder) {
  const QStringList expected = QStringLiteral(
                                   "AD AE AF AG AI AL AM AN AO AQ AR AS AT AU AW AX AZ BA BB BD BE BF BG BH "
                                   "BI BJ BM BN BO BR BS BT BU BV "
                                   "BW BY BZ CA CC CD CF CG CH CI CK CL CM CN CO CR CU CV CX CY CZ DE DJ DK "
                                   "DM DO DZ EC EE EG EH ER ES ET "
                                   "FI FJ FK FM FO FR GA GB GD GE GF GG GH GI GL GM GN GP GQ GR GS GT GU GW "
                                   "GY HK HM HN HR HT HU ID IE IL "
                                   "IM IN IO IQ IR IS IT JE JM JO JP KE KG KH KI KM KN KP KR KW KY KZ LA LB "
                                   "LC LI LK LR LS LT LU LV LY MA "
                                   "MC MD ME MG MH MK ML MM MN MO MP MQ MR MS MT MU MV MW MX MY MZ NA NC NE "
                                   "NF NG NI NL NO NP NR NU NZ OM "
                                   "PA PE PF PG PH PK PL PM PN PR PS PT PW PY QA RE RO RS RW SA SB SC SD SE "
                                   "SG SH SI SJ SK SL SM SN SO SR "
                                   "ST SV SY SZ TC TD TF TG TH TJ TK TL TM TN TO TR TT TV TW TZ UA UG UM US "
                                   "UY UZ VA VC VE VG VI VN VU WF "
                                   "WS YE YT ZA ZM ZR ZW")
                                   .split(QLatin1Char(' '));
  ASSERT_EQ(expected.size(), 245);
  const auto table = ISO3166Table();
  ASSERT_EQ(table.size(), 245u);
  QSet<QString> codes;
  for (std::size_t i = 0; i < table.size(); ++i) {
    codes.insert(QLatin1String(table[i].code));
    if (i > 0) {
      EXPECT_LE(table[i - 1].numeric, table[i].numeric) << table[i].code;
    }
  }
  EXPECT_EQ(codes, QSet<QString>(expected.begin(), expected.end()));
}

TEST(CountryCodesTest, LookupGivesThePositionWithoutRegardToCase) {
  const std::pair<const char*, int> cases[] = {
      {"AF", 1},  {"af", 1},  {"AL", 2},  {"ZM", 245}, {"ES", 206}, {"eS", 206}, {"AN", 154}, {"BL", -1},
      {"BQ", -1}, {"CW", -1}, {"MF", -1}, {"SS", -1},  {"SX", -1},  {"", -1},    {"ESP", -1}, {"E", -1},
  };
  for (const auto& [code, position] : cases) EXPECT_EQ(ExisteCodigoPais(U(code)), position) << code;
  for (const char* withdrawn : {"BU", "ZR"}) EXPECT_GT(ExisteCodigoPais(U(withdrawn)), 0) << withdrawn;
}

TEST(IbanTest, CheckDigitsFromCountryAndBban) {
  struct Case {
    const char* country;
    const char* bban;
    const char* iban;
  };
  const Case cases[] = {
      {"ES", "21000418450200051332", "ES9121000418450200051332"},
      {"es", "21000418450200051332", "es9121000418450200051332"},
      {"GB", "WEST12345698765432", "GB82WEST12345698765432"},
      {"GB", "west12345698765432", "GB82west12345698765432"},  // lower case has the same value
      {"FR", "20041010050500013M02606", "FR1420041010050500013M02606"},
      {"GB", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD", "GB12ABCDEFGHIJKLMNOPQRSTUVWXYZABCD"},  // 64 digits
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.iban);
    EXPECT_EQ(CalculaIBAN(U(c.country), U(c.bban), true), U(c.iban));
    EXPECT_EQ(CalculaIBAN(U(c.country), U(c.bban), false), U(c.iban));
  }
}

TEST(IbanTest, ACharacterWithoutValueRaisesOnlyInStrictMode) {
  EXPECT_EQ(CalculaIBAN(QStringLiteral("ES"), QStringLiteral("2100 0418"), false), QString());
  EXPECT_EQ(CalculaIBAN(QStringLiteral("E-"), QStringLiteral("2100"), false), QString());
  try {
    CalculaIBAN(QStringLiteral("ES"), QStringLiteral("2100-0418"), true);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Se encontró un carácter no válido: \"-\""));
  }
}

TEST(IbanTest, AnalysisReturnsThePiecesWhateverTheResult) {
  struct Case {
    const char* iban;
    TResultadoIBAN result;
    const char* country;
    const char* digits;
    const char* bban;
  };
  const Case cases[] = {
      {"ES9121000418450200051332", ibanCorrecto, "ES", "91", "21000418450200051332"},
      {"es9121000418450200051332", ibanCorrecto, "es", "91", "21000418450200051332"},
      {"GB82WEST12345698765432", ibanCorrecto, "GB", "82", "WEST12345698765432"},
      {"ES  21000418450200051332", ibanDigitosIncorrectos, "ES", "  ", "21000418450200051332"},
      {"ES0021000418450200051332", ibanDigitosIncorrectos, "ES", "00", "21000418450200051332"},
      {"ES+921000418450200051332", ibanDigitosIncorrectos, "ES", "+9", "21000418450200051332"},
      {"ES2921000418460200051332", ibanCCCIncorrecto, "ES", "29", "21000418460200051332"},
      {"ES91 2100 0418 4502 0005 1332", ibanCaracterSinValor, "ES", "91", " 2100 0418 4502 0005 1332"},
      {"ES91", ibanLongitudIncorrecta, "ES", "91", ""},
      {"ES9", ibanLongitudIncorrecta, "ES", "9", ""},
      {"GB12ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE", ibanLongitudIncorrecta, "GB", "12",
       "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDE"},  // 35 characters
      {"GB12ABCDEFGHIJKLMNOPQRSTUVWXYZABCD", ibanCorrecto, "GB", "12", "ABCDEFGHIJKLMNOPQRSTUVWXYZABCD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.iban);
    const TAnalisisIBAN a = AnalizaIBAN(U(c.iban));
    EXPECT_EQ(a.resultado, c.result);
    EXPECT_EQ(a.pais, U(c.country));
    EXPECT_EQ(a.digitosControl, U(c.digits));
    EXPECT_EQ(a.bban, U(c.bban));
  }
}

TEST(IbanTest, ValidationMessagesWithAndWithoutTheForeignWarning) {
  const QString foreign = U("El IBAN tiene un código de país distinto a \"ES\" y no se comprobará");
  const QString wrongAccount = U("El número de cuenta (2100-0418-46-0200051332) no es correcto");
  struct Case {
    const char* iban;
    QString quiet;  // warning flag off
    QString warn;   // warning flag on
  };
  const Case cases[] = {
      {"", QString(), QString()},
      {"ES9121000418450200051332", QString(), QString()},
      {"es9121000418450200051332", QString(), QString()},
      {"ES  21000418450200051332", QString(), QString()},  // check digits still to fill in
      {"ES0021000418450200051332", U("Error en los dígitos de control del IBAN"),
       U("Error en los dígitos de control del IBAN")},
      {"ES9121000418460200051332", wrongAccount, wrongAccount},  // CCC digits changed only
      {"ES2921000418460200051332", wrongAccount, wrongAccount},  // IBAN digits recomputed
      {"ES  21000418460200051332", wrongAccount, wrongAccount},
      {"ES912100041845020005133A", U("Imposible calcular el número de control"),
       U("Imposible calcular el número de control")},
      {"ES91 2100 0418 4502 0005 1332",
       U("La longitud del IBAN es incorrecta, deben ser 24 carácteres, ha puesto 29"),
       U("La longitud del IBAN es incorrecta, deben ser 24 carácteres, ha puesto 29")},
      {"ES912", U("La longitud del IBAN es incorrecta, deben ser 24 carácteres, ha puesto 5"),
       U("La longitud del IBAN es incorrecta, deben ser 24 carácteres, ha puesto 5")},
      {"ES91", U("La longitud del IBAN es demasiado corta"), U("La longitud del IBAN es demasiado corta")},
      {"    ", U("La longitud del IBAN es demasiado corta"), U("La longitud del IBAN es demasiado corta")},
      {"GB82WEST12345698765432", QString(), foreign},
      {"GB00WEST12345698765432", QString(), foreign},  // foreign errors go unreported
      {"XX86123456", QString(), foreign},              // an unknown country passes the mod-97 check
      {"XX00123456", U("No existe ningún país con el código XX"),
       U("No existe ningún país con el código XX")},
      {"xx00123456", U("No existe ningún país con el código xx"),
       U("No existe ningún país con el código xx")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.iban);
    EXPECT_EQ(CompruebaIBAN(U(c.iban), false), c.quiet);
    EXPECT_EQ(CompruebaIBAN(U(c.iban), true), c.warn);
  }
}

TEST(IbanTest, NormalisationFillsInMissingCheckDigitsOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"ES  21000418450200051332", "ES9121000418450200051332"},
      {"ES9121000418450200051332", "ES9121000418450200051332"},
      {"ES0021000418450200051332", "ES0021000418450200051332"},  // rejected: unchanged
      {"ES  21000418460200051332", "ES  21000418460200051332"},
      {"GB82WEST12345698765432", "GB82WEST12345698765432"},  // foreign: not checked, not touched
      {"ES91", "ES91"},
      {"", ""},  // holds nothing to compute from
  };
  for (const auto& [iban, normal] : cases) EXPECT_EQ(NormalizaIBAN(U(iban)), U(normal)) << iban;
}

}  // namespace
