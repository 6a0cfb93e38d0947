// lumashots FOLDER: one PNG per window of the shell, each filled with sample data on
// a scratch company database. Run on the offscreen platform it needs no display.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>
#include <functional>
#include <memory>

#include "App/CodiComu/CompanyData.h"
#include "App/CodiComu/Progress.h"
#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/TSplash.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TDataBaseZUL.h"
#include "rules/schema/MasterDatabase.h"
#include "tools/windows/lumashots/ShotRegistry.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList args = app.arguments();
  if (args.size() != 2) {
    err << "lumashots FOLDER\n";
    return 2;
  }
  const QDir folder(args.at(1));
  if (!QDir().mkpath(folder.absolutePath())) {
    err << folder.absolutePath() << ": ERROR\n";
    return 1;
  }
  QTemporaryDir scratch;
  TDataBaseZUL db;
  try {
    db.Create(scratch.filePath(QStringLiteral("muestra.mdb")));
    CreateSchema(db);
    ParametrosApp().SetDataBase(&db);
    RegisterCompanyDeclarations();
    ParametrosApp().NotifyParametersChanged();
  } catch (const Exception& e) {
    err << e.Message() << '\n';
    return 1;
  }

  int status = 0;
  QTextStream out(stdout);
  for (const Shot& shot : Shots()) {
    const QString path = folder.absoluteFilePath(QString::fromLatin1(shot.file));
    try {
      std::unique_ptr<QWidget> keep;
      QWidget* window = shot.make(keep);
      window->show();
      window->adjustSize();
      QApplication::processEvents();
      if (!window->grab().save(path, "PNG")) {
        throw Exception(path + QStringLiteral(": ERROR"));
      }
      out << path << '\n';
    } catch (const Exception& e) {
      err << e.Message() << '\n';
      status = 1;
    }
    while (ProgressInstance() != nullptr && !ProgressInstance()->Levels().empty()) {
      EndProgress();
    }
  }
  FreeProgress();
  UnregisterCompanyDeclarations();
  ParametrosApp().SetDataBase(nullptr);
  return status;
}
