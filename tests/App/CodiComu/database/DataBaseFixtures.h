#pragma once
// Small SQLite files for the database tests: databases, masters with their version
// row, import table and import statements.

#include <QString>
#include <QStringList>

namespace DataBaseFixtures {

// Creates (or replaces) a SQLite file and runs native SQL in it.
void MakeFile(const QString& path, const QString& sql = QString());
void RunSql(const QString& path, const QString& sql);
// One text per row of the first column of a native query.
QStringList Column(const QString& path, const QString& sql);

// SQL of the version table with its row.
QString VersionRow(const QString& program, int version, const QString& master);
// SQL of TZULImportVersions (created when missing) with one row.
QString ImportRow(const QString& program, int version, const QString& fileName, const QString& prefix);
// SQL of TZULImportQueries (created when missing) with one named statement.
QString ImportQuery(const QString& name, const QString& statement);

}  // namespace DataBaseFixtures
