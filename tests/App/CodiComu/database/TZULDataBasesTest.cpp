#include "App/CodiComu/database/TZULDataBases.h"

#include <gtest/gtest.h>

#include <QDir>

#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"
#include "platform/os/ExecutableFolder.h"
#include "tests/support/TempDir.h"

namespace {

struct PathCase {
  const char* base;
  const char* path;
  const char* stored;
};

// Folders that do not exist all lie on the root's file system.
constexpr PathCase kPathCases[] = {
    {"/luma/Programa/Bin", "/luma/Datos/Escuela.MDB", "../../Datos/Escuela.MDB"},
    {"/luma/Programa/Bin", "/luma/Programa/Bin/Escuela.MDB", "./Escuela.MDB"},
    {"/luma/Programa/Bin/", "/luma/Programa/Bin/DATADIR/Escuela.MDB", "./DATADIR/Escuela.MDB"},
    {"/luma/Programa/Bin", "/luma/Programa/Otra/Escuela.MDB", "../Otra/Escuela.MDB"},
    {"/luma/Programa/Bin", "/luma/Programa/bin/Escuela.MDB", "../bin/Escuela.MDB"},  // names keep their case
    {"/luma/Programa/Bin", "/datos/Escuela.MDB", "/datos/Escuela.MDB"},              // only "/" in common
    {"/luma/Programa/Bin", "", ""},
    {"/luma/Programa/Bin", "./ya/Relativa.MDB", "./ya/Relativa.MDB"},
};

QString Text(const char* text) { return QString::fromUtf8(text); }

TZULDataBase Database(const QString& name, const QString& file, int version = -1) {
  return TZULDataBase{name, version, file, QString()};
}

}  // namespace

TEST(DataBasePathsTest, PathsAreStoredRelativeWhenTheyCanBe) {
  const QString current = QDir::currentPath();
  for (const PathCase& c : kPathCases) {
    SCOPED_TRACE(std::string(c.base) + " " + c.path);
    EXPECT_EQ(MakeRelativePath(Text(c.base), Text(c.path)), Text(c.stored));
    const QString expanded = ExpandRelativePath(Text(c.base), Text(c.stored));
    EXPECT_EQ(expanded, Text(c.path).startsWith(QLatin1Char('.'))
                            ? QDir::cleanPath(Text(c.base) + QLatin1Char('/') + Text(c.path))
                            : Text(c.path));
  }
  EXPECT_EQ(QDir::currentPath(), current);
}

TEST(DataBasePathsTest, EmptyBaseMeansTheExecutableFolder) {
  ExecutableFolder::Override(QStringLiteral("/luma/Programa/Bin"));
  EXPECT_EQ(MakeRelativePath(QString(), QStringLiteral("/luma/Datos/a.MDB")),
            QStringLiteral("../../Datos/a.MDB"));
  EXPECT_EQ(ExpandRelativePath(QString(), QStringLiteral("../../Datos/a.MDB")),
            QStringLiteral("/luma/Datos/a.MDB"));
  ExecutableFolder::Override(QString());
}

class TZULDataBasesTest : public ::testing::Test {
protected:
  TempDir dir;
  QString ini = dir.File(QStringLiteral("Programa.INI"));
  QString bin = dir.File(QStringLiteral("bin"));
};

TEST_F(TZULDataBasesTest, ListKeepsOrderFillsGapsAndSavesEveryChange) {
  {
    TIniFile file(ini);
    file.WriteString(QStringLiteral("BASES_DE_DATOS"), QStringLiteral("BDEmpresa1"), QStringLiteral("Uno"));
    file.WriteString(QStringLiteral("BASES_DE_DATOS"), QStringLiteral("BDEmpresa3"), QStringLiteral("Tres"));
    file.WriteString(QStringLiteral("BDEmpresa1"), QStringLiteral("Nombre"), QStringLiteral("Uno"));
    file.WriteString(QStringLiteral("BDEmpresa1"), QStringLiteral("Archivo"), QStringLiteral("./Uno.MDB"));
    // A section left behind by hand, without its list key.
    file.WriteString(QStringLiteral("BDEmpresa2"), QStringLiteral("Nombre"), QStringLiteral("Viejo"));
    file.WriteString(QStringLiteral("BDEmpresa2"), QStringLiteral("Extra"), QStringLiteral("1"));
    file.Save();
  }
  TZULDataBases list(ini, bin);
  ASSERT_EQ(list.DataBaseCount(), 2);
  EXPECT_EQ(list.ReadDataBase(0),
            (TZULDataBase{QStringLiteral("Uno"), 0, bin + QStringLiteral("/Uno.MDB"), QString()}));

  const TZULDataBase added{QStringLiteral("Escuela"), -1, dir.File(QStringLiteral("datos/Escuela.MDB")),
                           dir.File(QStringLiteral("datos/Escuela.mdw"))};
  EXPECT_EQ(list.AddDataBase(added), 2);
  EXPECT_EQ(list.SectionName(2), QStringLiteral("BDEmpresa2"));
  EXPECT_EQ(list.IndexOfSection(QStringLiteral("bdempresa3")), 1);
  EXPECT_EQ(list.IndexOfSection(QStringLiteral("BDEmpresa9")), -1);

  // What is on disk now, read by someone else.
  TIniFile saved(ini);
  EXPECT_EQ(saved.ReadString(QStringLiteral("BDEmpresa2"), QStringLiteral("Archivo")),
            QStringLiteral("../datos/Escuela.MDB"));
  EXPECT_EQ(saved.ReadString(QStringLiteral("BDEmpresa2"), QStringLiteral("SystemDataBase")),
            QStringLiteral("../datos/Escuela.mdw"));
  EXPECT_EQ(saved.ReadInteger(QStringLiteral("BDEmpresa2"), QStringLiteral("Version")), -1);
  EXPECT_FALSE(saved.ValueExists(QStringLiteral("BDEmpresa2"), QStringLiteral("Extra")));
  EXPECT_EQ(TZULDataBases(ini, bin).ReadDataBase(2), added);

  TZULDataBase changed = added;
  changed.Version = 4;
  list.WriteDataBaseAt(2, changed);
  list.DeleteDataBase(0);
  TZULDataBases reread(ini, bin);
  ASSERT_EQ(reread.DataBaseCount(), 2);
  EXPECT_EQ(reread.SectionName(0), QStringLiteral("BDEmpresa3"));
  EXPECT_EQ(reread.ReadDataBase(1), changed);
  EXPECT_FALSE(reread.GetIniFile().SectionExists(QStringLiteral("BDEmpresa1")));
}

TEST_F(TZULDataBasesTest, IndexOutOfRangeAndRefusedValuesChangeNothing) {
  TZULDataBases list(ini, bin);
  EXPECT_EQ(list.DataBaseCount(), 0);
  EXPECT_EQ(list.AddDataBase(Database(QStringLiteral("Uno"), dir.File(QStringLiteral("Uno.MDB")))), 0);
  for (int index : {-1, 1}) {
    try {
      list.SectionName(index);
      ADD_FAILURE() << "no error for " << index;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), QString::fromUtf8("No existe la sección índice ") + QString::number(index));
    }
  }
  EXPECT_THROW(list.ReadDataBase(1), Exception);
  EXPECT_THROW(list.DeleteDataBase(-1), Exception);

  // A name the file cannot hold is refused as a whole, in memory and on disk.
  const QString before = list.GetIniFile().ToText();
  EXPECT_THROW(
      list.WriteDataBaseAt(0, Database(QStringLiteral("Dos\nlíneas"), dir.File(QStringLiteral("Dos.MDB")))),
      EIniFileError);
  EXPECT_THROW(list.AddDataBase(Database(QStringLiteral("Otra\nmás"), dir.File(QStringLiteral("Otra.MDB")))),
               EIniFileError);
  EXPECT_EQ(list.GetIniFile().ToText(), before);
  EXPECT_EQ(TIniFile(ini).ToText(), before);
}
