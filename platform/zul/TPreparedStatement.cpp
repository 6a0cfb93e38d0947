#include "platform/zul/TPreparedStatement.h"

#include <sqlite3.h>

#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TStatementCache.h"

TPreparedStatement::TPreparedStatement(TDataBaseZUL& db, const SqliteStatement& statement)
    : m_db(db), m_sql(statement.sql.toUtf8()) {
  db.RequireOpen();
  m_stmt = db.m_cache->Take(m_sql);
  if (!m_stmt) {
    const int rc =
        sqlite3_prepare_v2(db.m_db, m_sql.constData(), static_cast<int>(m_sql.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
      sqlite3_finalize(m_stmt);
      m_stmt = nullptr;
      db.RaiseError(rc, statement.sql);
    }
    if (!m_stmt) return;  // only blanks or a comment: nothing to run
  }
  Bind(statement);
}

TPreparedStatement::~TPreparedStatement() {
  if (m_stmt) m_db.m_cache->Give(m_sql, m_stmt);
}

void TPreparedStatement::Bind(const SqliteStatement& statement) {
  const int expected = sqlite3_bind_parameter_count(m_stmt);
  if (expected != statement.params.size()) {
    throw EDatabaseError(
        QStringLiteral("Error interno de la base de datos: la instrucción espera %1 valores y se "
                       "han dado %2")
            .arg(expected)
            .arg(statement.params.size()));
  }
  m_buffers.reserve(statement.params.size());
  for (int i = 0; i < statement.params.size(); ++i) {
    const QVariant& v = statement.params.at(i);
    const int index = i + 1;
    int rc = SQLITE_OK;
    switch (v.typeId()) {
      case QMetaType::QString: {
        m_buffers.push_back(v.toString().toUtf8());
        const QByteArray& b = m_buffers.back();
        rc = sqlite3_bind_text(m_stmt, index, b.constData(), static_cast<int>(b.size()), SQLITE_STATIC);
        break;
      }
      case QMetaType::QByteArray: {
        m_buffers.push_back(v.toByteArray());
        const QByteArray& b = m_buffers.back();
        rc = sqlite3_bind_blob(m_stmt, index, b.constData(), static_cast<int>(b.size()), SQLITE_STATIC);
        break;
      }
      case QMetaType::Double:
      case QMetaType::Float:
        rc = sqlite3_bind_double(m_stmt, index, v.toDouble());
        break;
      case QMetaType::Bool:
      case QMetaType::Int:
      case QMetaType::UInt:
      case QMetaType::LongLong:
      case QMetaType::ULongLong:
      case QMetaType::Short:
      case QMetaType::UShort:
      case QMetaType::UChar:
        rc = sqlite3_bind_int64(m_stmt, index, v.toLongLong());
        break;
      default:
        if (!v.isValid() || v.isNull()) {
          rc = sqlite3_bind_null(m_stmt, index);
        } else {
          m_buffers.push_back(v.toString().toUtf8());
          const QByteArray& b = m_buffers.back();
          rc = sqlite3_bind_text(m_stmt, index, b.constData(), static_cast<int>(b.size()), SQLITE_STATIC);
        }
    }
    if (rc != SQLITE_OK) m_db.RaiseError(rc, QString::fromUtf8(m_sql));
  }
}

bool TPreparedStatement::Step() {
  if (!m_stmt) return false;
  if (!m_started) {
    m_started = true;
    if (!sqlite3_stmt_readonly(m_stmt)) m_db.FinishReaders();
  }
  const int rc = sqlite3_step(m_stmt);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  // The error details are on the connection; reset gives back the statement's own code.
  const int code = sqlite3_reset(m_stmt);
  m_db.RaiseError(code != SQLITE_OK ? code : rc, QString::fromUtf8(m_sql));
}

namespace {
// Only data statements report rows changed; the count of a CREATE, DROP or query
// would be the stale count of an earlier statement.
bool IsDataStatement(const QByteArray& sql) {
  const QByteArray head = sql.trimmed().left(7).toUpper();
  return head.startsWith("INSERT") || head.startsWith("UPDATE") || head.startsWith("DELETE") ||
         head.startsWith("REPLACE");
}
}  // namespace

int TPreparedStatement::Run() {
  if (!m_stmt) return 0;
  const bool counts = sqlite3_stmt_readonly(m_stmt) == 0 && IsDataStatement(m_sql);
  while (Step()) {
  }
  return counts ? sqlite3_changes(m_db.m_db) : 0;
}
