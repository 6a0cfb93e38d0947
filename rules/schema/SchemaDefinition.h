#pragma once
// The company database schema: its tables as data, lookups by table and field
// name (without regard to case, as the engine compares them), the table captions
// of each edition and the SQLite DDL that creates an empty database.

#include <QString>
#include <QStringList>
#include <vector>

#include "rules/schema/TableDef.h"

enum class SchemaEdition { Full, Lite };

class SchemaDefinition {
public:
  // Every table, in table-number order, then the parameter and version tables.
  static const std::vector<TableDef>& Tables();

  // nullptr when unknown.
  static const TableDef* FindTable(const QString& tableName);
  // The first table that has the field (field names are unique except in the two
  // version tables, which share NombreAplicacion and NumeroVersion).
  static const TableDef* TableOfField(const QString& fieldName);
  static const FieldDef* FindField(const QString& fieldName);

  // "T01Alumnos=Alumnos\n..." in the order the rights window lists them; the lite
  // edition leaves out the tables it does not have.
  static QString CaptionList(SchemaEdition edition);

  // Column text after the name: declared type, collation, constraints and default
  // ("VARCHAR(50) COLLATE JETNOCASE", "BOOLEAN NOT NULL DEFAULT 0", ...).
  static QString ColumnDeclaration(const FieldDef& field);
  static QString CreateTableStatement(const TableDef& table);
  // Indexes of the references, of the fields the rules search by and the table's
  // indexes over several fields; each made only when missing (IF NOT EXISTS).
  static QStringList CreateIndexStatements(const TableDef& table);
  // All tables, then all indexes; each statement without the closing semicolon.
  static QStringList DdlStatements();
};
