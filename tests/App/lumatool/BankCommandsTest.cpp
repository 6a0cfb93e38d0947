// lumatool's bank commands: command lines, what they print and their exit status.

#include <gtest/gtest.h>

#include <QDate>
#include <QRegularExpression>

#include "tests/App/lumatool/ToolRunner.h"
#include "tests/support/QtPrinters.h"

namespace {

struct Case {
  const char* line;  // arguments separated by "|"
  int status;
  const char* out;
  const char* err;  // nullptr: not checked
};

QStringList Args(const char* line) { return QString::fromUtf8(line).split(QLatin1Char('|')); }

TEST(BankCommandsTest, CommandLinesAndTheirResults) {
  const Case cases[] = {
      {"iban|check|ES9121000418450200051332", 0, "\n", ""},
      {"iban|check|--warn-foreign|ES9121000418450200051332", 0, "\n", ""},
      {"iban|check|", 0, "\n", ""},
      {"iban|check|ES0021000418450200051332", 1, "Error en los dígitos de control del IBAN\n", ""},
      {"iban|check|ES9121000418460200051332", 1,
       "El número de cuenta (2100-0418-46-0200051332) no es correcto\n", ""},
      {"iban|check|GB82WEST12345698765432", 0, "\n", ""},
      {"iban|check|--warn-foreign|GB82WEST12345698765432", 1,
       "El IBAN tiene un código de país distinto a \"ES\" y no se comprobará\n", ""},
      {"iban|normalize|ES  21000418450200051332", 0, "ES9121000418450200051332\n", ""},
      {"iban|normalize|ES0021000418450200051332", 0, "ES0021000418450200051332\n", ""},
      {"iban|normalize|", 0, "\n", ""},
      {"iban|analyze|ES9121000418450200051332", 0, "0\tES\t91\t21000418450200051332\n", ""},
      {"iban|analyze|ES  21000418450200051332", 0, "2\tES\t  \t21000418450200051332\n", ""},
      {"iban|analyze|ES91", 0, "1\tES\t91\t\n", ""},
      {"iban|make|ES|21000418450200051332", 0, "ES9121000418450200051332\n", ""},
      {"iban|make|ES|2100 0418", 1, "", "Se encontró un carácter no válido: \" \"\n"},
      {"ccc|check|21000418450200051332", 0, "0\n", ""},
      {"ccc|check|21000418460200051332", 0, "1\n", ""},
      {"ccc|check|2100041845", 0, "3\n", ""},
      {"ccc|check|2100041845020005133A", 0, "5\n", ""},
      {"ccc|digits|2100|0418|0200051332", 0, "45\n", ""},
      {"ccc|digits|2100|0418|12345678901", 1, "", "Imposible calcular el número de control\n"},
      {"ccc|format|21000418450200051332", 0, "2100-0418-45-0200051332\n", ""},
      {"ccc|format| 123 ", 0, "123\n", ""},
      {"bic|find|ES9121000418450200051332", 0, "CAIXESBBXXX\n", ""},
      {"bic|find|ES8099990001450000000001", 0, "\n", ""},
      {"bic|find|FR1420041010050500013M02606", 0, "\n", ""},
      {"bic|check|ES9121000418450200051332|caixesbbxxx", 0, "\n", ""},
      {"bic|check|ES9121000418450200051332|BSCHESMMXXX", 1,
       "El BIC calculado (CAIXESBBXXX) no coincide con el BIC existente (BSCHESMMXXX)\n", ""},
      {"bic|check|FR1420041010050500013M02606|", 0, "\n", ""},
      {"bic|check|--warn-foreign||", 1,
       "El IBAN tiene un código de país distinto a \"ES\" y no se puede buscar el código BIC\n", ""},
      {"nif|normalize|12.345.678 z", 0, "12345678Z\n", ""},
      {"nif|normalize|x1234567l", 0, "X1234567L\n", ""},
      {"sepa|creditor-id|0|12345678Z", 0, "ES5800012345678Z\n", ""},
      {"sepa|creditor-id|-1|12345678Z", 1, "", "El Sufijo del acreedor no es un número válido: -1\n"},
      // Malformed command lines.
      {"iban", 2, "", nullptr},
      {"iban|check", 2, "", nullptr},
      {"iban|check|--warn-foreign", 2, "", nullptr},
      {"iban|make|ES", 2, "", nullptr},
      {"iban|verify|ES91", 2, "", nullptr},
      {"ccc|digits|2100|0418", 2, "", nullptr},
      {"bic|check|ES9121000418450200051332", 2, "", nullptr},
      {"bic|find|--warn-foreign|ES9121000418450200051332", 2, "", nullptr},
      {"nif|normalize", 2, "", nullptr},
      {"sepa|creditor-id|0", 2, "", nullptr},
      {"sepa|mandate|now", 2, "", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const ToolResult r = RunLumatool(Args(c.line));
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, QString::fromUtf8(c.out));
    if (c.err != nullptr) {
      EXPECT_EQ(r.err, QString::fromUtf8(c.err));
    } else {
      EXPECT_TRUE(r.err.contains(QStringLiteral("lumatool sepa mandate"))) << r.err.toStdString();
    }
  }
}

TEST(BankCommandsTest, MandateReferenceAndDateOfToday) {
  const QDate before = QDate::currentDate();
  const ToolResult r = RunLumatool({QStringLiteral("sepa"), QStringLiteral("mandate")});
  const QDate after = QDate::currentDate();
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("^A(\\d{6})\\d{9}\\t(\\d\\d/\\d\\d/\\d{4})\\n$")).match(r.out);
  ASSERT_TRUE(m.hasMatch()) << r.out.toStdString();
  const QDate date = QDate::fromString(m.captured(2), QStringLiteral("dd/MM/yyyy"));
  EXPECT_TRUE(date == before || date == after) << m.captured(2).toStdString();
  EXPECT_EQ(m.captured(1), date.toString(QStringLiteral("yyMMdd")));
}

}  // namespace
