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
#include "tools/windows/lumashots/ShotRegistry.h"

namespace {

// A program folder of its own with the masters and the application file of the build.
struct TProgramFolder {
  TProgramFolder() : bin(ExecutableFolder::Path()) {
    QDir().mkpath(folder.filePath(QStringLiteral("MastersMDB")));
    QFile::copy(bin + QStringLiteral("/MastersMDB/ZULLumaExtV4.MMDB"),
                folder.filePath(QStringLiteral("MastersMDB/ZULLumaExtV4.MMDB")));
    QFile::copy(bin + QStringLiteral("/ZULLumaresca2014EXT.ZUL"),
                folder.filePath(QStringLiteral("ZULLumaresca2014EXT.ZUL")));
  }
  QString bin;
  QTemporaryDir folder;
};

TProgramFolder& Folder() {
  static TProgramFolder folder;
  return folder;
}

// The window on the sample folder; what it changed for the other pictures is put
// back when it goes.
class TShotWindow : public TFRMMenuLevel0Ext {
public:
  TShotWindow() : m_parameters(ParametrosApp().DataBase()), m_default(DefaultDataBase::Get()) {
    SetModalRunner([](QDialog&) { return 0; });
    setMinimumSize(1024, 700);
  }
  ~TShotWindow() override {
    Shutdown();
    if (AppConfig().IsConnected()) AppConfig().SetConnected(false);
    ParametrosApp().SetDataBase(m_parameters);
    DefaultDataBase::Set(m_default);
    ExecutableFolder::Override(QString());
  }

private:
  TDataBaseZUL* m_parameters;
  TDataBaseZUL* m_default;
};

TShotWindow* Started(std::unique_ptr<QWidget>& keep) {
  const QString path = Folder().folder.path();
  auto window = std::make_unique<TShotWindow>();
  ExecutableFolder::Override(path);
  StartUp::ConfigureFullEdition(AppConfig(), path);
  AppConfig().ExecutableFile = QDir(path).filePath(QStringLiteral("lumapro"));
  if (!window->Start()) throw Exception(QStringLiteral("main-window: no arranca"));
  window->EnsureFirstActivation();
  TShotWindow* shown = window.get();
  keep = std::move(window);
  return shown;
}

QWidget* WithoutDataBase(std::unique_ptr<QWidget>& keep) { return Started(keep); }

QWidget* WithStudents(std::unique_ptr<QWidget>& keep) {
  TShotWindow* window = Started(keep);
  const QString path = Folder().folder.path();
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
