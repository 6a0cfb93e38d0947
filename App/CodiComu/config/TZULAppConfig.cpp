#include "App/CodiComu/config/TZULAppConfig.h"

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/Progress.h"
#include "App/CodiComu/ResourceFile.h"
#include "App/CodiComu/TLocalization.h"
#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/TProgressScope.h"
#include "App/CodiComu/config/StartUp.h"
#include "App/CodiComu/config/TZULMenuForm.h"
#include "App/CodiComu/database/AccessConnection.h"
#include "App/CodiComu/database/DataBaseVersions.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "App/CodiComu/users/DataBaseUserRights.h"
#include "App/CodiComu/users/PasswordsConnection.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "App/CodiComu/users/TZULPasswordsZULApp.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/os/TRegistryStore.h"
#include "platform/zul/DefaultDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TTreeZUL.h"
#include "platform/zul/TZULApp.h"

#include <QFileInfo>
#include <exception>

namespace {

const QString kInit = QStringLiteral("INIT");
const QString kDefaultCompany = QStringLiteral("EmpresaPorDefecto");

std::unique_ptr<TZULAppConfig>& Instance() {
  static std::unique_ptr<TZULAppConfig> config;
  return config;
}

}  // namespace

TZULAppConfig::TZULAppConfig()
    : TableList(DefaultRightsTables()),
      m_app(std::make_unique<TZULApp>()),
      m_db(std::make_unique<TDataBaseZUL>()) {
  TZULApp::SetMain(m_app.get());
  m_app->SetDefaultDB(m_db.get());
  DefaultDataBase::Set(m_db.get());
}

TZULAppConfig::~TZULAppConfig() {
  if (DefaultDataBase::Get() == m_db.get()) DefaultDataBase::Set(nullptr);
  if (ParametrosApp().DataBase() == m_db.get()) ParametrosApp().SetDataBase(nullptr);
}

bool TZULAppConfig::Init(TZULMenuForm* menu, const QString& title, TRegisterLibrary registerLibrary,
                         int appVersion, int dataBaseVersion, const QString& dataBaseAppName) {
  m_app->CloseApp();
  ApplicationName = title;
  AppVersion = appVersion;
  m_files.DataBaseVersion = dataBaseVersion;
  m_files.DataBaseAppNameValue = dataBaseAppName;
  m_app->SetAppName(title);
  Dialogs::SetAppTitle(title);

  const QString exeFolder =
      m_files.ExecutableFolder.isEmpty() ? ExecutableFolder::Path() : m_files.ExecutableFolder;
  m_localization =
      std::make_unique<TLocalization>(title, exeFolder, QFileInfo(ExecutableFile).completeBaseName());
  m_localization->InitLocalization();

  m_menu = menu;
  SetConnectionEvents({[this] {
                         if (m_menu) m_menu->BeforeConnect();
                       },
                       [this] {
                         if (m_menu) m_menu->AfterConnect();
                       },
                       [this] {
                         if (m_menu) m_menu->CloseChildForms();
                       },
                       [this] {
                         if (m_menu) m_menu->AfterDisconnect();
                       }});
  try {
    DataBases();
    if (m_menu && !m_menu->LoadWindowSettings()) return false;
  } catch (const EAbort&) {
  } catch (const Exception& e) {
    Dialogs::Current().Notify(Dialogs::AppTitle(), ccTranslate(1591) + QStringLiteral("\n\n") + e.Message(),
                              TDialogIcon::Warning);
  }

  {
    TProgressScope progress(ccTranslate(1592), QStringLiteral("..."));
    // The application steps run whatever happened to the ones before; the last
    // error then ends Init.
    std::exception_ptr pending;
    const auto step = [&pending](int text, int percent, const std::function<void()>& body) {
      try {
        SetProgress(ccTranslate(text), percent);
        body();
      } catch (...) {
        pending = std::current_exception();
      }
    };
    step(1593, 5, [this] { StartUp::DoReadZULAppFile(*m_app, AppFileName); });
    step(1594, 10, [this] {
      if (!m_app->ZULBPLLoaded()) m_app->LoadBPL();
    });
    step(1595, 30, [this] { m_app->Tree().SetRealTree(false); });
    step(1596, 60, [this, registerLibrary] {
      if (registerLibrary) registerLibrary(m_app->Procedures());
    });
    step(1597, 80, [this] { LoadResources(AppFileName, &Parametres()); });
    if (pending) std::rethrow_exception(pending);

    SetProgress(ccTranslate(1598), 90);
    try {
      TZULDataBases& list = DataBases();
      const QString section = list.GetIniFile().ReadString(kInit, kDefaultCompany);
      ConnectDataBase(section.isEmpty() ? -1 : list.IndexOfSection(section));
    } catch (const EAbort&) {
    } catch (const Exception& e) {
      Dialogs::Current().Error(Dialogs::AppTitle(), e.Message());
    }
    StartUp::WriteStartUpRegistryValues(*m_app, ExecutableFile, AppFileName);
  }
  return StartUp::CheckZULFileValidNode(*m_app, RootNodeName);
}

void TZULAppConfig::Finish() {
  m_menu = nullptr;  // the window is going; nothing below may call it
  if (!AppFileName.isEmpty()) SaveResources(AppFileName, &Parametres());
  SetConnected(false);
  if (m_app->ZULBPLLoaded()) m_app->UnLoadBPL();
  m_app->CloseApp();
}

TZULDataBases& TZULAppConfig::DataBases() {
  if (!m_dataBases) {
    const QString base =
        m_files.ExecutableFolder.isEmpty() ? ExecutableFolder::Path() : m_files.ExecutableFolder;
    m_dataBases = std::make_unique<TZULDataBases>(IniFileName(), base);
    m_dataBases->GetIniFile();  // opened at the first access and kept open
  }
  return *m_dataBases;
}

TIniFile& TZULAppConfig::IniFile() {
  if (!m_dataBases) throw Exception(QStringLiteral("IniFile not available, not initialized ZULApplication"));
  return m_dataBases->GetIniFile();
}

TZULPasswordsZULApp& TZULAppConfig::AppPasswords() {
  if (!m_appPasswords) {
    m_appPasswords = std::make_unique<TZULPasswordsZULApp>(TRegistryStore::User(),
                                                           TRegistryStore::AppKey(ApplicationName));
    m_appPasswords->SetObjectName(ApplicationName);
  }
  return *m_appPasswords;
}

TZULPasswordsDataBase& TZULAppConfig::DataBasePasswords() {
  if (!m_dbPasswords) m_dbPasswords = std::make_unique<TZULPasswordsDataBase>();
  return *m_dbPasswords;
}

bool TZULAppConfig::IsConnected() const { return m_db->IsOpen(); }

void TZULAppConfig::SetConnected(bool connected) {
  if (connected == IsConnected()) return;
  if (!connected) {
    CloseConnection();
    return;
  }
  if (m_current.Archivo.isEmpty()) throw Exception(ccTranslate(1609));
  ConnectAccessDataBaseEx(*m_db, m_current.Archivo, m_readOnly, m_current.SystemDataBase,
                          DataBasePasswords().CurrentUser().name, DataBasePasswords().CurrentUser().password);
  InstallUserRights(*m_db, DataBasePasswords());
  if (m_events.AfterConnect) m_events.AfterConnect();
}

void TZULAppConfig::CloseConnection() {
  if (!m_db->IsOpen()) return;
  if (m_events.BeforeDisconnect) m_events.BeforeDisconnect();
  m_db->Close();
  if (m_events.AfterDisconnect) m_events.AfterDisconnect();
}

void TZULAppConfig::ConnectDataBase(int index) {
  if (index == m_currentIndex && IsConnected()) return;
  TProgressScope progress(ccTranslate(1600), ccTranslate(1601));
  CloseConnection();
  m_current = TZULDataBase();
  m_currentIndex = -1;
  m_readOnly = false;

  TZULDataBases& list = DataBases();
  if (index < 0 || index >= list.DataBaseCount()) {
    list.GetIniFile().DeleteKey(kInit, kDefaultCompany);
    list.SaveIniFile();
    return;
  }
  TZULDataBase record = list.ReadDataBase(index);

  // Only a file of this program's current version is opened; an older one is left to
  // the selection window, which offers the import.
  if (!m_files.MastersFolder.isEmpty() && !m_files.MastersMask.isEmpty()) {
    const int version = CheckDataBaseVersion(m_files, record.Archivo, m_files.DataBaseVersion, true, false);
    if (version != m_files.DataBaseVersion) throw EAbort();
  }

  TZULPasswordsDataBase& passwords = DataBasePasswords();
  passwords.SetRightsTables(TableList);
  bool needLogin = false;
  {
    TProgressScope users(QStringLiteral("Usuarios"), ccTranslate(1602));
    if (!ConnectAccessDataBaseWithPasswords(record, passwords, needLogin, true))
      throw Exception(ccTranslate(1609));
  }

  SetProgress(ccTranslate(1603), 50);
  list.GetIniFile().WriteString(kInit, kDefaultCompany, list.SectionName(index));
  list.SaveIniFile();
  m_currentIndex = index;
  m_current = record;
  passwords.SetDataBase(m_db.get());
  passwords.SetObjectName(record.Nombre);
  m_readOnly = needLogin && passwords.ReadOnly();

  if (m_events.BeforeConnect) m_events.BeforeConnect();
  ConnectAccessDataBaseEx(*m_db, record.Archivo, m_readOnly, record.SystemDataBase,
                          needLogin ? passwords.CurrentUser().name : QString(),
                          needLogin ? passwords.CurrentUser().password : QString());
  if (SchemaUpkeep) SchemaUpkeep(*m_db);
  InstallUserRights(*m_db, passwords);
  DefaultDataBase::Set(m_db.get());
  ParametrosApp().SetDataBase(m_db.get());
  ParametrosApp().NotifyParametersChanged();
  if (m_events.AfterConnect) m_events.AfterConnect();
}

void TZULAppConfig::CheckDataBaseAdministrator(const TZULDataBase& database, const QString& actionText) {
  ::CheckDataBaseAdministrator(database, actionText);
}

TZULAppConfig& AppConfig() {
  if (!Instance()) Instance() = std::make_unique<TZULAppConfig>();
  return *Instance();
}

void FreeAppConfig() { Instance().reset(); }
