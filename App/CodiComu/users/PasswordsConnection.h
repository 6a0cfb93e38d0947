#pragma once
// Opening a company database for a person: the login it requires and the rights of
// the logged-in user; and the administrator check of another database.

#include <QString>

class TZULPasswordsDataBase;
struct TZULDataBase;

// Test-opens the database's file on a connection of its own and points `passwords`
// at it for the call; `needLogin` says whether the database requires a login. When
// it does, the default user is created when missing, the login prompt is shown
// (1506 when not confirmed) and the user's rights are set up (SetupDataBaseUserRights).
// When it does not, `passwords` is logged out (full rights). Errors of opening and of
// reading the users are raised when `raiseErrors`, otherwise the result is false.
bool ConnectAccessDataBaseWithPasswords(const TZULDataBase& database, TZULPasswordsDataBase& passwords,
                                        bool& needLogin, bool raiseErrors);

// Raises actionText + "\n" + message 1722 when the database's file exists, requires
// a login, and the user who logs in (with a users' object of its own) is not its
// administrator.
void CheckDataBaseAdministrator(const TZULDataBase& database, const QString& actionText);
