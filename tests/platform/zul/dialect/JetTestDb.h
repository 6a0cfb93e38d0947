#pragma once
// A SQLite connection with the Jet functions, running translated Jet statements with
// their parameters bound, and rendering results as text for case tables:
// NULL, 12, 0.15 (reals always with a point), 'text'; columns joined by "|", rows by ";".

#include "platform/zul/dialect/JetFunctions.h"
#include "platform/zul/dialect/JetTranslator.h"

#include <sqlite3.h>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <ostream>
#include <stdexcept>

// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

class JetTestDb {
public:
  explicit JetTestDb(const char* path = ":memory:", int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) {
    if (sqlite3_open_v2(path, &m_db, flags, nullptr) != SQLITE_OK) throw std::runtime_error("open");
    m_registerResult = JetFunctions::Register(m_db);
  }
  ~JetTestDb() { sqlite3_close(m_db); }
  JetTestDb(const JetTestDb&) = delete;
  JetTestDb& operator=(const JetTestDb&) = delete;

  sqlite3* Handle() const { return m_db; }
  int RegisterResult() const { return m_registerResult; }

  // Plain SQLite text, no parameters; throws with SQLite's message on failure.
  void Exec(const char* sql) {
    char* err = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
      const std::string message = err ? err : "error";
      sqlite3_free(err);
      throw std::runtime_error(message + " in: " + sql);
    }
  }

  // Runs one statement with its parameters; returns the rendered rows.
  QString Run(const SqliteStatement& st) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql = st.sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, sql.constData(), static_cast<int>(sql.size()), &stmt, nullptr) !=
        SQLITE_OK) {
      throw std::runtime_error(std::string(sqlite3_errmsg(m_db)) + " in: " + sql.constData());
    }
    for (int k = 0; k < st.params.size(); ++k) Bind(stmt, k + 1, st.params[k]);
    QStringList rows;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      QStringList cols;
      for (int c = 0; c < sqlite3_column_count(stmt); ++c) cols << Render(stmt, c);
      rows << cols.join(u'|');
    }
    if (rc != SQLITE_DONE) {
      const std::string message = sqlite3_errmsg(m_db);
      sqlite3_finalize(stmt);
      throw std::runtime_error(message + " in: " + sql.constData());
    }
    sqlite3_finalize(stmt);
    return rows.join(u';');
  }

  // Translates and runs Jet text; the rows of the last statement.
  QString Jet(const QString& jet) {
    const JetTranslation t = JetTranslator::Translate(jet);
    QString last;
    for (const SqliteStatement& st : t.statements) last = Run(st);
    return last;
  }

  // The first value of the first row, as a QVariant (QString, qint64, double or null).
  QVariant Value(const QString& jet) {
    const JetTranslation t = JetTranslator::Translate(jet);
    for (size_t k = 0; k + 1 < t.statements.size(); ++k) Run(t.statements[k]);
    const SqliteStatement& st = t.statements.back();
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql = st.sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, sql.constData(), -1, &stmt, nullptr) != SQLITE_OK) {
      throw std::runtime_error(sqlite3_errmsg(m_db));
    }
    for (int k = 0; k < st.params.size(); ++k) Bind(stmt, k + 1, st.params[k]);
    QVariant v;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
      switch (sqlite3_column_type(stmt, 0)) {
        case SQLITE_INTEGER:
          v = QVariant::fromValue<qint64>(sqlite3_column_int64(stmt, 0));
          break;
        case SQLITE_FLOAT:
          v = sqlite3_column_double(stmt, 0);
          break;
        case SQLITE_NULL:
          break;
        default:
          v = QString(reinterpret_cast<const QChar*>(sqlite3_column_text16(stmt, 0)),
                      sqlite3_column_bytes16(stmt, 0) / 2);
      }
    }
    sqlite3_finalize(stmt);
    return v;
  }

  static QString Render(sqlite3_stmt* stmt, int c) {
    switch (sqlite3_column_type(stmt, c)) {
      case SQLITE_NULL:
        return QStringLiteral("NULL");
      case SQLITE_INTEGER:
        return QString::number(sqlite3_column_int64(stmt, c));
      case SQLITE_FLOAT: {
        QString s = QString::number(sqlite3_column_double(stmt, c), 'g', 15);
        if (!s.contains(u'.') && !s.contains(u'e')) s += QStringLiteral(".0");
        return s;
      }
      default:
        return u'\'' +
               QString(reinterpret_cast<const QChar*>(sqlite3_column_text16(stmt, c)),
                       sqlite3_column_bytes16(stmt, c) / 2) +
               u'\'';
    }
  }

private:
  static void Bind(sqlite3_stmt* stmt, int index, const QVariant& v) {
    if (v.isNull()) {
      sqlite3_bind_null(stmt, index);
    } else if (v.typeId() == QMetaType::QString) {
      const QString s = v.toString();
      sqlite3_bind_text16(stmt, index, s.utf16(), static_cast<int>(s.size() * 2), SQLITE_TRANSIENT);
    } else if (v.typeId() == QMetaType::Double) {
      sqlite3_bind_double(stmt, index, v.toDouble());
    } else {
      sqlite3_bind_int64(stmt, index, v.toLongLong());
    }
  }

  sqlite3* m_db = nullptr;
  int m_registerResult = 0;
};
