// The main window's menus, top bar and commands.
#include <QAction>
#include <QActionGroup>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QToolBar>
#include <QUrl>
#include <QUrlQuery>
#include <algorithm>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/RecordPicker.h"
#include "App/CodiComu/TAboutAppInfo.h"
#include "App/CodiComu/TLocalization.h"
#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "App/CodiComu/windows/TCCFRMAboutApp.h"
#include "App/CodiComu/windows/TCCFRMConfDatosEmpresa.h"
#include "App/CodiComu/windows/TCCFRMConfMenuLevel0Ext.h"
#include "App/CodiComu/windows/TCCFRMConfMoneda.h"
#include "App/CodiComu/windows/TFRMMenuLevel0Ext.h"
#include "App/CodiComu/windows/TFRMResultadoProcceso.h"
#include "App/CodiComu/windows/TFRMSelEmpresa.h"
#include "App/CodiComu/windows/TZULAppPaintBackGroundForm.h"
#include "App/CodiComu/windows/TccFRMPasswords.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TTreeZUL.h"
#include "platform/zul/TZULApp.h"
#include "platform/zul/TZULForm.h"
#include "platform/zul/windows/GuardedAction.h"
#include "platform/zul/windows/TZULFormView.h"
#include "rules/CurrentCentre.h"
#include "rules/SepaDataCheck.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

constexpr int kCentresNode = 11342;
constexpr int kPickMode = 4;

// A command whose window comes with a later part of the program.
[[noreturn]] void NotYetAvailable(const QString& caption) {
  throw Exception(QString::fromUtf8("La ventana «%1» todavía no está disponible").arg(caption));
}

void NeedCurrentCentre(const char* message) {
  if (CurrentCentre::CentroActual() <= 0) throw Exception(Utf8(message));
}

}  // namespace

// The centre label: "(code) - name", or red without a current centre; a click picks
// another centre.
void TFRMMenuLevel0Ext::BuildTopBar() {
  auto* bar = new QToolBar(QStringLiteral("Principal"), this);
  bar->setObjectName(QStringLiteral("ZULTopBar"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  addToolBar(Qt::TopToolBarArea, bar);

  QAction* pick = AddCommand(
      nullptr, "ActLSelectCentro", QStringLiteral("Seleccionar centro"), [this] { SelectCentre(); }, true);
  pick->setToolTip(QStringLiteral("Seleccionar centro"));
  bar->addAction(pick);
  auto* caption = new QLabel(QStringLiteral(" Centro: "), bar);
  caption->setObjectName(QStringLiteral("ZULlbCentro"));
  bar->addWidget(caption);
  m_centreLabel = new QLabel(bar);
  m_centreLabel->setObjectName(QStringLiteral("ZULlbCentroActual"));
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  m_centreLabel->setFont(font);
  m_centreLabel->setCursor(Qt::PointingHandCursor);
  m_centreLabel->installEventFilter(this);
  bar->addWidget(m_centreLabel);
  bar->addSeparator();

  const struct {
    const char* name;
    const char* caption;
    int node;
  } speed[] = {{"ActLAlumnos", "Alumnos", 11780},
               {"ActLCursos", "Cursos", 11778},
               {"ActLGrupos", "Grupos", 11779},
               {"ActLMatriculas", "Matrículas", 11782},
               {"ActLFacturas", "Facturas", 10723}};
  for (const auto& s : speed) {
    const int node = s.node;
    QAction* action = AddCommand(
        nullptr, s.name, Utf8(s.caption), [this, node] { OpenNode(node); }, true);
    action->setData(node);
    action->setToolTip(Utf8(s.caption));
    bar->addAction(action);
  }
}

bool TFRMMenuLevel0Ext::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_centreLabel && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (QAction* pick = Action(QStringLiteral("ActLSelectCentro")); pick && pick->isEnabled())
      pick->trigger();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

QAction* TFRMMenuLevel0Ext::AddCommand(QMenu* menu, const char* name, const QString& caption,
                                       std::function<void()> command, bool needsDataBase) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QString::fromLatin1(name));
  connect(action, &QAction::triggered, this, [command = std::move(command)] { GuardedAction(command); });
  if (menu) menu->addAction(action);
  if (needsDataBase) m_dataBaseActions.emplace_back(action);
  return action;
}

QAction* TFRMMenuLevel0Ext::Action(const QString& name) const { return findChild<QAction*>(name); }

void TFRMMenuLevel0Ext::BuildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* app = bar->addMenu(QStringLiteral("Aplicación"));
  app->setObjectName(QStringLiteral("MenuAplicacion"));
  AddCommand(
      app, "ActSelEmpresa", QStringLiteral("Seleccionar Base de Datos"), [this] { SelectDataBase(); }, false);
  m_usersAction = AddCommand(
      app, "ActConfUsuariosBaseDatos", QStringLiteral("Usuarios y Permisos de la Base de Datos"),
      [this] { DataBaseUsers(); }, false);
  app->addSeparator();
  QMenu* config = app->addMenu(QStringLiteral("Configuración"));
  config->setObjectName(QStringLiteral("MenuConfiguracion"));
  app->addSeparator();
  AddCommand(
      app, "ActRealizarCopiaseguridad", QStringLiteral("Realizar copia de seguridad"),
      [] { NotYetAvailable(QStringLiteral("Realizar copia de seguridad")); }, false);
  AddCommand(
      app, "ActRestaurarCopiaSeguridad", QStringLiteral("Restaurar copia de seguridad"),
      [] { NotYetAvailable(QStringLiteral("Restaurar copia de seguridad")); }, false);
  app->addSeparator();
  AddCommand(
      app, "ActCerrarAplicacion", QStringLiteral("Cerrar aplicación"), [this] { close(); }, false);

  AddCommand(
      config, "ActConfDatosEmpresa", QStringLiteral("Datos empresa"), [this] { ConfigureCompany(); }, true);
  AddCommand(
      config, "ActConfMoneda", QStringLiteral("Configurar moneda"), [this] { ConfigureCurrency(); }, true);
  AddCommand(
      config, "ActConfFormularioPrincipal", QStringLiteral("Configurar formulario principal"),
      [this] { ConfigureMainWindow(); }, true);
  m_language = config->addMenu(QStringLiteral("Idioma"));
  m_language->setObjectName(QStringLiteral("MenuIdioma"));
  m_language->menuAction()->setVisible(false);
  AddCommand(
      config, "ActLOpcionesAplicacion", QStringLiteral("Opciones"),
      [this] {
        CloseChildForms(nullptr);
        NotYetAvailable(QStringLiteral("Opciones"));
      },
      true);
  AddCommand(
      config, "ActLBorradoMasivo", QStringLiteral("Borrado masivo de datos"),
      [this] {
        NeedCurrentCentre(
            "Necesita seleccionar un CENTRO como predeterminado\npara poder utilizar esta opción.\n");
        if (!Dialogs::AskYesNo(
                Utf8("Desde este formulario es posible BORRAR TODOS SUS DATOS con un solo clic.\n\n"
                     "¡ÚSELO CON PRECAUCIÓN!\n\n¿Desea entrar en el formulario de borrado masivo?"),
                TDialogIcon::Question, dbNo))
          throw Exception(QStringLiteral("Operación abortada"));
        CloseChildForms(nullptr);
        NotYetAvailable(QStringLiteral("Borrado masivo de datos"));
      },
      true);
  QMenu* import = config->addMenu(QStringLiteral("Importar"));
  import->setObjectName(QStringLiteral("MenuImportar"));
  AddCommand(
      import, "ActLImportarDatosExternos",
      QStringLiteral("Importar datos de alumnos desde archivos externos al centro actual..."),
      [this] {
        NeedCurrentCentre(
            "Necesita seleccionar un CENTRO como predeterminado\n\nLos datos "
            "seleccionados se importarán en el centro predeterminado");
        CloseChildForms(nullptr);
        NotYetAvailable(QStringLiteral("Importar datos de alumnos"));
      },
      true);
  AddCommand(
      config, "ActComprobarDatosSEPA", QStringLiteral("Comprobar datos SEPA"), [this] { CheckSepaData(); },
      false);

  const auto nodeMenu = [bar](const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(Utf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
  };
  m_tables = nodeMenu("MenuTablas", "Tablas");
  m_billing = nodeMenu("MenuFacturacion", "Facturación");
  m_history = nodeMenu("MenuHistorico", "Histórico");
  m_queries = nodeMenu("MenuConsultas", "Consultas");

  m_window = bar->addMenu(QStringLiteral("Ventana"));
  m_window->setObjectName(QStringLiteral("MenuVentana"));
  connect(m_window, &QMenu::aboutToShow, this, &TFRMMenuLevel0Ext::FillWindowMenu);

  QMenu* help = bar->addMenu(QStringLiteral("Ayuda"));
  help->setObjectName(QStringLiteral("MenuAyuda"));
  AddCommand(
      help, "ActVersionProducto", QStringLiteral("Versión del producto"), [this] { About(); }, false);
  AddCommand(
      help, "ActAyudaWeb", QStringLiteral("Ayuda en la web"), [this] { WebHelp(); }, false);
  AddCommand(
      help, "ActLManualAplicacion", QStringLiteral("Manual de la aplicación"), [this] { Manual(); }, false);
}

void TFRMMenuLevel0Ext::InitMenus() {
  BuildLanguageMenu();
  const struct {
    QMenu* menu;
    int node;
  } trees[] = {{m_tables, 391}, {m_billing, 10722}, {m_history, 11161}, {m_queries, 11335}};
  for (const auto& t : trees) {
    if (!t.menu) throw Exception(Utf8("El menú no está definido"));
    for (QAction* old : t.menu->actions()) {
      std::erase(m_dataBaseActions, QPointer<QAction>(old));
      delete old;
    }
    AddNodeMenus(t.menu, t.node);
  }
  UpdateActions();
}

void TFRMMenuLevel0Ext::AddNodeMenus(QMenu* menu, int node) {
  TTreeZUL& tree = AppConfig().App().Tree();
  const TTreeNodeZUL* parent = tree.FindNode(node);
  if (!parent) return;
  const bool everyChild = parent->kind == TreeKind::Menu;
  for (int number : tree.Children(node)) {
    const TTreeNodeZUL* child = tree.FindNode(number);
    if (!child || !(everyChild || child->kind == TreeKind::MenuEntry || child->kind == TreeKind::Menu))
      continue;
    QString caption = child->text;
    QString shortcut;
    if (const int equals = caption.indexOf(QLatin1Char('=')); equals > 0) {
      shortcut = caption.mid(equals + 1).trimmed();
      caption = caption.left(equals);
    }
    if (!tree.Children(number).isEmpty()) {
      QMenu* sub = menu->addMenu(caption);
      sub->setObjectName(QStringLiteral("MenuItem_idnode_%1").arg(number));
      AddNodeMenus(sub, number);
      continue;
    }
    const int kind = child->kind;
    QAction* action = AddCommand(
        menu, "", caption,
        [this, number, kind, caption] {
          if (kind == TreeKind::Report)
            throw Exception(QString::fromUtf8("El informe «%1» todavía no está disponible").arg(caption));
          OpenNode(number);
        },
        true);
    action->setObjectName(QStringLiteral("MenuItem_idnode_%1").arg(number));
    action->setData(number);
    if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
  }
}

void TFRMMenuLevel0Ext::BuildLanguageMenu() {
  TLocalization* localization = AppConfig().Localization();
  m_language->clear();
  const QStringList languages = localization ? localization->AvailableLanguages() : QStringList();
  m_language->menuAction()->setVisible(!languages.isEmpty());
  if (languages.isEmpty()) return;
  const QString current = ExeTranslate().Language();
  auto* group = new QActionGroup(m_language);
  const auto add = [this, group, &current](const QString& caption, int index) {
    QAction* action = m_language->addAction(caption);
    action->setObjectName(QStringLiteral("MenuIdioma_%1").arg(index));
    action->setData(index);
    action->setCheckable(true);
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    action->setChecked(index < 0 ? current.isEmpty() : plain == current);
    group->addAction(action);
    connect(action, &QAction::triggered, this,
            [this, index] { GuardedAction([this, index] { ChangeLanguage(index); }); });
  };
  add(ccTranslate(108), -1);
  for (int i = 0; i < languages.size(); ++i) add(languages.at(i), i);
}

void TFRMMenuLevel0Ext::ChangeLanguage(int index) {
  TLocalization* localization = AppConfig().Localization();
  if (!localization) return;
  const QStringList languages = localization->AvailableLanguages();
  const QString language = index >= 0 && index < languages.size() ? languages.at(index) : QString();
  const QString shown = language.isEmpty() ? ccTranslate(108) : language;
  if (!Dialogs::AskYesNo(ccTranslateFmt(1005, {shown}), TDialogIcon::Information, dbNo)) return;
  localization->SetLanguage(language);
  CloseChildForms(nullptr);
  localization->TranslateForm(this);
  BuildLanguageMenu();
}

void TFRMMenuLevel0Ext::UpdateActions() {
  const bool connected = AppConfig().IsConnected();
  for (const QPointer<QAction>& action : m_dataBaseActions) {
    if (action) action->setEnabled(connected);
  }
  if (m_usersAction)
    m_usersAction->setEnabled(connected && AppConfig().DataBasePasswords().IsAdministrator());
}

// The window menu of the multiple-window style.

void TFRMMenuLevel0Ext::FillWindowMenu() {
  m_window->clear();
  QMdiArea* area = MdiArea();
  if (!area) return;
  m_window->addAction(QStringLiteral("Cerrar Ventana"), area, &QMdiArea::closeActiveSubWindow);
  m_window->addAction(QStringLiteral("Organiza &Horizontal"), this,
                      [this] { ArrangeChildren(Qt::Horizontal); });
  m_window->addAction(QStringLiteral("Organiza &Vertical"), this, [this] { ArrangeChildren(Qt::Vertical); });
  m_window->addAction(QStringLiteral("&Cascada"), area, &QMdiArea::cascadeSubWindows);
  m_window->addAction(QStringLiteral("&Minimiza Todos"), this, [area] {
    for (QMdiSubWindow* sub : area->subWindowList()) sub->showMinimized();
  });
  m_window->addAction(QStringLiteral("&Alinear iconos"), this, &TFRMMenuLevel0Ext::ArrangeIcons);
  const QList<QMdiSubWindow*> subs = area->subWindowList();
  if (!subs.isEmpty()) m_window->addSeparator();
  for (int i = 0; i < subs.size(); ++i) {
    QMdiSubWindow* sub = subs.at(i);
    QAction* action = m_window->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
    action->setCheckable(true);
    action->setChecked(sub == area->activeSubWindow());
    connect(action, &QAction::triggered, area, [area, sub] { area->setActiveSubWindow(sub); });
  }
}

namespace {

// The minimized children in rows from the bottom left, a row going up when the
// width is used; gives the height that the rows take.
int PlaceIcons(QMdiArea& area) {
  const int width = area.viewport()->width();
  int bottom = area.viewport()->height();
  int x = 0;
  int rowHeight = 0;
  for (QMdiSubWindow* sub : area.subWindowList()) {
    if (!sub->isVisible() || !sub->isMinimized()) continue;
    if (x > 0 && x + sub->width() > width) {
      bottom -= rowHeight;
      x = 0;
      rowHeight = 0;
    }
    sub->move(x, bottom - sub->height());
    x += sub->width();
    rowHeight = std::max(rowHeight, sub->height());
  }
  return area.viewport()->height() - bottom + rowHeight;
}

}  // namespace

// Horizontal: the children one above the other across the whole width; vertical:
// side by side over the whole height. The icons of the minimized ones are lined up
// first and stay in sight below; the shares are cut so that together they fill the area.
void TFRMMenuLevel0Ext::ArrangeChildren(Qt::Orientation orientation) {
  QMdiArea* area = MdiArea();
  if (!area) return;
  QList<QMdiSubWindow*> shown;
  for (QMdiSubWindow* sub : area->subWindowList()) {
    if (sub->isVisible() && !sub->isMinimized()) shown << sub;
  }
  if (shown.isEmpty()) return;
  const int icons = PlaceIcons(*area);
  const int width = area->viewport()->width();
  const int height = std::max(0, area->viewport()->height() - icons);
  const int n = static_cast<int>(shown.size());
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* sub = shown.at(i);
    sub->showNormal();
    if (orientation == Qt::Horizontal) {
      const int top = height * i / n;
      sub->setGeometry(0, top, width, height * (i + 1) / n - top);
    } else {
      const int left = width * i / n;
      sub->setGeometry(left, 0, width * (i + 1) / n - left, height);
    }
  }
}

void TFRMMenuLevel0Ext::ArrangeIcons() {
  if (QMdiArea* area = MdiArea()) PlaceIcons(*area);
}

// Commands.

void TFRMMenuLevel0Ext::SelectDataBase() {
  TZULAppConfig& config = AppConfig();
  TFRMSelEmpresa selection(config.DataBases(), config.Files(), config, this);
  RunModal(selection);
}

void TFRMMenuLevel0Ext::DataBaseUsers() {
  TccFRMPasswords users(AppConfig().DataBasePasswords(), this);
  RunModal(users);
}

void TFRMMenuLevel0Ext::ConfigureCompany() {
  TCCFRMConfDatosEmpresa company(this);
  RunModal(company);
  m_background->ApplySettings();
}

void TFRMMenuLevel0Ext::ConfigureCurrency() {
  TCCFRMConfMoneda currency(this);
  RunModal(currency);
}

void TFRMMenuLevel0Ext::ConfigureMainWindow() {
  TZULAppConfig& config = AppConfig();
  TParametrosApp& app = ParametrosApp();
  const TCompanyLook look{app.GetString(QStringLiteral("EmpresaNombre"), QString()),
                          app.GetString(QStringLiteral("EmpresaLogo"), QString())};
  TCCFRMConfMenuLevel0Ext settings(Parametres(), config.IniFile(), config.IsConnected() ? &look : nullptr,
                                   m_title, AllowsMDI(), IsMDI(), this);
  const bool accepted = RunModal(settings) == QDialog::Accepted;
  config.DataBases().SaveIniFile();
  if (!accepted) return;
  m_background->ApplySettings();
  if (settings.MdiChosen() != IsMDI()) {
    config.IniFile().WriteBool(QStringLiteral("INIT"), QStringLiteral("MDI"), settings.MdiChosen());
    config.DataBases().SaveIniFile();
    Dialogs::Notify(ccTranslate(1003), TDialogIcon::Information);
  }
}

void TFRMMenuLevel0Ext::SelectCentre() {
  std::unique_ptr<TZULForm> form(AppConfig().App().ObreComponent(kCentresNode, nullptr));
  if (!form) return;
  const int result =
      PickRecord(*form, kPickMode, true, CurrentCentre::CentroActual(), QStringLiteral("IDCentroT20"));
  const std::optional<QVariant> picked = GetPickedValue(*form, QStringLiteral("IDCentroT20"));
  form->Close();
  if (result == mrOk && picked) CurrentCentre::CargaCentroActual(*picked);
}

void TFRMMenuLevel0Ext::About() {
  TZULAppConfig& config = AppConfig();
  TCCFRMAboutApp about(
      TAboutAppInfo::Current(m_title, config.ApplicationName, config.Description, &config.App()), this);
  RunModal(about);
}

void TFRMMenuLevel0Ext::Manual() {
  const QString path = ExecutableFolder::File(QStringLiteral("ZULLumaresca2014.pdf"));
  if (!QFileInfo::exists(path)) {
    Dialogs::Notify(QStringLiteral("No se encuentra el archivo:\n\n") + path, TDialogIcon::Warning);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TFRMMenuLevel0Ext::WebHelp() {
  TZULApp& app = AppConfig().App();
  QString language = ExeTranslate().Language();
  language.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]")));
  QUrlQuery query;
  query.addQueryItem(QStringLiteral("MDI"), IsMDI() ? QStringLiteral("1") : QStringLiteral("0"));
  query.addQueryItem(QStringLiteral("BUILD"), QString::number(AppConfig().AppVersion));
  query.addQueryItem(QStringLiteral("LANG"), language);
  query.addQueryItem(QStringLiteral("ZULFILEDATE"), app.FileDate().toString(QStringLiteral("yyyyMMdd")));
  query.addQueryItem(QStringLiteral("ZULFILESAVECOUNTER"), QString::number(app.SaveCounter()));
  QUrl url(TCCFRMAboutApp::WebAddress() + QStringLiteral("/ayuda.asp"));
  url.setQuery(query);
  QDesktopServices::openUrl(url);
}

bool TFRMMenuLevel0Ext::CheckSepaData() {
  TZULAppConfig& config = AppConfig();
  if (!config.IsConnected()) return false;
  return SepaDataCheck::RunSepaDataCheck(config.DataBase(), [this](const QStringList& lines) {
    TFRMResultadoProcceso report(this);
    report.SetLines(lines);
    return RunModal(report) == QDialog::Accepted;
  });
}
