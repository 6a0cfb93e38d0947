#include "App/CodiComu/users/PasswordsConnection.h"

#include <QFileInfo>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/database/AccessConnection.h"
#include "App/CodiComu/database/TZULDataBase.h"
#include "App/CodiComu/users/DataBaseUserRights.h"
#include "App/CodiComu/users/LoginPrompt.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"

namespace {

// Points a users' object at a database for a scope, and back.
class TDataBaseSwitch {
public:
  TDataBaseSwitch(TZULPasswordsDataBase& passwords, TDataBaseZUL* db)
      : m_passwords(passwords), m_previous(passwords.DataBase()) {
    passwords.SetDataBase(db);
  }
  ~TDataBaseSwitch() { m_passwords.SetDataBase(m_previous); }
  TDataBaseSwitch(const TDataBaseSwitch&) = delete;
  TDataBaseSwitch& operator=(const TDataBaseSwitch&) = delete;

private:
  TZULPasswordsDataBase& m_passwords;
  TDataBaseZUL* m_previous;
};

}  // namespace

bool ConnectAccessDataBaseWithPasswords(const TZULDataBase& database, TZULPasswordsDataBase& passwords,
                                        bool& needLogin, bool raiseErrors) {
  needLogin = false;
  TDataBaseZUL db;
  try {
    ConnectAccessDataBase(db, database.Archivo, false);
  } catch (const Exception&) {
    if (raiseErrors) throw;
    return false;
  }
  TDataBaseSwitch pointAt(passwords, &db);
  passwords.SetObjectName(database.Nombre);
  // A login to another database must not carry over to this one.
  passwords.Logout();
  try {
    needLogin = passwords.RequireLogin();
  } catch (const Exception&) {
    if (raiseErrors) throw;
    return false;
  }
  if (!needLogin) return true;
  if (!ShowLoginPrompt(passwords)) throw Exception(ccTranslate(1506));
  SetupDataBaseUserRights(database, passwords, db);
  return true;
}

void CheckDataBaseAdministrator(const TZULDataBase& database, const QString& actionText) {
  if (database.Archivo.isEmpty() || !QFileInfo::exists(database.Archivo)) return;
  TZULPasswordsDataBase passwords;
  bool needLogin = false;
  if (ConnectAccessDataBaseWithPasswords(database, passwords, needLogin, false) && needLogin &&
      !passwords.IsAdministrator()) {
    throw Exception(actionText + QLatin1Char('\n') + ccTranslateFmt(1722, {database.Nombre}));
  }
}
