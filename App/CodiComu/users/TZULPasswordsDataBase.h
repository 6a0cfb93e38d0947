#pragma once
// The users of a company database, asked for when it is opened. They are kept as
// parameters of the database in ten slots: "USER_VALUE_<n>" (the user's slot text),
// "USER_VALUE_<n>_TBLRIGHTS" (the rights list) and "USER_NEED" (a login is required).
// A database user is administrator (bit 1) or may write (bit 2); logged out, the
// current user has both, so a database that requires no login is fully usable.

#include <QStringList>

#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/users/TCustomZULPasswords.h"

class TDataBaseZUL;

class TZULPasswordsDataBase : public TCustomZULPasswords {
public:
  static constexpr int kSlots = 10;

  TZULPasswordsDataBase();

  // The database the users are read from and written to (nullptr: the default one).
  void SetDataBase(TDataBaseZUL* db) { m_params.SetDataBase(db); }
  TDataBaseZUL* DataBase() const { return m_params.DataBase(); }

  TDBUserValues ReadUserRights(const QString& name);
  // Raises "No puede modificar el usuario" when the user has no slot.
  void WriteUserRights(const TDBUserValues& values);
  bool IsAdministrator() const { return CurrentUser().IsAdministrator(); }
  bool ReadOnly() const { return !CurrentUser().CanWrite(); }

  // The tables whose rights are set per user ("name=caption" lines, in the order the
  // program lists them). Defaults to the program's list.
  const QStringList& RightsTables() const { return m_rightsTables; }
  void SetRightsTables(const QStringList& tables) { m_rightsTables = tables; }

  // The rights of the logged-in user as the last rights setup read them.
  const TDBUserValues& CapturedRights() const { return m_captured; }
  void SetCapturedRights(const TDBUserValues& rights) { m_captured = rights; }

  void InitLoggedOutUser(TUserValues& values) override;
  void GetUserNames(QStringList& list) override;
  void GetPropertyNames(std::vector<TUserPropertyName>& list) const override;
  void WriteUser(TUserAction action, const TUserValues& values) override;
  TUserValues ReadUser(const QString& name) override;
  QString RightsText(const TUserValues& values) const override;
  bool NeedUserName() override;
  void SetNeedUserName(bool flag) override;
  TUserValues GetDefaultUser() const override;
  QString KindName() const override;

  static QString SlotName(int slot);    // "USER_VALUE_<n>"
  static QString RightsName(int slot);  // "USER_VALUE_<n>_TBLRIGHTS"
  static const QString& NeedName();     // "USER_NEED"

private:
  TUserValues ReadSlot(int slot) const;
  // The first filled slot of the name (without regard to case), or -1.
  int SlotOf(const QString& name) const;

  TParametrosApp m_params;
  QStringList m_rightsTables;
  TDBUserValues m_captured;
};

// The tables whose rights the program sets per user, "name=caption", in its order.
const QStringList& DefaultRightsTables();
