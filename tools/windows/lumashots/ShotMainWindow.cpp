#include "tools/windows/lumashots/ShotMainWindow.h"

#include <QDialog>
#include <QDir>
#include <QFile>

#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/config/StartUp.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "platform/core/Exceptions.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/zul/DefaultDataBase.h"

TShotProgramFolder::TShotProgramFolder() {
  const QString bin = ExecutableFolder::Path();
  QDir().mkpath(m_folder.filePath(QStringLiteral("MastersMDB")));
  QDir().mkpath(m_folder.filePath(QStringLiteral("DATADIR")));
  QFile::copy(bin + QStringLiteral("/MastersMDB/ZULLumaExtV4.MMDB"), Master());
  QFile::copy(bin + QStringLiteral("/ZULLumaresca2014EXT.ZUL"),
              m_folder.filePath(QStringLiteral("ZULLumaresca2014EXT.ZUL")));
}

QString TShotProgramFolder::Master() const {
  return m_folder.filePath(QStringLiteral("MastersMDB/ZULLumaExtV4.MMDB"));
}

TShotWindow::TShotWindow(QSize minimum)
    : m_parameters(ParametrosApp().DataBase()), m_default(DefaultDataBase::Get()) {
  SetModalRunner([](QDialog&) { return 0; });
  setMinimumSize(minimum);
}

TShotWindow::~TShotWindow() {
  Shutdown();
  if (AppConfig().IsConnected()) AppConfig().SetConnected(false);
  ParametrosApp().SetDataBase(m_parameters);
  DefaultDataBase::Set(m_default);
  ExecutableFolder::Override(QString());
}

TShotWindow* TShotWindow::StartOn(const TShotProgramFolder& folder, QSize minimum,
                                  std::unique_ptr<QWidget>& keep) {
  const QString path = folder.Path();
  auto window = std::make_unique<TShotWindow>(minimum);
  ExecutableFolder::Override(path);
  StartUp::ConfigureFullEdition(AppConfig(), path);
  AppConfig().ExecutableFile = QDir(path).filePath(QStringLiteral("lumapro"));
  if (!window->Start()) throw Exception(QStringLiteral("la ventana principal no arranca"));
  window->EnsureFirstActivation();
  TShotWindow* shown = window.get();
  keep = std::move(window);
  return shown;
}
