#include <QFile>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TSQLDataSet.h"
#include "tests/platform/zul/ZulFixture.h"

namespace {

using DataBaseTest = ZulFixture;

TEST_F(DataBaseTest, OpenRefusesMissingFilesAndFilesThatAreNotDatabases) {
  TDataBaseZUL other;
  try {
    other.Open(dir.File(QStringLiteral("nada.mdb")));
    FAIL() << "opened a missing file";
  } catch (const EDatabaseError& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("No existe la base de datos"))) << e.what();
  }
  QFile junk(dir.File(QStringLiteral("junk.mdb")));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write(QByteArray(4096, 'x'));
  junk.close();
  try {
    other.Open(junk.fileName());
    FAIL() << "opened a file that is not a database";
  } catch (const EDatabaseError& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("no es una base de datos válida"))) << e.what();
  }
  EXPECT_FALSE(other.IsOpen());
}

TEST_F(DataBaseTest, ReadOnlyOpeningReadsButNeverWrites) {
  db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('Ana')"));
  db.Close();
  TDataBaseZUL ro;
  ro.Open(path, true);
  EXPECT_TRUE(ro.IsReadOnly());
  auto q = ro.GetTSQLDataSet(QStringLiteral("SELECT NombreT01 FROM T01Alumnos"));
  q->Open();
  EXPECT_EQ(q->FieldByName(QStringLiteral("nombret01")).AsString(), QStringLiteral("Ana"));
  try {
    ro.ExecuteSQL(QStringLiteral("DELETE FROM T01Alumnos"));
    FAIL() << "wrote through a read-only connection";
  } catch (const EDatabaseError& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("solo lectura"))) << e.what();
  }
}

TEST_F(DataBaseTest, ExecuteSqlCountsChangedRows) {
  EXPECT_EQ(db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01, ActivoT01) VALUES ('a', TRUE)")),
            1);
  EXPECT_EQ(db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('b')")), 1);
  EXPECT_EQ(db.ExecuteSQL(QStringLiteral("UPDATE T01Alumnos SET CodigoT01 = 7")), 2);
  EXPECT_EQ(db.ExecuteSQL(QStringLiteral("DELETE FROM T01Alumnos WHERE ActivoT01")), 1);
  EXPECT_EQ(db.ExecuteSQL(QStringLiteral("SELECT * FROM T01Alumnos")), 0);
}

TEST_F(DataBaseTest, FieldsCarryTheTypesOfTheSchema) {
  db.ExecuteSQL(
      QStringLiteral("INSERT INTO T01Alumnos (IDCentroT01, NombreT01, ActivoT01, FechaNacT01, SaldoT01) "
                     "VALUES (3, 'Núñez', TRUE, 46023.5, 12.345)"));
  db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('Sin datos')"));
  auto q = db.GetTSQLDataSet(QStringLiteral(
      "SELECT IDAlumnoT01, NombreT01, ActivoT01, FechaNacT01, SaldoT01, IDCentroT01, COUNT(*) AS N "
      "FROM T01Alumnos GROUP BY IDAlumnoT01 ORDER BY IDAlumnoT01"));
  q->Open();
  ASSERT_EQ(q->RecordCount(), 2);
  EXPECT_EQ(q->FieldByName(QStringLiteral("IDAlumnoT01")).AsInteger(), 1);
  EXPECT_EQ(q->FieldByName(QStringLiteral("NombreT01")).DataType(), TFieldType::ftWideString);
  EXPECT_EQ(q->FieldByName(QStringLiteral("NombreT01")).Size(), 50);
  EXPECT_EQ(q->FieldByName(QStringLiteral("ActivoT01")).Value().typeId(), QMetaType::Bool);
  EXPECT_TRUE(q->FieldByName(QStringLiteral("ActivoT01")).AsBoolean());
  EXPECT_EQ(q->FieldByName(QStringLiteral("FechaNacT01")).Value().typeId(), QMetaType::QDateTime);
  EXPECT_EQ(q->FieldByName(QStringLiteral("FechaNacT01")).AsDateTime(), 46023.5);
  EXPECT_EQ(Var::Kind(q->FieldByName(QStringLiteral("SaldoT01")).Value()), VariantKind::Currency);
  EXPECT_EQ(q->FieldByName(QStringLiteral("SaldoT01")).AsCurrency(), Currency::FromRaw(123450));
  EXPECT_EQ(q->FieldByName(QStringLiteral("N")).AsInteger(), 1);
  EXPECT_EQ(q->FieldByName(QStringLiteral("NombreT01")).Origin(), QStringLiteral("T01Alumnos"));
  q->Next();
  EXPECT_FALSE(q->Eof());
  EXPECT_TRUE(q->FieldByName(QStringLiteral("FechaNacT01")).IsNull());
  EXPECT_TRUE(q->FieldByName(QStringLiteral("IDCentroT01")).IsNull());
  EXPECT_FALSE(q->FieldByName(QStringLiteral("ActivoT01")).AsBoolean());  // the default
  EXPECT_EQ(q->FieldByName(QStringLiteral("SaldoT01")).AsCurrency(), Currency());
  q->Next();
  EXPECT_TRUE(q->Eof());
  EXPECT_EQ(q->FindField(QStringLiteral("NoExiste")), nullptr);
  EXPECT_THROW(q->FieldByName(QStringLiteral("NoExiste")), EDatabaseError);
}

TEST_F(DataBaseTest, WalkingLocatingAndRefreshing) {
  for (const char* name : {"Ana", "Ñandú", "Óscar"}) {
    db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES (%1)")
                      .arg(db.ConvertToSqlString(TFieldType::ftString, QString::fromUtf8(name))));
  }
  auto q = db.GetTDataSet(QStringLiteral("T01Alumnos"));
  EXPECT_EQ(q->RecNo(), 0);
  q->Open();
  EXPECT_EQ(q->RecordCount(), 3);
  EXPECT_TRUE(q->Locate(QStringLiteral("NombreT01"), QStringLiteral("ñandú")));
  EXPECT_EQ(q->RecNo(), 2);
  EXPECT_FALSE(q->Locate(QStringLiteral("NombreT01"), QStringLiteral("Pedro")));
  EXPECT_EQ(q->RecNo(), 2);
  db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('Pedro')"));
  q->Refresh();
  EXPECT_EQ(q->RecordCount(), 4);
  EXPECT_EQ(q->RecNo(), 2);
  q->Last();
  EXPECT_EQ(q->FieldByName(QStringLiteral("NombreT01")).AsString(), QStringLiteral("Pedro"));
  q->Prior();
  q->Prior();
  q->Prior();
  EXPECT_FALSE(q->Bof());
  q->Prior();
  EXPECT_TRUE(q->Bof());
  EXPECT_EQ(q->RecNo(), 1);
}

TEST_F(DataBaseTest, ErrorsAreSpanishAndLeaveTheConnectionUsable) {
  try {
    db.ExecuteSQL(QStringLiteral("SELECT NoExiste FROM T01Alumnos"));
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Error en la instrucción SQL"))) << e.what();
  }
  auto q = db.GetTSQLDataSet(QStringLiteral("SELECT * FROM TablaQueNoExiste"));
  EXPECT_THROW(q->Open(), EDatabaseError);
  EXPECT_FALSE(q->Active());
  EXPECT_EQ(db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('ok')")), 1);
}

TEST_F(DataBaseTest, AnUpdateOfSeveralTablesIsAllOrNothing) {
  db.ExecuteNativeSQL(QStringLiteral(
      "CREATE TABLE T20Centros (IDCentroT20 INTEGER PRIMARY KEY AUTOINCREMENT, NombreCentroT20 VARCHAR(50) "
      "COLLATE JETNOCASE, ActivoT20 BOOLEAN NOT NULL DEFAULT 0)"));
  db.ExecuteSQL(QStringLiteral("INSERT INTO T20Centros (IDCentroT20, NombreCentroT20) VALUES (1, 'Centro')"));
  db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (IDCentroT01, NombreT01) VALUES (1, 'Ana')"));
  const QString update = QStringLiteral(
      "UPDATE T01Alumnos INNER JOIN T20Centros ON T01Alumnos.IDCentroT01 = T20Centros.IDCentroT20 "
      "SET NombreT01 = NombreCentroT20 & '-' & NombreT01, ActivoT20 = %1");
  // The centre's flag may not be null: the student's name must not change either.
  EXPECT_THROW(db.ExecuteSQL(update.arg(QStringLiteral("NULL"))), EDatabaseError);
  auto q = db.GetTSQLDataSet(QStringLiteral("SELECT NombreT01, ActivoT20 FROM T01Alumnos, T20Centros"));
  q->Open();
  EXPECT_EQ(q->Fields(0).AsString(), QStringLiteral("Ana"));
  EXPECT_EQ(db.TransactionDepth(), 0);
  EXPECT_EQ(db.ExecuteSQL(update.arg(QStringLiteral("TRUE"))), 1);
  q->Refresh();
  EXPECT_EQ(q->Fields(0).AsString(), QStringLiteral("Centro-Ana"));
  EXPECT_TRUE(q->Fields(1).AsBoolean());
}

TEST_F(DataBaseTest, KeysAreNeverReused) {
  db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('a')"));
  db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('b')"));
  db.ExecuteSQL(QStringLiteral("DELETE FROM T01Alumnos WHERE IDAlumnoT01 = 2"));
  db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01) VALUES ('c')"));
  auto q = db.GetTSQLDataSet(QStringLiteral("SELECT MAX(IDAlumnoT01) AS Ultim FROM T01Alumnos"));
  q->Open();
  EXPECT_EQ(q->FieldByName(QStringLiteral("Ultim")).AsInteger(), 3);
}

}  // namespace
