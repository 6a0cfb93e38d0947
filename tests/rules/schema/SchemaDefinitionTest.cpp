#include "rules/schema/SchemaDefinition.h"

#include <gtest/gtest.h>
#include <QRegularExpression>
#include <QSet>

namespace {

const char* const kFullCaptions =
    "T01Alumnos=Alumnos\nT02Matriculas=Matrículas\nT03Cursos=Cursos\nT04Profesores=Profesores\nT05Grupos="
    "Grupos\n"
    "T07TarifasPrecios=Tarifas de precios\nT14ConceptosMatricula=Conceptos de matrícula\n"
    "T15FacturasCab=Cabecera de las facturas\nT16FacturasCue=Cuerpo de las facturas\nT17FormasCobro=Formas "
    "de "
    "cobro\nT18Series=Series de facturas\nT20Centros=Centros\nT22TiposIva=Tipos de IVA";
const char* const kFullOnlyCaptions =
    "\nT11Incidencias=Incidencias\nT12TipoIncidencias=Tipos de incidencias\n"
    "T27LiquidacionesCab=Cabecera de las liquidaciones\nT28LiquidacionesCue=Cuerpo de las liquidaciones\n"
    "T24BoletinesNotas=Boletines de notas\nT23FormatosBoletinesNotas=Formato de los boletines de notas\n"
    "T25NotasBoletin=Notas de los boletines\nT26FaltasAsistencia=Faltas de asistencia";

QString U(const char* text) { return QString::fromUtf8(text); }

}  // namespace

TEST(SchemaDefinition, CaptionListsOfBothEditions) {
  EXPECT_EQ(SchemaDefinition::CaptionList(SchemaEdition::Full), U(kFullCaptions) + U(kFullOnlyCaptions));
  EXPECT_EQ(SchemaDefinition::CaptionList(SchemaEdition::Lite), U(kFullCaptions));
}

TEST(SchemaDefinition, LookupsIgnoreCase) {
  struct Case {
    const char* field;
    const char* table;  // nullptr: unknown
    const char* storedName;
  };
  const Case cases[] = {
      {"NifTitularCuentaT02", "T02Matriculas", "NIFTitularCuentaT02"},
      {"idalumnot01", "T01Alumnos", "IDAlumnoT01"},
      {"LINEA08T15", "T15FacturasCab", "Linea08T15"},
      {"SabadoTHFT05", "T05Grupos", "SabadoTHFT05"},
      {"ValorOLET99", "T99ParametrosAplicacion", "ValorOLET99"},
      {"MasterFileName", "TZULVersionInfo", "MasterFileName"},
      {"PrefijoConsultas", "TZULImportVersions", "PrefijoConsultas"},
      {"ValoresConcXT24", nullptr, nullptr},
      {"NombreT06", nullptr, nullptr},
      {"", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    const TableDef* table = SchemaDefinition::TableOfField(U(c.field));
    const FieldDef* field = SchemaDefinition::FindField(U(c.field));
    if (!c.table) {
      EXPECT_EQ(table, nullptr);
      EXPECT_EQ(field, nullptr);
      continue;
    }
    ASSERT_NE(table, nullptr);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(table->name, U(c.table));
    EXPECT_EQ(field->name, U(c.storedName));
    EXPECT_EQ(SchemaDefinition::FindTable(U(c.table).toUpper()), table);
  }
  EXPECT_EQ(SchemaDefinition::FindTable(QStringLiteral("T06Aulas")), nullptr);
}

// The naming rule that the dialect and the rules rely on: a field's suffix names its
// table, each numbered table has its key, and references point at existing tables.
TEST(SchemaDefinition, FieldsFollowTheNamingRule) {
  const QRegularExpression tableName(QStringLiteral("^T(\\d\\d)[A-Za-z]+$"));
  QSet<QString> seen;
  for (const TableDef& table : SchemaDefinition::Tables()) {
    SCOPED_TRACE(table.name.toStdString());
    const QRegularExpressionMatch match = tableName.match(table.name);
    if (!match.hasMatch()) {
      EXPECT_TRUE(table.name.startsWith(QStringLiteral("TZUL")));
      EXPECT_TRUE(table.keyField.isEmpty());
      continue;
    }
    const QString suffix = QLatin1Char('T') + match.captured(1);
    const FieldDef* key = table.FindField(table.keyField);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->kind, FieldKind::Key);
    EXPECT_EQ(&table.fields.front(), key);
    for (const FieldDef& field : table.fields) {
      SCOPED_TRACE(field.name.toStdString());
      EXPECT_TRUE(field.name.endsWith(suffix));
      EXPECT_FALSE(seen.contains(field.name.toLower())) << "field name used twice";
      seen.insert(field.name.toLower());
      EXPECT_EQ(field.kind == FieldKind::Key, &field == key);
      EXPECT_EQ(field.kind == FieldKind::Text, field.width > 0);
      if (field.kind == FieldKind::Reference || field.kind == FieldKind::Key) {
        EXPECT_TRUE(field.name.startsWith(QStringLiteral("ID")));
        EXPECT_TRUE(field.defaultSql.isEmpty());
      }
      if (!field.references.isEmpty()) {
        EXPECT_NE(SchemaDefinition::FindTable(field.references), nullptr);
      }
    }
  }
}

TEST(SchemaDefinition, ColumnDeclarations) {
  struct Case {
    const char* field;
    const char* declaration;
  };
  const Case cases[] = {
      {"IDAlumnoT01", "INTEGER PRIMARY KEY AUTOINCREMENT"},
      {"IDCentroT01", "INTEGER"},
      {"IDNorma19T15", "INTEGER"},
      {"CodigoT01", "INTEGER"},
      {"NumeroT15", "INTEGER"},
      {"NOrdenT14", "INTEGER DEFAULT 0"},
      {"NSiguienteFacturaT18", "INTEGER DEFAULT 1"},
      {"NombreT01", "VARCHAR(255) COLLATE JETNOCASE"},
      {"DescripcionT03", "VARCHAR(50) COLLATE JETNOCASE"},
      {"NombreT05", "VARCHAR(50) COLLATE JETNOCASE"},
      {"ConceptoT14", "VARCHAR(80) COLLATE JETNOCASE"},
      {"Linea01T15", "VARCHAR(80) COLLATE JETNOCASE"},
      {"Linea08T15", "VARCHAR(80) COLLATE JETNOCASE"},
      {"ConceptoSEPAT15", "VARCHAR(140) COLLATE JETNOCASE"},
      {"AgenciaT17", "VARCHAR(4) COLLATE JETNOCASE"},
      {"OficinaT17", "VARCHAR(4) COLLATE JETNOCASE"},
      {"DescrLiquidacionT27", "VARCHAR(50) COLLATE JETNOCASE"},
      {"AcreedorPaisT17", "VARCHAR(255) COLLATE JETNOCASE DEFAULT 'España'"},
      {"ComentariosT01", "LONGTEXT COLLATE JETNOCASE"},
      {"CobradaT15", "BOOLEAN NOT NULL DEFAULT 0"},
      {"ActivoT01", "BOOLEAN NOT NULL DEFAULT 1"},
      {"ImporteTotalT15", "CURRENCY REAL DEFAULT 0"},
      {"UnidadesT14", "CURRENCY REAL DEFAULT 1"},
      {"UnidadesT16", "CURRENCY REAL DEFAULT 1"},
      {"TPCIva1T15", "CURRENCY REAL"},
      {"TPCIvaT14", "CURRENCY REAL"},
      {"TotalHorasT03", "CURRENCY REAL DEFAULT 0"},
      {"DiaHoraT11", "DATETIME REAL"},
      {"FechaT15", "DATE REAL"},
      {"InicioCursoT03", "DATE REAL"},
      {"LunesMHIT05", "TIME REAL"},
      {"ValorOLET99", "BLOB"},
  };
  for (const Case& c : cases) {
    const FieldDef* field = SchemaDefinition::FindField(U(c.field));
    ASSERT_NE(field, nullptr) << c.field;
    EXPECT_EQ(SchemaDefinition::ColumnDeclaration(*field), U(c.declaration)) << c.field;
  }
}

TEST(SchemaDefinition, IndexesReferencesAndSearchedFields) {
  const QStringList statements = SchemaDefinition::DdlStatements();
  const auto has = [&](const char* statement) { return statements.contains(U(statement)); };
  EXPECT_TRUE(has("CREATE INDEX IF NOT EXISTS ix_T01Alumnos_IDCentroT01 ON T01Alumnos (IDCentroT01)"));
  EXPECT_TRUE(has("CREATE INDEX IF NOT EXISTS ix_T01Alumnos_CodigoT01 ON T01Alumnos (CodigoT01)"));
  EXPECT_TRUE(
      has("CREATE INDEX IF NOT EXISTS ix_T01Alumnos_ApellidosT01_NombreT01 ON T01Alumnos (ApellidosT01, "
          "NombreT01)"));
  EXPECT_TRUE(
      has("CREATE INDEX IF NOT EXISTS ix_T16FacturasCue_IDConceptoMatriculaT16 ON T16FacturasCue "
          "(IDConceptoMatriculaT16)"));
  EXPECT_TRUE(
      has("CREATE INDEX IF NOT EXISTS ix_T99ParametrosAplicacion_NombreParametroT99 ON "
          "T99ParametrosAplicacion (NombreParametroT99)"));
  EXPECT_FALSE(statements.join(QLatin1Char('\n')).contains(QStringLiteral("REFERENCES")));
  // Every table comes before the first index.
  const int tables = static_cast<int>(SchemaDefinition::Tables().size());
  for (int i = 0; i < statements.size(); ++i) {
    EXPECT_EQ(statements[i].startsWith(QStringLiteral("CREATE TABLE ")), i < tables) << i;
  }
}
