#include "platform/zul/dialect/JetCollation.h"
#include "platform/zul/dialect/JetFunctions.h"
#include "tests/platform/zul/dialect/JetTestDb.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QDate>
#include <algorithm>
#include <random>
#include <vector>

namespace {

struct ValueCase {
  const char* jet;       // a Jet SELECT
  const char* expected;  // its row as JetTestDb renders it
};

// Jet expressions evaluated through the translator and the registered functions.
const ValueCase kValues[] = {
    // Operators.
    {"SELECT 15/100, 1/4*4, 7\\2, 7.5\\2, 6.5\\2, 7 Mod 3, -7 Mod 3, 7.5 Mod 2", "0.15|1.0|3|4|3|1|-1|0"},
    {"SELECT 2^10, -2^2, 2^3^2, 2+3*4^2/8", "1024.0|-4.0|64.0|8.0"},
    {"SELECT 'a' & 1.5 & Null & 2, Null & Null, 'X' + 'Y', '1' + '2', 1 + '2', 'X' + Null",
     "'a1,52'|NULL|'XY'|'12'|3|NULL"},
    {"SELECT 1 + 2 & 3, 'n' & 1 + 2", "'33'|'n3'"},
    // Text comparisons of computed values ignore case, not accents.
    {"SELECT 'a' = 'A', 'a' < 'B', 'ñ' > 'n', 'Ñ' = 'ñ', 'a' = 'á', Left('José',1) = 'j'", "1|1|1|1|0|1"},
    {"SELECT Left('José',1) IN ('j','x'), Mid('abc',2,1) BETWEEN 'A' AND 'C', UCase('b') NOT IN ('b')",
     "1|1|0"},
    {"SELECT 'abc' LIKE 'A%', 'Ñandú' LIKE 'ñ%', 'Ñandú' LIKE 'n%', 'josé' LIKE 'JOS_', '50%' LIKE '50!%' "
     "ESCAPE '!'",
     "1|1|0|1|1"},
    {"SELECT Null LIKE 'a', 'a' LIKE Null, 'x%y' LIKE 'x!%%' ESCAPE '!', 'ab' LIKE 'a'", "NULL|NULL|1|0"},
    // Format: halves away from zero, Spanish separators, dates.
    {"SELECT Format(2.5,'0'), Format(-2.5,'0'), Format(0.4,'0'), Format(-0.4,'0'), Format(3,'000'), "
     "Format(2.5,0)",
     "'3'|'-3'|'0'|'0'|'003'|'3'"},
    {"SELECT Format(1234.5,'#,##0.00'), Format(0.5,'0.00'), Format(1234567,'#,##0'), Format(0.125,'0.00'), "
     "Format(2.675,'0.00')",
     "'1.234,50'|'0,50'|'1.234.567'|'0,13'|'2,68'"},
    {"SELECT Format(-5,'0;(0)'), Format(0,'0;(0);\"cero\"'), Format(0.256,'0.0%'), Format(7,'\"N.º \"0'), "
     "Format(1234,'00-00')",
     "'(5)'|'cero'|'25,6%'|'N.º 7'|'12-34'"},
    {"SELECT Format(46000.5,'dd/mm/yyyy'), Format(46000.75,'hh:nn'), Format(46000.75,'hh:mm'), "
     "Format(46000.5,'yyyy'), Format(46000.5,'mm'), Format(46000,'dddd d \\de mmmm')",
     "'09/12/2025'|'18:00'|'18:00'|'2025'|'12'|'martes 9 de diciembre'"},
    {"SELECT Format(46000.75,'h:nn AM/PM'), Format(46000,'Short Date'), Format(1234.5,'Standard'), "
     "Format(1,'Yes/No'), Format('abc','>'), Format(1.5), Format(Null,'0')",
     "'6:00 PM'|'09/12/2025'|'1.234,50'|'Sí'|'ABC'|'1,5'|NULL"},
    // Val, rounding and conversions.
    {"SELECT Val('12abc'), Val('abc'), Val(' 1 2.5e1x'), Val('-3.5'), Val(Null), Val('&HFF'), Val(7)",
     "12|0|125|-3.5|NULL|255|7"},
    {"SELECT Val(Format(100*1.2345*(1-(10/100)),'0'))/100, Val(Format(2.5,'0'))", "1.11|3"},
    {"SELECT Round(2.5), Round(3.5), Round(-2.5), Round(2.675,2), Round(2.665,2), Round(7)",
     "2|4|-2|2.68|2.66|7"},
    {"SELECT CInt(2.5), CInt(-2.5), CLng(3.5), CByte(255), CDbl('1,5'), CCur(1.23456), CBool(5), CStr(1.5)",
     "2|-2|4|255|1.5|1.2346|1|'1,5'"},
    {"SELECT Int(-2.5), Fix(-2.5), Int(2.5), Abs(-3.5), Sgn(-3), IsNumeric('12,5'), IsNumeric('abc')",
     "-3|-2|2|3.5|-1|1|0"},
    // Text functions.
    {"SELECT Left('Ñandú',2), Right('Ñandú',3), Mid('Ñandú',2,3), Mid('abc',5), Mid('abc',2), Len('Ñandú'), "
     "Len(Null)",
     "'Ña'|'ndú'|'and'|''|'bc'|5|NULL"},
    {"SELECT UCase('ñandú'), LCase('ÑANDÚ'), Trim('  a b  '), LTrim('  a'), RTrim('a  '), Left$('abc',1)",
     "'ÑANDÚ'|'ñandú'|'a b'|'a'|'a'|'a'"},
    {"SELECT InStr('abcABC','C'), InStr(4,'abcABC','c'), InStr('Ñandú','DÚ'), InStr('abc',''), "
     "InStr(1,'aA','A',0)",
     "3|6|4|1|2"},
    {"SELECT Nz(Null,5), Nz('x',5), Nz(Null), IIf(IsNull(Null),'si','no'), IIf(Null,1,2)", "5|'x'|''|'si'|2"},
    {"SELECT Chr(65) & Chr(128), Asc('A'), Asc('€'), AscW('€'), Space(3) & '|', String(3,'ab'), Str(5), "
     "Str(-0.5)",
     "'A€'|65|128|8364|'   |'|'aaa'|' 5'|'-.5'"},
    {"SELECT StrComp('abc','ABC'), StrComp('a','b'), StrComp('a','A',0), Replace('aXbxc','x','-'), "
     "Replace('abcabc','b','',3)",
     "0|-1|1|'a-b-c'|'cac'"},
    {"SELECT Choose(2,'a','b','c'), Choose(9,'a'), Switch(1=0,'x',1=1,'y')", "'b'|NULL|'y'"},
    // Dates on day numbers.
    {"SELECT Year(46000.5), Month(46000.5), Day(46000.5), Hour(46000.75), Minute(46000.5+1/1440), "
     "Second(46000+5/86400)",
     "2025|12|9|18|1|5"},
    {"SELECT Weekday(46000), Weekday(46000,2), DateSerial(2025,13,0), DateSerial(25,1,1), #12/31/2025 18:00#",
     "3|2|46022.0|45658.0|46022.75"},
    {"SELECT DateValue('31/12/2025'), CDate('31/12/2025 12:00'), TimeValue(46000.25), Year('9/12/2025')",
     "46022.0|46022.5|0.25|2025"},
    {"SELECT DateAdd('m',1,#1/31/2025#), DateAdd('d',-1,45658), DateDiff('d',#1/1/2025#,#3/1/2025#), "
     "DateDiff('yyyy',#12/31/2024#,#1/1/2025#), DatePart('q',#8/1/2025#), DatePart('y',#2/1/2025#)",
     "45716.0|45657.0|59|1|3|32"},
    {"SELECT Year(-1.25), Hour(-1.25), Day(-1.25), Format(-1.25,'dd/mm/yyyy hh:nn')",
     "1899|6|29|'29/12/1899 06:00'"},
};

TEST(JetFunctions, ValuesMatchJet) {
  JetTestDb db;
  ASSERT_EQ(db.RegisterResult(), SQLITE_OK);
  for (const ValueCase& c : kValues) {
    SCOPED_TRACE(c.jet);
    try {
      EXPECT_EQ(db.Jet(QString::fromUtf8(c.jet)), QString::fromUtf8(c.expected));
    } catch (const std::exception& e) {
      ADD_FAILURE() << e.what();
    }
  }
}

TEST(JetFunctions, ClockFunctionsFollowTheLocalClock) {
  JetTestDb db;
  const QDate today = QDate::currentDate();
  const double expected = static_cast<double>(QDate(1899, 12, 30).daysTo(today));
  EXPECT_EQ(db.Value(QStringLiteral("SELECT Date()")).toDouble(), expected);
  const double now = db.Value(QStringLiteral("SELECT Now()")).toDouble();
  EXPECT_GE(now, expected);
  EXPECT_LT(now, expected + 1.0001);
  EXPECT_EQ(db.Jet(QStringLiteral("SELECT Date() = Int(Now()), Time() < 1")), QStringLiteral("1|1"));
}

TEST(JetFunctions, RunTimeErrorsAreJetErrors) {
  const struct {
    const char* jet;
    const char* message;
  } cases[] = {
      {"SELECT 1/0", "División por cero"},
      {"SELECT 7\\0", "División por cero"},
      {"SELECT 7 Mod 0", "División por cero"},
      {"SELECT CInt(40000)", "Desbordamiento"},
      {"SELECT Left('a',-1)", "no válidos"},
      {"SELECT Mid('a',0)", "no válidos"},
      {"SELECT 'abc' / 2", "No coinciden los tipos"},
      {"SELECT Year('no es fecha')", "No coinciden los tipos"},
      {"SELECT (-8)^0.5", "no válidos"},
      {"SELECT Asc('')", "no válidos"},
      {"SELECT Left('abc')", "wrong number of arguments"},
  };
  JetTestDb db;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.jet);
    try {
      db.Jet(QString::fromUtf8(c.jet));
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

TEST(JetFunctions, AggregatesFirstAndLast) {
  JetTestDb db;
  db.Exec("CREATE TABLE t (g INTEGER, v TEXT)");
  db.Exec("INSERT INTO t VALUES (1,'a'),(1,NULL),(1,'c'),(2,'x')");
  EXPECT_EQ(db.Jet(QStringLiteral("SELECT g, First(v), Last(v), Count(v) FROM t GROUP BY g ORDER BY g")),
            QStringLiteral("1|'a'|'c'|2;2|'x'|'x'|1"));
  EXPECT_EQ(db.Jet(QStringLiteral("SELECT First(v) FROM t WHERE g = 9")), QStringLiteral("NULL"));
}

// ---- the collation ----

int Sign(int v) { return (v > 0) - (v < 0); }

int Cmp(const QString& a, const QString& b) {
  const QByteArray x = a.toUtf8(), y = b.toUtf8();
  return Sign(JetFunctions::CompareText(x.constData(), static_cast<int>(x.size()), y.constData(),
                                        static_cast<int>(y.size())));
}

TEST(JetCollation, CaseInsensitiveAccentSensitiveSpanishOrder) {
  EXPECT_EQ(Cmp(QStringLiteral("Ñandú"), QStringLiteral("ñANDÚ")), 0);
  EXPECT_EQ(Cmp(QStringLiteral("Á"), QStringLiteral("á")), 0);
  EXPECT_EQ(Cmp(QStringLiteral("ABC"), QStringLiteral("abc")), 0);
  EXPECT_NE(Cmp(QStringLiteral("a"), QStringLiteral("á")), 0);
  EXPECT_NE(Cmp(QStringLiteral("Nandu"), QStringLiteral("Ñandú")), 0);
  // Sorted as a Spanish reader expects: accents after the plain letter, ñ between n and o.
  const QStringList expected = {QStringLiteral("a"),  QStringLiteral("á"),     QStringLiteral("Ángel"),
                                QStringLiteral("b"),  QStringLiteral("n"),     QStringLiteral("nz"),
                                QStringLiteral("ñ"),  QStringLiteral("Ñandú"), QStringLiteral("o"),
                                QStringLiteral("Zoe")};
  QStringList shuffled = expected;
  std::mt19937 rng(7);
  std::shuffle(shuffled.begin(), shuffled.end(), rng);
  std::stable_sort(shuffled.begin(), shuffled.end(),
                   [](const QString& x, const QString& y) { return Cmp(x, y) < 0; });
  EXPECT_EQ(shuffled, expected);
}

// The ASCII path must give exactly the ICU order, or indexes built by one path would be
// searched with the other. Texts are drawn from a small alphabet so that prefixes,
// case pairs, controls, blanks and punctuation meet often.
TEST(JetCollation, AsciiPathMatchesIcuOnRandomTexts) {
  std::string alphabet = " !\"#'()*+,-./09:;<=>?@AZ[\\]^_`az{|}~\t\n";
  alphabet += std::string("\0\x01\x1f\x7f", 4);
  alphabet += "aAbBnN";
  std::mt19937 rng(20251209);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 7);
  auto random = [&] {
    std::string s;
    const int n = length(rng);
    for (int k = 0; k < n; ++k) s += alphabet[pick(rng)];
    return s;
  };
  int mismatches = 0;
  for (int k = 0; k < 100000 && mismatches < 5; ++k) {
    const std::string a = random();
    const std::string b = k % 3 == 0 ? a.substr(0, a.size() / 2) + random() : random();
    const int fast = Sign(
        JetCollation::Compare(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size())));
    const int slow = Sign(JetCollation::CompareSlow(a.data(), static_cast<int>(a.size()), b.data(),
                                                    static_cast<int>(b.size())));
    if (fast != slow) {
      ++mismatches;
      ADD_FAILURE() << "'" << a << "' vs '" << b << "': ascii " << fast << ", icu " << slow;
    }
  }
  // Every single character against every other, the table the fast path is built from.
  for (int x = 0; x < 128; ++x) {
    for (int y = 0; y < 128; ++y) {
      const char a[3] = {'m', static_cast<char>(x), 'm'};
      const char b[3] = {'m', static_cast<char>(y), 'm'};
      ASSERT_EQ(Sign(JetCollation::Compare(a, 3, b, 3)), Sign(JetCollation::CompareSlow(a, 3, b, 3)))
          << x << " " << y;
    }
  }
}

TEST(JetCollation, ColumnsOrderAndMatchWithTheCollation) {
  JetTestDb db;
  db.Exec("CREATE TABLE t (id INTEGER PRIMARY KEY, s TEXT COLLATE JETNOCASE)");
  db.Exec("CREATE INDEX t_s ON t (s)");
  db.Exec("INSERT INTO t (s) VALUES ('oso'),('Ñu'),('nube'),('Árbol'),('arbol'),('zeta'),('ÑU')");
  EXPECT_EQ(db.Jet(QStringLiteral("SELECT s FROM t ORDER BY s, id")),
            QStringLiteral("'arbol';'Árbol';'nube';'Ñu';'ÑU';'oso';'zeta'"));
  EXPECT_EQ(db.Jet(QStringLiteral("SELECT count(*) FROM t WHERE s = 'ñu'")), QStringLiteral("2"));
  EXPECT_EQ(db.Jet(QStringLiteral("SELECT count(*) FROM t WHERE s > 'N' AND s < 'O'")), QStringLiteral("3"));
}

TEST(JetFunctions, RegisterWorksOnReadOnlyConnection) {
  TempDir dir;
  const QByteArray path = dir.File(QStringLiteral("ro.db")).toUtf8();
  {
    JetTestDb rw(path.constData());
    rw.Exec("CREATE TABLE t (s TEXT COLLATE JETNOCASE)");
    rw.Exec("INSERT INTO t VALUES ('Ñandú'),('abc')");
  }
  JetTestDb ro(path.constData(), SQLITE_OPEN_READONLY);
  EXPECT_EQ(ro.RegisterResult(), SQLITE_OK);
  EXPECT_EQ(ro.Jet(QStringLiteral("SELECT Left(s,2) FROM t WHERE s = 'ÑANDÚ'")), QStringLiteral("'Ña'"));
}

}  // namespace
