#pragma once
// What the "Versión del producto" window shows, gathered apart from the window so
// the texts can be checked without one and the screenshot can show fixed figures.

#include <QString>

#include "platform/core/DayDate.h"
#include "platform/os/SystemInfo.h"

class TZULApp;

struct TAboutAppInfo {
  QString title;        // the window's caption: the application title
  QString name;         // the application name
  QString description;  // its one-line description
  QString fileVersion;  // the program's "FileVersion"
  int frameworkVersion = 0;
  TMemoryStatus memory;
  QString systemName;
  bool wow64 = false;
  TDateTime appFileDate = 0;  // the application file's date and save counter
  int saveCounter = 0;

  // The running program: its version information, the framework version, the memory
  // and system figures and the application file's date of `app` (the running
  // application when null).
  static TAboutAppInfo Current(const QString& title, const QString& name, const QString& description,
                               const TZULApp* app = nullptr);

  QString BuildText() const;      // "Build: " + file version
  QString FrameworkText() const;  // "ZUL v5.4"
  // Megabytes plus one, "#,##0.0\" MB\"": "15.626,4 MB"; empty when the figures are unknown.
  QString PhysicalText() const;
  QString VirtualText() const;
  QString AvailableText() const;
  // Shown only for an application file with a real date (a day number above 1000).
  bool HasSystemLine() const { return appFileDate > 1000; }
  // The system, " 64b " or " ", " ZUL: ", the file date dd/mm/yyyy, " - " and the counter.
  QString SystemLine() const;

  static QString Megabytes(quint64 bytes);
};
