#include "App/CodiComu/users/DataBaseUserRights.h"

#include "App/CodiComu/Progress.h"
#include "App/CodiComu/TProgressScope.h"
#include "App/CodiComu/database/AccessConnection.h"
#include "App/CodiComu/database/TZULDataBase.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TEngineRights.h"

namespace {

const QString kParametersTable = QStringLiteral("T99ParametrosAplicacion");

QString TableName(const QString& line) { return line.section(QLatin1Char('='), 0, 0).trimmed(); }

}  // namespace

std::unique_ptr<TEngineRights> BuildEngineRights(const TDBUserValues& rights, const QStringList& tables,
                                                 bool readOnly, bool administrator) {
  auto engine = std::make_unique<TEngineRights>();
  engine->SetReadOnly(readOnly);
  for (const QString& line : tables) {
    const QString table = TableName(line);
    const TTableUserRights* entry = rights.Find(table);
    if (table.isEmpty() || !entry) continue;
    engine->SetTableRights(table, {entry->view, entry->add, entry->modify, entry->remove});
  }
  engine->KeepReadable(kParametersTable);
  if (!administrator) {
    engine->ProtectTable(kParametersTable);
    engine->ProtectRows(
        kParametersTable, QStringLiteral("NombreParametroT99"), QStringLiteral("USER_"),
        QStringLiteral("Sólo el administrador de la base de datos puede modificar los usuarios "
                       "y sus permisos"));
  }
  return engine;
}

void InstallUserRights(TDataBaseZUL& db, const TZULPasswordsDataBase& passwords) {
  if (passwords.IsLoggedOut()) {
    db.SetEngineRights(nullptr);
    return;
  }
  db.SetEngineRights(BuildEngineRights(passwords.CapturedRights(), passwords.RightsTables(),
                                       passwords.ReadOnly(), passwords.IsAdministrator()));
}

void SetupDataBaseUserRights(const TZULDataBase& database, TZULPasswordsDataBase& passwords,
                             TDataBaseZUL& db) {
  TProgressScope progress(QStringLiteral("Permisos de acceso"),
                          QStringLiteral("Permisos para acceder a la base de datos..."));
  // The rights live with the connection, not in a file of their own: nothing to create.
  SetProgress(QStringLiteral("Crear archivo de sistema"), 10);
  SetProgress(QStringLiteral("Conectar"), 20);
  ConnectAccessDataBase(db, database.Archivo, passwords.ReadOnly());
  SetProgress(QStringLiteral("Borrar usuario anterior"), 30);
  db.SetEngineRights(nullptr);
  // No engine user to create: the connection is the user's.
  SetProgress(QStringLiteral("Crear usuario"), 40);
  // Every table starts with every right: that is the empty list.
  SetProgress(QStringLiteral("Inicializar permisos para usuario"), 50);
  SetProgress(QStringLiteral("Capturar permisos"), 60);
  const TDBUserValues rights = passwords.ReadUserRights(passwords.CurrentUser().name);
  passwords.SetCapturedRights(rights);
  SetProgress(QStringLiteral("Asignar permisos"), 70);
  {
    TProgressScope tables(QString(), QStringLiteral("Asignar permisos"));
    const QStringList& list = passwords.RightsTables();
    for (int i = 0; i < list.size(); ++i) {
      SetProgressCount(QStringLiteral("Tabla \"") + TableName(list[i]) + QLatin1Char('"'), i,
                       static_cast<int>(list.size()));
    }
  }
  InstallUserRights(db, passwords);
  db.Close();
}
