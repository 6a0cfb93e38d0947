// Over many generated Spanish accounts: computed control digits pass, the IBAN
// built from them passes, and every single-digit change to the IBAN is caught,
// including those the CCC's own digits miss.

#include <gtest/gtest.h>

#include <random>

#include "App/CodiComu/bank/Ccc.h"
#include "App/CodiComu/bank/Iban.h"

namespace {

QString RandomDigits(std::mt19937& random, int count) {
  std::uniform_int_distribution<int> digit(0, 9);
  QString text;
  for (int i = 0; i < count; ++i) text += QChar(static_cast<char16_t>(u'0' + digit(random)));
  return text;
}

TEST(IbanPropertyTest, EverySingleDigitChangeOfAGeneratedSpanishIbanIsCaught) {
  std::mt19937 random(20240305);
  int missedByCcc = 0;
  for (int n = 0; n < 600; ++n) {
    const QString entity = RandomDigits(random, 4);
    const QString office = RandomDigits(random, 4);
    const QString account = RandomDigits(random, 10);
    const std::optional<QString> digits = CalculaDigitosControlCCC(entity, office, account);
    ASSERT_TRUE(digits.has_value());
    const QString ccc = entity + office + *digits + account;
    ASSERT_EQ(CompruebaCCC(ccc), cccCorrecto) << ccc.toStdString();
    const QString iban = CalculaIBAN(QStringLiteral("ES"), ccc, true);
    ASSERT_EQ(CompruebaIBAN(iban, false), QString()) << iban.toStdString();
    ASSERT_EQ(CompruebaIBAN(iban, true), QString()) << iban.toStdString();
    ASSERT_EQ(NormalizaIBAN(iban), iban);

    for (int position = 2; position < iban.size(); ++position) {
      for (char16_t d = u'0'; d <= u'9'; ++d) {
        if (iban.at(position) == QChar(d)) continue;
        QString changed = iban;
        changed[position] = QChar(d);
        ASSERT_NE(CompruebaIBAN(changed, false), QString()) << changed.toStdString();
        if (position >= 4 && CompruebaCCC(changed.mid(4)) == cccCorrecto) ++missedByCcc;
      }
    }
  }
  // Remainders 1 and 10 share the digit 1, so the CCC alone lets some changes through.
  EXPECT_GT(missedByCcc, 0);
}

}  // namespace
