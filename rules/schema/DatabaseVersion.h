#pragma once
// The identity a company database carries in TZULVersionInfo: the program it
// belongs to, the version of its schema and the base name of its empty master.

#include <QString>

struct DatabaseVersion {
  QString appName;
  int version = 0;
  QString masterBaseName;  // without extension, as stored in MasterFileName

  // File name of the master in the masters folder ("ZULLumaExtV4.MMDB").
  QString MasterFileName() const { return masterBaseName + QStringLiteral(".MMDB"); }

  // The schema version this build writes and reads.
  static constexpr int kCurrent = 4;

  static DatabaseVersion Full();  // "ZUL Lumaresca EXT"
  static DatabaseVersion Lite();  // "ZUL Lumaresca LITE"
};
