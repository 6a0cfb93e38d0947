#pragma once
// The application object's default database and its SQL error flag, reachable by
// the statement builders before the application object itself exists.

class TDataBaseZUL;

namespace DefaultDataBase {

TDataBaseZUL* Get();         // may be nullptr
TDataBaseZUL& Required();    // raises EDatabaseError when there is none
void Set(TDataBaseZUL* db);  // not owned

// The application object's flag that the insert and update builders read, in
// opposite senses, to decide whether the generated SQL goes into their error texts.
bool SqlFlag();
void SetSqlFlag(bool value);

}  // namespace DefaultDataBase
