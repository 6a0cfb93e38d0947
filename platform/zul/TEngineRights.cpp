#include "platform/zul/TEngineRights.h"

#include <sqlite3.h>
#include <QStringList>

namespace {

const QString kGuardPrefix = QStringLiteral("luma_rights_guard_");

QString Key(const QString& table) { return table.toUpper(); }

QString Identifier(const QString& name) {
  QString quoted = name;
  quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Literal(const QString& text) {
  QString quoted = text;
  quoted.replace(QLatin1Char('\''), QLatin1String("''"));
  return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString Table(const QString& table) { return QStringLiteral("la tabla \"%1\"").arg(table); }

}  // namespace

void TEngineRights::SetTableRights(const QString& table, const TRights& rights) {
  m_tables[Key(table)] = rights;
}

TEngineRights::TRights TEngineRights::RightsOf(const QString& table) const {
  const auto it = m_tables.constFind(Key(table));
  TRights rights = it == m_tables.constEnd() ? TRights{} : it.value();
  if (m_readable.contains(Key(table))) rights.view = true;
  return rights;
}

bool TEngineRights::HasRestrictions() const {
  if (m_readOnly) return true;
  for (auto it = m_tables.constBegin(); it != m_tables.constEnd(); ++it) {
    if (!RightsOf(it.key()).Full()) return true;
  }
  return false;
}

void TEngineRights::KeepReadable(const QString& table) { m_readable.insert(Key(table), true); }

void TEngineRights::ProtectTable(const QString& table) { m_protected.insert(Key(table), true); }

void TEngineRights::ProtectRows(const QString& table, const QString& column, const QString& prefix,
                                const QString& message) {
  m_guards.push_back({table, column, prefix, message});
}

bool TEngineRights::IsProtectedTable(const QString& table) const {
  return m_protected.contains(Key(table)) || !RightsOf(table).Full();
}

int TEngineRights::Deny(const QString& text) {
  m_lastDenial = text;
  return SQLITE_DENY;
}

int TEngineRights::Authorize(void* self, int action, const char* a1, const char* a2, const char* dbName,
                             const char* /*trigger*/) {
  return static_cast<TEngineRights*>(self)->Check(action, QString::fromUtf8(a1), QString::fromUtf8(a2),
                                                  QString::fromUtf8(dbName));
}

int TEngineRights::Check(int action, const QString& a1, const QString& a2, const QString& dbName) {
  switch (action) {
    case SQLITE_DROP_TEMP_TRIGGER:
      if (a1.startsWith(kGuardPrefix, Qt::CaseInsensitive)) {
        return Deny(QStringLiteral("No tiene permiso para quitar las protecciones de ") + Table(a2));
      }
      return SQLITE_OK;
    case SQLITE_PRAGMA:
      if (a1.compare(QLatin1String("writable_schema"), Qt::CaseInsensitive) == 0) {
        return Deny(QStringLiteral("No tiene permiso para modificar el esquema de la base de datos"));
      }
      return SQLITE_OK;
    case SQLITE_ATTACH:
      if (HasRestrictions()) {
        return Deny(QStringLiteral("No tiene permiso para adjuntar o copiar la base de datos"));
      }
      return SQLITE_OK;
    default:
      break;
  }
  // The connection's own temporary objects and the engine's tables are always usable.
  if (dbName.compare(QLatin1String("temp"), Qt::CaseInsensitive) == 0) return SQLITE_OK;
  const bool engineTable = a1.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive);
  const QString readOnlyText =
      QStringLiteral("La base de datos está abierta en modo de sólo lectura: no puede modificar ");
  switch (action) {
    case SQLITE_READ:
      if (engineTable || RightsOf(a1).view) return SQLITE_OK;
      return Deny(QStringLiteral("No tiene permiso para ver los datos de ") + Table(a1));
    case SQLITE_INSERT:
      if (engineTable) return SQLITE_OK;
      if (m_readOnly) return Deny(readOnlyText + Table(a1));
      if (RightsOf(a1).add) return SQLITE_OK;
      return Deny(QStringLiteral("No tiene permiso para añadir registros a ") + Table(a1));
    case SQLITE_UPDATE:
      if (engineTable) return SQLITE_OK;
      if (m_readOnly) return Deny(readOnlyText + Table(a1));
      if (RightsOf(a1).modify) return SQLITE_OK;
      return Deny(QStringLiteral("No tiene permiso para modificar registros de ") + Table(a1));
    case SQLITE_DELETE:
      if (engineTable) return SQLITE_OK;
      if (m_readOnly) return Deny(readOnlyText + Table(a1));
      if (RightsOf(a1).remove) return SQLITE_OK;
      return Deny(QStringLiteral("No tiene permiso para borrar registros de ") + Table(a1));
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_VIEW:
    case SQLITE_DROP_VIEW:
      if (m_readOnly) return Deny(readOnlyText + QStringLiteral("su estructura"));
      return SQLITE_OK;
    case SQLITE_CREATE_TRIGGER:
      if (HasRestrictions()) {
        return Deny(QStringLiteral("No tiene permiso para crear desencadenadores en ") + Table(a2));
      }
      [[fallthrough]];
    case SQLITE_CREATE_INDEX:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_ALTER_TABLE:
    case SQLITE_DROP_TABLE: {
      const QString table = action == SQLITE_DROP_TABLE ? a1 : a2;
      if (m_readOnly || IsProtectedTable(table)) {
        return Deny(QStringLiteral("No tiene permiso para cambiar la estructura de ") + Table(table));
      }
      return SQLITE_OK;
    }
    default:
      return SQLITE_OK;
  }
}

void TEngineRights::CreateGuards(sqlite3* db) {
  int n = 0;
  for (const TRowGuard& guard : m_guards) {
    // Without the table there is nothing to keep (and no trigger can be made on it).
    const QByteArray table = guard.table.toUtf8();
    if (sqlite3_table_column_metadata(db, "main", table.constData(), nullptr, nullptr, nullptr, nullptr,
                                      nullptr, nullptr) != SQLITE_OK) {
      continue;
    }
    const auto matches = [&guard](const QString& row) {
      return QStringLiteral("upper(substr(%1.%2, 1, %3)) = upper(%4)")
          .arg(row, Identifier(guard.column), QString::number(guard.prefix.size()), Literal(guard.prefix));
    };
    const QString row = matches(QStringLiteral("NEW"));
    const QString oldRow = matches(QStringLiteral("OLD"));
    const QString stored = matches(QStringLiteral("s"));
    const QString target = QStringLiteral("main.") + Identifier(guard.table);
    const QString body = QStringLiteral(" BEGIN SELECT RAISE(ABORT, %1); END;").arg(Literal(guard.message));
    const QString name = kGuardPrefix + QString::number(n++);
    // An INSERT OR REPLACE would delete the stored row without a delete trigger.
    const QString sql =
        QStringLiteral(
            "CREATE TEMP TRIGGER IF NOT EXISTS %1 BEFORE INSERT ON %2 WHEN %3 OR EXISTS "
            "(SELECT 1 FROM %2 AS s WHERE s.rowid = NEW.rowid AND %4)%5")
            .arg(Identifier(name + QStringLiteral("_i")), target, row, stored, body) +
        QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS %1 BEFORE UPDATE ON %2 WHEN %3 OR %4%5")
            .arg(Identifier(name + QStringLiteral("_u")), target, oldRow, row, body) +
        QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS %1 BEFORE DELETE ON %2 WHEN %3%4")
            .arg(Identifier(name + QStringLiteral("_d")), target, oldRow, body);
    // Without its guards the table is kept from being written at all.
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
      m_tables[Key(guard.table)] = TRights{true, false, false, false};
    }
  }
}

void TEngineRights::Install(sqlite3* db) {
  if (!db) return;
  Uninstall(db);
  m_lastDenial.clear();
  CreateGuards(db);
  // Setting an authorizer expires the statements prepared before, so they are
  // checked again before they next run.
  sqlite3_set_authorizer(db, &TEngineRights::Authorize, this);
}

void TEngineRights::Uninstall(sqlite3* db) {
  if (!db) return;
  sqlite3_set_authorizer(db, nullptr, nullptr);
  sqlite3_stmt* stmt = nullptr;
  QStringList names;
  if (sqlite3_prepare_v2(db, "SELECT name FROM sqlite_temp_master WHERE type = 'trigger'", -1, &stmt,
                         nullptr) == SQLITE_OK) {
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
      if (name.startsWith(kGuardPrefix)) names << name;
    }
  }
  sqlite3_finalize(stmt);
  for (const QString& name : names) {
    sqlite3_exec(db, (QStringLiteral("DROP TRIGGER IF EXISTS temp.") + Identifier(name)).toUtf8().constData(),
                 nullptr, nullptr, nullptr);
  }
}
