#pragma once
// Opening a company database file on a database object, with the Spanish errors a
// person can act on (missing file, file that cannot be opened).

#include <QString>

class TDataBaseZUL;

// Missing or empty file: message 1503; a file that cannot be opened: 1504.
void ConnectAccessDataBase(TDataBaseZUL& db, const QString& file, bool readOnly);
// The same with the rights file and user of a login (messages 1500 and 1501). The
// rights themselves are applied by the users layer once the connection is open.
void ConnectAccessDataBaseEx(TDataBaseZUL& db, const QString& file, bool readOnly,
                             const QString& systemDataBase, const QString& user, const QString& password);
