#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>

#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TSQLDataSet.h"
#include "rules/schema/MasterDatabase.h"
#include "rules/schema/SchemaDefinition.h"
#include "tests/rules/schema/SchemaFixture.h"
#include "tests/support/TempDir.h"

namespace {

class SchemaDatabase : public ::testing::Test {
protected:
  void SetUp() override {
    db.Create(dir.File(QStringLiteral("empresa.mdb")));
    CreateSchema(db);
  }
  sqlite3* Handle() const { return db.Handle(); }

  TempDir dir;
  TDataBaseZUL db;
};

}  // namespace

TEST_F(SchemaDatabase, HoldsExactlyTheListedColumns) { ExpectFixtureSchema(Handle()); }

// Keys are never reused, booleans are never null, and a new row gets each
// field's default: checked on one fresh row of every table.
TEST_F(SchemaDatabase, KeysBooleansAndDefaultsOfEveryTable) {
  for (const TableDef& table : SchemaDefinition::Tables()) {
    SCOPED_TRACE(table.name.toStdString());
    for (const ColumnInfo& column : TableColumns(Handle(), table.name)) {
      const FieldDef* field = table.FindField(column.name);
      ASSERT_NE(field, nullptr) << column.name.toStdString();
      EXPECT_EQ(column.primaryKey, field->kind == FieldKind::Key);
      EXPECT_EQ(column.notNull, field->kind == FieldKind::Boolean) << column.name.toStdString();
    }
    if (table.keyField.isEmpty()) continue;
    const QString insert = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table.name);
    ASSERT_TRUE(TryExec(Handle(), insert));
    ASSERT_TRUE(TryExec(Handle(), insert));
    ASSERT_TRUE(
        TryExec(Handle(), QStringLiteral("DELETE FROM %1 WHERE %2=2").arg(table.name, table.keyField)));
    ASSERT_TRUE(TryExec(Handle(), insert));
    EXPECT_EQ(
        Scalar(Handle(), QStringLiteral("SELECT max(%1) FROM %2").arg(table.keyField, table.name)).toInt(),
        3);
    for (const FieldDef& field : table.fields) {
      if (field.kind != FieldKind::Boolean) continue;
      // Only the activation flags start true: a new record is active.
      const int expected = field.name.startsWith(QStringLiteral("Activ")) ? 1 : 0;
      EXPECT_EQ(
          Scalar(Handle(),
                 QStringLiteral("SELECT %1 FROM %2 WHERE %3=3").arg(field.name, table.name, table.keyField)),
          QVariant(qint64(expected)))
          << field.name.toStdString();
      EXPECT_FALSE(TryExec(Handle(), QStringLiteral("UPDATE %1 SET %2=NULL").arg(table.name, field.name)))
          << field.name.toStdString();
    }
  }
}

TEST_F(SchemaDatabase, DefaultsOfANewRow) {
  struct Case {
    const char* table;
    const char* field;
    QVariant value;  // null variant: the field is null
  };
  const Case cases[] = {
      {"T14ConceptosMatricula", "UnidadesT14", 1},
      {"T16FacturasCue", "UnidadesT16", 1},
      {"T28LiquidacionesCue", "UnidadesT28", 1},
      {"T14ConceptosMatricula", "TPCDtoT14", 0},
      {"T14ConceptosMatricula", "TPCIvaT14", QVariant()},
      {"T14ConceptosMatricula", "CobrarEneroT14", 0},
      {"T14ConceptosMatricula", "ActivoT14", 1},
      {"T14ConceptosMatricula", "IDPlantillaCobroT14", QVariant()},
      {"T15FacturasCab", "TPCIva1T15", QVariant()},
      {"T15FacturasCab", "BaseImponible1T15", 0},
      {"T15FacturasCab", "NumeroT15", QVariant()},
      {"T15FacturasCab", "CobradaT15", 0},
      {"T15FacturasCab", "IDAlumnoT15", QVariant()},
      {"T17FormasCobro", "AcreedorPaisT17", QString::fromUtf8("España")},
      {"T17FormasCobro", "UsaNorma19T17", 0},
      {"T18Series", "NSiguienteFacturaT18", 1},
      {"T18Series", "ActivaT18", 1},
      {"T01Alumnos", "CodigoT01", QVariant()},
      {"T01Alumnos", "ActivoT01", 1},
      {"T01Alumnos", "NombreT01", QVariant()},
      {"T02Matriculas", "ActivaT02", 1},
      {"T02Matriculas", "DatosCobroEnMatriculaT02", 0},
      {"T03Cursos", "ActivoT03", 1},
      {"T04Profesores", "ActivoT04", 1},
      {"T05Grupos", "ActivoT05", 1},
      {"T20Centros", "ActivoT20", 1},
      {"T16FacturasCue", "NOrdenT16", 0},
      {"T99ParametrosAplicacion", "ValorIntegerT99", QVariant()},
      {"T99ParametrosAplicacion", "ValorBooleanT99", 0},
  };
  for (const Case& c : cases) {
    const QString table = QString::fromUtf8(c.table);
    ASSERT_TRUE(TryExec(Handle(), QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)));
    const QVariant value = Scalar(Handle(), QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid DESC LIMIT 1")
                                                .arg(QString::fromUtf8(c.field), table));
    SCOPED_TRACE(c.field);
    if (c.value.isNull()) {
      EXPECT_TRUE(value.isNull());
    } else if (c.value.typeId() == QMetaType::QString) {
      EXPECT_EQ(value.toString(), c.value.toString());
    } else {
      EXPECT_FALSE(value.isNull());
      EXPECT_EQ(value.toDouble(), c.value.toDouble());
    }
  }
}

// Jet compares names and texts without regard to case; the rules spell the same
// column differently (NifTitularCuentaT02 / NIFTitularCuentaT02).
TEST_F(SchemaDatabase, NamesAndTextsIgnoreCase) {
  db.ExecuteSQL(QStringLiteral("INSERT INTO T02Matriculas (NifTitularCuentaT02) VALUES ('12345678Z')"));
  db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01, CodigoT01) VALUES ('ÁNGEL PÉREZ', 7)"));
  std::unique_ptr<TSQLDataSet> ds =
      db.GetTSQLDataSet(QStringLiteral("SELECT NIFTitularCuentaT02 FROM T02Matriculas"));
  ds->Open();
  ASSERT_EQ(ds->RecordCount(), 1);
  EXPECT_EQ(ds->FieldByName(QStringLiteral("niftitularcuentat02")).AsString(), QStringLiteral("12345678Z"));
  EXPECT_EQ(
      Scalar(Handle(), QString::fromUtf8("SELECT CodigoT01 FROM T01Alumnos WHERE NombreT01='ángel pérez'"))
          .toInt(),
      7);
  EXPECT_EQ(
      Scalar(Handle(), QString::fromUtf8("SELECT count(*) FROM T01Alumnos WHERE NombreT01='angel perez'"))
          .toInt(),
      0);
}

TEST_F(SchemaDatabase, VersionInfoHoldsOneRowForThisProgram) {
  WriteVersionInfo(db);
  WriteVersionInfo(db);  // rewriting keeps one row
  EXPECT_EQ(Scalar(Handle(), QStringLiteral("SELECT count(*) FROM TZULVersionInfo")).toInt(), 1);
  EXPECT_EQ(Scalar(Handle(), QStringLiteral("SELECT NombreAplicacion FROM TZULVersionInfo")).toString(),
            QStringLiteral("ZUL Lumaresca EXT"));
  EXPECT_EQ(Scalar(Handle(), QStringLiteral("SELECT NumeroVersion FROM TZULVersionInfo")).toInt(), 4);
  EXPECT_EQ(Scalar(Handle(), QStringLiteral("SELECT MasterFileName FROM TZULVersionInfo")).toString(),
            QStringLiteral("ZULLumaExtV4"));
  EXPECT_EQ(DatabaseVersion::Full().MasterFileName(), QStringLiteral("ZULLumaExtV4.MMDB"));
}

// The schema is created whole or not at all.
TEST(SchemaCreation, FailureLeavesNoTable) {
  TempDir dir;
  TDataBaseZUL db;
  db.Create(dir.File(QStringLiteral("parcial.mdb")));
  db.ExecuteNativeSQL(QStringLiteral("CREATE TABLE T20Centros (X INTEGER)"));
  EXPECT_THROW(CreateSchema(db), EDatabaseError);
  EXPECT_FALSE(db.InTransaction());
  EXPECT_EQ(UserTables(db.Handle()), QStringList{QStringLiteral("T20Centros")});
}

namespace {

// The plan SQLite chooses for a query, its lines joined.
QString QueryPlan(sqlite3* db, const QString& jetSql) {
  const QByteArray sql =
      (QStringLiteral("EXPLAIN QUERY PLAN ") + TDataBaseZUL::TranslateSQL(jetSql)).toUtf8();
  sqlite3_stmt* stmt = nullptr;
  EXPECT_EQ(sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  QStringList lines;
  while (stmt && sqlite3_step(stmt) == SQLITE_ROW)
    lines << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
  sqlite3_finalize(stmt);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

// The students' list and lookups are read in their order from an index, not sorted
// whole: the first rows of 100,000 students come at once.
TEST_F(SchemaDatabase, TheStudentsListAndLookupOrdersUseAnIndex) {
  const struct {
    const char* sql;
    const char* index;
  } cases[] = {
      {"SELECT * FROM T01Alumnos ORDER BY ApellidosT01, NombreT01", "ix_T01Alumnos_ApellidosT01_NombreT01"},
      {"SELECT IDAlumnoT01, NombreCompletoT01 FROM T01Alumnos ORDER BY NombreCompletoT01",
       "ix_T01Alumnos_NombreCompletoT01"},
  };
  for (const auto& c : cases) {
    const QString plan = QueryPlan(Handle(), QString::fromUtf8(c.sql));
    EXPECT_TRUE(plan.contains(QString::fromUtf8(c.index))) << c.sql << "\n" << qPrintable(plan);
    EXPECT_FALSE(plan.contains(QStringLiteral("TEMP B-TREE"))) << c.sql << "\n" << qPrintable(plan);
  }
}

// A file made before an index was declared gets it when connected, without a new
// version; a read-only connection is left as it is, and a failure is no error.
TEST_F(SchemaDatabase, ConnectingAddsTheMissingIndexes) {
  const QString name = QStringLiteral("ix_T01Alumnos_ApellidosT01_NombreT01");
  const QString count =
      QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = '%1'");
  WriteVersionInfo(db);
  db.ExecuteNativeSQL(
      QStringLiteral("INSERT INTO T01Alumnos (ApellidosT01, NombreT01) VALUES ('Pérez', 'Ana')"));
  db.ExecuteNativeSQL(QStringLiteral("DROP INDEX ") + name);
  const QString file = db.FileName();
  db.Close();

  db.Open(file, true);
  EXPECT_EQ(EnsureSchemaIndexes(db), 0) << "read-only: nothing tried";
  EXPECT_EQ(Scalar(Handle(), count.arg(name)).toInt(), 0);
  db.Close();

  db.Open(file);
  EXPECT_EQ(EnsureSchemaIndexes(db),
            static_cast<int>(SchemaDefinition::DdlStatements().size() - SchemaDefinition::Tables().size()));
  EXPECT_EQ(Scalar(Handle(), count.arg(name)).toInt(), 1);
  EXPECT_EQ(Scalar(Handle(), QStringLiteral("SELECT NombreT01 FROM T01Alumnos")).toString(),
            QStringLiteral("Ana"));
  EXPECT_EQ(Scalar(Handle(), QStringLiteral("SELECT NumeroVersion FROM TZULVersionInfo")).toInt(),
            DatabaseVersion::kCurrent)
      << "an index is no new version";

  // A table that lost a column: its index cannot be made; the others still are.
  db.ExecuteNativeSQL(QStringLiteral("DROP INDEX ix_T01Alumnos_NombreCompletoT01"));
  db.ExecuteNativeSQL(QStringLiteral("DROP INDEX ix_T01Alumnos_CodigoT01"));
  db.ExecuteNativeSQL(QStringLiteral("ALTER TABLE T01Alumnos DROP COLUMN NombreCompletoT01"));
  EXPECT_NO_THROW(EnsureSchemaIndexes(db));
  EXPECT_FALSE(db.InTransaction());
  EXPECT_EQ(Scalar(Handle(), count.arg(QStringLiteral("ix_T01Alumnos_CodigoT01"))).toInt(), 1);
}
