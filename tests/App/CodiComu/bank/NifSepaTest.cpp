// Tax identifiers and the SEPA creditor identifier.

#include <gtest/gtest.h>

#include "App/CodiComu/bank/Nif.h"
#include "App/CodiComu/bank/Sepa.h"
#include "platform/core/Exceptions.h"
#include "tests/support/QtPrinters.h"

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

TEST(NifTest, Normalisation) {
  const std::pair<const char*, const char*> cases[] = {
      {"12345678", "12345678Z"},
      {"12345678Z", "12345678Z"},
      {"12345678A", "12345678Z"},  // a given letter is replaced
      {"12345678z", "12345678Z"},
      {"1234567-L", "01234567L"},
      {"12.345.678 z", "12345678Z"},
      {"  12345678Z  ", "12345678Z"},
      {"000012345678", "12345678Z"},  // leading zeros are no part of the number
      {"X1234567L", "X1234567L"},     // begins with a letter
      {"x1234567l", "X1234567L"},
      {"12345678AB", "12345678AB"},  // two letters
      {"12345678A-B", "12345678AB"},
      {"00000000T", "00000000T"},  // number 0
      {"0", "0"},
      {"", ""},
      {"-./", ""},
      {"12345678\xc3\x91", "12345678Z"},  // "Ñ" is no letter A-Z
      // Beyond 32 and 64 bits the number stays exact.
      {"4294967296", "4294967296N"},
      {"99999999999999999999", "99999999999999999999W"},
      {"123456789012345678901234567890", "123456789012345678901234567890S"},
  };
  for (const auto& [nif, normal] : cases) EXPECT_EQ(NormalizaNIF(U(nif)), U(normal)) << nif;
}

TEST(NifTest, ControlLetters) {
  const QString letters = QStringLiteral("TRWAGMYFPDXBNJZSQVHLCKE");
  for (int r = 0; r < 23; ++r) EXPECT_EQ(LetraNIF(r), letters.at(r)) << r;
}

TEST(SepaTest, CheckDigitsOverIdentifierAndCountry) {
  EXPECT_EQ(DigitosControlSEPA(QStringLiteral("ES"), QStringLiteral("12345678Z")), QStringLiteral("58"));
  EXPECT_EQ(DigitosControlSEPA(QStringLiteral("ES"), QStringLiteral("X1234567L")), QStringLiteral("59"));
  try {
    DigitosControlSEPA(QStringLiteral("ES"), QStringLiteral("1234-5678Z"));
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Se encontró un carácter no válido: \"-\""));
  }
}

TEST(SepaTest, CreditorIdentifier) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"0", "12345678Z", "ES5800012345678Z"},      {"000", "12345678Z", "ES5800012345678Z"},
      {"7", "12345678Z", "ES5800712345678Z"},      {"1234", "12345678Z", "ES5812312345678Z"},  // cut to three
      {"0", "12345678", "ES5800012345678Z"},  // the identifier is normalised
      {"0", " 12.345.678-a ", "ES5800012345678Z"}, {"0", "X1234567L", "ES59000X1234567L"},
  };
  for (const auto& [suffix, taxId, creditor] : cases) {
    EXPECT_EQ(CalculaIdentificadorAcreedor(U(suffix), U(taxId)), U(creditor)) << suffix << " " << taxId;
  }
}

TEST(SepaTest, SuffixMustBePlainDigits) {
  for (const char* suffix : {"", "-1", "+7", " 7", "7 ", "abc", "1.0", "$1F"}) {
    try {
      CalculaIdentificadorAcreedor(U(suffix), QStringLiteral("12345678Z"));
      ADD_FAILURE() << "no error for «" << suffix << "»";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), U("El Sufijo del acreedor no es un número válido: ") + U(suffix));
    }
  }
}

}  // namespace
