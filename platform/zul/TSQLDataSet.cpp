#include "platform/zul/TSQLDataSet.h"

#include <sqlite3.h>
#include <utility>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TPreparedStatement.h"
#include "platform/zul/dialect/JetTranslator.h"

namespace {

struct ColumnType {
  TFieldType type = TFieldType::ftUnknown;
  int size = 0;
};

// The declared types of the schema name the field types (see the schema's DDL).
ColumnType FromDeclaredType(const char* declared) {
  ColumnType c;
  if (!declared) return c;
  const QByteArray d = QByteArray(declared).trimmed().toUpper();
  if (d.startsWith("CURRENCY"))
    c.type = TFieldType::ftCurrency;
  else if (d.startsWith("DATETIME"))
    c.type = TFieldType::ftDateTime;
  else if (d.startsWith("DATE"))
    c.type = TFieldType::ftDate;
  else if (d.startsWith("TIME"))
    c.type = TFieldType::ftTime;
  else if (d.startsWith("BOOLEAN") || d.startsWith("BIT"))
    c.type = TFieldType::ftBoolean;
  else if (d.startsWith("LONGTEXT") || d.startsWith("MEMO"))
    c.type = TFieldType::ftMemo;
  else if (d.startsWith("VARCHAR") || d.startsWith("TEXT") || d.startsWith("CHAR")) {
    c.type = TFieldType::ftWideString;
    const int open = d.indexOf('(');
    const int close = d.indexOf(')');
    c.size = (open > 0 && close > open) ? d.mid(open + 1, close - open - 1).toInt() : 255;
  } else if (d.startsWith("SMALLINT"))
    c.type = TFieldType::ftSmallint;
  else if (d.startsWith("INTEGER") || d.startsWith("INT"))
    c.type = TFieldType::ftInteger;
  else if (d.startsWith("DOUBLE") || d.startsWith("REAL") || d.startsWith("FLOAT"))
    c.type = TFieldType::ftFloat;
  else if (d.startsWith("BLOB"))
    c.type = TFieldType::ftBlob;
  return c;
}

TFieldType FromStorageClass(int storage) {
  switch (storage) {
    case SQLITE_INTEGER:
      return TFieldType::ftInteger;
    case SQLITE_FLOAT:
      return TFieldType::ftFloat;
    case SQLITE_TEXT:
      return TFieldType::ftWideString;
    case SQLITE_BLOB:
      return TFieldType::ftBlob;
    default:
      return TFieldType::ftUnknown;
  }
}

QVariant IntegerValue(sqlite3_int64 v) {
  if (v >= INT32_MIN && v <= INT32_MAX) return QVariant(static_cast<int>(v));
  return QVariant(static_cast<qint64>(v));
}

// A column value as the field type wants it; values that do not fit the declared
// type (a text in a number column) are kept as they are rather than lost.
QVariant ReadValue(sqlite3_stmt* stmt, int col, TFieldType type) {
  const int storage = sqlite3_column_type(stmt, col);
  if (storage == SQLITE_NULL) return Var::Null();
  const bool numeric = storage == SQLITE_INTEGER || storage == SQLITE_FLOAT;
  switch (type) {
    case TFieldType::ftBoolean:
      if (numeric) return QVariant(sqlite3_column_double(stmt, col) != 0.0);
      break;
    case TFieldType::ftDate:
    case TFieldType::ftTime:
    case TFieldType::ftDateTime:
      if (numeric) return Var::FromDate(sqlite3_column_double(stmt, col));
      break;
    case TFieldType::ftCurrency:
      if (storage == SQLITE_INTEGER)
        return Var::FromCurrency(Currency::FromInt(sqlite3_column_int64(stmt, col)));
      if (storage == SQLITE_FLOAT)
        return Var::FromCurrency(Currency::FromDouble(sqlite3_column_double(stmt, col)));
      break;
    case TFieldType::ftFloat:
      if (numeric) return QVariant(sqlite3_column_double(stmt, col));
      break;
    default:
      break;
  }
  switch (storage) {
    case SQLITE_INTEGER:
      return IntegerValue(sqlite3_column_int64(stmt, col));
    case SQLITE_FLOAT:
      return QVariant(sqlite3_column_double(stmt, col));
    case SQLITE_BLOB: {
      const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, col));
      return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, col)));
    }
    default: {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
      return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, col)));
    }
  }
}

}  // namespace

TSQLDataSet::TSQLDataSet(TDataBaseZUL* database, QString jetSql, QObject* owner, int flag)
    : m_database(database), m_sql(std::move(jetSql)), m_owner(owner), m_flag(flag) {}

TSQLDataSet::~TSQLDataSet() = default;

void TSQLDataSet::SetSQL(const QString& jetSql) {
  Close();
  m_sql = jetSql;
}

void TSQLDataSet::Open() {
  if (m_active) return;
  if (!m_database) throw EDatabaseError(QStringLiteral("El conjunto de datos no tiene base de datos"));
  const JetTranslation translation = JetTranslator::Translate(m_sql);
  if (translation.statements.empty()) {
    throw EDatabaseError(QStringLiteral("La consulta está vacía"));
  }
  std::vector<std::unique_ptr<TField>> fields;
  std::vector<std::vector<QVariant>> rows;
  for (size_t s = 0; s + 1 < translation.statements.size(); ++s) {
    TPreparedStatement(*m_database, translation.statements[s]).Run();
  }
  TPreparedStatement prepared(*m_database, translation.statements.back());
  sqlite3_stmt* stmt = prepared.Handle();
  const int columns = stmt ? sqlite3_column_count(stmt) : 0;
  std::vector<TFieldType> types(columns, TFieldType::ftUnknown);
  std::vector<bool> typed(columns, false);
  for (int c = 0; c < columns; ++c) {
    const ColumnType ct = FromDeclaredType(sqlite3_column_decltype(stmt, c));
    types[c] = ct.type;
    typed[c] = ct.type != TFieldType::ftUnknown;
    auto field =
        std::make_unique<TField>(this, c, QString::fromUtf8(sqlite3_column_name(stmt, c)), ct.type, ct.size);
    if (const char* table = sqlite3_column_table_name(stmt, c)) field->SetOrigin(QString::fromUtf8(table));
    field->SetReadOnly(m_flag == 1);
    fields.push_back(std::move(field));
  }
  while (prepared.Step()) {
    std::vector<QVariant> row;
    row.reserve(columns);
    for (int c = 0; c < columns; ++c) {
      if (!typed[c] && types[c] == TFieldType::ftUnknown)
        types[c] = FromStorageClass(sqlite3_column_type(stmt, c));
      row.push_back(ReadValue(stmt, c, types[c]));
    }
    rows.push_back(std::move(row));
  }
  // Expressions take the type of their first value that is not null.
  for (int c = 0; c < columns; ++c) {
    if (!typed[c] && types[c] != TFieldType::ftUnknown) {
      auto& f = fields[c];
      f = std::make_unique<TField>(this, c, f->FieldName(), types[c], 0);
      f->SetReadOnly(true);
    }
  }
  m_fields = std::move(fields);
  m_rows = std::move(rows);
  m_active = true;
  m_current = 0;
  m_bof = true;
  m_eof = m_rows.empty();
}

void TSQLDataSet::Close() {
  m_active = false;
  m_fields.clear();
  m_rows.clear();
  m_current = 0;
  m_eof = m_bof = true;
}

void TSQLDataSet::Refresh() {
  const int recNo = RecNo();
  Close();
  Open();
  if (recNo > 0) SetRecNo(std::min(recNo, RecordCount()));
}

void TSQLDataSet::RequireActive() const {
  if (!m_active) throw EDatabaseError(QStringLiteral("El conjunto de datos está cerrado"));
}

void TSQLDataSet::First() {
  RequireActive();
  m_current = 0;
  m_bof = true;
  m_eof = m_rows.empty();
}

void TSQLDataSet::Last() {
  RequireActive();
  m_current = m_rows.empty() ? 0 : RecordCount() - 1;
  m_eof = true;
  m_bof = m_rows.empty();
}

void TSQLDataSet::Next() {
  RequireActive();
  m_bof = false;
  if (m_current + 1 < RecordCount()) {
    ++m_current;
  } else {
    m_eof = true;
  }
}

void TSQLDataSet::Prior() {
  RequireActive();
  m_eof = false;
  if (m_current > 0) {
    --m_current;
  } else {
    m_bof = true;
  }
}

bool TSQLDataSet::Eof() const { return !m_active || m_eof; }
bool TSQLDataSet::Bof() const { return !m_active || m_bof; }

int TSQLDataSet::RecNo() const { return (m_active && !m_rows.empty()) ? m_current + 1 : 0; }

void TSQLDataSet::SetRecNo(int recNo) {
  RequireActive();
  if (recNo < 1 || recNo > RecordCount()) return;
  m_current = recNo - 1;
  m_bof = m_eof = false;
}

bool TSQLDataSet::Locate(const QString& fieldName, const QVariant& value) {
  RequireActive();
  const int index = FieldByName(fieldName).Index();
  for (int r = 0; r < RecordCount(); ++r) {
    const QVariant& v = m_rows[r][index];
    bool equal;
    if (Var::IsNullOrEmpty(v) || Var::IsNullOrEmpty(value)) {
      equal = Var::IsNullOrEmpty(v) && Var::IsNullOrEmpty(value);
    } else if (v.typeId() == QMetaType::QString || value.typeId() == QMetaType::QString) {
      equal = Var::ToString(v).compare(Var::ToString(value), Qt::CaseInsensitive) == 0;
    } else {
      equal = Var::ToDouble(v) == Var::ToDouble(value);
    }
    if (equal) {
      SetRecNo(r + 1);
      return true;
    }
  }
  return false;
}

TField& TSQLDataSet::Fields(int index) {
  RequireActive();
  if (index < 0 || index >= FieldCount()) {
    throw EDatabaseError(QStringLiteral("Índice de campo fuera de rango: %1").arg(index));
  }
  return *m_fields[index];
}

TField* TSQLDataSet::FindField(const QString& name) {
  for (auto& f : m_fields) {
    if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0) return f.get();
  }
  return nullptr;
}

TField& TSQLDataSet::FieldByName(const QString& name) {
  RequireActive();
  if (TField* f = FindField(name)) return *f;
  throw EDatabaseError(QStringLiteral("No se ha encontrado el campo «%1»").arg(name));
}

QStringList TSQLDataSet::FieldNames() const {
  QStringList names;
  for (const auto& f : m_fields) names << f->FieldName();
  return names;
}

QVariant TSQLDataSet::RawValue(int fieldIndex) const {
  RequireActive();
  if (m_rows.empty() || fieldIndex < 0 || fieldIndex >= FieldCount()) return Var::Null();
  return m_rows[m_current][fieldIndex];
}

void TSQLDataSet::SetRawValue(int fieldIndex, const QVariant& value) {
  Q_UNUSED(fieldIndex);
  Q_UNUSED(value);
  // Editing comes with the editable datasets of the data-entry framework.
  throw EDatabaseError(QStringLiteral("El conjunto de datos no está en modo de edición"));
}
