#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "App/lumatool/ToolCommands.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  out.setEncoding(QStringConverter::Utf8);
  err.setEncoding(QStringConverter::Utf8);
  QStringList args = app.arguments();
  args.removeFirst();
  const int status = RunTool(args, out, err);
  out.flush();
  err.flush();
  return status;
}
