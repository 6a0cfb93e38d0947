#pragma once
// A table of the company database as data: its fields with their storage kind,
// width and default. The DDL, the dataset layer and the rules read the same
// definitions, so a field exists in exactly one place.

#include <QString>
#include <QStringList>
#include <vector>

enum class FieldKind {
  Key,        // automatic counter, primary key; never reused
  Reference,  // key of another entity; null means no reference
  Integer,    // 32-bit integer
  Text,       // text of a given width
  Memo,       // long text
  Boolean,    // never null
  Currency,   // fixed point, four decimals (amounts, percentages, units)
  DateTime,   // day number since 1899-12-30 with the time as fraction
  Date,       // the same, time part zero
  Time,       // the same, only the time of day is used
  Double,     // floating point
  Blob,       // binary value
};

struct FieldDef {
  QString name;
  FieldKind kind = FieldKind::Text;
  int width = 0;          // Text only: maximum number of characters
  QString defaultSql;     // SQL text of the column default; empty: no default
  QString references;     // Reference only: the referenced table, empty when it is not one of ours
  bool searched = false;  // the rules look records up by it: indexed
};

struct TableDef {
  QString name;
  QString caption;   // display name; empty for tables without one
  QString keyField;  // empty for the version tables, which have none
  std::vector<FieldDef> fields;
  // Indexes over several fields, each its fields in order (the sort orders of the
  // lists of large tables).
  std::vector<QStringList> indexes;

  // Case-insensitive; nullptr when the table has no such field.
  const FieldDef* FindField(const QString& fieldName) const;
};

// Readable name of a kind ("Currency"), for messages and tests.
const char* FieldKindName(FieldKind kind);
