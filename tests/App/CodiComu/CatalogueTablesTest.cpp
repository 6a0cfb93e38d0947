#include <gtest/gtest.h>
#include <QFile>
#include <QSet>

#include "App/CodiComu/CCTranslate.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

namespace {

QString Text(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

struct Range {
  int from;
  int to;
};

// The number ranges of each family of the shell's catalogue.
const struct {
  const char* family;
  std::vector<Range> ranges;
} kFamilies[] = {
    {"Common", {{100, 108}}},
    {"TFRMMenuLevel0Ext", {{1002, 1005}}},
    {"UtilsZUL", {{1100, 1104}}},
    {"UtilsDBGrid", {{1200, 1202}}},
    {"Norma19", {{1300, 1320}}},
    {"ZULDBVersions", {{1400, 1442}}},
    {"ZULAppConfig", {{1500, 1611}}},
    {"KorvaneZip", {{1650, 1656}}},
    {"FRMUserValues", {{1680, 1684}}},
    {"FRMSplash", {{1700, 1701}}},
    {"FRMSelDataBase", {{1720, 1733}}},
    {"FRMRestaurarCopiaSeg", {{1750, 1755}}},
    {"FRMRealizarCopiaSeg", {{1800, 1803}}},
    {"FRMPassword", {{1850, 1850}}},
    {"FRMPasswords", {{1860, 1861}}},
    {"FRMEditDataBase", {{1900, 1939}, {2008, 2009}}},
    {"FRMConfigZULUpdate", {{2000, 2007}}},
    {"FRMEnviaSMS", {{2101, 2138}}},
};

const Range kExeRanges[] = {{10001, 10032}, {10101, 10109}, {10201, 10208}, {10301, 10314}, {10401, 10456}};

bool InRanges(int number, const auto& ranges) {
  for (const Range& r : ranges) {
    if (number >= r.from && number <= r.to) return true;
  }
  return false;
}

TEST(CatalogueTablesTest, TransArrayHolds211UniqueEntriesIn334Slots) {
  const auto table = TransArray();
  ASSERT_EQ(table.size(), 334u);
  int filled = 0;
  QSet<int> numbers;
  QSet<QString> keys;
  for (const TTranslateiNum& e : table) {
    if (e.iNum == 0) {
      EXPECT_TRUE(Text(e.key).isEmpty() && Text(e.text).isEmpty());
      continue;
    }
    ++filled;
    const QString key = Text(e.key);
    SCOPED_TRACE(key.toStdString());
    EXPECT_FALSE(numbers.contains(e.iNum)) << e.iNum;
    EXPECT_FALSE(keys.contains(key));
    numbers.insert(e.iNum);
    keys.insert(key);
    EXPECT_FALSE(Text(e.text).isEmpty());
    const QString family = key.section(QLatin1Char('.'), 0, 0);
    bool known = false;
    for (const auto& f : kFamilies) {
      if (family != QLatin1String(f.family)) continue;
      known = true;
      EXPECT_TRUE(InRanges(e.iNum, f.ranges)) << e.iNum << " outside its family's numbers";
    }
    EXPECT_TRUE(known && key.size() > family.size() + 1);
  }
  EXPECT_EQ(filled, 211);
}

TEST(CatalogueTablesTest, ExeStringsTableHolds132SlotsOfTheProgramsNumbers) {
  const auto table = ExeStringsTable();
  ASSERT_EQ(table.size(), 132u);
  QSet<int> numbers;
  for (const TExeTranslateValue& e : table) {
    if (e.iNum == 0) continue;
    EXPECT_TRUE(InRanges(e.iNum, kExeRanges)) << e.iNum;
    EXPECT_FALSE(numbers.contains(e.iNum)) << e.iNum;
    numbers.insert(e.iNum);
    EXPECT_FALSE(Text(e.text).isEmpty()) << e.iNum;
  }
  int inRanges = 0;
  for (const Range& r : kExeRanges) inRanges += r.to - r.from + 1;
  EXPECT_EQ(numbers.size(), inRanges);  // every number of the ranges is used
}

TEST(CatalogueTablesTest, TheLiteEditionRewordsExactlyTheInvoiceEntries) {
  // The entries that speak of receipts in the lite edition.
  const Range reworded[] = {{10003, 10007}, {10015, 10016}, {10018, 10018}, {10026, 10027}, {10101, 10109},
                            {10201, 10208}, {10301, 10303}, {10305, 10314}, {10402, 10403}, {10405, 10405},
                            {10407, 10419}, {10421, 10421}, {10429, 10429}, {10431, 10431}, {10435, 10436},
                            {10438, 10444}, {10446, 10452}, {10456, 10456}};
  const auto full = ExeStringsTable();
  const auto lite = ExeStringsTableLite();
  ASSERT_EQ(lite.size(), full.size());
  for (std::size_t i = 0; i < full.size(); ++i) {
    const int number = full[i].iNum;
    EXPECT_EQ(lite[i].iNum, number);
    if (number == 0) continue;
    const QString liteText = Text(lite[i].text);
    EXPECT_FALSE(liteText.isEmpty()) << number;
    EXPECT_EQ(liteText != Text(full[i].text), InRanges(number, reworded)) << number;
  }
  const struct {
    int number;
    const char* text;
  } cases[] = {{10004, "&Generar Recibos"},
               {10414, "Recibos"},
               {10437, "Cobrar facturas..."},
               {10446, "COBRAR RECIBOS"},
               {10409, "El recibo no está cobrado, no se puede devolver"}};
  for (const auto& c : cases) {
    for (const TExeTranslateValue& e : lite) {
      if (e.iNum == c.number) {
        EXPECT_EQ(Text(e.text), QString::fromUtf8(c.text)) << c.number;
      }
    }
  }
}

// Every message number that the system shows has a non-empty default in its table.
TEST(CatalogueTablesTest, EveryMessageNumberInUseHasAText) {
  QFile file(TestDataDir() + QStringLiteral("/used_message_numbers.txt"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << file.fileName().toStdString();
  int checked = 0;
  QStringList missing;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.isEmpty()) continue;
    bool ok = false;
    const int number = line.toInt(&ok);
    ASSERT_TRUE(ok) << line.toStdString();
    ++checked;
    QString text;
    if (number < 10000) {
      for (const TTranslateiNum& e : TransArray()) {
        if (e.iNum == number) text = Text(e.text);
      }
    } else {
      for (const TExeTranslateValue& e : ExeStringsTable()) {
        if (e.iNum == number) text = Text(e.text);
      }
    }
    if (text.isEmpty()) missing << line;
  }
  EXPECT_GE(checked, 300);
  EXPECT_TRUE(missing.isEmpty()) << "without text: " << missing.join(QLatin1Char(' ')).toStdString();
}

// Texts with quotes, backslashes, line breaks and edge blanks survive as written.
TEST(CatalogueTablesTest, TextsKeepQuotesBackslashesAndBlanks) {
  const struct {
    int number;
    const char* text;
  } cases[] = {
      {1004, "SOLO LECTURA"},
      {1201, "Error en \"GetIDsDelDBGrid\": Campo: %s"},
      {1430, "No se puede copiar el archivo %s\\%s en %s"},
      {1861, "Atención:\n\nLos cambios realizados tendrán efecto la\npróxima vez que inicie la aplicación."},
      {10312, "Cantidad de Recibos a cobrar (Una factura = Un recibo): "},
      {10423, " - Sin Serie"},
      {10452, "\n\nRealizado en 1 Factura"},
  };
  for (const auto& c : cases) {
    QString text;
    for (const TTranslateiNum& e : TransArray()) {
      if (e.iNum == c.number) text = Text(e.text);
    }
    for (const TExeTranslateValue& e : ExeStringsTable()) {
      if (e.iNum == c.number) text = Text(e.text);
    }
    EXPECT_EQ(text, QString::fromUtf8(c.text)) << c.number;
  }
}

}  // namespace
