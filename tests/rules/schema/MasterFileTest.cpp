#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"
#include "rules/schema/MasterDatabase.h"
#include "tests/rules/schema/SchemaFixture.h"
#include "tests/support/TempDir.h"

namespace {

void ExpectMaster(const QString& path, const DatabaseVersion& version) {
  SCOPED_TRACE(path.toStdString());
  ASSERT_TRUE(QFileInfo::exists(path));
  EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".tmp")));
  TDataBaseZUL db;
  db.Open(path, true);
  ExpectFixtureSchema(db.Handle());
  EXPECT_EQ(Scalar(db.Handle(), QStringLiteral("SELECT count(*) FROM TZULVersionInfo")).toInt(), 1);
  EXPECT_EQ(Scalar(db.Handle(), QStringLiteral("SELECT NombreAplicacion FROM TZULVersionInfo")).toString(),
            version.appName);
  EXPECT_EQ(Scalar(db.Handle(), QStringLiteral("SELECT NumeroVersion FROM TZULVersionInfo")).toInt(),
            version.version);
  EXPECT_EQ(Scalar(db.Handle(), QStringLiteral("SELECT MasterFileName FROM TZULVersionInfo")).toString(),
            version.masterBaseName);
  // Empty: a new company starts without data.
  EXPECT_EQ(Scalar(db.Handle(), QStringLiteral("SELECT count(*) FROM T01Alumnos")).toInt(), 0);
}

}  // namespace

TEST(MasterFile, BuildWritesTheMastersOfBothEditions) {
  const QString folder = BinDir() + QStringLiteral("/MastersMDB/");
  ExpectMaster(folder + DatabaseVersion::Full().MasterFileName(), DatabaseVersion::Full());
  ExpectMaster(folder + DatabaseVersion::Lite().MasterFileName(), DatabaseVersion::Lite());
  EXPECT_EQ(DatabaseVersion::Lite().MasterFileName(), QStringLiteral("ZULLumaLiteV4.MMDB"));
}

TEST(MasterFile, ReplacesAnExistingFileAndCreatesTheFolder) {
  TempDir dir;
  const QString path = dir.File(QStringLiteral("masters/ZULLumaExtV4.MMDB"));
  ASSERT_TRUE(QDir().mkpath(dir.File(QStringLiteral("masters"))));
  QFile stale(path);
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write("not a database");
  stale.close();
  WriteMasterFile(path);
  ExpectMaster(path, DatabaseVersion::Full());

  const QString fresh = dir.File(QStringLiteral("nueva/carpeta/ZULLumaExtV4.MMDB"));
  WriteMasterFile(fresh);
  ExpectMaster(fresh, DatabaseVersion::Full());
}

TEST(MasterFile, FailureLeavesNoFile) {
  TempDir dir;
  // A plain file where the folder should be: nothing can be written below it.
  QFile blocker(dir.File(QStringLiteral("bloqueo")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const QString path = dir.File(QStringLiteral("bloqueo/ZULLumaExtV4.MMDB"));
  EXPECT_THROW(WriteMasterFile(path), EFileError);
  EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("bloqueo")});
}
