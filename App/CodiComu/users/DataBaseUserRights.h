#pragma once
// The rights of a database's logged-in user, put on a connection so that the engine
// itself enforces them (TEngineRights). For every connection of that user:
// - the tables of the program's list keep the user's rights on them (a table the
//   user's list does not mention keeps every right; other tables every right);
// - a user without the write property works read-only;
// - the parameters table stays readable, since the program reads its settings and
//   the users themselves from it; for a user who is not administrator the users'
//   own parameters ("USER_...") cannot be written and the table cannot be dropped or
//   altered, so nobody but an administrator changes users or rights.

#include <QStringList>
#include <memory>

#include "App/CodiComu/users/TUserValues.h"

class TDataBaseZUL;
class TEngineRights;
class TZULPasswordsDataBase;
struct TZULDataBase;

std::unique_ptr<TEngineRights> BuildEngineRights(const TDBUserValues& rights, const QStringList& tables,
                                                 bool readOnly, bool administrator);

// Puts on `db` the rights of the user logged in to `passwords`, as the last
// SetupDataBaseUserRights read them; logged out, every right. Call it on every
// connection opened for that user.
void InstallUserRights(TDataBaseZUL& db, const TZULPasswordsDataBase& passwords);

// After a login: connects `db` to the database's file as the user (read-only for a
// user who cannot write), reads the user's rights, keeps them in `passwords` and puts
// them on the connection, then closes it (the rights stay with `db` for its next
// opening). The steps show in the progress window.
void SetupDataBaseUserRights(const TZULDataBase& database, TZULPasswordsDataBase& passwords,
                             TDataBaseZUL& db);
