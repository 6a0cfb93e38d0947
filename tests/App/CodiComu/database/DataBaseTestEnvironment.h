#pragma once
// A program folder of the test's own for the database list, the selection and the
// wizard: executable folder "bin" with its masters folder and the master of version 4,
// the data folder "datos", the INI file, and a session that plays the open database.

#include <QDir>
#include <QFile>
#include <QSet>
#include <QStringList>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/database/IDataBaseSession.h"
#include "App/CodiComu/database/TDataBaseFiles.h"
#include "App/CodiComu/database/TZULDataBase.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "platform/core/Exceptions.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/zul/TDataBaseZUL.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/support/TempDir.h"

class FakeDataBaseSession : public IDataBaseSession {
public:
  void ConnectDataBase(int index) override {
    calls << QStringLiteral("Connect(%1)").arg(index);
    current = index;
    connected = index >= 0;
  }
  bool IsConnected() const override { return connected; }
  void SetConnected(bool value) override {
    calls << QStringLiteral("SetConnected(%1)").arg(value ? 1 : 0);
    connected = value;
  }
  int CurrentDataBaseIndex() const override { return current; }
  void CheckDataBaseAdministrator(const TZULDataBase& database, const QString& actionText) override {
    checks << actionText + QLatin1Char('|') + database.Archivo;
    if (notAdministrator.contains(database.Archivo)) {
      throw Exception(actionText + QLatin1Char('\n') + ccTranslateFmt(1722, {database.Nombre}));
    }
  }

  QStringList calls;
  QStringList checks;  // action text | file
  QSet<QString> notAdministrator;
  bool connected = false;
  int current = -1;
};

class DataBaseTestEnvironment {
public:
  DataBaseTestEnvironment()
      : list(dir.File(QStringLiteral("bin/lumapro.INI")), dir.File(QStringLiteral("bin"))) {
    QDir().mkpath(Bin());
    QDir().mkpath(dir.File(QStringLiteral("datos")));
    ExecutableFolder::Override(Bin());
    files.ExecutableFolder = Bin();
    files.DefaultDataDir = dir.File(QStringLiteral("datos"));
    files.MastersFolder = Bin() + QStringLiteral("/MastersMDB");
    files.MastersMask = QStringLiteral("ZULLumaExtV");
    files.NewDataBaseMaskFileName = QStringLiteral("ZULLumarescaExtV");
    files.DataBaseAppNameValue = QStringLiteral("ZUL Lumaresca EXT");
    files.DataBaseVersion = 4;
    QDir().mkpath(files.MastersFolder);
    QFile::copy(MasterTemplate(), Master());
  }
  ~DataBaseTestEnvironment() { ExecutableFolder::Override(QString()); }

  QString Bin() const { return dir.File(QStringLiteral("bin")); }
  QString Data(const QString& name) const { return dir.File(QStringLiteral("datos/") + name); }
  QString Master() const { return files.MastersFolder + QStringLiteral("/ZULLumaExtV4.MMDB"); }

  // A small database with only the version row.
  static void MakeDataBase(const QString& path, int version,
                           const QString& app = QStringLiteral("ZUL Lumaresca EXT")) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    TDataBaseZUL db;
    db.Create(path);
    db.ExecuteNativeSQL(QStringLiteral(
        "CREATE TABLE TZULVersionInfo (NombreAplicacion VARCHAR(50), NumeroVersion INTEGER, MasterFileName "
        "VARCHAR(50))"));
    WriteVersionInfo(db,
                     DatabaseVersion{app, version, QStringLiteral("ZULLumaExtV") + QString::number(version)});
  }
  // Lists a database; returns its position.
  int Add(const QString& name, const QString& file, int version = -1) {
    return list.AddDataBase(TZULDataBase{name, version, file, QString()});
  }

  TempDir dir;
  TDataBaseFiles files;
  TZULDataBases list;
  FakeDataBaseSession session;

private:
  // The full master is written once per test program and copied for each test.
  static QString MasterTemplate() {
    static TempDir folder;
    static const QString path = [] {
      const QString file = folder.File(QStringLiteral("ZULLumaExtV4.MMDB"));
      WriteMasterFile(file);
      return file;
    }();
    return path;
  }
};
