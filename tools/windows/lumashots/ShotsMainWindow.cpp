// The main window: just started without a database, and with a company open and
// its students form in front.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/config/StartUp.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "App/CodiComu/windows/TFRMMenuLevel0Ext.h"
#include "App/CodiComu/windows/TZULAppPaintBackGroundForm.h"
#include "platform/core/Exceptions.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/zul/DefaultDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/windows/TZULFormView.h"
#include "rules/CurrentCentre.h"
#include "tools/windows/lumashots/ShotMainWindow.h"
#include "tools/windows/lumashots/ShotRegistry.h"

namespace {

TShotProgramFolder& Folder() {
  static TShotProgramFolder folder;
  return folder;
}

TShotWindow* Started(std::unique_ptr<QWidget>& keep) {
  return TShotWindow::StartOn(Folder(), QSize(1024, 700), keep);
}

QWidget* WithoutDataBase(std::unique_ptr<QWidget>& keep) { return Started(keep); }

QWidget* WithStudents(std::unique_ptr<QWidget>& keep) {
  TShotWindow* window = Started(keep);
  const QString path = Folder().Path();
  QDir().mkpath(QDir(path).filePath(QStringLiteral("DATADIR")));
  const QString file = QDir(path).filePath(QStringLiteral("DATADIR/Lumaresca.MDB"));
  QFile::copy(QDir(path).filePath(QStringLiteral("MastersMDB/ZULLumaExtV4.MMDB")), file);
  QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
  {
    TDataBaseZUL db;
    db.Open(file);
    db.ExecuteSQL(
        QStringLiteral("INSERT INTO T20Centros (CodigoCentroT20, NombreCentroT20, ActivoT20) "
                       "VALUES ('1', 'Academia Lumaresca Centro', True)"));
    const char* students[][4] = {{"1", "Ana", "García López", "600 111 222"},
                                 {"2", "Luis", "Martín Ruiz", "600 333 444"},
                                 {"3", "Marta", "Sánchez Gil", "600 555 666"},
                                 {"4", "Pablo", "Núñez Vidal", "600 777 888"}};
    for (const auto& s : students) {
      db.ExecuteSQL(
          QString::fromUtf8("INSERT INTO T01Alumnos (IDCentroT01, CodigoT01, NombreT01, ApellidosT01, "
                            "Telf1T01, ActivoT01) VALUES (1, %1, '%2', '%3', '%4', True)")
              .arg(QString::fromUtf8(s[0]), QString::fromUtf8(s[1]), QString::fromUtf8(s[2]),
                   QString::fromUtf8(s[3])));
    }
  }
  const int index = AppConfig().DataBases().AddDataBase({QStringLiteral("Academia Lumaresca"), -1, file, {}});
  AppConfig().ConnectDataBase(index);
  ParametrosApp().SetValue(QStringLiteral("EmpresaNombre"), QStringLiteral("Academia Lumaresca"));
  window->BackGround().ApplySettings();
  CurrentCentre::CargaCentroActual(1);
  TZULFormView* students = window->OpenNode(11780);
  if (students && students->parentWidget()) students->parentWidget()->setGeometry(12, 12, 760, 600);
  window->show();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  return window;
}

const ShotRegistration kShots{{"main-window.png", WithoutDataBase},
                              {"main-window-students.png", WithStudents}};

}  // namespace
