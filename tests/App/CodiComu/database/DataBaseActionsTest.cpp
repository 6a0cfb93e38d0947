// Carrying out the wizard's actions on real files and a real INI file.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "App/CodiComu/database/DataBaseActions.h"
#include "App/CodiComu/database/DataBaseVersions.h"
#include "App/CodiComu/database/LocalFile.h"
#include "platform/core/Dialogs.h"
#include "platform/zul/TSQLDataSet.h"
#include "tests/App/CodiComu/database/DataBaseTestEnvironment.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

class DataBaseActionsTest : public ::testing::Test {
protected:
  void TearDown() override { SetFileSystemTypeProvider({}); }

  int Apply(TEditAction action, const TZULDataBase& newDataBase, int index = -1,
            const TZULDataBase& original = TZULDataBase{}) {
    return ApplyDataBaseAction(env.list, env.files, index, original, newDataBase, action, env.session);
  }
  // The message an action raised; empty when it went through, "EAbort" for a silent end.
  QString Error(TEditAction action, const TZULDataBase& newDataBase, int index = -1,
                const TZULDataBase& original = TZULDataBase{}) {
    try {
      Apply(action, newDataBase, index, original);
    } catch (const EAbort&) {
      return QStringLiteral("EAbort");
    } catch (const Exception& e) {
      return e.Message();
    }
    return QString();
  }
  static bool HasTable(const QString& file, const QString& table) {
    TDataBaseZUL db;
    db.Open(file, true);
    try {
      db.GetTSQLDataSet(QStringLiteral("SELECT * FROM [") + table + QStringLiteral("]"))->Open();
    } catch (const EDatabaseError&) {
      return false;
    }
    return true;
  }

  DataBaseTestEnvironment env;
  ScriptedDialogs::Scope dialogs;
};

TEST_F(DataBaseActionsTest, NewDatabaseIsAWritableCopyOfTheMasterWithoutImportObjects) {
  {
    TDataBaseZUL master;
    master.Open(env.Master());
    master.ExecuteNativeSQL(QStringLiteral("CREATE TABLE CIMPAlumnos (Id INTEGER)"));
  }
  QFile::setPermissions(env.Master(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  const QString file = env.Data(QStringLiteral("nueva/Norte.MDB"));  // the folder is made
  const int index = Apply(TEditAction::NewEmpty, TZULDataBase{QStringLiteral("Norte"), 0, file, QString()});
  EXPECT_EQ(index, 0);
  EXPECT_EQ(env.list.ReadDataBase(0), (TZULDataBase{QStringLiteral("Norte"), -1, file, QString()}));
  EXPECT_TRUE(QFileInfo(file).isWritable());
  EXPECT_TRUE(HasTable(file, QStringLiteral("TZULVersionInfo")));
  EXPECT_FALSE(HasTable(file, QStringLiteral("CIMPAlumnos")));
  EXPECT_EQ(CheckDataBaseVersion(env.files, file, 4, false, false), 4);
}

TEST_F(DataBaseActionsTest, NewDatabaseRefusals) {
  const QString existing = env.Data(QStringLiteral("Existe.MDB"));
  DataBaseTestEnvironment::MakeDataBase(existing, 4);
  QFile blocker(env.Data(QStringLiteral("archivo")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QString underFile = env.Data(QStringLiteral("archivo/sub/X.MDB"));
  EXPECT_EQ(Error(TEditAction::NewEmpty, TZULDataBase{QStringLiteral("A"), 0, existing, QString()}),
            QStringLiteral("El archivo destino ya existe:\n") + existing);
  EXPECT_EQ(
      Error(TEditAction::NewEmpty, TZULDataBase{QStringLiteral("A"), 0, underFile, QString()}),
      QStringLiteral("No puede crear el directorio de destino:\n") + env.Data(QStringLiteral("archivo/sub")));
  QFile::remove(env.Master());
  EXPECT_EQ(Error(TEditAction::NewEmpty,
                  TZULDataBase{QStringLiteral("A"), 0, env.Data(QStringLiteral("B.MDB")), {}}),
            QStringLiteral("El archivo origen no existe\n") + env.Master());
  EXPECT_EQ(env.list.DataBaseCount(), 0);
  EXPECT_FALSE(QFileInfo::exists(env.Data(QStringLiteral("B.MDB"))));
}

TEST_F(DataBaseActionsTest, DuplicateCopiesTheFileAndNeverOverwrites) {
  const QString source = env.Data(QStringLiteral("Escuela.MDB"));
  const QString copy = env.Data(QStringLiteral("Copia.MDB"));
  DataBaseTestEnvironment::MakeDataBase(source, 4);
  const TZULDataBase original{QStringLiteral("Escuela"), 4, source, QString()};
  env.Add(original.Nombre, source, 4);
  EXPECT_EQ(Apply(TEditAction::Duplicate, TZULDataBase{QStringLiteral("Copia de: Escuela"), 0, copy, {}}, 0,
                  original),
            1);
  EXPECT_EQ(env.list.ReadDataBase(1),
            (TZULDataBase{QStringLiteral("Copia de: Escuela"), -1, copy, QString()}));
  EXPECT_EQ(CheckDataBaseVersion(env.files, copy, 4, false, false), 4);

  const QString other = env.Data(QStringLiteral("Otra.MDB"));
  DataBaseTestEnvironment::MakeDataBase(other, 3);
  EXPECT_EQ(Error(TEditAction::Duplicate, TZULDataBase{QStringLiteral("X"), 0, other, {}}, 0, original),
            QStringLiteral("No se pudo duplicar el archivo"));
  EXPECT_EQ(CheckDataBaseVersion(env.files, other, 4, true, false), 3);  // untouched
  EXPECT_EQ(env.list.DataBaseCount(), 2);
}

TEST_F(DataBaseActionsTest, ImportMakesANewCurrentDatabaseFromAnOlderOne) {
  {
    TDataBaseZUL master;
    master.Open(env.Master());
    master.ExecuteNativeSQL(QStringLiteral(
        "INSERT INTO TZULImportVersions (NombreAplicacion, NumeroVersion, NombreArchivo, PrefijoConsultas) "
        "VALUES ('ZUL Lumaresca EXT', 3, 'ZULLumaExtV3.MDB', 'V4'); CREATE TABLE V4Traspaso (Id INTEGER)"));
  }
  const QString older = env.Data(QStringLiteral("Antigua.MDB"));
  const QString file = env.Data(QStringLiteral("Importada.MDB"));
  DataBaseTestEnvironment::MakeDataBase(older, 3);
  EXPECT_EQ(Apply(TEditAction::Import, TZULDataBase{QStringLiteral("Importada"), 0, file, QString()}, 0,
                  TZULDataBase{QStringLiteral("Antigua"), 3, older, QString()}),
            0);
  EXPECT_EQ(env.list.ReadDataBase(0), (TZULDataBase{QStringLiteral("Importada"), -1, file, QString()}));
  EXPECT_EQ(CheckDataBaseVersion(env.files, file, 4, false, false), 4);
  EXPECT_FALSE(HasTable(file, QStringLiteral("TZULImportVersions")));
  EXPECT_FALSE(HasTable(file, QStringLiteral("V4Traspaso")));
  EXPECT_EQ(CheckDataBaseVersion(env.files, older, 4, true, false), 3);  // the source stays as it was
  EXPECT_EQ(dialogs->notices.size(), 1);
}

TEST_F(DataBaseActionsTest, LinkingChecksProgramAndAdministrator) {
  struct Case {
    const char* file;
    int version;
    const char* app;
    bool administrator;
    bool listed;
  };
  const Case cases[] = {
      {"Actual.MDB", 4, "ZUL Lumaresca EXT", true, true},
      {"Antigua.MDB", 3, "ZUL Lumaresca EXT", true, true},
      {"Nueva.MDB", 5, "ZUL Lumaresca EXT", true, true},
      {"Ajena.MDB", 4, "Otro Programa", true, false},
      {"Protegida.MDB", 4, "ZUL Lumaresca EXT", false, false},
  };
  for (const Case& c : cases) {
    const QString file = env.Data(QString::fromLatin1(c.file));
    DataBaseTestEnvironment::MakeDataBase(file, c.version, QString::fromLatin1(c.app));
    if (!c.administrator) env.session.notAdministrator.insert(file);
    const int before = env.list.DataBaseCount();
    env.session.checks.clear();
    const QString error =
        Error(TEditAction::Link, TZULDataBase{QStringLiteral("Vinculada"), 7, file, QString()});
    EXPECT_EQ(error.isEmpty(), c.listed) << c.file << ": " << error.toStdString();
    EXPECT_EQ(env.list.DataBaseCount(), before + (c.listed ? 1 : 0)) << c.file;
    if (c.listed) {
      EXPECT_EQ(env.list.ReadDataBase(before).Version, -1);
    }
    if (QString::fromLatin1(c.app) != QStringLiteral("Otro Programa")) {
      EXPECT_EQ(env.session.checks, QStringList{QStringLiteral("Asignar la base de datos|") + file})
          << c.file;
    } else {
      EXPECT_TRUE(error.startsWith(QStringLiteral("El archivo NO PERTENECE A ESTA APLICACIÓN")))
          << error.toStdString();
      EXPECT_TRUE(env.session.checks.isEmpty());
    }
  }
}

TEST_F(DataBaseActionsTest, RemoveAndModifyChangeOnlyTheList) {
  const QString file = env.Data(QStringLiteral("Escuela.MDB"));
  DataBaseTestEnvironment::MakeDataBase(file, 4);
  env.Add(QStringLiteral("Primera"), file, 4);
  env.Add(QStringLiteral("Segunda"), file, 4);
  const TZULDataBase changed{QStringLiteral("Segunda bis"), 4, file, env.Data(QStringLiteral("Escuela.mdw"))};
  EXPECT_EQ(Apply(TEditAction::Modify, changed, 1), 1);
  EXPECT_EQ(env.list.ReadDataBase(1), (TZULDataBase{changed.Nombre, -1, file, changed.SystemDataBase}));
  EXPECT_EQ(Apply(TEditAction::Remove, TZULDataBase{}, 0), -1);
  ASSERT_EQ(env.list.DataBaseCount(), 1);
  EXPECT_EQ(env.list.ReadDataBase(0).Nombre, QStringLiteral("Segunda bis"));
  EXPECT_TRUE(QFileInfo::exists(file));
  for (const TEditAction action :
       {TEditAction::Information, TEditAction::None, static_cast<TEditAction>(42)}) {
    EXPECT_EQ(Error(action, changed, 0), QString::fromUtf8("Operación no soportada"));
  }
  EXPECT_EQ(env.list.DataBaseCount(), 1);
}

class DeleteFileTest : public DataBaseActionsTest {
protected:
  void SetUp() override {
    DataBaseTestEnvironment::MakeDataBase(file, 4);
    env.Add(QStringLiteral("Escuela"), file, 4);
  }
  QString Delete() { return Error(TEditAction::DeleteFile, record, 0, record); }

  const QString file = env.Data(QStringLiteral("Escuela.MDB"));
  const TZULDataBase record{QStringLiteral("Escuela"), 4, file, QString()};
};

TEST_F(DeleteFileTest, AskedYesDeletesTheFileItsJournalAndTheLine) {
  QFile journal(file + QStringLiteral("-journal"));
  ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
  journal.close();
  dialogs->Answer(dbYes);
  EXPECT_EQ(Delete(), QString());
  ASSERT_EQ(dialogs->questions.size(), 1u);
  EXPECT_EQ(dialogs->questions[0].text, ccTranslateFmt(1729, {file}));
  EXPECT_EQ(dialogs->questions[0].icon, TDialogIcon::Warning);
  EXPECT_EQ(dialogs->questions[0].buttons, dbYes | dbNo);
  EXPECT_EQ(dialogs->questions[0].defaultButton, dbNo);
  EXPECT_FALSE(QFileInfo::exists(file));
  EXPECT_FALSE(QFileInfo::exists(file + QStringLiteral("-journal")));
  EXPECT_EQ(env.list.DataBaseCount(), 0);
}

TEST_F(DeleteFileTest, AnswerNoEndsSilently) {
  dialogs->Answer(dbNo);
  EXPECT_EQ(Delete(), QStringLiteral("EAbort"));
  EXPECT_TRUE(QFileInfo::exists(file));
  EXPECT_EQ(env.list.DataBaseCount(), 1);
}

TEST_F(DeleteFileTest, AFileOnANetworkShareIsRefusedBeforeAnyQuestion) {
  const QString share = env.dir.File(QStringLiteral("red"));
  SetFileSystemTypeProvider([share](const QString& path) {
    return path.startsWith(share) ? QStringLiteral("cifs") : QStringLiteral("ext4");
  });
  const QString remote = share + QStringLiteral("/Escuela.MDB");
  DataBaseTestEnvironment::MakeDataBase(remote, 4);
  const TZULDataBase onShare{QStringLiteral("Red"), 4, remote, QString()};
  EXPECT_EQ(Error(TEditAction::DeleteFile, onShare, 0, onShare), QStringLiteral("EAbort"));
  EXPECT_TRUE(dialogs->questions.empty());
  EXPECT_EQ(dialogs->errors, QStringList{ccTranslateFmt(1728, {remote})});
  EXPECT_TRUE(QFileInfo::exists(remote));
  EXPECT_EQ(env.list.DataBaseCount(), 1);
}

TEST_F(DeleteFileTest, MissingOrBusyFilesAreRefused) {
  TDataBaseZUL other;  // someone else working in the database
  other.Open(file);
  const int token = other.BeginTrans();
  other.ExecuteSQL(QStringLiteral("DELETE FROM TZULVersionInfo"));
  dialogs->Answer(dbYes);
  EXPECT_EQ(Delete(), ccTranslateFmt(1731, {file}));
  EXPECT_TRUE(QFileInfo::exists(file));
  other.RollbackTrans(token);
  other.Close();

  QFile::remove(file);
  dialogs->Answer(dbYes);
  EXPECT_EQ(Delete(), QStringLiteral("No se encuentra el archivo vinculado: \n") + file);
  EXPECT_EQ(env.list.DataBaseCount(), 1);
}

TEST(LocalFileTest, NetworkFileSystemsAndServerPaths) {
  for (const char* type : {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "sshfs", "fuse.rclone", "9p",
                           "fuse.gvfsd-fuse", "CIFS"}) {
    EXPECT_TRUE(IsNetworkFileSystemType(QString::fromLatin1(type))) << type;
  }
  for (const char* type : {"ext4", "xfs", "btrfs", "tmpfs", "overlay", "vfat", "fuse.ntfs-3g", ""}) {
    EXPECT_FALSE(IsNetworkFileSystemType(QString::fromLatin1(type))) << type;
  }
  TempDir dir;
  const QString file = dir.File(QStringLiteral("Local.MDB"));
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  EXPECT_FALSE(FileSystemType(file).isEmpty());
  EXPECT_TRUE(IsLocalFile(file));
  EXPECT_FALSE(IsLocalFile(QStringLiteral("//servidor/datos/Escuela.MDB")));
  EXPECT_FALSE(IsLocalFile(QStringLiteral("\\\\servidor\\datos\\Escuela.MDB")));
  // A file not there yet lies where its nearest folder lies.
  SetFileSystemTypeProvider([&](const QString& path) {
    return path == dir.Path() ? QStringLiteral("nfs4") : QStringLiteral("ext4");
  });
  EXPECT_FALSE(IsLocalFile(dir.File(QStringLiteral("falta/Otra.MDB"))));
  EXPECT_TRUE(IsLocalFile(file));
  SetFileSystemTypeProvider({});
}

}  // namespace
