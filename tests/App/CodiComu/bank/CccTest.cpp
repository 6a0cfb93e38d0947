// Control digits of Spanish account numbers.

#include <gtest/gtest.h>

#include "App/CodiComu/bank/Ccc.h"
#include "tests/support/QtPrinters.h"

namespace {

TEST(CccTest, ControlDigitOfAGroup) {
  struct Case {
    const char* group;
    const char* digit;  // nullptr: cannot be computed
  };
  const Case cases[] = {
      {"21000418", "4"},
      {"0200051332", "5"},
      {"0", "0"},                // r = 0
      {"00000000", "0"},         //
      {"2", "1"},                // 2 x 6 = 12, r = 1
      {"9", "1"},                // 9 x 6 = 54, r = 10: the same digit as r = 1
      {"1", "5"},                // 11 - 6
      {"", "0"},                 // nothing weighs anything
      {"1234567890", "6"},       // all ten weights: 280, r = 5
      {"12345678901", nullptr},  // more digits than weights
      {"12a4", nullptr},
      {"12 4", nullptr},
      {"-124", nullptr},
      {"\xd9\xa1", nullptr},  // an Arabic-Indic one is no digit here
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.group);
    const std::optional<QChar> digit = DigitoControlCCC(QString::fromUtf8(c.group));
    if (c.digit == nullptr) {
      EXPECT_FALSE(digit.has_value());
    } else {
      ASSERT_TRUE(digit.has_value());
      EXPECT_EQ(QString(*digit), QString::fromUtf8(c.digit));
    }
  }
}

TEST(CccTest, ControlDigitsOfEntityOfficeAndAccount) {
  struct Case {
    const char* entity;
    const char* office;
    const char* account;
    const char* digits;  // nullptr: fails
  };
  const Case cases[] = {
      {"2100", "0418", "0200051332", "45"},     {"21", "418", "200051332", "05"},  // left-padded: entity 0021
      {"0021", "0418", "0200051332", "05"},     {"", "0418", "0200051332", nullptr},
      {"2100", "", "0200051332", nullptr},      {"2100", "0418", "", nullptr},
      {"2100", "0418", "12345678901", nullptr},  // account of 11 digits
      {"02100", "0418", "0200051332", nullptr},  // entity of 5
      {"2100", "04180", "0200051332", nullptr}, {"2100", " 418", "0200051332", nullptr},  // a blank
      {"2100", "+418", "0200051332", nullptr},                                            // a sign
      {"2100", "-418", "0200051332", nullptr},  {"21A0", "0418", "0200051332", nullptr},
      {"2100", "0418", "020005133A", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.entity) + "/" + c.office + "/" + c.account);
    const std::optional<QString> digits = CalculaDigitosControlCCC(
        QString::fromUtf8(c.entity), QString::fromUtf8(c.office), QString::fromUtf8(c.account));
    if (c.digits == nullptr) {
      EXPECT_FALSE(digits.has_value()) << digits->toStdString();
    } else {
      ASSERT_TRUE(digits.has_value());
      EXPECT_EQ(*digits, QString::fromUtf8(c.digits));
    }
  }
}

TEST(CccTest, CheckCleansTheTextFirst) {
  struct Case {
    const char* ccc;
    TResultadoCCC result;
  };
  const Case cases[] = {
      {"21000418450200051332", cccCorrecto},
      {"2100-0418-45-0200051332", cccCorrecto},  // the display form
      {"  2100 0418 45 0200051332 ", cccCorrecto},
      {"21000418460200051332", cccDigitosIncorrectos},
      {"21000418540200051332", cccDigitosIncorrectos},  // digits swapped
      {"2100041845020005133", cccLongitudIncorrecta},
      {"210004184502000513321", cccLongitudIncorrecta},
      {"", cccLongitudIncorrecta},
      {"2100041845020005133A", cccIncalculable},  // a letter counts for the length
      {"2100041845020005133a", cccIncalculable},
      {"2100041845020005133\xc3\x91", cccLongitudIncorrecta},  // "Ñ" is dropped
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ccc);
    EXPECT_EQ(CompruebaCCC(QString::fromUtf8(c.ccc)), c.result);
  }
}

TEST(CccTest, DisplayFormOnlyForTwentyCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"21000418450200051332", "2100-0418-45-0200051332"},
      {"  21000418450200051332 ", "2100-0418-45-0200051332"},
      {"2100041845020005133A", "2100-0418-45-020005133A"},
      {"2100041845020005133", "2100041845020005133"},
      {" 12 ", "12"},
      {"", ""},
  };
  for (const auto& [ccc, shown] : cases)
    EXPECT_EQ(FormateaCCC(QString::fromUtf8(ccc)), QString::fromUtf8(shown));
}

}  // namespace
