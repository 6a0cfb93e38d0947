#pragma once
// The version information of a program file: the usual strings and the file flags.
// Ours is compiled into every program that links this library, as an ELF note
// (owner "Lumaresca"), so it can be read back from the running program and from
// another of our programs on disk. A file without that note has no information.

#include <QString>
#include <QStringList>
#include <QtGlobal>

struct TFileVersionInfo {
  bool present = false;

  QString CompanyName;
  QString FileDescription;
  QString FileVersion;
  QString InternalName;
  QString LegalCopyright;
  QString LegalTrademarks;
  QString OriginalFilename;
  QString ProductName;
  QString ProductVersion;
  QString Comments;

  // The file flags.
  bool debug = false;         // bit 0
  bool preRelease = false;    // bit 1
  bool patched = false;       // bit 2
  bool privateBuild = false;  // bit 3
  bool infoInferred = false;  // bit 4
  bool specialBuild = false;  // bit 5

  void SetFileFlags(quint32 flags);
  quint32 FileFlags() const;

  // The strings by name ("CompanyName"...); an unknown name reads empty and is not set.
  static QStringList StringNames();
  QString Value(const QString& name) const;
  bool SetValue(const QString& name, const QString& value);

  // The note's contents: UTF-8 "Name=Value" entries, each ended by a zero byte, and
  // "FileFlags=<number>". Unknown names are skipped; nothing readable leaves it absent.
  static TFileVersionInfo FromNote(const QByteArray& description);
  QByteArray ToNote() const;
};

// The running program's own information.
const TFileVersionInfo& OwnVersionInfo();

// The information of a file: the running program's own when the file is the running
// program, otherwise what the file's note holds; absent when the file has none or
// cannot be read.
TFileVersionInfo ReadFileVersionInfo(const QString& file);
