#include <gtest/gtest.h>

#include <QVariant>
#include <cstdint>
#include <limits>

#include "platform/core/Currency.h"
#include "platform/core/Exceptions.h"
#include "tests/support/QtPrinters.h"

namespace {

Currency C(std::int64_t raw) { return Currency::FromRaw(raw); }
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(CurrencyTest, ArithmeticIsExactAndRoundsHalvesAwayFromZero) {
  struct Case {
    std::int64_t a, b;
    char op;
    std::int64_t expected;
  };
  const Case cases[] = {
      {12500, 7500, '+', 20000},
      {12500, 20000, '-', -7500},
      {25000, 15000, '*', 37500},       // 2.5 * 1.5 = 3.75
      {1, 5000, '*', 1},                // 0.0001 * 0.5 = 0.00005 -> 0.0001
      {-1, 5000, '*', -1},              // halves go away from zero on both sides
      {1, 4999, '*', 0},                //
      {10000, 30000, '/', 3333},        // 1 / 3
      {20000, 30000, '/', 6667},        // 2 / 3
      {-20000, 30000, '/', -6667},      //
      {20000, -30000, '/', -6667},      //
      {1, 20000, '/', 1},               // 0.0001 / 2 = 0.00005 -> 0.0001
      {kMax, 10000, '*', kMax},         // the full range survives the 128-bit product
      {kMax / 2, 5000, '/', kMax - 1},  // and the 128-bit quotient
  };
  for (const Case& c : cases) {
    Currency r;
    switch (c.op) {
      case '+':
        r = C(c.a) + C(c.b);
        break;
      case '-':
        r = C(c.a) - C(c.b);
        break;
      case '*':
        r = C(c.a) * C(c.b);
        break;
      default:
        r = C(c.a) / C(c.b);
        break;
    }
    EXPECT_EQ(r.Raw(), c.expected) << c.a << ' ' << c.op << ' ' << c.b;
  }
  EXPECT_EQ((C(12345) * 3).Raw(), 37035);
  Currency acc = C(10000);
  acc += C(5000);
  acc *= C(20000);
  acc /= C(30000);
  acc -= C(10000);
  EXPECT_EQ(acc.Raw(), 0);
}

TEST(CurrencyTest, OverflowAndDivisionByZeroRaise) {
  EXPECT_THROW(C(kMax) + C(1), EConvertError);
  EXPECT_THROW(C(kMin) - C(1), EConvertError);
  EXPECT_THROW(-C(kMin), EConvertError);
  EXPECT_THROW(C(kMax) * C(20000), EConvertError);
  EXPECT_THROW(C(kMax) * 2, EConvertError);
  EXPECT_THROW(C(kMax) / C(5000), EConvertError);
  EXPECT_THROW(C(10000) / C(0), EConvertError);
  EXPECT_THROW(Currency::FromInt(kMax / 10000 + 1), EConvertError);
  EXPECT_EQ(Currency::FromInt(-kMax / 10000).Raw(), -(kMax / 10000) * 10000);
  EXPECT_THROW(C(kMax).Rounded(0), EConvertError);  // rounding up past the top
}

TEST(CurrencyTest, RoundedGoesHalvesAwayFromZero) {
  struct Case {
    std::int64_t raw;
    int decimals;
    std::int64_t expected;
  };
  const Case cases[] = {
      {23450, 2, 23500}, {-23450, 2, -23500}, {50, 2, 100},      {-50, 2, -100},    {23449, 2, 23400},
      {25000, 0, 30000}, {-25000, 0, -30000}, {24999, 0, 20000}, {12345, 3, 12350}, {12345, 4, 12345},
      {12345, 9, 12345}, {15000, -1, 20000},  // decimals outside 0..4 are clamped
  };
  for (const Case& c : cases) {
    EXPECT_EQ(C(c.raw).Rounded(c.decimals).Raw(), c.expected) << c.raw << " to " << c.decimals;
  }
  EXPECT_EQ(C(-49).RoundedToCents().Raw(), 0);
}

TEST(CurrencyTest, FromDoubleRoundsTheShortestDecimalText) {
  struct Case {
    double value;
    std::int64_t raw;
  };
  const Case cases[] = {
      {1.005, 10050},      {0.125, 1250},
      {2.00005, 20001},    {-2.00005, -20001},
      {0.1 + 0.2, 3000},   {0.00001, 0},
      {0.00005, 1},        {-0.00005, -1},
      {1.00004999, 10000}, {123456789.12345, 1234567891235},
      {-0.0, 0},           {922337203685477.0, 9223372036854770000},
  };
  for (const Case& c : cases) EXPECT_EQ(Currency::FromDouble(c.value).Raw(), c.raw) << c.value;
  EXPECT_DOUBLE_EQ(C(-12345).ToDouble(), -1.2345);

  const double bad[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                        -std::numeric_limits<double>::infinity(), 1e20, -1e16};
  for (double v : bad) EXPECT_THROW(Currency::FromDouble(v), EConvertError) << v;
}

TEST(CurrencyTest, ParseAcceptsBothSeparatorsAndRejectsTheRest) {
  struct Case {
    const char* text;
    std::int64_t raw;
  };
  const Case good[] = {
      {"12", 120000},
      {"-12.5", -125000},
      {"+3", 30000},
      {"1234,5678", 12345678},
      {"1.234,56", 12345600},
      {"1,234.56", 12345600},
      {" 3.1 ", 31000},
      {"1,234,567", 12345670000},
      {"1.234.567,5", 12345675000},
      {"12,3456789", 123457},
      {"-0,00005", -1},
      {"2.00004999", 20000},
      {".5", 5000},
      {"5.", 50000},
      {"0", 0},
      {"-0", 0},
      {"007", 70000},
      {"922337203685477.5807", kMax},
      {"-922337203685477.5808", kMin},
  };
  for (const Case& c : good) {
    const auto r = Currency::TryParse(QString::fromUtf8(c.text));
    ASSERT_TRUE(r.has_value()) << c.text;
    EXPECT_EQ(r->Raw(), c.raw) << c.text;
  }
  const char* bad[] = {"",
                       "   ",
                       "abc",
                       "12a",
                       "1.2.3",
                       "12,34.5,6",
                       "1,2,3.4",
                       "- 3",
                       "+",
                       ".",
                       "1e5",
                       "1 000",
                       "--1",
                       "1.2345.678,9",
                       "922337203685477.5808",
                       "99999999999999999999"};
  for (const char* t : bad) EXPECT_FALSE(Currency::TryParse(QString::fromUtf8(t)).has_value()) << t;
  EXPECT_THROW(Currency::Parse(QStringLiteral("doce")), EConvertError);
  EXPECT_EQ(Currency::Parse(QStringLiteral("12,50")).Raw(), 125000);
}

TEST(CurrencyTest, TextForms) {
  struct Case {
    std::int64_t raw;
    const char* plain;
    const char* cents;  // ToFixed(2, ',')
  };
  const Case cases[] = {
      {125000, "12.5", "12,50"},
      {-30000, "-3", "-3,00"},
      {1, "0.0001", "0,00"},
      {0, "0", "0,00"},
      {23450, "2.345", "2,35"},
      {-50, "-0.005", "-0,01"},
      {-40, "-0.004", "0,00"},  // a value that rounds to zero shows no sign
      {kMin, "-922337203685477.5808", "-922337203685477,58"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(C(c.raw).ToString(), QString::fromUtf8(c.plain)) << c.raw;
    EXPECT_EQ(C(c.raw).ToFixed(2, QLatin1Char(',')), QString::fromUtf8(c.cents)) << c.raw;
  }
  EXPECT_EQ(C(12345).ToFixed(0), QStringLiteral("1"));
  EXPECT_EQ(C(12345).ToFixed(4), QStringLiteral("1.2345"));
  EXPECT_EQ(C(15000).ToFixed(0), QStringLiteral("2"));
}

TEST(CurrencyTest, TravelsInQVariant) {
  const QVariant v = QVariant::fromValue(C(125000));
  EXPECT_EQ(v.metaType(), QMetaType::fromType<Currency>());
  EXPECT_EQ(QMetaType::fromName("Currency"), QMetaType::fromType<Currency>());
  EXPECT_EQ(v.value<Currency>().Raw(), 125000);
  EXPECT_TRUE(v.canConvert<double>());
  EXPECT_DOUBLE_EQ(v.toDouble(), 12.5);
  EXPECT_EQ(v.toString(), QStringLiteral("12.5"));
  EXPECT_EQ(v, QVariant::fromValue(C(125000)));
  EXPECT_NE(v, QVariant::fromValue(C(125001)));
  EXPECT_LT(C(-1), C(0));
}

}  // namespace
