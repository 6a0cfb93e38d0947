#include "platform/zul/TSQLDataSet.h"

#include <sqlite3.h>

#include <algorithm>
#include <utility>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TDataSetFetcher.h"
#include "platform/zul/TPreparedStatement.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/dialect/JetTokenizer.h"
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
  if (d.startsWith("CURRENCY")) {
    c.type = TFieldType::ftCurrency;
  } else if (d.startsWith("DATETIME")) {
    c.type = TFieldType::ftDateTime;
  } else if (d.startsWith("DATE")) {
    c.type = TFieldType::ftDate;
  } else if (d.startsWith("TIME")) {
    c.type = TFieldType::ftTime;
  } else if (d.startsWith("BOOLEAN") || d.startsWith("BIT")) {
    c.type = TFieldType::ftBoolean;
  } else if (d.startsWith("LONGTEXT") || d.startsWith("MEMO")) {
    c.type = TFieldType::ftMemo;
  } else if (d.startsWith("VARCHAR") || d.startsWith("TEXT") || d.startsWith("CHAR")) {
    c.type = TFieldType::ftWideString;
    const int open = d.indexOf('(');
    const int close = d.indexOf(')');
    c.size = (open > 0 && close > open) ? d.mid(open + 1, close - open - 1).toInt() : 255;
  } else if (d.startsWith("SMALLINT")) {
    c.type = TFieldType::ftSmallint;
  } else if (d.startsWith("INTEGER") || d.startsWith("INT")) {
    c.type = TFieldType::ftInteger;
  } else if (d.startsWith("DOUBLE") || d.startsWith("REAL") || d.startsWith("FLOAT")) {
    c.type = TFieldType::ftFloat;
  } else if (d.startsWith("BLOB")) {
    c.type = TFieldType::ftBlob;
  }
  return c;
}

// A value set on a field becomes the kind the field's type reads back as.
QVariant Coerce(const QVariant& value, TFieldType type) {
  if (Var::IsNullOrEmpty(value)) return type == TFieldType::ftBoolean ? QVariant(false) : Var::Null();
  switch (type) {
    case TFieldType::ftBoolean:
      return QVariant(Var::ToBool(value));
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftWord:
    case TFieldType::ftAutoInc:
      return QVariant(Var::ToInt(value));
    case TFieldType::ftLargeint:
      return QVariant(Var::ToInt64(value));
    case TFieldType::ftFloat:
      return QVariant(Var::ToDouble(value));
    case TFieldType::ftCurrency:
      return Var::FromCurrency(Var::ToCurrency(value));
    case TFieldType::ftDate:
    case TFieldType::ftTime:
    case TFieldType::ftDateTime:
      return Var::FromDate(Var::ToDateTime(value));
    case TFieldType::ftString:
    case TFieldType::ftWideString:
    case TFieldType::ftMemo:
      return QVariant(Var::ToString(value));
    default:
      return value;
  }
}

// A column default of the schema as a value ("0", "1", "'España'", NULL).
QVariant DefaultValue(const QString& sql, TFieldType type) {
  const QString text = sql.trimmed();
  if (text.isEmpty() || text.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0) {
    return type == TFieldType::ftBoolean ? QVariant(false) : Var::Null();
  }
  if (text.size() >= 2 && text.startsWith(QLatin1Char('\'')) && text.endsWith(QLatin1Char('\''))) {
    return Coerce(text.mid(1, text.size() - 2).replace(QLatin1String("''"), QLatin1String("'")), type);
  }
  try {
    return Coerce(text, type);
  } catch (const Exception&) {
    return Var::Null();
  }
}

// The query with its last statement's top-level ORDER BY (or none) replaced by the
// field, quoted as a name. LIMIT/OFFSET after the order stay where they were; a
// query with TOP is refused.
QString OrderedSql(const QString& jetSql, const QString& field, bool descending) {
  std::vector<JetToken> tokens;
  JetTokenizer::Tokenize(jetSql, tokens);
  int last = static_cast<int>(tokens.size()) - 1;
  while (last >= 0 && tokens[last].kind == JetToken::Op && tokens[last].op == JetOp::Semicolon) --last;
  if (last < 0) return jetSql;
  int depth = 0;
  int start = 0;
  int order = -1;
  int tail = -1;  // the first LIMIT/OFFSET after the order
  for (int i = 0; i <= last; ++i) {
    const JetToken& t = tokens[i];
    if (t.kind == JetToken::Op) {
      if (t.op == JetOp::LParen) ++depth;
      if (t.op == JetOp::RParen) --depth;
      if (t.op == JetOp::Semicolon && depth == 0) {
        start = i + 1;
        order = tail = -1;
      }
      continue;
    }
    if (depth != 0 || t.kind != JetToken::Word || i < start) continue;
    if (t.kw == JetKw::Top) {
      // Another order would pick other rows, not order the same ones.
      throw EDatabaseError(QStringLiteral("Una consulta con TOP no se puede ordenar de otro modo"));
    }
    if (t.kw == JetKw::Order && i < last && tokens[i + 1].kw == JetKw::By) {
      order = i;
      tail = -1;
    } else if ((t.kw == JetKw::Limit || t.kw == JetKw::Offset) && tail < 0) {
      tail = i;
    }
  }
  const int end = tail >= 0 ? tokens[tail].pos : tokens[last].pos + tokens[last].len;
  const int from = order >= 0 ? tokens[order].pos : end;
  const QString clause =
      QStringLiteral("ORDER BY [%1]%2").arg(field, descending ? QStringLiteral(" DESC") : QString());
  QString sql = jetSql;
  sql.replace(from, end - from,
              (order >= 0 ? QString() : QStringLiteral(" ")) + clause +
                  (tail >= 0 ? QStringLiteral(" ") : QString()));
  return sql;
}

}  // namespace

QString DataSetEventProcedure(TDataSetEvent event) {
  static const char* const names[] = {"BEFOREOPEN",   "AFTEROPEN",   "BEFOREEDIT",   "AFTEREDIT",
                                      "BEFOREPOST",   "AFTERPOST",   "BEFOREDELETE", "AFTERDELETE",
                                      "BEFOREINSERT", "AFTERINSERT", "STATECHANGE"};
  return QStringLiteral("ProcedureZULDataEvent_") + QLatin1String(names[static_cast<int>(event)]);
}

TSQLDataSet::TSQLDataSet(TDataBaseZUL* database, QString jetSql, QObject* owner, int flag)
    : m_database(database), m_sql(std::move(jetSql)), m_owner(owner), m_flag(flag) {}

TSQLDataSet::~TSQLDataSet() = default;

void TSQLDataSet::SetSQL(const QString& jetSql) {
  Close();
  m_sql = jetSql;
}

void TSQLDataSet::SetUpdateTable(const QString& table, const QString& keyField) {
  m_updateTable = table;
  m_keyField = keyField;
}

QString TSQLDataSet::UpdateTable() const {
  if (!m_updateTable.isEmpty()) return m_updateTable;
  for (const auto& f : m_fields) {
    if (!f->Origin().isEmpty()) return f->Origin();
  }
  return QString();
}

QString TSQLDataSet::KeyField() const {
  if (!m_keyField.isEmpty()) return m_keyField;
  const QString table = UpdateTable();
  for (const auto& f : m_fields) {
    if (f->DataType() == TFieldType::ftAutoInc && f->Origin().compare(table, Qt::CaseInsensitive) == 0) {
      return f->FieldName();
    }
  }
  return QString();
}

void TSQLDataSet::Raise(TDataSetEvent event) {
  if (!m_procedures) return;
  m_procedures->ExecuteProcedure(DataSetEventProcedure(event), this,
                                 {0, 0, m_dataObjectId, QVariant::fromValue<QObject*>(this)});
}

void TSQLDataSet::SetState(TDataSetState state) {
  if (m_state == state) return;
  m_state = state;
  emit stateChanged();
  if (state != TDataSetState::dsInactive) Raise(TDataSetEvent::StateChange);
}

void TSQLDataSet::NotifyRecord() {
  if (!ControlsDisabled()) emit dataChanged(nullptr);
}

void TSQLDataSet::Open() {
  if (Active()) return;
  if (!m_database) throw EDatabaseError(QStringLiteral("El conjunto de datos no tiene base de datos"));
  Raise(TDataSetEvent::BeforeOpen);
  std::unique_ptr<TPreparedStatement> prepared = PrepareQuery();
  sqlite3_stmt* stmt = prepared->Handle();
  const int columns = stmt ? sqlite3_column_count(stmt) : 0;
  std::vector<std::unique_ptr<TField>> fields;
  m_types.assign(columns, TFieldType::ftUnknown);
  for (int c = 0; c < columns; ++c) {
    ColumnType ct = FromDeclaredType(sqlite3_column_decltype(stmt, c));
    const char* table = sqlite3_column_table_name(stmt, c);
    const char* origin = sqlite3_column_origin_name(stmt, c);
    bool readOnly = m_flag == 1 || !table;
    if (table && origin && ct.type == TFieldType::ftInteger) {
      int primaryKey = 0;
      int autoInc = 0;
      sqlite3_table_column_metadata(m_database->Handle(), sqlite3_column_database_name(stmt, c), table,
                                    origin, nullptr, nullptr, nullptr, &primaryKey, &autoInc);
      if (primaryKey && autoInc) ct.type = TFieldType::ftAutoInc;
    }
    m_types[c] = ct.type;
    auto field =
        std::make_unique<TField>(this, c, QString::fromUtf8(sqlite3_column_name(stmt, c)), ct.type, ct.size);
    if (table) field->SetOrigin(QString::fromUtf8(table));
    field->SetReadOnly(readOnly || ct.type == TFieldType::ftAutoInc);
    fields.push_back(std::move(field));
  }
  m_fields = std::move(fields);
  m_rows.clear();
  m_fetcher = std::make_unique<TDataSetFetcher>(
      *m_database, std::move(prepared), &m_types,
      [this](TDataSetFetcher::Row&& row) { m_rows.push_back(std::move(row)); });
  try {
    FetchTo(0);
  } catch (...) {
    m_fetcher.reset();
    m_fields.clear();
    throw;
  }
  // Expressions took the type of their first value.
  for (int c = 0; c < columns; ++c) {
    if (m_fields[c]->DataType() == TFieldType::ftUnknown && m_types[c] != TFieldType::ftUnknown) {
      auto& f = m_fields[c];
      auto typed = std::make_unique<TField>(this, c, f->FieldName(), m_types[c], 0);
      typed->SetOrigin(f->Origin());
      typed->SetReadOnly(f->ReadOnly());
      f = std::move(typed);
    }
  }
  m_current = 0;
  m_bof = true;
  m_eof = m_rows.empty();
  SetState(TDataSetState::dsBrowse);
  emit rowsChanged();
  Raise(TDataSetEvent::AfterOpen);
  NotifyRecord();
}

std::unique_ptr<TPreparedStatement> TSQLDataSet::PrepareQuery() {
  auto prepare = [this](const QString& sql) {
    const JetTranslation translation = JetTranslator::Translate(sql);
    if (translation.statements.empty()) throw EDatabaseError(QStringLiteral("La consulta está vacía"));
    for (size_t s = 0; s + 1 < translation.statements.size(); ++s) {
      TPreparedStatement(*m_database, translation.statements[s]).Run();
    }
    return std::make_unique<TPreparedStatement>(*m_database, translation.statements.back());
  };
  if (!m_sortField.isEmpty()) {
    try {
      auto sorted = prepare(OrderedSql(m_sql, m_sortField, m_sortDescending));
      sqlite3_stmt* stmt = sorted->Handle();
      for (int c = 0; stmt && c < sqlite3_column_count(stmt); ++c) {
        if (QString::fromUtf8(sqlite3_column_name(stmt, c)).compare(m_sortField, Qt::CaseInsensitive) == 0)
          return sorted;
      }
    } catch (const Exception&) {
    }
    // This query has no such field (a column of its tables that it does not show
    // counts as none): the query's own order, or its own error, stands.
    m_sortField.clear();
    m_sortDescending = false;
  }
  return prepare(m_sql);
}

void TSQLDataSet::Sort(const QString& fieldName, bool descending, int keepWithin) {
  QString name = fieldName.trimmed();
  if (!name.isEmpty() && Active()) {
    TField* field = FindField(name);
    if (!field) throw EDatabaseError(QStringLiteral("No se ha encontrado el campo «%1»").arg(name));
    if (field->DataType() == TFieldType::ftMemo || field->DataType() == TFieldType::ftBlob) {
      throw EDatabaseError(QStringLiteral("No se puede ordenar por el campo «%1»").arg(name));
    }
    name = field->FieldName();
  }
  if (name.contains(QLatin1Char(']')) || name.contains(QLatin1Char('['))) {
    throw EDatabaseError(QStringLiteral("No se puede ordenar por el campo «%1»").arg(name));
  }
  if (!Active()) {
    m_sortField = name;
    m_sortDescending = !name.isEmpty() && descending;
    return;
  }
  if (Modifying()) {
    throw EDatabaseError(QStringLiteral("Guarde o cancele los cambios del registro antes de ordenar"));
  }
  const QString key = KeyField();
  const QVariant bookmark = key.isEmpty() ? QVariant() : Bookmark();
  m_sortField = name;
  m_sortDescending = !name.isEmpty() && descending;
  const int disable = ReopenQuietly();
  // Only the first rows of the new order are looked at: the rest stay unread.
  FetchTo(std::max(1, keepWithin) - 1);
  if (!Var::IsNullOrEmpty(bookmark)) {
    const int index = FieldByName(key).Index();
    for (int r = 0; r < RecordCountFetched(); ++r) {
      if (Var::SameValue(m_rows[r][index], bookmark)) {
        m_current = r;
        m_bof = m_eof = false;
        break;
      }
    }
  }
  m_disableCount = disable;
  NotifyRecord();
  if (!name.isEmpty() && m_sortField.isEmpty()) {
    throw EDatabaseError(QStringLiteral("No se puede ordenar por el campo «%1»").arg(name));
  }
}

void TSQLDataSet::Close() {
  if (!Active()) return;
  m_fetcher.reset();
  m_fields.clear();
  m_rows.clear();
  m_buffer.clear();
  m_current = 0;
  m_eof = m_bof = true;
  SetState(TDataSetState::dsInactive);
  emit rowsChanged();
}

bool TSQLDataSet::FetchTo(int row) {
  while (static_cast<int>(m_rows.size()) <= row) {
    if (!m_fetcher || !m_fetcher->FetchOne()) {
      m_fetcher.reset();
      return false;
    }
  }
  return true;
}

void TSQLDataSet::FetchAll() {
  if (m_fetcher) m_fetcher->FetchAll();
  m_fetcher.reset();
}

bool TSQLDataSet::MoreRows() const { return m_fetcher && !m_fetcher->Done(); }

void TSQLDataSet::Refresh() {
  RequireActive();
  if (Modifying()) Post();
  const QVariant bookmark = Bookmark();
  const int recNo = RecNo();
  const int disable = ReopenQuietly();
  const bool found = !Var::IsNullOrEmpty(bookmark) && GotoBookmark(bookmark);
  if (!found && recNo > 1) SetRecNo(FetchTo(recNo - 1) ? recNo : RecordCountFetched());
  m_disableCount = disable;
  NotifyRecord();
}

int TSQLDataSet::ReopenQuietly() {
  const int disable = m_disableCount;
  m_disableCount = 1;  // one notification, which the caller sends when it is done
  m_fetcher.reset();
  m_state = TDataSetState::dsInactive;
  try {
    Open();
  } catch (...) {
    m_disableCount = disable;
    throw;
  }
  return disable;
}

void TSQLDataSet::RequireActive() const {
  if (!Active()) throw EDatabaseError(QStringLiteral("El conjunto de datos está cerrado"));
}

bool TSQLDataSet::Modifying() const {
  return m_state == TDataSetState::dsEdit || m_state == TDataSetState::dsInsert ||
         m_state == TDataSetState::dsSetKey;
}

void TSQLDataSet::LeaveModifying() {
  if (m_state == TDataSetState::dsEdit || m_state == TDataSetState::dsInsert) Post();
  if (m_state == TDataSetState::dsSetKey) Cancel();
}

void TSQLDataSet::RequireWritable() const {
  if (m_flag == 1)
    throw EDatabaseError(QStringLiteral("No se puede modificar un conjunto de datos de solo lectura"));
  if (UpdateTable().isEmpty()) {
    throw EDatabaseError(
        QStringLiteral("No se puede modificar: la consulta no indica qué tabla se modifica"));
  }
}

void TSQLDataSet::Edit() {
  RequireActive();
  if (m_state == TDataSetState::dsEdit || m_state == TDataSetState::dsInsert) return;
  if (m_state == TDataSetState::dsSetKey) Cancel();
  if (IsEmpty()) {
    Append();
    return;
  }
  RequireWritable();
  Raise(TDataSetEvent::BeforeEdit);
  m_buffer = m_rows[m_current];
  m_modified.assign(m_fields.size(), false);
  SetState(TDataSetState::dsEdit);
  Raise(TDataSetEvent::AfterEdit);
}

void TSQLDataSet::Append() {
  RequireActive();
  LeaveModifying();
  RequireWritable();
  Raise(TDataSetEvent::BeforeInsert);
  m_buffer = NewRecord();
  m_modified.assign(m_fields.size(), false);
  SetState(TDataSetState::dsInsert);
  NotifyRecord();
  Raise(TDataSetEvent::AfterInsert);
}

void TSQLDataSet::Insert() { Append(); }

std::vector<QVariant> TSQLDataSet::NewRecord() {
  std::vector<QVariant> record(m_fields.size(), Var::Null());
  const QString table = UpdateTable();
  if (table.isEmpty()) return record;
  auto info = m_database->GetTSQLDataSet(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table), nullptr, 1);
  info->Open();
  for (; !info->Eof(); info->Next()) {
    const QString column = info->FieldByName(QStringLiteral("name")).AsString();
    for (auto& f : m_fields) {
      if (f->Origin().compare(table, Qt::CaseInsensitive) == 0 &&
          f->FieldName().compare(column, Qt::CaseInsensitive) == 0) {
        record[f->Index()] =
            DefaultValue(info->FieldByName(QStringLiteral("dflt_value")).AsString(), f->DataType());
      }
    }
  }
  return record;
}

void TSQLDataSet::SetKey() {
  RequireActive();
  LeaveModifying();
  m_buffer.assign(m_fields.size(), Var::Null());
  m_modified.assign(m_fields.size(), false);
  SetState(TDataSetState::dsSetKey);
}

void TSQLDataSet::Cancel() {
  if (!Modifying()) return;
  m_buffer.clear();
  m_modified.clear();
  SetState(TDataSetState::dsBrowse);
  NotifyRecord();
}

void TSQLDataSet::Post() {
  if (m_state == TDataSetState::dsSetKey) {
    Cancel();
    return;
  }
  if (m_state != TDataSetState::dsEdit && m_state != TDataSetState::dsInsert) {
    throw EDatabaseError(QStringLiteral("El conjunto de datos no está en modo de edición o inserción"));
  }
  // The rules of the post write other tables too: all of it is one transaction.
  const int token = m_database->BeginTrans();
  const TDataSetState before = m_state;
  try {
    Raise(TDataSetEvent::BeforePost);
    WriteRecord();
    SetState(TDataSetState::dsBrowse);  // AFTERPOST sees the record as stored
    Raise(TDataSetEvent::AfterPost);
    m_database->CommitTrans(token);
  } catch (...) {
    RollbackQuietly(token);
    if (m_pendingRow >= 0) UndoStoredRow();
    if (m_state != before) {
      m_state = before;  // back to editing what the user typed
      emit stateChanged();
    }
    throw;
  }
  m_pendingRow = -1;
  m_pendingOld.clear();
  m_buffer.clear();
  m_modified.clear();
  NotifyRecord();
}

void TSQLDataSet::RollbackQuietly(int token) {
  // The error that brought us here is the one to report.
  try {
    if (m_database->TransactionDepth() > 0) m_database->RollbackTrans(token);
  } catch (const Exception&) {
  }
}

void TSQLDataSet::UndoStoredRow() {
  if (m_pendingInsert) {
    m_rows.erase(m_rows.begin() + m_pendingRow);
    m_current = std::max(0, std::min(m_current, RecordCountFetched() - 1));
  } else {
    m_rows[m_pendingRow] = m_pendingOld;
  }
  m_pendingRow = -1;
  m_pendingOld.clear();
}

int TSQLDataSet::RecordCountFetched() const { return static_cast<int>(m_rows.size()); }

void TSQLDataSet::WriteRecord() {
  const QString table = UpdateTable();
  const QString key = KeyField();
  const bool inserting = m_state == TDataSetState::dsInsert;
  QStringList names;
  QStringList values;
  for (const auto& f : m_fields) {
    if (f->Origin().compare(table, Qt::CaseInsensitive) != 0) continue;
    if (f->DataType() == TFieldType::ftAutoInc) continue;
    const QVariant& v = m_buffer[f->Index()];
    if (inserting ? (Var::IsNullOrEmpty(v) && !m_modified[f->Index()]) : !m_modified[f->Index()]) continue;
    names << QStringLiteral("[%1]").arg(f->FieldName());
    values << m_database->ConvertToSqlString(f->DataType(), v);
  }
  QVariant newKey;
  if (inserting) {
    if (names.isEmpty()) {
      m_database->ExecuteSQL(QStringLiteral("INSERT INTO [%1] DEFAULT VALUES").arg(table));
    } else {
      m_database->ExecuteSQL(
          QStringLiteral("INSERT INTO [%1] (%2) VALUES (%3)")
              .arg(table, names.join(QStringLiteral(", ")), values.join(QStringLiteral(", "))));
    }
    newKey = QVariant(static_cast<qint64>(sqlite3_last_insert_rowid(m_database->Handle())));
  } else {
    if (key.isEmpty()) {
      throw EDatabaseError(
          QStringLiteral("No se puede modificar: la consulta no incluye la clave de la tabla %1").arg(table));
    }
    const QVariant oldKey = m_rows[m_current][FieldByName(key).Index()];
    if (!names.isEmpty()) {
      QStringList sets;
      for (int i = 0; i < names.size(); ++i) sets << names[i] + QStringLiteral(" = ") + values[i];
      m_database->ExecuteSQL(QStringLiteral("UPDATE [%1] SET %2 WHERE [%3] = %4")
                                 .arg(table, sets.join(QStringLiteral(", ")), key,
                                      m_database->ConvertToSqlString(TFieldType::ftLargeint, oldKey)));
    }
    newKey = oldKey;
  }
  // Read the stored record back: the database's defaults and conversions count.
  std::vector<QVariant> row = m_buffer;
  if (!key.isEmpty()) {
    QStringList columns;
    for (const auto& f : m_fields) {
      if (f->Origin().compare(table, Qt::CaseInsensitive) == 0)
        columns << QStringLiteral("[%1]").arg(f->FieldName());
    }
    auto stored =
        m_database->GetTSQLDataSet(QStringLiteral("SELECT %1 FROM [%2] WHERE [%3] = %4")
                                       .arg(columns.join(QStringLiteral(", ")), table, key,
                                            m_database->ConvertToSqlString(TFieldType::ftLargeint, newKey)),
                                   nullptr, 1);
    stored->Open();
    if (!stored->IsEmpty()) {
      int c = 0;
      for (const auto& f : m_fields) {
        if (f->Origin().compare(table, Qt::CaseInsensitive) == 0) {
          row[f->Index()] = Coerce(stored->Fields(c++).Value(), f->DataType());
        }
      }
    }
  }
  if (inserting) {
    FetchAll();  // a new record goes at the end of the whole set
    m_rows.push_back(std::move(row));
    m_current = RecordCountFetched() - 1;
    m_pendingInsert = true;
    m_pendingRow = m_current;
  } else {
    m_pendingOld = m_rows[m_current];
    m_rows[m_current] = std::move(row);
    m_pendingInsert = false;
    m_pendingRow = m_current;
  }
  m_eof = false;
}

void TSQLDataSet::Delete() {
  RequireActive();
  if (m_state == TDataSetState::dsInsert || m_state == TDataSetState::dsSetKey) {
    Cancel();
    return;
  }
  if (m_state == TDataSetState::dsEdit) Cancel();
  if (IsEmpty()) throw EDatabaseError(QStringLiteral("No hay ningún registro que borrar"));
  RequireWritable();
  const QString key = KeyField();
  if (key.isEmpty()) {
    throw EDatabaseError(QStringLiteral("No se puede borrar: la consulta no incluye la clave de la tabla %1")
                             .arg(UpdateTable()));
  }
  const int token = m_database->BeginTrans();
  try {
    Raise(TDataSetEvent::BeforeDelete);
    const QVariant keyValue = m_rows[m_current][FieldByName(key).Index()];
    m_database->ExecuteSQL(
        QStringLiteral("DELETE FROM [%1] WHERE [%2] = %3")
            .arg(UpdateTable(), key, m_database->ConvertToSqlString(TFieldType::ftLargeint, keyValue)));
    Raise(TDataSetEvent::AfterDelete);
    m_database->CommitTrans(token);
  } catch (...) {
    RollbackQuietly(token);
    throw;
  }
  m_rows.erase(m_rows.begin() + m_current);
  FetchTo(m_current);
  if (m_current >= RecordCountFetched()) m_current = std::max(0, RecordCountFetched() - 1);
  m_eof = m_rows.empty();
  emit rowsChanged();
  NotifyRecord();
}

void TSQLDataSet::DisableControls() { ++m_disableCount; }

void TSQLDataSet::EnableControls() {
  if (m_disableCount > 0 && --m_disableCount == 0) NotifyRecord();
}

void TSQLDataSet::First() {
  RequireActive();
  LeaveModifying();
  m_current = 0;
  m_bof = true;
  m_eof = m_rows.empty();
  NotifyRecord();
}

void TSQLDataSet::Last() {
  RequireActive();
  LeaveModifying();
  FetchAll();
  m_current = m_rows.empty() ? 0 : RecordCountFetched() - 1;
  m_eof = true;
  m_bof = m_rows.empty();
  NotifyRecord();
}

void TSQLDataSet::Next() {
  RequireActive();
  LeaveModifying();
  m_bof = false;
  if (FetchTo(m_current + 1)) {
    ++m_current;
    NotifyRecord();
  } else {
    m_eof = true;
  }
}

void TSQLDataSet::Prior() {
  RequireActive();
  LeaveModifying();
  m_eof = false;
  if (m_current > 0) {
    --m_current;
    NotifyRecord();
  } else {
    m_bof = true;
  }
}

bool TSQLDataSet::Eof() const { return !Active() || m_eof; }
bool TSQLDataSet::Bof() const { return !Active() || m_bof; }
bool TSQLDataSet::IsEmpty() const { return m_rows.empty(); }

int TSQLDataSet::RecordCount() {
  if (!Active()) return 0;
  FetchAll();
  return RecordCountFetched();
}

int TSQLDataSet::RecNo() const { return (Active() && !m_rows.empty()) ? m_current + 1 : 0; }

void TSQLDataSet::SetRecNo(int recNo) {
  RequireActive();
  if (recNo < 1 || !FetchTo(recNo - 1)) return;
  LeaveModifying();
  m_current = recNo - 1;
  m_bof = m_eof = false;
  NotifyRecord();
}

bool TSQLDataSet::Locate(const QString& fieldName, const QVariant& value) {
  RequireActive();
  const int index = FieldByName(fieldName).Index();
  for (int r = 0; FetchTo(r); ++r) {
    if (Var::SameValue(m_rows[r][index], value)) {
      SetRecNo(r + 1);
      return true;
    }
  }
  return false;
}

QVariant TSQLDataSet::Bookmark() const {
  if (!Active() || m_rows.empty()) return Var::Null();
  const QString key = KeyField();
  if (!key.isEmpty()) {
    for (const auto& f : m_fields) {
      if (f->FieldName().compare(key, Qt::CaseInsensitive) == 0) return m_rows[m_current][f->Index()];
    }
  }
  return QVariant(RecNo());
}

QVariant TSQLDataSet::RowBookmark(int row) {
  if (!FetchTo(row)) return Var::Null();
  const QString key = KeyField();
  if (!key.isEmpty()) {
    if (TField* f = FindField(key)) return m_rows[row][f->Index()];
  }
  return QVariant(row + 1);
}

bool TSQLDataSet::GotoBookmark(const QVariant& bookmark) {
  RequireActive();
  if (Var::IsNullOrEmpty(bookmark)) return false;
  const QString key = KeyField();
  if (!key.isEmpty() && FindField(key)) return Locate(key, bookmark);
  const int recNo = Var::VarAEnter(bookmark);
  if (recNo < 1 || !FetchTo(recNo - 1)) return false;
  SetRecNo(recNo);
  return true;
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
  if (fieldIndex < 0 || fieldIndex >= FieldCount()) return Var::Null();
  if (Modifying()) return m_buffer[fieldIndex];
  if (m_rows.empty()) return Var::Null();
  return m_rows[m_current][fieldIndex];
}

QVariant TSQLDataSet::RowValue(int row, int fieldIndex) {
  if (!Active() || fieldIndex < 0 || fieldIndex >= FieldCount() || !FetchTo(row)) return Var::Null();
  if (Modifying() && row == m_current && m_state == TDataSetState::dsEdit) return m_buffer[fieldIndex];
  return m_rows[row][fieldIndex];
}

void TSQLDataSet::SetRawValue(int fieldIndex, const QVariant& value) {
  RequireActive();
  if (!Modifying())
    throw EDatabaseError(QStringLiteral("El conjunto de datos no está en modo de edición o inserción"));
  TField& field = Fields(fieldIndex);
  if (field.ReadOnly() && m_state != TDataSetState::dsSetKey) {
    throw EDatabaseError(QStringLiteral("El campo «%1» no se puede modificar").arg(field.FieldName()));
  }
  m_buffer[fieldIndex] = Coerce(value, field.DataType());
  m_modified[fieldIndex] = true;
  if (!ControlsDisabled()) emit dataChanged(&field);
}
