#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/Progress.h"
#include "App/CodiComu/TSplash.h"
#include "App/CodiComu/database/DataBaseVersions.h"
#include "App/CodiComu/database/TDataBaseFiles.h"
#include "platform/core/Exceptions.h"
#include "tests/App/CodiComu/database/DataBaseFixtures.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

using namespace DataBaseFixtures;

namespace {

const QString kProgram = QStringLiteral("ZUL Lumaresca EXT");

// Three versions of a students table: v2 has one name field, v3 splits it, v4 adds
// an e-mail. Master 3 imports from v2, master 4 (the current one) from v3.
class ImportDataBaseTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(files.MastersFolder));
    ASSERT_TRUE(QDir().mkpath(data));
    MakeFile(source, VersionRow(kProgram, 2, QStringLiteral("ZULLumaExtV2")) +
                         QStringLiteral("CREATE TABLE Alumnos (Id INTEGER PRIMARY KEY, NombreCompleto TEXT);"
                                        "INSERT INTO Alumnos VALUES (1, 'Ana Ruiz'), (2, 'Luis Gil');"));
    MakeFile(
        Master(3),
        VersionRow(kProgram, 3, QStringLiteral("ZULLumaExtV3")) +
            QStringLiteral("CREATE TABLE Alumnos (Id INTEGER PRIMARY KEY, Nombre TEXT, Apellidos TEXT);") +
            ImportRow(kProgram, 2, QStringLiteral("ZULLumaExtV2.MDB"), QStringLiteral("V3")) +
            // Listed out of order: the second needs the rows of the first.
            ImportQuery(
                QStringLiteral("V3CIMP02"),
                QStringLiteral("UPDATE Alumnos SET Apellidos = substr(Nombre, instr(Nombre, ' ') + 1), "
                               "Nombre = substr(Nombre, 1, instr(Nombre, ' ') - 1)")) +
            ImportQuery(QStringLiteral("v3cimp01"),
                        QStringLiteral("ATTACH import_file('ZULLumaExtV2.MDB') AS origen; "
                                       "INSERT INTO Alumnos (Id, Nombre) SELECT Id, NombreCompleto FROM "
                                       "origen.Alumnos; DETACH origen;")) +
            ImportQuery(QStringLiteral("V4CIMP01"), QStringLiteral("no es de este paso")));
    MakeFile(Master(4),
             VersionRow(kProgram, 4, QStringLiteral("ZULLumaExtV4")) +
                 QStringLiteral("CREATE TABLE Alumnos (Id INTEGER PRIMARY KEY, Nombre TEXT, Apellidos "
                                "TEXT, Email TEXT);") +
                 ImportRow(kProgram, 3, QStringLiteral("ZULLumaExtV3.MDB"), QStringLiteral("V4")) +
                 ImportQuery(QStringLiteral("V4CIMP01"), QStringLiteral(R"(
                              ATTACH import_file('ZULLumaExtV3.MDB') AS v3;
                              INSERT INTO Alumnos (Id, Nombre, Apellidos, Email)
                                SELECT Id, Nombre, Apellidos, lower(Nombre) || '@escuela.es' FROM v3.Alumnos;)")));
  }
  void TearDown() override {
    if (ProgressInstance()) {
      EXPECT_TRUE(ProgressInstance()->Levels().empty());
    }
    FreeProgress();
  }

  QString Master(int version) const {
    return files.MastersFolder + QStringLiteral("/ZULLumaExtV%1.MMDB").arg(version);
  }
  QStringList TempFiles() const { return QDir(files.TempFolder()).entryList(QDir::Files | QDir::Hidden); }

  // Runs the import expecting it to fail; checks that nothing is left behind.
  QString Failure(bool destinationWasThere = false) {
    ScriptedDialogs::Scope dialogs;
    QString message;
    try {
      ImportDataBase(files, source, destination);
      ADD_FAILURE() << "the import did not fail";
    } catch (const Exception& e) {
      message = e.Message();
    }
    EXPECT_TRUE(message.startsWith(ccTranslateFmt(1420, {source, destination}) + QStringLiteral("\n\n")))
        << message.toStdString();
    EXPECT_EQ(QFileInfo::exists(destination), destinationWasThere);
    EXPECT_TRUE(TempFiles().isEmpty()) << TempFiles().join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(dialogs->notices.isEmpty());
    return message.mid(ccTranslateFmt(1420, {source, destination}).size() + 2);
  }

  TempDir dir;
  QString data = dir.File(QStringLiteral("datos"));
  QString source = data + QStringLiteral("/Escuela2.MDB");
  QString destination = data + QStringLiteral("/Nueva.MDB");
  TDataBaseFiles files = [this] {
    TDataBaseFiles f;
    f.MastersFolder = dir.File(QStringLiteral("MastersMDB"));
    f.MastersMask = QStringLiteral("ZULLumaExtV");
    f.DataBaseAppNameValue = kProgram;
    f.DataBaseVersion = 4;
    f.ExecutableFolder = dir.File(QStringLiteral("bin"));
    return f;
  }();
};

}  // namespace

TEST_F(ImportDataBaseTest, ChainRunsTheOlderStepFirstAndDataArrives) {
  ScriptedDialogs::Scope dialogs;
  ImportDataBase(files, source, destination);
  EXPECT_EQ(
      Column(destination, QStringLiteral("SELECT Nombre || '|' || Apellidos || '|' || Email FROM Alumnos "
                                         "ORDER BY Id")),
      (QStringList{QStringLiteral("Ana|Ruiz|ana@escuela.es"), QStringLiteral("Luis|Gil|luis@escuela.es")}));
  EXPECT_EQ(Column(destination, QStringLiteral("SELECT NumeroVersion FROM TZULVersionInfo")),
            QStringList{QStringLiteral("4")});
  EXPECT_EQ(dialogs->notices, QStringList{ccTranslateFmt(1442, {3})});
  EXPECT_TRUE(TempFiles().isEmpty());
  // The source and the masters stay as they were.
  EXPECT_EQ(Column(source, QStringLiteral("SELECT count(*) FROM Alumnos")), QStringList{QStringLiteral("2")});
  EXPECT_EQ(Column(Master(3), QStringLiteral("SELECT count(*) FROM Alumnos")),
            QStringList{QStringLiteral("0")});

  // The new database is then rid of the import machinery.
  RemoveImportObjects(destination);
  EXPECT_TRUE(
      Column(destination, QStringLiteral("SELECT name FROM sqlite_master WHERE name LIKE 'TZULImport%'"))
          .isEmpty());

  // Never over an existing file.
  const QString failure = Failure(true);
  EXPECT_EQ(failure, ccTranslateFmt(1430, {files.TempFolder(), QStringLiteral("Nueva.MDB"), destination}));
}

TEST_F(ImportDataBaseTest, ChainFaultsAreReportedAndLeaveNoDestination) {
  struct Case {
    const char* name;
    std::function<void()> spoil;
    std::function<QString()> expected;  // the message after the heading
  };
  const Case cases[] = {
      {"source too new for the master",
       [&] { RunSql(Master(4), QStringLiteral("UPDATE TZULImportVersions SET NumeroVersion = 1")); },
       [&] {
         return ccTranslateFmt(1422, {kProgram, 2, 1});
       }},
      {"master without import table",
       [&] { RunSql(Master(4), QStringLiteral("DROP TABLE TZULImportVersions")); },
       [&] { return ccTranslate(1438); }},
      {"intermediate master missing", [&] { QFile::remove(Master(3)); },
       [&] { return ccTranslateFmt(1441, {Master(3)}); }},
      {"intermediate without a row for the source",
       [&] { RunSql(Master(3), QStringLiteral("UPDATE TZULImportVersions SET NombreAplicacion = 'Otro'")); },
       [&] {
         return ccTranslateFmt(1440, {files.TempFolder() + QStringLiteral("/ZULLumaExtV3.MDB"), kProgram, 2});
       }},
      {"current master missing", [&] { QFile::remove(Master(4)); },
       [&] { return ccTranslateFmt(1429, {Master(4)}); }},
      {"source of an unknown program",
       [&] {
         RunSql(source,
                QStringLiteral("UPDATE TZULVersionInfo SET NombreAplicacion = 'Otro', MasterFileName = ''"));
       },
       [&] { return ccTranslateFmt(1439, {QStringLiteral("Otro")}); }},
      {"masters folder missing", [&] { QDir(files.MastersFolder).removeRecursively(); },
       [&] { return ccTranslateFmt(1426, {files.MastersFolder}); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.spoil();
    EXPECT_EQ(Failure(), c.expected());
  }

  // A statement that fails stops the conversion with the step named.
  SetUp();
  RunSql(Master(4),
         QStringLiteral("UPDATE TZULImportQueries SET Sentencia = 'INSERT INTO NoExiste VALUES (1)'"));
  const QString failure = Failure();
  EXPECT_TRUE(failure.startsWith(ccTranslate(1415))) << failure.toStdString();
  EXPECT_TRUE(failure.contains(QStringLiteral("V4CIMP01"))) << failure.toStdString();

  // A source that is not recognised and that the person does not want to name.
  SetUp();
  RunSql(source, QStringLiteral("DROP TABLE TZULVersionInfo"));
  ScriptedDialogs::Scope dialogs;
  dialogs->Answer(dbNo);
  EXPECT_THROW(ImportDataBase(files, source, destination), EAbort);
  EXPECT_FALSE(QFileInfo::exists(destination));
  EXPECT_TRUE(TempFiles().isEmpty());
}

TEST_F(ImportDataBaseTest, ChainLongerThanTheWalkAllowsStopsInsteadOfSkippingSteps) {
  // Master 4 imports from a chain of intermediate masters P1 <- P2 <- ... <- Pn <- source.
  const auto makeChain = [&](int intermediates) {
    QDir(files.MastersFolder).removeRecursively();
    QDir().mkpath(files.MastersFolder);
    const auto stepName = [](int i) { return QStringLiteral("Paso%1").arg(i); };
    for (int i = 1; i <= intermediates; ++i) {
      const QString older = i == intermediates ? QStringLiteral("ZULLumaExtV2") : stepName(i + 1);
      MakeFile(
          files.MastersFolder + QLatin1Char('/') + stepName(i) + QStringLiteral(".MMDB"),
          VersionRow(kProgram, 3, stepName(i)) + QStringLiteral("CREATE TABLE Pasos (n);") +
              ImportRow(kProgram, 2, older + QStringLiteral(".MDB"), QStringLiteral("P")) +
              ImportQuery(QStringLiteral("PCIMP"), QStringLiteral("ATTACH import_file('%1.MDB') AS o; "
                                                                  "INSERT INTO Pasos SELECT * FROM o.Pasos; "
                                                                  "INSERT INTO Pasos VALUES (%2);")
                                                       .arg(older)
                                                       .arg(i)));
    }
    RunSql(source, QStringLiteral("CREATE TABLE Pasos (n);"));
    MakeFile(
        Master(4),
        VersionRow(kProgram, 4, QStringLiteral("ZULLumaExtV4")) + QStringLiteral("CREATE TABLE Pasos (n);") +
            ImportRow(kProgram, 2, stepName(1) + QStringLiteral(".MDB"), QStringLiteral("F")) +
            ImportQuery(QStringLiteral("FCIMP"), QStringLiteral("ATTACH import_file('Paso1.MDB') AS o; "
                                                                "INSERT INTO Pasos SELECT * FROM o.Pasos;")));
  };

  makeChain(20);
  {
    ScriptedDialogs::Scope dialogs;
    ImportDataBase(files, source, destination);
  }
  const QStringList passed = Column(destination, QStringLiteral("SELECT n FROM Pasos"));
  ASSERT_EQ(passed.size(), 20);
  EXPECT_EQ(passed.front(), QStringLiteral("20"));  // the oldest step ran first
  EXPECT_EQ(passed.back(), QStringLiteral("1"));
  QFile::remove(destination);

  SetUp();
  makeChain(21);
  const QString failure = Failure();
  EXPECT_TRUE(
      failure.startsWith(QString::fromUtf8("La cadena de archivos para importar datos del programa ")))
      << failure.toStdString();

  // A chain that comes back to one of its files stops at once.
  SetUp();
  RunSql(Master(3), QStringLiteral("UPDATE TZULImportVersions SET NombreArchivo = 'ZULLumaExtV3.MDB'"));
  EXPECT_TRUE(Failure().contains(QStringLiteral("vuelve a aparecer")));
}
