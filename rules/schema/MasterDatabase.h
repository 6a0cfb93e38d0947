#pragma once
// Building empty company databases: the schema, the version row, and the master
// file that every new company database is copied from.

#include <QString>

#include "rules/schema/DatabaseVersion.h"

class TDataBaseZUL;

// Creates every table and index in one transaction; on error nothing is left.
void CreateSchema(TDataBaseZUL& db);

// Creates the schema's indexes that a company database lacks (a file made before an
// index was declared). Indexes change no data, so they are not part of the version:
// this runs whenever a database is connected for writing. Nothing is done on a
// read-only connection; an index that cannot be made (the file locked by another
// program, a disk full) is left for the next connection and logged, never raised:
// the database works without it, only slower. Returns the indexes attempted.
int EnsureSchemaIndexes(TDataBaseZUL& db);

// Makes TZULVersionInfo hold exactly one row for this program.
void WriteVersionInfo(TDataBaseZUL& db, const DatabaseVersion& version = DatabaseVersion::Full());

// Writes a new empty master database at path: an existing file there is removed
// first, and the new one is written under a temporary name and renamed at the end,
// so a failure never leaves a half-written file behind. Raises EDatabaseError or
// EFileError.
void WriteMasterFile(const QString& path, const DatabaseVersion& version = DatabaseVersion::Full());
