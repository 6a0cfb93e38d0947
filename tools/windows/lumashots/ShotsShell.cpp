// The shell windows: progress, currency, company data, main-window appearance.
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
#include "App/CodiComu/windows/TZULAppPaintBackGroundForm.h"
#include "App/CodiComu/windows/TccFRMAsistenteMDI.h"
#include "platform/core/IniFile.h"

#include <QMdiArea>
#include "tools/windows/lumashots/ShotRegistry.h"

namespace {

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

// The main window's multiple-window area with the background of the sample company.
QWidget* MainBackground(std::unique_ptr<QWidget>& keep) {
  auto area = std::make_unique<QMdiArea>();
  area->setMinimumSize(1024, 700);
  auto* form = new TZULAppPaintBackGroundForm(QStringLiteral("Lumaresca Escuelas"), AppImages(), area.get());
  form->AttachTo(area.get());
  form->ApplySettings();
  keep = std::move(area);
  return keep.get();
}

const ShotRegistration kShellShots{
    {"TCCFRMSplash.png", Splash},
    {"TCCFRMConfMoneda.png", Currency},
    {"TCCFRMConfDatosEmpresa.png", Company},
    {"TccFRMAsistenteMDI.png", StyleAssistant},
    {"TCCFRMConfMenuLevel0Ext.png", MainWindowSettingsDialog},
    {"TZULAppPaintBackGroundForm.png", MainBackground},
};

}  // namespace
