#include "platform/core/Currency.h"
#include "platform/core/DayDate.h"
#include "platform/core/Variants.h"
#include "platform/zul/TSQLDataSet.h"
#include "tests/platform/zul/ZulFixture.h"

namespace {

using LiteralTest = ZulFixture;

TEST_F(LiteralTest, LiteralsOfEachFieldType) {
  struct Case {
    TFieldType type;
    QVariant value;
    QString expected;
  };
  const Case cases[] = {
      {TFieldType::ftInteger, 42, QStringLiteral("42")},
      {TFieldType::ftInteger, QStringLiteral("-7"), QStringLiteral("-7")},
      {TFieldType::ftSmallint, QVariant::fromValue<qint16>(5), QStringLiteral("5")},
      {TFieldType::ftLargeint, QVariant::fromValue<qint64>(5000000000LL), QStringLiteral("5000000000")},
      {TFieldType::ftFloat, 0.1, QStringLiteral("0.1")},
      {TFieldType::ftFloat, -2.5, QStringLiteral("-2.5")},
      {TFieldType::ftCurrency, QVariant::fromValue(Currency::FromRaw(123450)), QStringLiteral("12.345")},
      {TFieldType::ftCurrency, QVariant::fromValue(Currency::FromRaw(-10000)), QStringLiteral("-1")},
      {TFieldType::ftBoolean, true, QStringLiteral("TRUE")},
      {TFieldType::ftBoolean, false, QStringLiteral("FALSE")},
      {TFieldType::ftString, QStringLiteral("O'Brien"), QStringLiteral("'O''Brien'")},
      {TFieldType::ftString, QStringLiteral("C:\\ruta\\"), QStringLiteral("'C:\\ruta\\'")},
      {TFieldType::ftWideString, QString(), QStringLiteral("''")},
      {TFieldType::ftDateTime, Var::FromDate(46023.5), QStringLiteral("46023.5")},
      {TFieldType::ftInteger, Var::Null(), QStringLiteral("NULL")},
      {TFieldType::ftString, QVariant(), QStringLiteral("NULL")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(db.ConvertToSqlString(c.type, c.value), c.expected)
        << FieldTypeName(c.type) << " " << c.expected.toStdString();
  }
}

TEST_F(LiteralTest, DateLiteralsAreDayNumbers) {
  EXPECT_EQ(db.GetSQLDateTime(Var::FromDate(DayDate::Encode(2026, 1, 1))), QStringLiteral("46023"));
  EXPECT_EQ(db.GetSQLDateTime(QDate(1899, 12, 30)), QStringLiteral("0"));
  EXPECT_EQ(db.GetSQLDateTime(QDateTime(QDate(2026, 1, 1), QTime(18, 0), Qt::UTC)),
            QStringLiteral("46023.75"));
  EXPECT_EQ(db.GetSQLDateTime(Var::Null()), QStringLiteral("NULL"));
  // A date written as a literal compares with the stored date.
  db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (FechaNacT01) VALUES (%1)")
                    .arg(db.GetSQLDateTime(Var::FromDate(DayDate::Encode(2010, 5, 17, 9, 30)))));
  auto q = db.GetTSQLDataSet(
      QStringLiteral("SELECT COUNT(*) AS N FROM T01Alumnos WHERE FechaNacT01 >= %1 AND FechaNacT01 < %2")
          .arg(db.GetSQLDateTime(QDate(2010, 5, 17)), db.GetSQLDateTime(QDate(2010, 5, 18))));
  q->Open();
  EXPECT_EQ(q->Fields(0).AsInteger(), 1);
}

TEST_F(LiteralTest, AnyTextRoundTripsThroughInsertAndRead) {
  QString longText;
  for (int i = 0; i < 100000; ++i) longText += QChar(u"aZ9 'ñ\\\"€\t"[i % 11]);
  const QString texts[] = {
      QStringLiteral("O'Brien ''dos'' '"),
      QStringLiteral("back\\slash \\n \\' \\\\"),
      QStringLiteral("\"dobles\" y [corchetes] y #12/31/2025# y ; DROP TABLE T01Alumnos; --"),
      QStringLiteral("Ñandú, Ávila, Øre, 日本語, emoji 😀"),
      QStringLiteral("línea 1\nlínea 2\r\n\ttab"),
      QString(QStringLiteral("nul") + QChar(0) + QStringLiteral("dentro")),
      QStringLiteral("?"),
      QStringLiteral("%_ LIKE"),
      longText,
  };
  int id = 0;
  for (const QString& text : texts) {
    ++id;
    db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (IDAlumnoT01, ComentariosT01) VALUES (%1, %2)")
                      .arg(id)
                      .arg(db.ConvertToSqlString(TFieldType::ftMemo, text)));
    auto q = db.GetTSQLDataSet(
        QStringLiteral("SELECT ComentariosT01 FROM T01Alumnos WHERE IDAlumnoT01 = %1").arg(id));
    q->Open();
    ASSERT_EQ(q->RecordCount(), 1);
    EXPECT_EQ(q->Fields(0).AsString(), text) << "text " << id;
    // And it is found again through a literal in a condition.
    auto w = db.GetTSQLDataSet(QStringLiteral("SELECT IDAlumnoT01 FROM T01Alumnos WHERE ComentariosT01 = %1")
                                   .arg(db.ConvertToSqlString(TFieldType::ftString, text)));
    w->Open();
    ASSERT_EQ(w->RecordCount(), 1) << "text " << id;
    EXPECT_EQ(w->Fields(0).AsInteger(), id);
  }
  auto count = db.GetTSQLDataSet(QStringLiteral("SELECT COUNT(*) AS N FROM T01Alumnos"));
  count->Open();
  EXPECT_EQ(count->Fields(0).AsInteger(), id);
}

}  // namespace
