// The texts of field values, shown and typed, shared by the controls and the grids.
#include <gtest/gtest.h>

#include "platform/core/DayDate.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TZULDisplayFormats.h"

namespace {

TEST(DisplayFormats, TextsOfTheFieldTypes) {
  EXPECT_EQ(TZULDisplayFormats::DisplayText(Var::FromCurrency(Currency::FromRaw(-12345678900)),
                                            TFieldType::ftCurrency),
            QStringLiteral("-1.234.567,89"));
  EXPECT_EQ(
      TZULDisplayFormats::EditText(Var::FromCurrency(Currency::FromRaw(12345000)), TFieldType::ftCurrency),
      QStringLiteral("1234,5"));
  TZULDisplayFormats::SetCurrencyFormatter([](Currency c) { return c.ToFixed(2) + QStringLiteral(" €"); });
  EXPECT_EQ(TZULDisplayFormats::DisplayText(Var::FromCurrency(Currency::FromInt(3)), TFieldType::ftCurrency),
            QStringLiteral("3.00 €"));
  EXPECT_EQ(TZULDisplayFormats::EditText(Var::FromCurrency(Currency::FromInt(3)), TFieldType::ftCurrency),
            QStringLiteral("3"))
      << "the mask is for showing only";
  TZULDisplayFormats::SetCurrencyFormatter({});

  const QVariant midnight = Var::FromDate(DayDate::Encode(2024, 3, 5));
  const QVariant morning = Var::FromDate(DayDate::Encode(2024, 3, 5, 9, 30));
  EXPECT_EQ(TZULDisplayFormats::DisplayText(midnight, TFieldType::ftDateTime), QStringLiteral("05/03/2024"));
  EXPECT_EQ(TZULDisplayFormats::DisplayText(morning, TFieldType::ftDateTime),
            QStringLiteral("05/03/2024 09:30"));
  EXPECT_EQ(TZULDisplayFormats::DisplayText(morning, TFieldType::ftTime), QStringLiteral("09:30"));
  EXPECT_EQ(TZULDisplayFormats::DisplayText(2.5, TFieldType::ftFloat), QStringLiteral("2,5"));
  EXPECT_EQ(TZULDisplayFormats::DisplayText(QVariant(), TFieldType::ftDate), QString());
}

// What a typed text becomes: written back as the person would edit it, or refused.
TEST(DisplayFormats, TypedTextsAreReadForTheFieldType) {
  struct Case {
    const char* text;
    TFieldType type;
    const char* parsed;  // nullptr: refused
  };
  for (const Case c : {
           Case{"1.234,5", TFieldType::ftCurrency, "1234,5"},
           Case{"12,5,3", TFieldType::ftCurrency, nullptr},
           Case{"12a", TFieldType::ftInteger, nullptr},
           Case{"1,5", TFieldType::ftInteger, nullptr},
           Case{" -7 ", TFieldType::ftInteger, "-7"},
           // Integers must fit the field.
           Case{"32767", TFieldType::ftSmallint, "32767"},
           Case{"40000", TFieldType::ftSmallint, nullptr},
           Case{"-1", TFieldType::ftWord, nullptr},
           Case{"3000000000", TFieldType::ftInteger, nullptr},
           Case{"3000000000", TFieldType::ftLargeint, "3000000000"},
           Case{"99999999999999999999", TFieldType::ftLargeint, nullptr},
           Case{"3,25", TFieldType::ftFloat, "3,25"},
           Case{"1.234,5", TFieldType::ftFloat, "1234,5"},
           Case{"doce", TFieldType::ftFloat, nullptr},
           // Two-digit years: 30 to 99 of the 1900s.
           Case{"31/12/99", TFieldType::ftDate, "31/12/1999"},
           Case{"1/2/05", TFieldType::ftDate, "01/02/2005"},
           Case{"31/02/2020", TFieldType::ftDate, nullptr},
           Case{"05/03/2024 10:00", TFieldType::ftDate, nullptr},  // the time would be lost
           Case{"5/3/24 9:30", TFieldType::ftDateTime, "05/03/2024 09:30"},
           Case{"05/03/2024", TFieldType::ftDateTime, "05/03/2024"},
           Case{"05/03/2024 25:00", TFieldType::ftDateTime, nullptr},
           Case{"9:05", TFieldType::ftTime, "09:05"},
           Case{"25:00", TFieldType::ftTime, nullptr},
           Case{"", TFieldType::ftInteger, ""},
           Case{"  ", TFieldType::ftDate, ""},
       }) {
    SCOPED_TRACE(c.text);
    const QString text = QString::fromUtf8(c.text);
    if (!c.parsed) {
      try {
        TZULDisplayFormats::ParseText(text, c.type);
        ADD_FAILURE() << "accepted";
      } catch (const EConvertError& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("«") + text.trimmed() + QStringLiteral("» no es ")))
            << e.Message().toStdString();
      }
      continue;
    }
    const QVariant v = TZULDisplayFormats::ParseText(text, c.type);
    EXPECT_EQ(TZULDisplayFormats::EditText(v, c.type), QString::fromUtf8(c.parsed));
  }
  // The range is told; a text field keeps what was typed.
  try {
    TZULDisplayFormats::ParseText(QStringLiteral("40000"), TFieldType::ftSmallint);
    ADD_FAILURE() << "accepted";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("«40000» no es un número entero entre -32768 y 32767"));
  }
  EXPECT_EQ(TZULDisplayFormats::ParseText(QStringLiteral(" Ana "), TFieldType::ftString),
            QVariant(QStringLiteral(" Ana ")));
}

}  // namespace
