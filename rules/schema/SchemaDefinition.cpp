#include "rules/schema/SchemaDefinition.h"

#include <QHash>
#include <iterator>

#include "rules/schema/SchemaTables.h"

namespace {

// Collation of every text column, registered by the database object on each
// connection: text compares without regard to case.
constexpr QLatin1String kCollate(" COLLATE JETNOCASE");

struct SchemaIndex {
  std::vector<TableDef> tables;
  QHash<QString, const TableDef*> tableByName;  // lower-case name
  QHash<QString, const TableDef*> tableByField;

  SchemaIndex() : tables(BuildSchemaTables()) {
    for (const TableDef& table : tables) {
      tableByName.insert(table.name.toLower(), &table);
      for (const FieldDef& field : table.fields) {
        const QString key = field.name.toLower();
        if (!tableByField.contains(key)) tableByField.insert(key, &table);
      }
    }
  }
};

const SchemaIndex& Index() {
  static const SchemaIndex index;
  return index;
}

// Captions in the order the rights window lists the tables.
const char* const kCaptionOrder[] = {
    "T01Alumnos",
    "T02Matriculas",
    "T03Cursos",
    "T04Profesores",
    "T05Grupos",
    "T07TarifasPrecios",
    "T14ConceptosMatricula",
    "T15FacturasCab",
    "T16FacturasCue",
    "T17FormasCobro",
    "T18Series",
    "T20Centros",
    "T22TiposIva",
    // Full edition only from here on.
    "T11Incidencias",
    "T12TipoIncidencias",
    "T27LiquidacionesCab",
    "T28LiquidacionesCue",
    "T24BoletinesNotas",
    "T23FormatosBoletinesNotas",
    "T25NotasBoletin",
    "T26FaltasAsistencia",
};
constexpr int kLiteCaptionCount = 13;

}  // namespace

const FieldDef* TableDef::FindField(const QString& fieldName) const {
  for (const FieldDef& field : fields) {
    if (field.name.compare(fieldName, Qt::CaseInsensitive) == 0) return &field;
  }
  return nullptr;
}

const char* FieldKindName(FieldKind kind) {
  switch (kind) {
    case FieldKind::Key:
      return "Key";
    case FieldKind::Reference:
      return "Reference";
    case FieldKind::Integer:
      return "Integer";
    case FieldKind::Text:
      return "Text";
    case FieldKind::Memo:
      return "Memo";
    case FieldKind::Boolean:
      return "Boolean";
    case FieldKind::Currency:
      return "Currency";
    case FieldKind::DateTime:
      return "DateTime";
    case FieldKind::Date:
      return "Date";
    case FieldKind::Time:
      return "Time";
    case FieldKind::Double:
      return "Double";
    case FieldKind::Blob:
      return "Blob";
  }
  return "Unknown";
}

const std::vector<TableDef>& SchemaDefinition::Tables() { return Index().tables; }

const TableDef* SchemaDefinition::FindTable(const QString& tableName) {
  return Index().tableByName.value(tableName.toLower(), nullptr);
}

const TableDef* SchemaDefinition::TableOfField(const QString& fieldName) {
  return Index().tableByField.value(fieldName.toLower(), nullptr);
}

const FieldDef* SchemaDefinition::FindField(const QString& fieldName) {
  const TableDef* table = TableOfField(fieldName);
  return table ? table->FindField(fieldName) : nullptr;
}

QString SchemaDefinition::CaptionList(SchemaEdition edition) {
  const int count =
      edition == SchemaEdition::Full ? static_cast<int>(std::size(kCaptionOrder)) : kLiteCaptionCount;
  QStringList lines;
  for (int i = 0; i < count; ++i) {
    const TableDef* table = FindTable(QString::fromLatin1(kCaptionOrder[i]));
    lines << table->name + QLatin1Char('=') + table->caption;
  }
  return lines.join(QLatin1Char('\n'));
}

QString SchemaDefinition::ColumnDeclaration(const FieldDef& field) {
  QString text;
  switch (field.kind) {
    case FieldKind::Key:
      return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    case FieldKind::Reference:
      return QStringLiteral("INTEGER");  // null: no reference
    case FieldKind::Integer:
      text = QStringLiteral("INTEGER");
      break;
    case FieldKind::Text:
      text = QStringLiteral("VARCHAR(%1)").arg(field.width) + kCollate;
      break;
    case FieldKind::Memo:
      text = QStringLiteral("LONGTEXT") + kCollate;
      break;
    case FieldKind::Boolean:
      text = QStringLiteral("BOOLEAN NOT NULL");
      break;
    case FieldKind::Currency:
      text = QStringLiteral("CURRENCY REAL");
      break;
    case FieldKind::DateTime:
      text = QStringLiteral("DATETIME REAL");
      break;
    case FieldKind::Date:
      text = QStringLiteral("DATE REAL");
      break;
    case FieldKind::Time:
      text = QStringLiteral("TIME REAL");
      break;
    case FieldKind::Double:
      text = QStringLiteral("DOUBLE REAL");
      break;
    case FieldKind::Blob:
      text = QStringLiteral("BLOB");
      break;
  }
  if (!field.defaultSql.isEmpty()) text += QStringLiteral(" DEFAULT ") + field.defaultSql;
  return text;
}

QString SchemaDefinition::CreateTableStatement(const TableDef& table) {
  QStringList columns;
  for (const FieldDef& field : table.fields)
    columns << QStringLiteral("  ") + field.name + QLatin1Char(' ') + ColumnDeclaration(field);
  return QStringLiteral("CREATE TABLE %1 (\n%2\n)").arg(table.name, columns.join(QStringLiteral(",\n")));
}

QStringList SchemaDefinition::CreateIndexStatements(const TableDef& table) {
  QStringList statements;
  for (const FieldDef& field : table.fields) {
    if (field.kind != FieldKind::Reference && !field.searched) continue;
    statements
        << QStringLiteral("CREATE INDEX IF NOT EXISTS ix_%1_%2 ON %1 (%2)").arg(table.name, field.name);
  }
  for (const QStringList& fields : table.indexes) {
    statements << QStringLiteral("CREATE INDEX IF NOT EXISTS ix_%1_%2 ON %1 (%3)")
                      .arg(table.name, fields.join(QLatin1Char('_')), fields.join(QStringLiteral(", ")));
  }
  return statements;
}

QStringList SchemaDefinition::DdlStatements() {
  QStringList statements;
  for (const TableDef& table : Tables()) statements << CreateTableStatement(table);
  for (const TableDef& table : Tables()) statements << CreateIndexStatements(table);
  return statements;
}
