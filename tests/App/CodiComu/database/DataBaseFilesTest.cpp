#include "App/CodiComu/database/TDataBaseFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/database/AccessConnection.h"
#include "platform/core/Exceptions.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/zul/TDataBaseZUL.h"
#include "tests/App/CodiComu/database/DataBaseFixtures.h"
#include "tests/support/TempDir.h"

namespace {

QString MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.Message();
  }
  return QString();
}

TDataBaseFiles FullFiles(const QString& folder) {
  TDataBaseFiles files;
  files.DefaultDataDir = folder + QStringLiteral("/DATADIR");
  files.MastersFolder = folder + QStringLiteral("/MastersMDB");
  files.MastersMask = QStringLiteral("ZULLumaExtV");
  files.NewDataBaseMaskFileName = QStringLiteral("ZULLumarescaExtV");
  files.DataBaseAppNameValue = QStringLiteral("ZUL Lumaresca EXT");
  files.DataBaseVersion = 4;
  files.ExecutableFolder = folder;
  return files;
}

void WriteText(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

TEST(DataBaseFilesTest, MasterNameFollowsTheRuleOrTheProvider) {
  TDataBaseFiles files = FullFiles(QStringLiteral("/opt/luma"));
  EXPECT_EQ(files.MasterDataBaseFileName(3), QStringLiteral("/opt/luma/MastersMDB/ZULLumaExtV3.MMDB"));
  files.MasterFileNameProvider = [](int version) {
    return version == 2 ? QStringLiteral("/otros/ZULLumaV2.MMDB") : QString();
  };
  EXPECT_EQ(files.MasterDataBaseFileName(2), QStringLiteral("/otros/ZULLumaV2.MMDB"));
  EXPECT_EQ(files.MasterDataBaseFileName(4), QStringLiteral("/opt/luma/MastersMDB/ZULLumaExtV4.MMDB"));

  const QString unset = QString::fromUtf8(
      "NO PUEDE REALIZAR ESTA OPERACIÓN\n\nEl directorio de bases de datos vacías o el nombre de archivo "
      "genérico no "
      "está definido");
  TDataBaseFiles noFolder = FullFiles(QStringLiteral("/opt/luma"));
  noFolder.MastersFolder.clear();
  EXPECT_EQ(MessageOf([&] { noFolder.MasterDataBaseFileName(1); }), unset);
  TDataBaseFiles noMask = FullFiles(QStringLiteral("/opt/luma"));
  noMask.MastersMask.clear();
  EXPECT_EQ(MessageOf([&] { noMask.MasterDataBaseFileName(1); }), unset);
}

TEST(DataBaseFilesTest, NewFileNameTakesTheFirstFreeNumber) {
  TempDir dir;
  const TDataBaseFiles files = FullFiles(dir.Path());
  EXPECT_EQ(files.NewDataBaseFileName(), dir.File(QStringLiteral("DATADIR/ZULLumarescaExtV4E1.MDB")));
  ASSERT_TRUE(QDir().mkpath(files.DefaultDataDir));
  WriteText(dir.File(QStringLiteral("DATADIR/ZULLumarescaExtV4E1.MDB")), "x");
  WriteText(dir.File(QStringLiteral("DATADIR/ZULLumarescaExtV4E3.MDB")), "x");
  EXPECT_EQ(files.NewDataBaseFileName(), dir.File(QStringLiteral("DATADIR/ZULLumarescaExtV4E2.MDB")));

  TDataBaseFiles noMask = files;
  noMask.NewDataBaseMaskFileName.clear();
  noMask.DefaultDataDir.clear();  // the mask is reported first
  EXPECT_EQ(
      MessageOf([&] { noMask.NewDataBaseFileName(); }),
      QString::fromUtf8("No está definida la variable \"NewDataBaseMaskFileName\"\n(máscara para un nuevo "
                        "nombre al archivo de la base de datos)"));
  TDataBaseFiles noDir = files;
  noDir.DefaultDataDir.clear();
  EXPECT_EQ(
      MessageOf([&] { noDir.NewDataBaseFileName(); }),
      QString::fromUtf8("No está definida la variable \"DefaultDataDir\"\n(directorio de bases de datos)"));
}

TEST(DataBaseFilesTest, AppNameProviderAndImportFolder) {
  TDataBaseFiles files = FullFiles(QStringLiteral("/opt/luma"));
  EXPECT_EQ(files.DataBaseAppName(1), QStringLiteral("ZUL Lumaresca EXT"));
  files.DataBaseAppNameProvider = [](int version) {
    return version == 1 ? QStringLiteral("ZUL Lumaresca") : QString();
  };
  EXPECT_EQ(files.DataBaseAppName(1), QStringLiteral("ZUL Lumaresca"));
  EXPECT_EQ(files.DataBaseAppName(4), QStringLiteral("ZUL Lumaresca EXT"));
  EXPECT_EQ(files.TempFolder(), QStringLiteral("/opt/luma/Temp"));

  TempDir dir;
  ExecutableFolder::Override(dir.Path());
  files.ExecutableFolder.clear();
  EXPECT_EQ(files.TempFolder(), dir.File(QStringLiteral("Temp")));
  ExecutableFolder::Override(QString());
}

TEST(AccessConnectionTest, MissingFilesGiveTheMissingFileMessage) {
  TempDir dir;
  const QString missing = dir.File(QStringLiteral("NoHay.MDB"));
  TDataBaseZUL db;
  for (const QString& file : {missing, QString(), dir.Path()}) {
    SCOPED_TRACE(file.toStdString());
    EXPECT_EQ(MessageOf([&] { ConnectAccessDataBase(db, file, false); }), ccTranslateFmt(1503, {file}));
    EXPECT_EQ(MessageOf([&] { ConnectAccessDataBaseEx(db, file, false, QString(), QString(), QString()); }),
              ccTranslateFmt(1500, {file}));
    EXPECT_FALSE(db.IsOpen());
  }
  EXPECT_FALSE(QFile::exists(missing));
}

TEST(AccessConnectionTest, FilesThatAreNoDatabaseGiveTheCannotOpenMessage) {
  TempDir dir;
  const QString text = dir.File(QStringLiteral("Texto.MDB"));
  const QString empty = dir.File(QStringLiteral("Vacio.MDB"));
  WriteText(text, QByteArray("esto no es una base de datos, sino un texto bastante largo").repeated(20));
  WriteText(empty, QByteArray());
  TDataBaseZUL db;
  for (const QString& file : {text, empty}) {
    SCOPED_TRACE(file.toStdString());
    const QString plain = MessageOf([&] { ConnectAccessDataBase(db, file, false); });
    EXPECT_TRUE(
        plain.startsWith(QStringLiteral("Imposible abrir la BASE DE DATOS:\nArchivo: ") + file +
                         QStringLiteral("\nProveedor: SQLite\n\nMENSAJE DE ERROR: (EDatabaseError)\n\n")))
        << plain.toStdString();
    EXPECT_FALSE(plain.contains(QStringLiteral("USUARIO/CONTRASEÑA")));
    const QString login = MessageOf([&] {
      ConnectAccessDataBaseEx(db, file, true, QStringLiteral("x.mdw"), QStringLiteral("ana"), QString());
    });
    EXPECT_TRUE(login.contains(QString::fromUtf8("- USUARIO/CONTRASEÑA:"))) << login.toStdString();
    EXPECT_FALSE(db.IsOpen());
  }
  // Opening did not turn the empty file into a database.
  EXPECT_EQ(QFileInfo(empty).size(), 0);
}

TEST(AccessConnectionTest, OpensADatabaseReadOnlyOrForWriting) {
  TempDir dir;
  const QString file = dir.File(QStringLiteral("Escuela.MDB"));
  DataBaseFixtures::MakeFile(file, QStringLiteral("CREATE TABLE T (a INTEGER)"));
  TDataBaseZUL db;
  ConnectAccessDataBase(db, file, true);
  EXPECT_TRUE(db.IsReadOnly());
  EXPECT_THROW(db.ExecuteNativeSQL(QStringLiteral("INSERT INTO T VALUES (1)")), EDatabaseError);
  ConnectAccessDataBaseEx(db, file, false, QString(), QString(), QString());
  db.ExecuteNativeSQL(QStringLiteral("INSERT INTO T VALUES (1)"));
  EXPECT_EQ(db.FileName(), file);
}
