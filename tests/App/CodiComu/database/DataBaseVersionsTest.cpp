#include "App/CodiComu/database/DataBaseVersions.h"

#include <gtest/gtest.h>

#include <QDir>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/Progress.h"
#include "App/CodiComu/TSplash.h"
#include "App/CodiComu/database/TDataBaseFiles.h"
#include "platform/core/Exceptions.h"
#include "tests/App/CodiComu/database/DataBaseFixtures.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

using namespace DataBaseFixtures;

namespace {

const QString kProgram = QStringLiteral("ZUL Lumaresca EXT");

class DataBaseVersionsTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(files.MastersFolder));
    ASSERT_TRUE(QDir().mkpath(data));
  }
  void TearDown() override {
    // Every progress level opened was closed again.
    if (ProgressInstance()) {
      EXPECT_TRUE(ProgressInstance()->Levels().empty());
    }
    FreeProgress();
  }

  QString Data(const QString& name) const { return data + QLatin1Char('/') + name; }
  QString Message(const std::function<void()>& action) {
    try {
      action();
    } catch (const EAbort&) {
      return QStringLiteral("<abort>");
    } catch (const Exception& e) {
      return e.Message();
    }
    return QString();
  }

  TempDir dir;
  QString data = dir.File(QStringLiteral("datos"));
  TDataBaseFiles files = [this] {
    TDataBaseFiles f;
    f.MastersFolder = dir.File(QStringLiteral("MastersMDB"));
    f.MastersMask = QStringLiteral("ZULLumaExtV");
    f.DataBaseAppNameValue = kProgram;
    f.DataBaseVersion = 4;
    f.ExecutableFolder = dir.Path();
    return f;
  }();
};

}  // namespace

TEST_F(DataBaseVersionsTest, VersionRowAndMasterNameDerivedWhenNotStored) {
  MakeFile(Data(QStringLiteral("a.MDB")), VersionRow(kProgram, 3, QStringLiteral("Maestro3")));
  TDataBaseVersionInfo info = ReadVersionInfo(files, Data(QStringLiteral("a.MDB")), false);
  EXPECT_EQ(info.Name, kProgram);
  EXPECT_EQ(info.Version, 3);
  EXPECT_EQ(info.MasterFileName, QStringLiteral("Maestro3"));

  struct Case {
    const char* program;
    const char* master;
  };
  const Case cases[] = {{"zul lumaresca", "ZULLumaV2"},
                        {"ZUL-Bravesk Tundral", "ZULBraveskTundralv2"},
                        {"ZUL Lumaresca EXT", "ZULLumaExtV2"},  // this program: the masters' own rule
                        {"Otro programa", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program);
    // An old version table without the master's name.
    MakeFile(Data(QStringLiteral("b.MDB")),
             QStringLiteral("CREATE TABLE TZULVersionInfo (NombreAplicacion TEXT, NumeroVersion INTEGER); "
                            "INSERT INTO TZULVersionInfo VALUES ('%1', 2);")
                 .arg(QString::fromUtf8(c.program)));
    info = ReadVersionInfo(files, Data(QStringLiteral("b.MDB")), false);
    EXPECT_EQ(info.Version, 2);
    EXPECT_EQ(info.MasterFileName, QString::fromUtf8(c.master));
  }
}

TEST_F(DataBaseVersionsTest, DatabaseWithoutVersionTableIsRecognisedByTheVersionOneMaster) {
  const QString tables = QStringLiteral("CREATE TABLE T01Alumnos (a); CREATE TABLE T03Cursos (b);");
  const QString file = Data(QStringLiteral("Antigua.MDB"));
  // Without a version-1 master: an error, or the person is asked.
  MakeFile(file, tables);
  EXPECT_EQ(Message([&] { ReadVersionInfo(files, file, false); }), ccTranslateFmt(1436, {file}));
  {
    ScriptedDialogs::Scope dialogs;
    dialogs->Answer(dbNo);
    EXPECT_EQ(Message([&] { ReadVersionInfo(files, file, true); }), QStringLiteral("<abort>"));
    dialogs->Answer(dbYes);  // then the input box is cancelled
    EXPECT_EQ(Message([&] { ReadVersionInfo(files, file, true); }), QStringLiteral("<abort>"));
    dialogs->Answer(dbYes);
    dialogs->AnswerText(QStringLiteral("ZUL Lumaresca"));
    const TDataBaseVersionInfo asked = ReadVersionInfo(files, file, true);
    EXPECT_EQ(asked.Name, QStringLiteral("ZUL Lumaresca"));
    EXPECT_EQ(asked.Version, 1);
    EXPECT_EQ(asked.MasterFileName, QStringLiteral("ZULLumaV1"));
    ASSERT_EQ(dialogs->questions.size(), 3u);
    EXPECT_EQ(dialogs->questions[0].text, ccTranslate(1433));
    EXPECT_EQ(dialogs->questions[0].icon, TDialogIcon::Error);
  }

  MakeFile(files.MasterDataBaseFileName(1),
           tables.toLower() + VersionRow(kProgram, 1, QStringLiteral("ZULLumaExtV1")));
  const TDataBaseVersionInfo one = ReadVersionInfo(files, file, false);
  EXPECT_EQ(one.Name, kProgram);
  EXPECT_EQ(one.Version, 1);
  EXPECT_EQ(one.MasterFileName, QStringLiteral("ZULLumaExtV1"));

  MakeFile(file, tables + QStringLiteral("CREATE TABLE Extra (c);"));
  const TDataBaseVersionInfo unknown = ReadVersionInfo(files, file, true);  // nothing asked
  EXPECT_TRUE(unknown.Name.isEmpty());
  EXPECT_EQ(unknown.Version, 0);
  EXPECT_EQ(Message([&] { CheckDataBaseVersion(files, file, 4, true, true); }),
            ccTranslateFmt(1400, {file, QString(), kProgram}));
}

TEST_F(DataBaseVersionsTest, VersionCheckRefusesOtherProgramsNewerAndOlderFiles) {
  struct Case {
    const char* program;
    int version;
    bool acceptOlder;
    bool acceptNewer;
    int message;  // 0: accepted
  };
  const Case cases[] = {
      {"ZUL Lumaresca EXT", 4, false, false, 0},    {"zul lumaresca ext", 4, false, false, 0},
      {"ZUL Lumaresca EXT", 5, false, false, 1401}, {"ZUL Lumaresca EXT", 5, false, true, 0},
      {"ZUL Lumaresca EXT", 3, false, false, 1402}, {"ZUL Lumaresca EXT", 3, true, false, 0},
      {"ZUL Lumaresca LITE", 4, true, true, 1400},
  };
  const QString file = Data(QStringLiteral("Escuela.MDB"));
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + std::to_string(c.version));
    const QString program = QString::fromUtf8(c.program);
    MakeFile(file, VersionRow(program, c.version, QString()));
    QString expected;
    if (c.message == 1400) expected = ccTranslateFmt(1400, {file, program, kProgram});
    if (c.message == 1401) expected = ccTranslateFmt(1401, {file, c.version, 4});
    if (c.message == 1402) expected = ccTranslateFmt(1402, {file, c.version});
    int version = -1;
    EXPECT_EQ(Message([&] { version = CheckDataBaseVersion(files, file, 4, c.acceptOlder, c.acceptNewer); }),
              expected);
    if (c.message == 0) {
      EXPECT_EQ(version, c.version);
    }
  }
}

TEST_F(DataBaseVersionsTest, ImportQueriesRunInNameOrderOnlyForTheirPrefix) {
  const QString other = Data(QStringLiteral("Otro.MDB"));
  MakeFile(other, QStringLiteral("CREATE TABLE Origen (v); INSERT INTO Origen VALUES ('de otro archivo');"));
  const QString file = Data(QStringLiteral("Paso.MDB"));
  MakeFile(file,
           QStringLiteral("CREATE TABLE Log (n INTEGER PRIMARY KEY, v);") +
               ImportQuery(QStringLiteral("PCIMP2"), QStringLiteral("INSERT INTO Log (v) VALUES ('dos')")) +
               ImportQuery(QStringLiteral("QCIMP1"), QStringLiteral("INSERT INTO Log (v) VALUES ('ajena')")) +
               ImportQuery(QStringLiteral("pcimp1"),
                           QStringLiteral("ATTACH import_file('Otro.MDB') AS o; "
                                          "INSERT INTO Log (v) SELECT v FROM o.Origen;")) +
               ImportQuery(QStringLiteral("PX"), QStringLiteral("esto no es SQL")));
  const QString current = QDir::currentPath();
  EXPECT_EQ(RunImportQueries(file, QStringLiteral("P")), 2);
  EXPECT_EQ(QDir::currentPath(), current);
  EXPECT_EQ(Column(file, QStringLiteral("SELECT v FROM Log ORDER BY n")),
            (QStringList{QStringLiteral("de otro archivo"), QStringLiteral("dos")}));
  // The attached file was detached again: it can be removed and replaced.
  EXPECT_EQ(RunImportQueries(file, QStringLiteral("Q")), 1);
  EXPECT_EQ(RunImportQueries(file, QStringLiteral("Z")), 0);

  // A failing statement names the database and the step.
  RunSql(file,
         ImportQuery(QStringLiteral("RCIMP1"), QStringLiteral("ATTACH import_file('NoEsta.MDB') AS x")));
  const QString failure = Message([&] { RunImportQueries(file, QStringLiteral("R")); });
  EXPECT_TRUE(failure.startsWith(
      ccTranslate(1415) + QStringLiteral("\nDataBase: \"") + file + QStringLiteral("\"\nERROR: ") +
      ccTranslateFmt(1412, {QStringLiteral("RCIMP1"), 5, 5}) + QStringLiteral("\n\n")))
      << failure.toStdString();
  EXPECT_TRUE(failure.contains(QStringLiteral("No se encuentra el archivo de traspaso")))
      << failure.toStdString();
  EXPECT_FALSE(QFileInfo::exists(Data(QStringLiteral("NoEsta.MDB"))));
}

TEST_F(DataBaseVersionsTest, RemoveImportObjectsDropsPrefixedAndMarkedObjectsOnly) {
  const QString file = Data(QStringLiteral("Nueva.MDB"));
  MakeFile(file,
           QStringLiteral("CREATE TABLE T01Alumnos (a); CREATE TABLE cimpAuxiliar (a); "
                          "CREATE TABLE V4Temporal (a); CREATE TABLE V3Resto (a); CREATE TABLE TV4 (a); "
                          "CREATE VIEW V4Vista AS SELECT 1; CREATE VIEW Informe AS SELECT 1;") +
               ImportRow(kProgram, 3, QStringLiteral("ZULLumaExtV3.MDB"), QStringLiteral(" V4 ")) +
               ImportRow(QStringLiteral("ZUL Lumaresca"), 9, QStringLiteral("ZULLumaV9.MDB"), QString()) +
               ImportQuery(QStringLiteral("V4CIMP1"), QStringLiteral("SELECT 1")) +
               VersionRow(kProgram, 4, QString()));
  RemoveImportObjects(file);
  EXPECT_EQ(Column(file, QStringLiteral(
                             "SELECT name FROM sqlite_master WHERE name NOT LIKE 'sqlite%' ORDER BY name")),
            (QStringList{QStringLiteral("Informe"), QStringLiteral("T01Alumnos"), QStringLiteral("TV4"),
                         QStringLiteral("TZULVersionInfo"), QStringLiteral("V3Resto")}));
  RemoveImportObjects(file);  // nothing left to remove
}
