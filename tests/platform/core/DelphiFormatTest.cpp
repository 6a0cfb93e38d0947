#include <gtest/gtest.h>

#include <QByteArray>
#include <QChar>
#include <limits>

#include "platform/core/Currency.h"
#include "platform/core/DelphiFormat.h"
#include "platform/core/Exceptions.h"
#include "tests/support/QtPrinters.h"

namespace {

QVariant S(const char* s) { return QVariant(QString::fromUtf8(s)); }
QVariant Money(std::int64_t raw) { return QVariant::fromValue(Currency::FromRaw(raw)); }

struct Case {
  const char* format;
  QVariantList args;
  const char* expected;
};

TEST(DelphiFormatTest, Directives) {
  const Case cases[] = {
      // texts
      {"%s", {S("hola")}, "hola"},
      {"%5s|", {S("ab")}, "   ab|"},
      {"%-5s|", {S("ab")}, "ab   |"},
      {"%.3s", {S("abcdef")}, "abc"},
      {"%2s", {S("abcdef")}, "abcdef"},
      {"%s", {QVariant(QByteArray("ñu"))}, "ñu"},
      {"%s%s", {QVariant(QChar(0x00D1)), QVariant::fromValue('x')}, "Ñx"},
      {"Matrícula %s de %s", {S("A1"), S("Ñoño")}, "Matrícula A1 de Ñoño"},
      // signed and unsigned integers
      {"%d", {QVariant(-42)}, "-42"},
      {"%5d|", {QVariant(42)}, "   42|"},
      {"%-5d|", {QVariant(42)}, "42   |"},
      {"%.5d", {QVariant(-42)}, "-00042"},
      {"%8.5d", {QVariant(-42)}, "  -00042"},
      {"%d", {QVariant(qint64{-9223372036854775807 - 1})}, "-9223372036854775808"},
      {"%d", {QVariant(quint64{18446744073709551615ull})}, "18446744073709551615"},
      {"%d %d %d",
       {QVariant::fromValue<qint16>(-3), QVariant::fromValue<uchar>(200), QVariant(7u)},
       "-3 200 7"},
      {"%u", {QVariant(-1)}, "4294967295"},
      {"%u", {QVariant::fromValue<qint16>(-1)}, "4294967295"},
      {"%u", {QVariant(qint64{-1})}, "18446744073709551615"},
      {"%.10u", {QVariant(123)}, "0000000123"},
      {"%x", {QVariant(255)}, "FF"},
      {"%.4x", {QVariant(255)}, "00FF"},
      {"%x", {QVariant(-1)}, "FFFFFFFF"},
      {"%x", {QVariant(qint64{-2})}, "FFFFFFFFFFFFFFFE"},
      {"%X", {QVariant(48879)}, "BEEF"},
      // index, "*" and percent
      {"%1:s %0:s", {S("a"), S("b")}, "b a"},
      {"%1:s %0:s %s", {S("a"), S("b")}, "b a b"},  // numbering goes on after an index
      {"%*d|", {QVariant(5), QVariant(42)}, "   42|"},
      {"%-*d|", {QVariant(4), QVariant(7)}, "7   |"},
      {"%*.*f", {QVariant(8), QVariant(1), QVariant(3.14159)}, "     3,1"},
      {"%.*d", {QVariant(4), QVariant(7)}, "0007"},
      {"100%%", {}, "100%"},
      {"%d%%", {QVariant(5)}, "5%"},
      {"sin directivas", {QVariant(1)}, "sin directivas"},  // extra arguments are fine
      // fixed, number and money
      {"%.2f", {QVariant(1234.5)}, "1234,50"},
      {"%f", {QVariant(2.0)}, "2,00"},
      {"%.0f", {QVariant(2.5)}, "3"},
      {"%.0f", {QVariant(-2.5)}, "-3"},
      {"%.2f", {QVariant(1.005)}, "1,01"},  // the decimal text, not the binary expansion
      {"%.2f", {QVariant(-0.001)}, "0,00"},
      {"%.2f", {Money(23450)}, "2,35"},
      {"%.4f", {Money(-1)}, "-0,0001"},
      {"%.1f", {QVariant(7)}, "7,0"},
      {"%.3f", {QVariant(0.1f)}, "0,100"},
      {"%10.2f|", {QVariant(-3.14159)}, "     -3,14|"},
      {"%n", {QVariant(1234.5)}, "1.234,50"},
      {"%.0n", {QVariant(1234567)}, "1.234.567"},
      {"%n", {QVariant(-999.999)}, "-1.000,00"},
      {"%n", {QVariant(12.0)}, "12,00"},
      {"%m", {QVariant(1234.5)}, "1.234,50 €"},
      {"%m", {Money(-12345000)}, "-1.234,50 €"},
      // scientific and general
      {"%e", {QVariant(1234.5)}, "1,23450000000000E+003"},
      {"%.3e", {QVariant(-0.000123456)}, "-1,23E-004"},
      {"%.2e", {QVariant(0.0)}, "0,0E+000"},
      {"%g", {QVariant(1234.5)}, "1234,5"},
      {"%g", {QVariant(0.1 + 0.2)}, "0,3"},
      {"%g", {QVariant(1e20)}, "1E20"},
      {"%g", {QVariant(0.00001)}, "0,00001"},
      {"%g", {QVariant(0.000001)}, "1E-6"},
      {"%.3g", {QVariant(1234.5)}, "1,23E3"},
      {"%g", {QVariant(42)}, "42"},
      {"%g", {Money(125000)}, "12,5"},
      {"%f|%g",
       {QVariant(std::numeric_limits<double>::quiet_NaN()),
        QVariant(-std::numeric_limits<double>::infinity())},
       "NAN|-INF"},
  };
  for (const Case& c : cases) {
    const QString format = QString::fromUtf8(c.format);
    EXPECT_EQ(Format(format, c.args), QString::fromUtf8(c.expected)) << c.format;
  }
}

TEST(DelphiFormatTest, MismatchesRaiseTheClassicMessage) {
  const Case cases[] = {
      {"%d", {S("12")}, nullptr},
      {"%d", {QVariant(1.0)}, nullptr},
      {"%d", {Money(10000)}, nullptr},
      {"%d", {QVariant(true)}, nullptr},
      {"%x", {QVariant(1.5)}, nullptr},
      {"%u", {QVariant()}, nullptr},
      {"%s", {QVariant(12)}, nullptr},
      {"%s", {QVariant(true)}, nullptr},
      {"%s", {QVariant::fromValue(nullptr)}, nullptr},
      {"%f", {S("1,5")}, nullptr},
      {"%f", {QVariant(true)}, nullptr},
      {"%m", {QVariant()}, nullptr},
      {"%d", {}, nullptr},
      {"%s %s", {S("a")}, nullptr},
      {"%2:s", {S("a"), S("b")}, nullptr},
      {"%*d", {S("5"), QVariant(1)}, nullptr},
      {"%*d", {QVariant(5)}, nullptr},
      {"abc %", {}, nullptr},
      {"%5", {QVariant(1)}, nullptr},
      {"%.", {QVariant(1)}, nullptr},
      {"%.f", {QVariant(1.0)}, nullptr},
      {"%-", {QVariant(1)}, nullptr},
      {"%q", {QVariant(1)}, nullptr},
      {"%Ť", {QVariant(1)}, nullptr},  // not read as its low byte ('d')
      {"%1:", {QVariant(1), QVariant(2)}, nullptr},
      {"%99999999999d", {QVariant(1)}, nullptr},
  };
  for (const Case& c : cases) {
    const QString format = QString::fromUtf8(c.format);
    try {
      const QString out = Format(format, c.args);
      ADD_FAILURE() << c.format << " gave " << out.toStdString();
    } catch (const EConvertError& e) {
      EXPECT_EQ(
          e.Message(),
          QStringLiteral("El formato '%1' no es válido o no es compatible con el argumento").arg(format));
    }
  }
}

}  // namespace
