#pragma once
// The framework's application object (one per run): the application file with its
// tree and data forms, the default database, the procedure registry and the
// application's registry key.

#include <QDateTime>
#include <QIODevice>
#include <QString>
#include <memory>

class TDataBaseZUL;
class TProcedureZUL;
class TRegistryStore;
class TTreeZUL;
class TZULAppFile;
class TZULForm;
class QObject;

class TZULApp {
public:
  TZULApp();
  ~TZULApp();
  TZULApp(const TZULApp&) = delete;
  TZULApp& operator=(const TZULApp&) = delete;

  // The running application object ("ZULAppMain"); nullptr before one exists.
  static TZULApp* Main();
  static void SetMain(TZULApp* app);

  void SetAppName(const QString& name) { m_appName = name; }
  QString GetAppName() const { return m_appName; }

  // The application file. Loading a missing or damaged file raises EFileError and
  // leaves the built-in application in place.
  void SetAppFile(const QString& fileName);
  QString GetAppFile() const { return m_appFileName; }
  void LoadAppFromStream(QIODevice& stream);
  void SaveAppToStream(QIODevice& stream) const;
  void LoadBuiltInApp();
  void ClearApp();
  void CloseApp();
  const TZULAppFile& AppFile() const;
  TTreeZUL& Tree();

  // The file's date, save counter and generator identifier.
  QDateTime FileDate() const;
  int SaveCounter() const;
  QString GeneratorId() const;

  // The framework is linked in: these keep only the meaning of a loaded flag.
  void SetZULBPLName(const QString& name) { m_bplName = name; }
  void LoadBPL() { m_bplLoaded = true; }
  void UnLoadBPL() { m_bplLoaded = false; }
  bool ZULBPLLoaded() const { return m_bplLoaded; }

  // The default database (not owned); also the statement builders' default.
  void SetDefaultDB(TDataBaseZUL* db);
  TDataBaseZUL* GetDefaultDB() const { return m_defaultDB; }

  TProcedureZUL& Procedures() { return *m_procedures; }

  // The registry at the application's key.
  TRegistryStore& GetAppRegister() const;
  QString AppRegisterKey() const;

  // Builds the form model of a node on the default database, or nullptr when the
  // node has no form. The caller owns the form (or the owner, when given).
  TZULForm* ObreComponent(int node, QObject* owner = nullptr);

private:
  QString m_appName;
  QString m_appFileName;
  QString m_bplName;
  bool m_bplLoaded = false;
  TDataBaseZUL* m_defaultDB = nullptr;
  std::unique_ptr<TProcedureZUL> m_procedures;
  std::unique_ptr<TZULAppFile> m_appFile;
};
