#pragma once
// Building empty company databases: the schema, the version row, and the master
// file that every new company database is copied from.

#include <QString>

#include "rules/schema/DatabaseVersion.h"

class TDataBaseZUL;

// Creates every table and index in one transaction; on error nothing is left.
void CreateSchema(TDataBaseZUL& db);

// Makes TZULVersionInfo hold exactly one row for this program.
void WriteVersionInfo(TDataBaseZUL& db, const DatabaseVersion& version = DatabaseVersion::Full());

// Writes a new empty master database at path: an existing file there is removed
// first, and the new one is written under a temporary name and renamed at the end,
// so a failure never leaves a half-written file behind. Raises EDatabaseError or
// EFileError.
void WriteMasterFile(const QString& path, const DatabaseVersion& version = DatabaseVersion::Full());
