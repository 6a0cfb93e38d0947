#include "App/CodiComu/windows/TFRMMenuLevel0Ext.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <exception>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/TLocalization.h"
#include "App/CodiComu/config/StartUp.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "App/CodiComu/users/LoginPrompt.h"
#include "App/CodiComu/users/TZULPasswordsZULApp.h"
#include "App/CodiComu/windows/TAppImages.h"
#include "App/CodiComu/windows/TZULAppPaintBackGround.h"
#include "App/CodiComu/windows/TZULAppPaintBackGroundForm.h"
#include "App/CodiComu/windows/TccFRMAsistenteMDI.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULApp.h"
#include "platform/zul/TZULForm.h"
#include "platform/zul/windows/GuardedAction.h"
#include "platform/zul/windows/TZULFormView.h"
#include "rules/CurrentCentre.h"
#include "rules/RegisterLibrary.h"
#include "rules/RuleSeams.h"
#include "rules/SepaDataCheck.h"
#include "rules/schema/MasterDatabase.h"

namespace {

const QString kInit = QStringLiteral("INIT");
const QString kMdi = QStringLiteral("MDI");
const QString kRememberMdi = QStringLiteral("RememberMDIOption");
const QString kGeometry = QStringLiteral("MainWindowGeometry");

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// Shows an error that left a step the way the event loop would.
void ShowPending(const std::exception_ptr& pending) {
  if (pending) GuardedAction([&pending] { std::rethrow_exception(pending); });
}

}  // namespace

TFRMMenuLevel0Ext::TFRMMenuLevel0Ext(QWidget* parent)
    : QMainWindow(parent),
      m_title(Utf8(StartUp::kTitle)),
      m_background(std::make_unique<TZULAppPaintBackGroundForm>(m_title, AppImages())) {
  setObjectName(QStringLiteral("FRMMenu"));
  setWindowTitle(m_title);
  // The program's own icon, for the window and its children.
  if (!AppImages().ApplicationImage().isNull())
    setWindowIcon(QIcon(QPixmap::fromImage(AppImages().ApplicationImage())));
  resize(1024, 700);
  BuildTopBar();
  BuildMenus();
  SetMDI(true);
  UpdateActions();
  RefreshCentreLabel();
}

TFRMMenuLevel0Ext::~TFRMMenuLevel0Ext() {
  Shutdown();
  CurrentCentre::SetChangeNotification({});
  if (m_started) {
    SetFormModalShower(std::move(m_previousShower));
    RuleSeams::SetRecordPicker({});
  }
  if (TLocalization* localization = AppConfig().Localization()) localization->SetMainWindow(nullptr);
}

int TFRMMenuLevel0Ext::RunModal(QDialog& dialog) {
  if (m_runner) return m_runner(dialog);
  return dialog.exec();
}

bool TFRMMenuLevel0Ext::Start() {
  TZULAppConfig& config = AppConfig();
  TZULApp::SetMain(&config.App());
  CurrentCentre::SetChangeNotification([this] { RefreshCentreLabel(); });
  m_previousShower =
      SetFormModalShower([this](TZULForm& form, const TPickRequest&) { return ShowPicker(form); });
  // The rules pick records (report-card formats...) through the same modal form.
  RuleSeams::SetRecordPicker([](int node, int mode, const QVariant& preset) -> std::unique_ptr<TZULForm> {
    std::unique_ptr<TZULForm> form(AppConfig().App().ObreComponent(node, nullptr));
    if (!form) return nullptr;
    TSQLDataSet* dataSet = form->DataSet();
    const QString key = dataSet ? dataSet->KeyField() : QString();
    const bool locate = !Var::IsNullOrEmpty(preset) && !key.isEmpty();
    if (PickRecord(*form, mode, locate, preset, key) != mrOk) {
      form->Close();
      return nullptr;
    }
    return form;
  });
  m_started = true;

  std::exception_ptr pending;
  bool goOn = true;
  try {
    config.ApplicationName = m_title;
    config.RootNodeName = Utf8(StartUp::kRootNodeName);
    config.OpenSelectionAtStart = true;
    // Indexes declared since a company file was made are added when it is opened.
    config.SchemaUpkeep = [](TDataBaseZUL& db) { EnsureSchemaIndexes(db); };
    if (config.ExecutableFile.isEmpty()) config.ExecutableFile = QCoreApplication::applicationFilePath();
    StartUp::CarryOverEarlierConfiguration(config.AppFileName, m_title);
    const TZULAppConfig::TRegisterLibrary registerLibrary = &REGISTER_LIBRARY;
    goOn = config.Init(this, m_title, registerLibrary, StartUp::kAppVersion, StartUp::kDataBaseVersion,
                       Utf8(StartUp::kDataBaseAppName));
    config.Description = QStringLiteral("Gestión de academias y centros de enseñanza");
  } catch (...) {
    pending = std::current_exception();
  }
  if (!goOn) return false;
  // The menus, the messages and the translation whatever happened before.
  try {
    InitMenus();
  } catch (...) {
    if (!pending) pending = std::current_exception();
  }
  try {
    RegisterExeStrings(ExeStringsTable());
    if (TLocalization* localization = config.Localization()) {
      localization->SetMainWindow(this);
      localization->TranslateForm(this);
    }
  } catch (...) {
    if (!pending) pending = std::current_exception();
  }
  UpdateActions();
  UpdateCaption();
  RefreshCentreLabel();
  GuardedAction([this] { RestoreWindowGeometry(); });
  ShowPending(pending);
  return true;
}

// The main window's place and size, kept in the INI file between sessions.
void TFRMMenuLevel0Ext::RestoreWindowGeometry() {
  const QString saved = AppConfig().IniFile().ReadString(kInit, kGeometry, QString());
  m_geometryRestored = !saved.isEmpty() && restoreGeometry(QByteArray::fromBase64(saved.toLatin1()));
}

void TFRMMenuLevel0Ext::StoreWindowGeometry() {
  AppConfig().IniFile().WriteString(kInit, kGeometry, QString::fromLatin1(saveGeometry().toBase64()));
  AppConfig().DataBases().SaveIniFile();
}

void TFRMMenuLevel0Ext::ShowAsLastTime() {
  if (m_geometryRestored) {
    show();
  } else {
    showMaximized();
  }
}

bool TFRMMenuLevel0Ext::LoadWindowSettings() {
  TIniFile& ini = AppConfig().IniFile();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (AllowsMDI() && screen && screen->geometry().width() >= 1024 &&
      !ini.ReadBool(kInit, kRememberMdi, false)) {
    TccFRMAsistenteMDI assistant(ini, m_title, AppImages().Background(), this);
    RunModal(assistant);
    AppConfig().DataBases().SaveIniFile();
  }
  if (ini.ValueExists(kInit, kMdi)) SetMDI(ini.ReadBool(kInit, kMdi, true));
  TZULPasswordsZULApp& users = AppConfig().AppPasswords();
  if (users.RequireLogin() && !ShowLoginPrompt(users)) return false;
  return true;
}

bool TFRMMenuLevel0Ext::event(QEvent* event) {
  if (event->type() == QEvent::Show) m_shownOnce = true;
  if (event->type() == QEvent::WindowActivate && !m_activated) {
    m_activated = true;
    QTimer::singleShot(0, this, [this] { EnsureFirstActivation(); });
  }
  return QMainWindow::event(event);
}

void TFRMMenuLevel0Ext::EnsureFirstActivation() {
  if (m_firstActivationDone) return;
  m_firstActivationDone = true;
  FirstActivation();
  emit FirstActivationFinished();
}

void TFRMMenuLevel0Ext::FirstActivation() {
  GuardedAction([this] { AfterFirstActivation(); });
  TZULAppConfig& config = AppConfig();
  if (!config.IsConnected() && config.OpenSelectionAtStart) GuardedAction([this] { SelectDataBase(); });
}

void TFRMMenuLevel0Ext::AfterFirstActivation() { RefreshCentreLabel(); }

void TFRMMenuLevel0Ext::closeEvent(QCloseEvent* event) {
  if (!m_shutDown && !Dialogs::AskYesNo(ccTranslateFmt(1002, {m_title}), TDialogIcon::Question, dbNo)) {
    event->ignore();
    return;
  }
  Shutdown();
  event->accept();
}

void TFRMMenuLevel0Ext::Shutdown() {
  if (m_shutDown) return;
  m_shutDown = true;
  GuardedAction([this] { CloseChildForms(nullptr); });
  if (!m_started) return;
  if (m_shownOnce) GuardedAction([this] { StoreWindowGeometry(); });
  GuardedAction([] { MainWindowSettings::StoreWithDefaults(Parametres(), AppImages()); });
  GuardedAction([] { AppConfig().Finish(); });
}

// The connection events.

void TFRMMenuLevel0Ext::AfterConnect() {
  MainWindowSettings::StoreWithDefaults(Parametres(), AppImages());
  m_background->ApplySettings();
  UpdateCaption();
  UpdateActions();
  // The bank data of a database not converted yet is checked once; declining it
  // leaves it for the next connection.
  GuardedAction([this] {
    if (SepaDataCheck::IsSepaCheckDue(AppConfig().DataBase()) && !CheckSepaData()) QApplication::beep();
  });
  CurrentCentre::RecargaCentroActual();
}

void TFRMMenuLevel0Ext::AfterDisconnect() {
  m_background->ApplySettings();
  UpdateCaption();
  UpdateActions();
  RefreshCentreLabel();
}

void TFRMMenuLevel0Ext::UpdateCaption() {
  TZULAppConfig& config = AppConfig();
  if (!config.IsConnected()) {
    setWindowTitle(m_title);
    return;
  }
  QString caption = m_title + QStringLiteral(" \"") + config.CurrentDataBase().Nombre + QLatin1Char('"');
  if (config.ReadOnly()) caption += QLatin1Char(' ') + ccTranslate(1004);
  setWindowTitle(caption);
}

void TFRMMenuLevel0Ext::RefreshCentreLabel() {
  if (!m_centreLabel) return;
  const TParametres& prm = Parametres();
  if (AppConfig().IsConnected() && prm.AsInteger(QStringLiteral("PRMIDCentroActual"), 0) > 0) {
    m_centreLabel->setText(QLatin1Char('(') + prm.AsString(QStringLiteral("PRMCodigoCentroActual")) +
                           QStringLiteral(") - ") + prm.AsString(QStringLiteral("PRMNombreCentroActual")));
    m_centreLabel->setStyleSheet(
        QStringLiteral("QLabel { color: navy; background: #dedede; padding: 2px 6px; }"));
  } else {
    m_centreLabel->setText(QStringLiteral("SIN CENTRO PREDETERMINADO"));
    m_centreLabel->setStyleSheet(
        QStringLiteral("QLabel { color: red; background: #dedede; padding: 2px 6px; }"));
  }
}

// Window style and child forms.

QMdiArea* TFRMMenuLevel0Ext::MdiArea() const { return qobject_cast<QMdiArea*>(m_client.data()); }

void TFRMMenuLevel0Ext::SetMDI(bool on) {
  on = on && AllowsMDI();
  if (m_client && on == m_mdi) return;
  CloseChildForms(nullptr);
  m_mdi = on;
  QWidget* client = nullptr;
  if (m_mdi) {
    auto* area = new QMdiArea(this);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    client = area;
  } else {
    client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  client->setObjectName(QStringLiteral("ZULClient"));
  m_background->AttachTo(client);
  setCentralWidget(client);  // the previous client goes
  m_client = client;
  if (m_window) m_window->menuAction()->setVisible(m_mdi);
  try {
    TIniFile& ini = AppConfig().IniFile();
    ini.WriteBool(kInit, kMdi, m_mdi);
    AppConfig().DataBases().SaveIniFile();
  } catch (const Exception&) {
    // Before the INI file is open (the window's creation) there is nothing to write.
  }
}

std::vector<TZULFormView*> TFRMMenuLevel0Ext::ChildForms() const {
  std::vector<TZULFormView*> views;
  for (const QPointer<TZULFormView>& view : m_views) {
    if (view) views.push_back(view);
  }
  return views;
}

TZULFormView* TFRMMenuLevel0Ext::OpenNode(int node) {
  try {
    QMdiArea* area = MdiArea();
    if (area) {
      for (TZULFormView* view : ChildForms()) {
        if (view->Form() && view->Form()->Node() == node && !view->isHidden()) {
          if (auto* sub = qobject_cast<QMdiSubWindow*>(view->parentWidget())) area->setActiveSubWindow(sub);
          return view;
        }
      }
    }
    std::unique_ptr<TZULForm> form(AppConfig().App().ObreComponent(node, nullptr));
    if (!form) return nullptr;
    if (form->ToolWindow()) {
      CloseChildForms(nullptr);
      ShowToolWindow(*form);
      form->Close();
      return nullptr;
    }
    auto* view = new TZULFormView(form.get());
    form.release()->setParent(view);  // the view owns its form
    if (!area) {
      CloseChildForms(view);
      m_client->layout()->addWidget(view);
      m_views.push_back(view);
      view->show();
      ChildFormShown(view, false, 0);
      view->setFocus();
      return view;
    }
    QMdiSubWindow* sub = area->addSubWindow(view);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(view->windowTitle());
    sub->setWindowIcon(windowIcon());
    m_views.push_back(view);
    sub->show();
    int visible = 0;
    for (QMdiSubWindow* window : area->subWindowList()) {
      if (window->isVisible() && !window->isMinimized()) ++visible;
    }
    ChildFormShown(view, true, visible);
    if (AppConfig().IsConnected() &&
        Parametres().AsBoolean(QStringLiteral("PRMMDIAlinearAutomatico"), false) && visible >= 2 &&
        visible <= 4)
      area->tileSubWindows();
    return view;
  } catch (const Exception& e) {
    throw Exception(QStringLiteral("Error al abrir formulario:\n") + e.Message());
  }
}

void TFRMMenuLevel0Ext::ChildFormShown(TZULFormView*, bool, int) {}

void TFRMMenuLevel0Ext::CloseView(TZULFormView* view) {
  QWidget* holder = qobject_cast<QMdiSubWindow*>(view->parentWidget());
  if (!holder) holder = view;
  // A person who keeps the record's changes cannot keep the form: the database
  // it reads is going away or another form takes its place.
  if (!view->close()) {
    view->CancelEdits(view->Form() ? view->Form()->DataSet() : nullptr);
    if (TZULForm* form = view->Form()) form->Close();
  }
  delete holder;
}

void TFRMMenuLevel0Ext::CloseChildForms(TZULFormView* except) {
  try {
    for (TZULFormView* view : ChildForms()) {
      if (view != except) CloseView(view);
    }
  } catch (const Exception& e) {
    throw Exception(e.Message() + QStringLiteral("\nError eliminando formularios guardados"));
  }
  std::erase_if(m_views, [](const QPointer<TZULFormView>& view) { return view.isNull(); });
}

namespace {

// A data form alone in a dialog, with a row of buttons under it.
TZULFormView* FormInDialog(QDialog& dialog, TZULForm& form, QDialogButtonBox*& buttons) {
  dialog.setWindowTitle(form.Caption());
  auto* layout = new QVBoxLayout(&dialog);
  auto* view = new TZULFormView(&form, &dialog);
  layout->addWidget(view, 1);
  buttons = new QDialogButtonBox(&dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.resize(800, 560);
  return view;
}

}  // namespace

void TFRMMenuLevel0Ext::ShowToolWindow(TZULForm& form) {
  QDialog dialog(this);
  dialog.setObjectName(QStringLiteral("ZULToolWindow"));
  QDialogButtonBox* buttons = nullptr;
  TZULFormView* view = FormInDialog(dialog, form, buttons);
  buttons->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
  RunModal(dialog);
  // The record's changes are asked about as a child form's are; the window is gone
  // either way, so keeping them is not on offer.
  if (!view->close()) view->CancelEdits(form.DataSet());
}

int TFRMMenuLevel0Ext::ShowPicker(TZULForm& form) {
  QDialog dialog(this);
  QDialogButtonBox* buttons = nullptr;
  TZULFormView* view = FormInDialog(dialog, form, buttons);
  buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog, view] {
    if (view->CommitEdits()) dialog.accept();
  });
  return RunModal(dialog) == QDialog::Accepted ? mrOk : mrCancel;
}
