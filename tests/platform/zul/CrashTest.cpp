#include <QCoreApplication>
#include <QProcess>
#include <csignal>

#include "platform/zul/TSQLDataSet.h"
#include "tests/platform/zul/ZulFixture.h"

namespace {

using CrashTest = ZulFixture;

TEST_F(CrashTest, AKilledTransactionLeavesNothingBehind) {
  db.ExecuteSQL(QStringLiteral("INSERT INTO T01Alumnos (NombreT01, CodigoT01) VALUES ('antes', 1)"));
  db.Close();

  QProcess child;
  child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/txn_child"), {path});
  ASSERT_TRUE(child.waitForStarted(10000));
  QByteArray said;
  while (!said.contains("READY") && child.state() == QProcess::Running) {
    child.waitForReadyRead(30000);
    said += child.readAllStandardOutput();
  }
  ASSERT_TRUE(said.contains("READY")) << child.readAllStandardError().toStdString();
  ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
  ASSERT_TRUE(child.waitForFinished(10000));
  EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

  db.Open(path);
  auto check = db.GetTSQLDataSet(QStringLiteral("PRAGMA integrity_check"));
  check->Open();
  EXPECT_EQ(check->Fields(0).AsString(), QStringLiteral("ok"));
  auto rows = db.GetTSQLDataSet(QStringLiteral("SELECT NombreT01, CodigoT01 FROM T01Alumnos"));
  rows->Open();
  ASSERT_EQ(rows->RecordCount(), 1);
  EXPECT_EQ(rows->Fields(0).AsString(), QStringLiteral("antes"));
  EXPECT_EQ(rows->Fields(1).AsInteger(), 1);
}

}  // namespace
