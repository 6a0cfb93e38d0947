#include <gtest/gtest.h>
#include <QFile>

#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TSQLDataSet.h"
#include "tests/App/lumatool/ToolRunner.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TempDir.h"

namespace {

TEST(LumatoolTest, VersionNamesProgramAndDatabaseVersion) {
  const ToolResult r = RunLumatool({QStringLiteral("version")});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.startsWith(QStringLiteral("lumatool "))) << r.out.toStdString();
  EXPECT_TRUE(r.out.contains(QStringLiteral("ZUL Lumaresca EXT"))) << r.out.toStdString();
  EXPECT_TRUE(r.out.contains(QStringLiteral("Versión de la base de datos: 4"))) << r.out.toStdString();
}

TEST(LumatoolTest, UsageErrorsExitWithTwo) {
  for (const QStringList& args :
       {QStringList{}, QStringList{QStringLiteral("nada")},
        QStringList{QStringLiteral("sql"), QStringLiteral("x.mdb")},
        QStringList{QStringLiteral("db"), QStringLiteral("drop"), QStringLiteral("x")}}) {
    const ToolResult r = RunLumatool(args);
    EXPECT_EQ(r.status, 2) << args.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Uso:")));
  }
}

TEST(LumatoolTest, CreateQueryAndChangeADatabase) {
  TempDir dir;
  const QString file = dir.File(QStringLiteral("escuela.mdb"));
  ToolResult r = RunLumatool({QStringLiteral("db"), QStringLiteral("create"), file});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  // Never over an existing file.
  r = RunLumatool({QStringLiteral("db"), QStringLiteral("create"), file});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.contains(QStringLiteral("Ya existe"))) << r.err.toStdString();

  r = RunLumatool({QStringLiteral("sql"), file,
                   QStringLiteral("INSERT INTO T20Centros (CodigoCentroT20, NombreCentroT20, ActivoT20) "
                                  "VALUES ('C1', 'Academia Ñ', TRUE)")});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QStringLiteral("1\n"));
  r = RunLumatool({QStringLiteral("sql"), file,
                   QStringLiteral("INSERT INTO T01Alumnos (IDCentroT01, NombreT01, FechaNacT01, ActivoT01) "
                                  "VALUES (1, 'Luis', 40000, TRUE)")});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  r = RunLumatool({QStringLiteral("sql"), file,
                   QStringLiteral("UPDATE T01Alumnos SET FechaMandatoT01 = 46023.5, IBANT01 = NULL")});
  EXPECT_EQ(r.out, QStringLiteral("1\n"));
  r = RunLumatool(
      {QStringLiteral("sql"), file,
       QStringLiteral("SELECT NombreCentroT20, NombreT01, ActivoT01, FechaNacT01, FechaMandatoT01, IBANT01, "
                      "15/100 AS Parte FROM T01Alumnos INNER JOIN T20Centros ON IDCentroT01 = IDCentroT20")});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QStringLiteral(
                       "NombreCentroT20\tNombreT01\tActivoT01\tFechaNacT01\tFechaMandatoT01\tIBANT01\tParte\n"
                       "Academia Ñ\tLuis\tTrue\t06/07/2009\t01/01/2026 12:00:00\tNULL\t0.15\n"));
}

TEST(LumatoolTest, FailuresGiveTheSpanishMessageAndOne) {
  TempDir dir;
  ToolResult r =
      RunLumatool({QStringLiteral("sql"), dir.File(QStringLiteral("no.mdb")), QStringLiteral("SELECT 1")});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.startsWith(QStringLiteral("No existe la base de datos"))) << r.err.toStdString();
  const QString file = dir.File(QStringLiteral("e.mdb"));
  ASSERT_EQ(RunLumatool({QStringLiteral("db"), QStringLiteral("create"), file}).status, 0);
  r = RunLumatool({QStringLiteral("sql"), file, QStringLiteral("SELECT NoExiste FROM T01Alumnos")});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.err.startsWith(QStringLiteral("Error en la instrucción SQL"))) << r.err.toStdString();
  EXPECT_TRUE(r.out.isEmpty());
}

TEST(LumatoolTest, TranslateShowsTheSqliteText) {
  const ToolResult r = RunLumatool(
      {QStringLiteral("translate"), QStringLiteral("SELECT * FROM T01Alumnos WHERE IsNull(IBANT01)")});
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.contains(QStringLiteral("IS NULL"))) << r.out.toStdString();
  EXPECT_FALSE(r.out.contains(QStringLiteral("IsNull("))) << r.out.toStdString();
}

}  // namespace

namespace {

TEST(LumatoolTest, MessagesListsTheWholeCatalogueWithTexts) {
  const ToolResult r = RunLumatool({QStringLiteral("messages")});
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  QStringList lines = r.out.split(QLatin1Char('\n'));
  if (lines.last().isEmpty()) lines.removeLast();
  int catalogue = 0;
  int exe = 0;
  for (const QString& line : lines) {
    const QStringList parts = line.split(QLatin1Char('\t'));
    ASSERT_EQ(parts.size(), 3) << line.toStdString();
    const int number = parts[0].toInt();
    EXPECT_FALSE(parts[2].isEmpty()) << line.toStdString();
    EXPECT_FALSE(parts[2].contains(QLatin1Char('\n')));
    if (number >= 1 && number <= 9999) {
      ++catalogue;
      EXPECT_TRUE(parts[1].startsWith(QStringLiteral("CC."))) << line.toStdString();
    } else {
      ++exe;
      EXPECT_EQ(parts[1], QStringLiteral("ExeStrings.") + parts[0]);
    }
  }
  EXPECT_EQ(catalogue, 211);
  EXPECT_GT(exe, 100);
  EXPECT_TRUE(lines.contains(QStringLiteral("1004\tCC.TFRMMenuLevel0Ext.database_read_only\tSOLO LECTURA")));
  // Line breaks are written as \n.
  EXPECT_TRUE(r.out.contains(QStringLiteral("ERROR EN EL NUMERO DE CUENTA\\n\\nLos DIGITOS")));
}

}  // namespace
