#pragma once
// The application-wide configuration: the names and folders of the program, the
// database list, the open company database (its record, index, read-only flag and
// connection, which is the framework's default database), the two users' objects and
// the table list whose rights are set per user. One per process (AppConfig()).
// Opening a database ("ConnectDataBase") checks its version, asks for the login when
// the database requires one, applies the user's rights on the connection and tells
// the main window through the connection events.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "App/CodiComu/database/IDataBaseSession.h"
#include "App/CodiComu/database/TDataBaseFiles.h"
#include "App/CodiComu/database/TZULDataBase.h"

class TDataBaseZUL;
class TIniFile;
class TProcedureZUL;
class TZULApp;
class TZULMenuForm;
class TLocalization;
class TZULDataBases;
class TZULPasswordsDataBase;
class TZULPasswordsZULApp;

class TZULAppConfig : public IDataBaseSession {
public:
  // What the main window is told (any of them may be empty).
  struct TConnectionEvents {
    std::function<void()> BeforeConnect;
    std::function<void()> AfterConnect;
    std::function<void()> BeforeDisconnect;  // the main window closes its child forms here
    std::function<void()> AfterDisconnect;
  };

  TZULAppConfig();
  ~TZULAppConfig() override;
  TZULAppConfig(const TZULAppConfig&) = delete;
  TZULAppConfig& operator=(const TZULAppConfig&) = delete;

  // Names and folders.
  TDataBaseFiles& Files() { return m_files; }
  const TDataBaseFiles& Files() const { return m_files; }
  QString ApplicationName;  // the title given at start-up ("ZUL-Lumaresca 2014 PRO")
  // The application file's path without extension; the INI and resource files share it.
  QString AppFileName;
  QString IniFileName() const { return AppFileName + QStringLiteral(".INI"); }
  QString ResourcesFileName() const { return AppFileName + QStringLiteral(".ZUR"); }
  QString MasterDataBaseFileName(int version) const { return m_files.MasterDataBaseFileName(version); }
  QString NewDataBaseFileName() const { return m_files.NewDataBaseFileName(); }
  QString DataBaseAppName(int version) const { return m_files.DataBaseAppName(version); }
  // "table=caption" per table whose rights are set per user, in menu order (the
  // program's list by default).
  QStringList TableList;

  // The database list, opened from IniFileName() at the first call.
  TZULDataBases& DataBases();
  // The open INI file; raises when the database list has not opened it yet.
  TIniFile& IniFile();

  // The open database.
  void ConnectDataBase(int index) override;
  bool IsConnected() const override;
  void SetConnected(bool connected) override;
  int CurrentDataBaseIndex() const override { return m_currentIndex; }
  const TZULDataBase& CurrentDataBase() const { return m_current; }
  bool ReadOnly() const { return m_readOnly; }
  TDataBaseZUL& DataBase() { return *m_db; }
  void CheckDataBaseAdministrator(const TZULDataBase& database, const QString& actionText) override;
  void SetConnectionEvents(TConnectionEvents events) { m_events = std::move(events); }

  TZULPasswordsZULApp& AppPasswords();
  TZULPasswordsDataBase& DataBasePasswords();

  // The framework's application object (the running one while this object lives).
  TZULApp& App() { return *m_app; }
  int AppVersion = 0;
  QString Description;     // one line about the program
  QString RootNodeName;    // the expected root node of the application file; empty: no check
  QString ExecutableFile;  // full path of the running program
  bool OpenSelectionAtStart = true;
  // Runs on a company database of the current version just opened, before the
  // user's rights apply (the program brings the schema's indexes up to date there).
  std::function<void(TDataBaseZUL&)> SchemaUpkeep;

  // The start-up sequence under the progress window: localisation, the main window's
  // settings, the application file, the registered procedures, the resources, the
  // default database, the registry values and the root-node check. Errors of the
  // window settings and of the default database are shown and start-up goes on; an
  // error of the application steps ends Init after the remaining ones have run.
  // Returns false when the program must end at once (refused login, foreign file).
  using TRegisterLibrary = void (*)(TProcedureZUL& registry);
  bool Init(TZULMenuForm* menu, const QString& title, TRegisterLibrary registerLibrary, int appVersion,
            int dataBaseVersion, const QString& dataBaseAppName);
  TZULMenuForm* Menu() const { return m_menu; }
  // The language of the program (made by Init).
  TLocalization* Localization() const { return m_localization.get(); }
  // End of the program: the framework parameters saved into the resource file, the
  // database closed, the application closed.
  void Finish();

private:
  void CloseConnection();

  TDataBaseFiles m_files;
  std::unique_ptr<TZULApp> m_app;
  TZULMenuForm* m_menu = nullptr;
  std::unique_ptr<TLocalization> m_localization;
  std::unique_ptr<TZULDataBases> m_dataBases;
  std::unique_ptr<TDataBaseZUL> m_db;
  std::unique_ptr<TZULPasswordsZULApp> m_appPasswords;
  std::unique_ptr<TZULPasswordsDataBase> m_dbPasswords;
  TConnectionEvents m_events;
  TZULDataBase m_current;
  int m_currentIndex = -1;
  bool m_readOnly = false;
};

// The process's configuration, created at the first call.
TZULAppConfig& AppConfig();
// Destroys it (end of the program, tests); the next AppConfig() makes a new one.
void FreeAppConfig();
