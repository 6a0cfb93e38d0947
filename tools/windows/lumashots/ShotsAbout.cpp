// The product-version window, with fixed figures so the picture does not depend on
// the machine it is taken on.
#include "App/CodiComu/windows/TCCFRMAboutApp.h"
#include "platform/os/TFileVersionInfo.h"
#include "platform/zul/ZulUtils.h"
#include "tools/windows/lumashots/ShotRegistry.h"

namespace {

QWidget* About(std::unique_ptr<QWidget>& keep) {
  TAboutAppInfo info;
  info.title = QStringLiteral("Lumaresca Escuelas");
  info.name = QStringLiteral("ZUL-Lumaresca 2014 PRO");
  info.description =
      QString::fromUtf8("Gestión de centros de enseñanza: alumnos, cursos, matrículas y facturas");
  info.fileVersion = OwnVersionInfo().FileVersion;
  info.frameworkVersion = CT_VersioZUL;
  info.memory = {true, 16314712ull * 1024, 18411860ull * 1024, 9876543ull * 1024};
  info.systemName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
  info.appFileDate = DayDate::Encode(2024, 1, 15, 9);
  info.saveCounter = 1;
  keep = std::make_unique<TCCFRMAboutApp>(info);
  return keep.get();
}

const ShotRegistration kAboutShots{
    {"TCCFRMAboutApp.png", About},
};

}  // namespace
