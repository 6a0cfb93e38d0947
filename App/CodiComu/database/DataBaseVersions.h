#pragma once
// The version row of a company database, the version check before opening, and the
// conversion of a database of an earlier version through the chain of masters.

#include <QString>

class TDataBaseFiles;

struct TDataBaseVersionInfo {
  QString Name;  // program name in the file ("ZUL Lumaresca EXT")
  int Version = 0;
  QString MasterFileName;  // base name of the master of that version, without extension
};

TDataBaseVersionInfo ReadVersionInfo(const TDataBaseFiles& files, const QString& file, bool interactive);
// Returns the file's version; raises 1400/1401/1402 as the checks fail.
int CheckDataBaseVersion(const TDataBaseFiles& files, const QString& file, int programVersion,
                         bool acceptOlder, bool acceptNewer);
void ImportDataBase(const TDataBaseFiles& files, const QString& source, const QString& destination);
void RemoveImportObjects(const QString& file);
int RunImportQueries(const QString& file, const QString& prefix);
