#include "platform/zul/TDataSetFetcher.h"

#include <sqlite3.h>

#include "platform/core/Variants.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TPreparedStatement.h"

namespace {

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

}  // namespace

TDataSetFetcher::TDataSetFetcher(TDataBaseZUL& db, std::unique_ptr<TPreparedStatement> statement,
                                 std::vector<TFieldType>* types, Sink sink)
    : m_db(db), m_statement(std::move(statement)), m_types(types), m_sink(std::move(sink)) {
  m_db.AddReader(this);
}

TDataSetFetcher::~TDataSetFetcher() { Finish(); }

void TDataSetFetcher::Finish() {
  if (!m_statement) return;
  m_db.RemoveReader(this);
  m_statement.reset();
}

bool TDataSetFetcher::FetchOne() {
  if (!m_statement) return false;
  bool row = false;
  try {
    row = m_statement->Step();
  } catch (...) {
    Finish();
    throw;
  }
  if (!row) {
    Finish();
    return false;
  }
  sqlite3_stmt* stmt = m_statement->Handle();
  const int columns = static_cast<int>(m_types->size());
  Row values;
  values.reserve(columns);
  for (int c = 0; c < columns; ++c) {
    TFieldType& type = (*m_types)[c];
    if (type == TFieldType::ftUnknown) type = FromStorageClass(sqlite3_column_type(stmt, c));
    values.push_back(ReadValue(stmt, c, type));
  }
  m_sink(std::move(values));
  return true;
}

void TDataSetFetcher::FetchAll() {
  while (FetchOne()) {
  }
}

// A column value as the field type wants it; values that do not fit the declared
// type (a text in a number column) are kept as they are rather than lost.
QVariant TDataSetFetcher::ReadValue(sqlite3_stmt* stmt, int col, TFieldType type) {
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
