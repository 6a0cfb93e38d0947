#include <gtest/gtest.h>

#include <QByteArray>
#include <QUrl>
#include <QVariantList>
#include <functional>
#include <limits>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "tests/support/QtPrinters.h"

namespace {

QVariant Text(const char* s) { return QVariant(QString::fromUtf8(s)); }
QVariant Money(std::int64_t raw) { return Var::FromCurrency(Currency::FromRaw(raw)); }

TEST(VariantsTest, EmptyNullAndKindCodes) {
  EXPECT_TRUE(Var::IsEmpty(Var::Empty()));
  EXPECT_FALSE(Var::IsNull(Var::Empty()));
  EXPECT_TRUE(Var::IsNull(Var::Null()));
  EXPECT_FALSE(Var::IsEmpty(Var::Null()));
  EXPECT_TRUE(Var::IsNull(QVariant::fromValue(static_cast<QObject*>(nullptr))));
  EXPECT_FALSE(Var::IsNull(QVariant(0)));
  EXPECT_FALSE(Var::IsNull(Text("")));
  EXPECT_TRUE(Var::IsNullOrEmpty(Var::Null()));
  EXPECT_TRUE(Var::IsNullOrEmpty(Var::Empty()));

  struct Case {
    QVariant v;
    std::uint16_t code;
  };
  const Case cases[] = {
      {Var::Empty(), 0x0000},
      {Var::Null(), 0x0001},
      {QVariant::fromValue<qint16>(1), 0x0002},
      {QVariant(1), 0x0003},
      {QVariant(1.5f), 0x0004},
      {QVariant(1.5), 0x0005},
      {Money(1), 0x0006},
      {Var::FromDate(1.5), 0x0007},
      {QVariant(QDate(2024, 1, 1)), 0x0007},
      {QVariant(true), 0x000B},
      {QVariant::fromValue<uchar>(1), 0x0011},
      {QVariant::fromValue<quint16>(1), 0x0012},
      {QVariant(1u), 0x0013},
      {QVariant(qint64{1}), 0x0014},
      {QVariant(quint64{1}), 0x0015},
      {QVariant(QByteArray("x")), 0x0100},
      {Text("x"), 0x0102},
      {QVariant(QVariantList{1, 2}), 0x200C},
      {QVariant(QUrl(QStringLiteral("http://x"))), 0x4000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Var::KindCode(c.v), c.code) << c.v.typeName();
    EXPECT_EQ(static_cast<std::uint16_t>(Var::Kind(c.v)), c.code);
  }
  EXPECT_EQ(Var::Kind(Text("x")), VariantKind::UString);
}

TEST(VariantsTest, IntegersRoundToEvenAndReadTexts) {
  struct Case {
    QVariant v;
    qint64 expected;
  };
  const Case cases[] = {
      {Var::Null(), 0},
      {Var::Empty(), 0},
      {QVariant(true), 1},
      {QVariant(false), 0},
      {QVariant(2.5), 2},
      {QVariant(3.5), 4},
      {QVariant(-2.5), -2},
      {QVariant(-3.5), -4},
      {QVariant(2.6), 3},
      {QVariant(-2.4), -2},
      {QVariant(2.5f), 2},
      {Money(25000), 2},
      {Money(35000), 4},
      {Money(-25001), -3},
      {Money(-15000), -2},
      {Text("12"), 12},
      {Text(" -7 "), -7},
      {Text("12,5"), 12},
      {Text("13.5"), 14},
      {Text("1.234.567"), 1234567},
      {Text("1E3"), 1000},
      {QVariant(QByteArray("42")), 42},
      {Var::FromDate(45351.75), 45351},
      {QVariant(QDate(1899, 12, 29)), -1},
      {QVariant(quint64{9223372036854775807ull}), std::numeric_limits<qint64>::max()},
      {Text("-9223372036854775808"), std::numeric_limits<qint64>::min()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Var::ToInt64(c.v), c.expected) << Var::ToString(c.v).toStdString();
  }
  EXPECT_EQ(Var::ToInt(QVariant(2147483647.0)), 2147483647);
  EXPECT_EQ(Var::VarAEnter(Text("12")), 12);
}

TEST(VariantsTest, FailedConversionsRaiseWithTheValueInTheMessage) {
  try {
    Var::ToInt(Text("abc"));
    FAIL() << "no error";
  } catch (const EVariantError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("No se puede convertir el valor «abc» a número entero"));
  }
  using Conv = std::function<void(const QVariant&)>;
  const Conv toInt = [](const QVariant& v) { Var::ToInt(v); };
  const Conv toInt64 = [](const QVariant& v) { Var::ToInt64(v); };
  const Conv toDouble = [](const QVariant& v) { Var::ToDouble(v); };
  const Conv toCurrency = [](const QVariant& v) { Var::ToCurrency(v); };
  const Conv toBool = [](const QVariant& v) { Var::ToBool(v); };
  const Conv toDate = [](const QVariant& v) { Var::ToDateTime(v); };
  const Conv toString = [](const QVariant& v) { Var::ToString(v); };
  struct Case {
    const Conv* conv;
    QVariant v;
  };
  const Case cases[] = {
      {&toInt, Text("")},
      {&toInt, QVariant(5e9)},
      {&toInt, QVariant(qint64{1} << 40)},
      {&toInt64, QVariant(1e19)},
      {&toInt64, QVariant(std::numeric_limits<double>::quiet_NaN())},
      {&toInt64, QVariant(quint64{1} << 63)},
      {&toInt64, Text("9223372036854775808")},
      {&toInt64, QVariant(QVariantList{1})},
      {&toDouble, Text("1,2,3")},
      {&toDouble, Text("1e999")},
      {&toCurrency, QVariant(1e300)},
      {&toCurrency, Text("x")},
      {&toCurrency, QVariant(std::numeric_limits<float>::infinity())},
      {&toBool, Text("quizás")},
      {&toDate, Text("31/02/2024")},
      {&toString, QVariant(QVariantList{1})},
  };
  for (const Case& c : cases) {
    EXPECT_THROW((*c.conv)(c.v), EVariantError) << c.v.typeName() << ' ' << c.v.toString().toStdString();
    EXPECT_EQ(Var::VarAEnter(c.v), 0);
  }
  EXPECT_THROW(Var::ToDateTime(QVariant(true)), EVariantError);
}

TEST(VariantsTest, RealsAmountsAndBooleans) {
  EXPECT_DOUBLE_EQ(Var::ToDouble(Text("1,5")), 1.5);
  EXPECT_DOUBLE_EQ(Var::ToDouble(Text("1.5")), 1.5);
  EXPECT_DOUBLE_EQ(Var::ToDouble(Text("-1.234,5")), -1234.5);
  EXPECT_DOUBLE_EQ(Var::ToDouble(Text("1E-5")), 1e-5);
  EXPECT_DOUBLE_EQ(Var::ToDouble(Money(12345)), 1.2345);
  EXPECT_DOUBLE_EQ(Var::ToDouble(QVariant(7)), 7.0);
  EXPECT_DOUBLE_EQ(Var::ToDouble(Var::FromDate(-1.25)), -1.25);
  EXPECT_DOUBLE_EQ(Var::ToDouble(Var::Null()), 0.0);

  EXPECT_EQ(Var::ToCurrency(Text("1.234,56")).Raw(), 12345600);
  EXPECT_EQ(Var::ToCurrency(QVariant(0.1)).Raw(), 1000);
  EXPECT_EQ(Var::ToCurrency(QVariant(0.1f)).Raw(), 1000);  // the float's own digits, not 0.100000001
  EXPECT_EQ(Var::ToCurrency(QVariant(1.00005)).Raw(), 10001);
  EXPECT_EQ(Var::ToCurrency(QVariant(-3)).Raw(), -30000);
  EXPECT_EQ(Var::ToCurrency(Var::Empty()).Raw(), 0);

  struct BoolCase {
    QVariant v;
    bool expected;
  };
  const BoolCase bools[] = {
      {Text("true"), true},   {Text("FALSE"), false}, {Text("0"), false},   {Text("2"), true},
      {Text(" True "), true}, {QVariant(0), false},   {QVariant(-1), true}, {QVariant(0.0), false},
      {Money(1), true},       {Var::Null(), false},
  };
  for (const BoolCase& c : bools) EXPECT_EQ(Var::ToBool(c.v), c.expected) << c.v.toString().toStdString();
}

TEST(VariantsTest, TextsUseTheSpanishDecimalComma) {
  struct Case {
    QVariant v;
    const char* expected;
  };
  const Case cases[] = {
      {Var::Null(), ""},
      {Var::Empty(), ""},
      {QVariant(-42), "-42"},
      {QVariant(quint64{18446744073709551615ull}), "18446744073709551615"},
      {QVariant(1.5), "1,5"},
      {QVariant(0.1 + 0.2), "0,30000000000000004"},
      {QVariant(0.1f), "0,1"},
      {QVariant(1e20), "1E20"},
      {QVariant(1.5e-7), "1,5E-7"},
      {QVariant(123456789012345.0), "123456789012345"},
      {QVariant(100.0), "100"},
      {Money(125000), "12,5"},
      {Money(-30000), "-3"},
      {QVariant(true), "True"},
      {QVariant(false), "False"},
      {Var::FromDate(DayDate::Encode(2024, 2, 29, 13, 5, 9)), "29/02/2024 13:05:09"},
      {QVariant(QDate(2024, 2, 29)), "29/02/2024"},
      {QVariant(QByteArray("ñ")), "ñ"},
      {QVariant(QChar(0x00F1)), "ñ"},
  };
  for (const Case& c : cases) EXPECT_EQ(Var::ToString(c.v), QString::fromUtf8(c.expected)) << c.v.typeName();
  // A shortest text reads back as the same double.
  for (double d : {0.1 + 0.2, 1e20, 1.5e-7, -123.456, 5e-324}) {
    EXPECT_EQ(Var::ToDouble(QVariant(Var::ToString(QVariant(d)))), d) << d;
  }
}

TEST(VariantsTest, DatesFromValuesAndTexts) {
  EXPECT_DOUBLE_EQ(Var::ToDateTime(QVariant(QDate(2000, 1, 1))), 36526.0);
  EXPECT_DOUBLE_EQ(Var::ToDateTime(Var::FromDate(-1.25)), -1.25);
  EXPECT_DOUBLE_EQ(Var::ToDateTime(QVariant(36526.5)), 36526.5);
  EXPECT_DOUBLE_EQ(Var::ToDateTime(QVariant(36526)), 36526.0);
  EXPECT_DOUBLE_EQ(Var::ToDateTime(Text("29/02/2024 13:05")), DayDate::Encode(2024, 2, 29, 13, 5));
  EXPECT_DOUBLE_EQ(Var::ToDateTime(Text("1/3/2024")), DayDate::Encode(2024, 3, 1));
  EXPECT_DOUBLE_EQ(Var::ToDateTime(Text("2024-02-29T13:05:09.5")),
                   DayDate::Encode(2024, 2, 29, 13, 5, 9, 500));
  EXPECT_DOUBLE_EQ(Var::ToDateTime(Text("36526,25")), 36526.25);
  EXPECT_DOUBLE_EQ(Var::ToDateTime(Var::Null()), 0.0);
  EXPECT_EQ(Var::FromDate(1.5).toDateTime().timeSpec(), Qt::UTC);
}

}  // namespace
