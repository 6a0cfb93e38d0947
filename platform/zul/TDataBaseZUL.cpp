#include "platform/zul/TDataBaseZUL.h"

#include <sqlite3.h>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include "platform/core/Currency.h"
#include "platform/core/DayDate.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDataSetFetcher.h"
#include "platform/zul/TEngineRights.h"
#include "platform/zul/TPreparedStatement.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TStatementCache.h"
#include "platform/zul/dialect/JetFunctions.h"
#include "platform/zul/dialect/JetTranslator.h"

namespace {

QString SqlNumber(double value) {
  // Shortest text that reads back as the same double; '.' whatever the locale.
  return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString QuoteText(const QString& text) {
  QString out;
  out.reserve(text.size() + 2);
  out += QLatin1Char('\'');
  for (const QChar c : text) {
    if (c == QLatin1Char('\'')) out += QLatin1Char('\'');
    out += c;
  }
  out += QLatin1Char('\'');
  return out;
}

}  // namespace

TDataBaseZUL::TDataBaseZUL() : m_cache(std::make_unique<TStatementCache>()) {}

TDataBaseZUL::~TDataBaseZUL() {
  try {
    Close();
  } catch (...) {
    // closing never throws out of a destructor
  }
}

void TDataBaseZUL::Open(const QString& fileName, bool readOnly) {
  const QFileInfo info(fileName);
  if (!info.exists() || !info.isFile()) {
    throw EDatabaseError(QStringLiteral("No existe la base de datos «%1»").arg(fileName));
  }
  OpenWithFlags(fileName, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, readOnly);
}

void TDataBaseZUL::Create(const QString& fileName) {
  OpenWithFlags(fileName, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, false);
}

void TDataBaseZUL::OpenWithFlags(const QString& fileName, int flags, bool readOnly) {
  Close();
  sqlite3* db = nullptr;
  const QByteArray path = fileName.toUtf8();
  int rc = sqlite3_open_v2(path.constData(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    sqlite3_close_v2(db);
    throw EDatabaseError(
        QStringLiteral("No se ha podido abrir la base de datos «%1»: %2").arg(fileName, detail));
  }
  sqlite3_extended_result_codes(db, 1);
  sqlite3_busy_timeout(db, 5000);
  // A file that is not a database fails on its first read, so read now.
  rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
  if (rc == SQLITE_OK) rc = JetFunctions::Register(db);
  if (rc == SQLITE_OK && !readOnly) {
    rc = sqlite3_exec(db, "PRAGMA foreign_keys=OFF; PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
  }
  if (rc != SQLITE_OK) {
    const int primary = rc & 0xff;
    sqlite3_close_v2(db);
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT) {
      throw EDatabaseError(QStringLiteral("El archivo «%1» no es una base de datos válida").arg(fileName));
    }
    throw EDatabaseError(
        QStringLiteral("No se ha podido abrir la base de datos «%1» (código %2)").arg(fileName).arg(rc));
  }
  m_db = db;
  m_fileName = fileName;
  m_readOnly = readOnly;
  m_tokens.clear();
  if (m_rights) m_rights->Install(m_db);
}

void TDataBaseZUL::SetEngineRights(std::unique_ptr<TEngineRights> rights) {
  if (m_db) {
    FinishReaders();
    m_cache->Clear();
    TEngineRights::Uninstall(m_db);
  }
  m_rights = std::move(rights);
  if (m_db && m_rights) m_rights->Install(m_db);
}

void TDataBaseZUL::Close() {
  if (!m_db) return;
  FinishReaders();
  m_cache->Clear();
  if (!sqlite3_get_autocommit(m_db)) sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close_v2(m_db);
  m_db = nullptr;
  m_tokens.clear();
  m_fileName.clear();
  m_readOnly = false;
}

void TDataBaseZUL::RequireOpen() const {
  if (!m_db) throw EDatabaseError(QStringLiteral("La base de datos no está abierta"));
}

QString TDataBaseZUL::TranslateSQL(const QString& jetSql) {
  return JetTranslator::Translate(jetSql).Display();
}

int TDataBaseZUL::ExecuteSQL(const QString& jetSql) {
  RequireOpen();
  const JetTranslation translation = JetTranslator::Translate(jetSql);
  if (translation.statements.size() == 1)
    return TPreparedStatement(*this, translation.statements.front()).Run();
  // A statement that became several (an update of several tables of a join) is
  // all or nothing.
  Exec("SAVEPOINT luma_statement");
  int changed = 0;
  try {
    for (const SqliteStatement& statement : translation.statements) {
      // Each is prepared just before it runs: it may use a table the previous one made.
      TPreparedStatement prepared(*this, statement);
      // The rows changed are the joined rows, not their sum over the tables.
      changed = std::max(changed, prepared.Run());
    }
  } catch (...) {
    if (!sqlite3_get_autocommit(m_db)) {
      sqlite3_exec(m_db, "ROLLBACK TO luma_statement; RELEASE luma_statement", nullptr, nullptr, nullptr);
    }
    throw;
  }
  Exec("RELEASE luma_statement");
  return changed;
}

void TDataBaseZUL::ExecuteNativeSQL(const QString& sqliteSql) {
  RequireOpen();
  FinishReaders();
  const QByteArray sql = sqliteSql.toUtf8();
  char* message = nullptr;
  const int rc = sqlite3_exec(m_db, sql.constData(), nullptr, nullptr, &message);
  sqlite3_free(message);
  if (rc != SQLITE_OK) RaiseError(rc, sqliteSql);
}

void TDataBaseZUL::Exec(const char* sql) {
  const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) RaiseError(rc, QString::fromUtf8(sql));
}

std::unique_ptr<TSQLDataSet> TDataBaseZUL::GetTSQLDataSet(const QString& jetSql, QObject* owner, int flag) {
  return std::make_unique<TSQLDataSet>(this, jetSql, owner, flag);
}

std::unique_ptr<TSQLDataSet> TDataBaseZUL::GetTDataSet(const QString& tableName, QObject* owner, int flag) {
  return GetTSQLDataSet(QStringLiteral("SELECT * FROM [%1]").arg(tableName), owner, flag);
}

QString TDataBaseZUL::GetSQLDateTime(const QVariant& value) const {
  if (Var::IsNullOrEmpty(value)) return QStringLiteral("NULL");
  return SqlNumber(Var::ToDateTime(value));
}

QString TDataBaseZUL::ConvertToSqlString(TFieldType fieldType, const QVariant& value) const {
  if (Var::IsNullOrEmpty(value)) return QStringLiteral("NULL");
  switch (fieldType) {
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftWord:
    case TFieldType::ftAutoInc:
    case TFieldType::ftLargeint:
      return QString::number(Var::ToInt64(value));
    case TFieldType::ftFloat:
      return SqlNumber(Var::ToDouble(value));
    case TFieldType::ftCurrency:
      return Var::ToCurrency(value).ToString();
    case TFieldType::ftBoolean:
      return Var::ToBool(value) ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case TFieldType::ftDate:
    case TFieldType::ftTime:
    case TFieldType::ftDateTime:
      return GetSQLDateTime(value);
    case TFieldType::ftString:
    case TFieldType::ftWideString:
    case TFieldType::ftMemo:
    case TFieldType::ftUnknown:
    case TFieldType::ftBlob:
      break;
  }
  return QuoteText(Var::ToString(value));
}

int TDataBaseZUL::BeginTrans() {
  RequireOpen();
  const int token = m_nextToken++;
  if (m_tokens.empty()) {
    Exec(m_readOnly ? "BEGIN" : "BEGIN IMMEDIATE");
  } else {
    Exec(QStringLiteral("SAVEPOINT luma_sp%1").arg(token).toUtf8().constData());
  }
  m_tokens.push_back(token);
  return token;
}

void TDataBaseZUL::CommitTrans(int token) {
  RequireOpen();
  if (!m_tokens.empty() && sqlite3_get_autocommit(m_db)) {
    // The engine rolled the whole transaction back after a severe error.
    m_tokens.clear();
    throw EDatabaseError(QStringLiteral("La transacción se ha anulado por un error de la base de datos"));
  }
  if (m_tokens.empty() || m_tokens.back() != token) {
    throw EDatabaseError(
        QStringLiteral("No hay ninguna transacción en curso con el identificador %1").arg(token));
  }
  if (m_tokens.size() == 1) {
    Exec("COMMIT");
  } else {
    Exec(QStringLiteral("RELEASE luma_sp%1").arg(token).toUtf8().constData());
  }
  m_tokens.pop_back();
}

void TDataBaseZUL::RollbackTrans(int token) {
  RequireOpen();
  const auto it = std::find(m_tokens.begin(), m_tokens.end(), token);
  if (it == m_tokens.end()) {
    throw EDatabaseError(
        QStringLiteral("No hay ninguna transacción en curso con el identificador %1").arg(token));
  }
  if (sqlite3_get_autocommit(m_db)) {
    m_tokens.clear();  // already undone by the engine
    return;
  }
  FinishReaders();
  if (it == m_tokens.begin()) {
    Exec("ROLLBACK");
    m_tokens.clear();
    return;
  }
  const QByteArray name = QStringLiteral("luma_sp%1").arg(token).toUtf8();
  Exec(("ROLLBACK TO " + name + "; RELEASE " + name).constData());
  m_tokens.erase(it, m_tokens.end());
}

void TDataBaseZUL::AddReader(TDataSetFetcher* reader) { m_readers.push_back(reader); }

void TDataBaseZUL::RemoveReader(TDataSetFetcher* reader) {
  m_readers.erase(std::remove(m_readers.begin(), m_readers.end(), reader), m_readers.end());
}

void TDataBaseZUL::FinishReaders() {
  // Finishing a reader removes it from the list.
  while (!m_readers.empty()) m_readers.back()->FetchAll();
}

void TDataBaseZUL::RaiseError(int code, const QString& sql) const {
  const QString detail = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString();
  QString text;
  switch (code & 0xff) {
    case SQLITE_READONLY:
      text = QStringLiteral("La base de datos está abierta en modo de solo lectura y no se puede modificar");
      break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      text = QStringLiteral("La base de datos está bloqueada por otro proceso; inténtelo de nuevo más tarde");
      break;
    case SQLITE_CONSTRAINT:
      text = QStringLiteral("La operación infringe una restricción de la base de datos: %1").arg(detail);
      break;
    case SQLITE_FULL:
      text = QStringLiteral("No queda espacio en el disco para la base de datos");
      break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      text = QStringLiteral("La base de datos está dañada: %1").arg(detail);
      break;
    case SQLITE_AUTH:
      text = m_rights && !m_rights->LastDenial().isEmpty()
                 ? m_rights->LastDenial()
                 : QStringLiteral("No tiene permiso para realizar esta operación: %1").arg(detail);
      break;
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
      text = QStringLiteral("Error de lectura o escritura en la base de datos: %1").arg(detail);
      break;
    default:
      text = QStringLiteral("Error en la instrucción SQL: %1").arg(detail);
  }
  Q_UNUSED(sql);
  throw EDatabaseError(text);
}
