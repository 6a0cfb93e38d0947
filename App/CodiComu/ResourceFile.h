#pragma once
// The application's resource file: the resource store (the user's reports, views
// and filters, and resource 100001 with the framework parameters that survive a
// restart) saved beside the application file as "<name>.ZUR", with the previous
// file kept as "<name>_Seg.ZUR". Read at start-up, written when the program ends.

#include <QString>

class TParametres;
class TRecursosZUL;
class TZULApp;

namespace ResourceFile {
inline constexpr int kParametersId = 100001;  // the saved framework parameters
inline constexpr int kParametersKind = 9;
inline constexpr char kParametersName[] = "ZULAPPLICATION";
inline constexpr int kFirstSavedId = 90001;  // resources below are the application's own
}  // namespace ResourceFile

// The application's resource store for this run.
TRecursosZUL& AppResources();

// For an application file "/datos/Luma" or "/datos/Luma.ZUL": "/datos/Luma.ZUR" and
// "/datos/Luma_Seg.ZUR".
QString ResourceFileName(const QString& appFile);
QString ResourceBackupFileName(const QString& appFile);

// Reads the resource file into the store; a damaged one is reported (1100) and the
// backup read instead (1101 when that fails too). Then, with a parameter list, loads
// it from resource 100001; when that fails the person is asked whether to go on, and
// anything but yes raises the silent abort. Without an application file nothing is
// read.
void LoadResources(const QString& appFile, TParametres* parameters, TRecursosZUL& resources = AppResources());
void LoadResources(const TZULApp& application, TParametres* parameters);

// Stores the parameter list (its writable parameters) as resource 100001, keeps the
// current file as the backup and writes resources 90001 onward to a new file. The
// new file replaces the old one in a single rename, so a failure at any point
// leaves the previous file whole; a damaged current file is not kept as the backup
// (the older backup stays). Errors are reported (1102) and not raised: the program
// goes on ending.
void SaveResources(const QString& appFile, TParametres* parameters, TRecursosZUL& resources = AppResources());
void SaveResources(const TZULApp& application, TParametres* parameters);
