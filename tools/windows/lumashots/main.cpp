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
#include "App/CodiComu/windows/TAppImages.h"
#include "App/CodiComu/windows/TCCFRMConfDatosEmpresa.h"
#include "App/CodiComu/windows/TCCFRMConfMenuLevel0Ext.h"
#include "App/CodiComu/windows/TCCFRMConfMoneda.h"
#include "App/CodiComu/windows/TCCFRMSplash.h"
#include "App/CodiComu/windows/TZULAppPaintBackGround.h"
#include "App/CodiComu/windows/TccFRMAsistenteMDI.h"
#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"
#include "platform/zul/TDataBaseZUL.h"
#include "rules/schema/MasterDatabase.h"

namespace {

struct Shot {
  const char* file;
  // Returns the window to grab; `keep` holds whatever must live until the grab.
  std::function<QWidget*(std::unique_ptr<QWidget>& keep)> make;
};

QWidget* Splash(std::unique_ptr<QWidget>&) {
  RegisterSplashWindow();
  BeginProgress(QStringLiteral("Facturar"), QStringLiteral("(12/40) Alumno: Marta Ruiz Pardo"), true, 30);
  BeginProgress(QString(), QStringLiteral("Conceptos de cobro de la clase"), false, 0, false);
  BeginProgress(QString(), QString::fromUtf8("Líneas de la factura"), false, 80);
  return dynamic_cast<TCCFRMSplash*>(ProgressInstance()->View());
}

QWidget* Currency(std::unique_ptr<QWidget>& keep) {
  keep = std::make_unique<TCCFRMConfMoneda>();
  return keep.get();
}

QWidget* Company(std::unique_ptr<QWidget>& keep) {
  TParametrosApp& params = ParametrosApp();
  params.SetValue(QStringLiteral("EmpresaNombre"), QStringLiteral("Academia Lumaresca"));
  params.SetValue(QStringLiteral("EmpresaDireccion"), QString::fromUtf8("Calle Mayor, 12, 1º"));
  params.SetValue(QStringLiteral("EmpresaPoblacion"), QStringLiteral("Zaragoza"));
  params.SetValue(QStringLiteral("EmpresaCP"), QStringLiteral("50001"));
  params.SetValue(QStringLiteral("EmpresaCIF"), QStringLiteral("B12345674"));
  params.SetValue(QStringLiteral("EmpresaTelefonos"), QStringLiteral("976 000 111 / 976 000 112"));
  params.SetValue(QStringLiteral("EmpresaLogo"), QStringLiteral("/srv/lumaresca/logo.png"));
  params.SetValue(QStringLiteral("EmpresaInfRM"), QStringLiteral("R.M. Zaragoza, tomo 1000, folio 10"));
  params.SetValue(QStringLiteral("EmpresaNISS"), QStringLiteral("50/1234567/89"));
  keep = std::make_unique<TCCFRMConfDatosEmpresa>();
  return keep.get();
}

// The assistant over the background the painter draws for the sample company.
QWidget* StyleAssistant(std::unique_ptr<QWidget>& keep) {
  static TIniFile ini;  // in memory only
  const QString name = QStringLiteral("Lumaresca Escuelas");
  TZULAppPaintBackGround painter(name, AppImages());
  painter.ApplySettings();
  keep =
      std::make_unique<TccFRMAsistenteMDI>(ini, name, painter.Render(TZULAppPaintBackGround::kPreviewSize));
  return keep.get();
}

// The main-window settings with the sample company's title, in multiple-window style.
QWidget* MainWindowSettingsDialog(std::unique_ptr<QWidget>& keep) {
  static TIniFile ini;  // in memory only
  static const TCompanyLook company{QStringLiteral("Academia Lumaresca"), QString()};
  keep = std::make_unique<TCCFRMConfMenuLevel0Ext>(Parametres(), ini, &company,
                                                   QStringLiteral("Lumaresca Escuelas"), true, true);
  return keep.get();
}

const Shot kShots[] = {
    {"TCCFRMSplash.png", Splash},
    {"TCCFRMConfMoneda.png", Currency},
    {"TCCFRMConfDatosEmpresa.png", Company},
    {"TccFRMAsistenteMDI.png", StyleAssistant},
    {"TCCFRMConfMenuLevel0Ext.png", MainWindowSettingsDialog},
};

}  // namespace

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
  for (const Shot& shot : kShots) {
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
