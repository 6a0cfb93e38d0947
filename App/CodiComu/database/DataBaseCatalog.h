#pragma once
// Small reads of a SQLite file's own catalogue and plain native statements with bound
// texts, for the version and import code (which must not depend on the Jet dialect).

#include <QString>
#include <QStringList>
#include <vector>

class TDataBaseZUL;

namespace DataBaseCatalog {

// Names of the user tables ("table") or views ("view"), sorted without regard to case.
QStringList ObjectNames(TDataBaseZUL& db, const QString& type);
QStringList TableNames(TDataBaseZUL& db);
bool HasTable(TDataBaseZUL& db, const QString& table);
bool HasColumn(TDataBaseZUL& db, const QString& table, const QString& column);

// Rows of a native query, every value as text (NULL as a null QString); `args` bind
// to ?1, ?2... as texts.
std::vector<QStringList> Rows(TDataBaseZUL& db, const QString& sql, const QStringList& args = {});
// Runs one native statement with bound texts.
void Execute(TDataBaseZUL& db, const QString& sql, const QStringList& args = {});

// "name" as a SQLite identifier.
QString QuoteName(const QString& name);

}  // namespace DataBaseCatalog
