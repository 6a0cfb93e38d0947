#include "tests/App/lumatool/ToolRunner.h"

#include <QProcess>

#include "tests/support/TempDir.h"

ToolResult RunLumatool(const QStringList& args) {
  QProcess p;
  p.start(BinDir() + QStringLiteral("/lumatool"), args);
  ToolResult r;
  if (!p.waitForStarted(10000) || !p.waitForFinished(60000)) {
    r.err = QStringLiteral("lumatool did not run: ") + p.errorString();
    return r;
  }
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = QString::fromUtf8(p.readAllStandardOutput());
  r.err = QString::fromUtf8(p.readAllStandardError());
  return r;
}
