#pragma once
// The application's users, asked for when the program starts: one subkey per user
// under the application's registry key + "\USERS", with the string "PWD" (the
// password as stored) and the integer "PROPS"; "NEEDUSERNAME" in "USERS" says
// whether the program asks for a login. The full name of an application user is its
// name.

#include "App/CodiComu/users/TCustomZULPasswords.h"

class TRegistryStore;

class TZULPasswordsZULApp : public TCustomZULPasswords {
public:
  // `appKey`: the application's registry key (TRegistryStore::AppKey).
  TZULPasswordsZULApp(TRegistryStore& registry, QString appKey);

  QString UsersKey() const;

  void GetUserNames(QStringList& list) override;
  void WriteUser(TUserAction action, const TUserValues& values) override;
  TUserValues ReadUser(const QString& name) override;
  bool NeedUserName() override;
  void SetNeedUserName(bool flag) override;
  QString KindName() const override;

private:
  QString UserKey(const QString& name) const;
  [[noreturn]] static void NoSuchUser(const QString& name);

  TRegistryStore& m_registry;
  QString m_appKey;
};
