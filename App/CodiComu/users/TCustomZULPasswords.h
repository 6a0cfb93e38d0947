#pragma once
// What application users and database users have in common: the current login and
// the rules of names, passwords and the default user. The kinds say where users are
// kept (WriteUser, ReadUser and the other virtuals).
//
// Passwords are compared as stored: a hash matches the password that made it; a
// plain password left by an older file must match exactly and is stored hashed at
// its first login.

#include <QString>
#include <QStringList>
#include <vector>

#include "App/CodiComu/users/TUserValues.h"

enum TUserAction : int { uaAdd = 0, uaModify = 1, uaDelete = 2 };

// A property a user may have, as the user data window lists it.
struct TUserPropertyName {
  QString name;
  int value;
};

class TCustomZULPasswords {
public:
  TCustomZULPasswords() = default;
  virtual ~TCustomZULPasswords() = default;
  TCustomZULPasswords(const TCustomZULPasswords&) = delete;
  TCustomZULPasswords& operator=(const TCustomZULPasswords&) = delete;

  // The name of what the users protect, shown in the dialogs.
  const QString& ObjectName() const { return m_objectName; }
  void SetObjectName(const QString& name) { m_objectName = name; }

  // Logs out, then logs the user in when the name (without regard to case) and the
  // password (exactly) match. A name that cannot be read is a failed login.
  bool Login(const QString& name, const QString& password);
  void Logout();
  bool IsLoggedOut() const { return m_current.name.isEmpty(); }
  const TUserValues& CurrentUser() const { return m_current; }

  QStringList UserNames();
  // Without regard to case.
  bool UserExists(const QString& name);
  // False and nothing written when the name exists (whatever its case).
  bool AddUser(const TUserValues& values);
  void ModifyUser(const TUserValues& values);
  // True when the user existed and was deleted.
  bool DeleteUser(const QString& name);
  // NeedUserName; when true the default user is created first.
  bool RequireLogin();
  // Adds the default user unless a user of that name exists, and shows its password.
  void CreateDefaultUser();

  virtual void InitLoggedOutUser(TUserValues& values);
  virtual void UserLoggedIn(const QString& name);
  virtual void GetUserNames(QStringList& list);
  virtual void GetPropertyNames(std::vector<TUserPropertyName>& list) const;
  // Passwords that are not hashed yet are hashed here.
  virtual void WriteUser(TUserAction action, const TUserValues& values) = 0;
  virtual TUserValues ReadUser(const QString& name) = 0;
  virtual QString RightsText(const TUserValues& values) const;
  virtual bool NeedUserName();
  virtual void SetNeedUserName(bool flag);
  virtual TUserValues GetDefaultUser() const;
  virtual QString KindName() const = 0;
  // Raises with the message the person reads: an empty name, a name or password with
  // something other than letters and digits, a full name holding "|".
  virtual void CheckValid(const QString& name, const QString& password,
                          const QString& fullName = QString()) const;

  static const QString& DefaultPassword();

private:
  TUserValues m_current;
  QString m_objectName;
};
