// The main window on a program folder of its own: start-up, the connection events,
// the menus of the application tree and the commands.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <algorithm>

#include "App/CodiComu/Progress.h"
#include "App/CodiComu/config/StartUp.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "App/CodiComu/users/LoginPrompt.h"
#include "App/CodiComu/users/TZULPasswordsDataBase.h"
#include "App/CodiComu/windows/TFRMMenuLevel0Ext.h"
#include "platform/core/IniFile.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/os/TRegistryStore.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TZULForm.h"
#include "platform/zul/windows/TZULFormView.h"
#include "rules/CurrentCentre.h"
#include "tests/App/CodiComu/windows/InstalledProgram.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

const QString kTitle = QString::fromUtf8(StartUp::kTitle);

class MainWindowTest : public ::testing::Test {
protected:
  void SetUp() override {
    InstallProgram(dir);
    StartUp::ConfigureFullEdition(AppConfig(), dir.Path());
    AppConfig().ExecutableFile = dir.File(QStringLiteral("lumapro"));
    window = std::make_unique<TFRMMenuLevel0Ext>();
    window->SetModalRunner([this](QDialog& dialog) {
      shown << QString::fromLatin1(dialog.metaObject()->className());
      return static_cast<int>(QDialog::Rejected);
    });
  }
  void TearDown() override {
    window.reset();
    FreeAppConfig();
    FreeProgress();
    Parametres().Clear();
    ExecutableFolder::Override(QString());
  }
  // A company database from the master, added to the list and opened.
  void OpenCompany(const QString& name, bool withCentre = false) {
    QDir().mkpath(dir.File(QStringLiteral("DATADIR")));
    const QString file = dir.File(QStringLiteral("DATADIR/") + name + QStringLiteral(".MDB"));
    ASSERT_TRUE(QFile::copy(dir.File(QStringLiteral("MastersMDB/ZULLumaExtV4.MMDB")), file));
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    if (withCentre) {
      TDataBaseZUL db;
      db.Open(file);
      db.ExecuteSQL(
          QStringLiteral("INSERT INTO T20Centros (CodigoCentroT20, NombreCentroT20) VALUES ('7', 'Sur')"));
    }
    const int index = AppConfig().DataBases().AddDataBase({name, -1, file, QString()});
    AppConfig().ConnectDataBase(index);
    ASSERT_TRUE(AppConfig().IsConnected());
  }
  void Trigger(const char* action) {
    QAction* a = window->Action(QString::fromLatin1(action));
    ASSERT_NE(a, nullptr) << action;
    a->trigger();
  }
  // A command of the window menu by its caption; the menu is filled as it opens.
  QAction* WindowCommand(const char* caption) {
    auto* menu = window->findChild<QMenu*>(QStringLiteral("MenuVentana"));
    if (!menu) return nullptr;
    Q_EMIT menu->aboutToShow();
    for (QAction* a : menu->actions()) {
      if (a->text() == QString::fromUtf8(caption)) return a;
    }
    return nullptr;
  }
  void RunWindowCommand(const char* caption) {
    QAction* a = WindowCommand(caption);
    ASSERT_NE(a, nullptr) << caption;
    a->trigger();
    QApplication::processEvents();
  }

  TempDir dir;
  ScriptedDialogs::Scope dialogs;
  std::unique_ptr<TFRMMenuLevel0Ext> window;
  QStringList shown;
};

TEST_F(MainWindowTest, StartsOnAnEmptyProgramFolderAndOffersTheDatabasesAtFirstActivation) {
  ASSERT_TRUE(window->Start());
  EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(dialogs->notices.isEmpty()) << dialogs->notices.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(window->windowTitle(), kTitle);
  EXPECT_EQ(window->CentreLabel()->text(), QStringLiteral("SIN CENTRO PREDETERMINADO"));
  EXPECT_TRUE(window->IsMDI());
  // The menus of the tree are there but need a database.
  QAction* students = window->Action(QStringLiteral("MenuItem_idnode_11780"));
  ASSERT_NE(students, nullptr);
  EXPECT_EQ(students->text(), QStringLiteral("Alumnos"));
  EXPECT_EQ(students->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
  EXPECT_FALSE(students->isEnabled());
  EXPECT_TRUE(window->Action(QStringLiteral("ActSelEmpresa"))->isEnabled());
  EXPECT_FALSE(window->Action(QStringLiteral("ActConfUsuariosBaseDatos"))->isEnabled());

  window->show();
  window->activateWindow();
  for (int i = 0; i < 20 && !window->FirstActivationDone(); ++i) QApplication::processEvents();
  EXPECT_TRUE(window->FirstActivationDone());
  EXPECT_EQ(shown, QStringList({QStringLiteral("TFRMSelEmpresa")}));
  // Only the first activation offers the list.
  window->EnsureFirstActivation();
  EXPECT_EQ(shown.size(), 1);
  EXPECT_TRUE(QFile::exists(dir.File(QStringLiteral("ZULLumaresca2014EXT.INI"))));
}

TEST_F(MainWindowTest, AnOpenDatabaseNamesTheCaptionAndItsMenusOpenForms) {
  ASSERT_TRUE(window->Start());
  OpenCompany(QStringLiteral("Academia Norte"));
  EXPECT_EQ(window->windowTitle(), kTitle + QStringLiteral(" \"Academia Norte\""));
  EXPECT_TRUE(window->Action(QStringLiteral("ActConfUsuariosBaseDatos"))->isEnabled());
  EXPECT_TRUE(Parametres().ParamExists(QStringLiteral("PRMGENColorTextoTitulo")));

  Trigger("MenuItem_idnode_11780");
  std::vector<TZULFormView*> views = window->ChildForms();
  ASSERT_EQ(views.size(), 1u);
  ASSERT_NE(views.front()->Form(), nullptr);
  EXPECT_EQ(views.front()->Form()->Node(), 11780);
  EXPECT_EQ(window->MdiArea()->subWindowList().size(), 1);
  // The same node again only brings its window to the front; a speed button opens another.
  Trigger("MenuItem_idnode_11780");
  Trigger("ActLCursos");
  EXPECT_EQ(window->ChildForms().size(), 2u);
  EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join(QLatin1Char('\n')).toStdString();

  // Disconnecting closes every form and gives the caption back.
  AppConfig().SetConnected(false);
  EXPECT_TRUE(window->ChildForms().empty());
  EXPECT_EQ(window->windowTitle(), kTitle);
  EXPECT_FALSE(window->Action(QStringLiteral("MenuItem_idnode_11780"))->isEnabled());
}

TEST_F(MainWindowTest, AReadOnlyUserSeesItInTheCaption) {
  ASSERT_TRUE(window->Start());
  OpenCompany(QStringLiteral("Norte"));
  TZULPasswordsDataBase& users = AppConfig().DataBasePasswords();
  users.SetNeedUserName(true);
  ASSERT_TRUE(
      users.AddUser({QStringLiteral("lector"), QStringLiteral("clave"), QStringLiteral("Lector"), 0}));
  AppConfig().SetConnected(false);
  const TLoginPrompt previous = SetLoginPrompt(
      [](TCustomZULPasswords& p) { return p.Login(QStringLiteral("lector"), QStringLiteral("clave")); });
  AppConfig().ConnectDataBase(0);
  SetLoginPrompt(previous);
  ASSERT_TRUE(AppConfig().IsConnected());
  EXPECT_EQ(window->windowTitle(), kTitle + QStringLiteral(" \"Norte\" SOLO LECTURA"));
  EXPECT_FALSE(window->Action(QStringLiteral("ActConfUsuariosBaseDatos"))->isEnabled());
  EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MainWindowTest, SingleWindowStyleDocksOneFormAtATime) {
  ASSERT_TRUE(window->Start());
  window->SetMDI(false);
  EXPECT_EQ(window->MdiArea(), nullptr);
  EXPECT_FALSE(AppConfig().IniFile().ReadBool(QStringLiteral("INIT"), QStringLiteral("MDI"), true));
  OpenCompany(QStringLiteral("Sur"));
  Trigger("ActLAlumnos");
  Trigger("ActLGrupos");
  const std::vector<TZULFormView*> views = window->ChildForms();
  ASSERT_EQ(views.size(), 1u);
  EXPECT_EQ(views.front()->Form()->Node(), 11779);
  EXPECT_EQ(views.front()->parentWidget(), window->Client());
}

TEST_F(MainWindowTest, CommandsThatAreNotBuiltYetAndReportsSayWhy) {
  ASSERT_TRUE(window->Start());
  OpenCompany(QStringLiteral("Centro"));
  const struct {
    const char* action;
    const char* message;
  } cases[] = {
      {"ActLOpcionesAplicacion", "«Opciones» todavía no está disponible"},
      {"ActRealizarCopiaseguridad", "todavía no está disponible"},
      {"ActLBorradoMasivo", "Necesita seleccionar un CENTRO"},
      {"MenuItem_idnode_20001", "«Listado de alumnos» todavía no está disponible"},
  };
  for (const auto& c : cases) {
    dialogs->errors.clear();
    Trigger(c.action);
    ASSERT_EQ(dialogs->errors.size(), 1) << c.action;
    EXPECT_TRUE(dialogs->errors.front().contains(QString::fromUtf8(c.message)))
        << c.action << ": " << dialogs->errors.front().toStdString();
  }
  // The settings windows go through the modal runner.
  Trigger("ActConfMoneda");
  Trigger("ActVersionProducto");
  EXPECT_EQ(shown, QStringList({QStringLiteral("TCCFRMConfMoneda"), QStringLiteral("TCCFRMAboutApp")}));
}

TEST_F(MainWindowTest, TheBankDataOfANewDatabaseIsCheckedUntilAccepted) {
  ASSERT_TRUE(window->Start());
  OpenCompany(QStringLiteral("Sur"), true);
  EXPECT_EQ(shown, QStringList({QStringLiteral("TFRMResultadoProcceso")}));
  // Declined: asked again at the next connection; accepted: never again.
  AppConfig().SetConnected(false);
  window->SetModalRunner([this](QDialog& dialog) {
    shown << QString::fromLatin1(dialog.metaObject()->className());
    return static_cast<int>(QDialog::Accepted);
  });
  AppConfig().ConnectDataBase(0);
  EXPECT_EQ(shown.size(), 2);
  AppConfig().SetConnected(false);
  AppConfig().ConnectDataBase(0);
  EXPECT_EQ(shown.size(), 2);
  // The centre picked in the centres list becomes current and shows in the label.
  EXPECT_EQ(window->CentreLabel()->text(), QStringLiteral("SIN CENTRO PREDETERMINADO"));
  Trigger("ActLSelectCentro");
  EXPECT_EQ(shown.last(), QStringLiteral("QDialog"));
  EXPECT_EQ(CurrentCentre::CentroActual(), 1);
  EXPECT_EQ(window->CentreLabel()->text(), QStringLiteral("(7) - Sur"));
}

TEST_F(MainWindowTest, ClosingAsksAndOnlyYesCloses) {
  ASSERT_TRUE(window->Start());
  window->show();
  dialogs->Answer(dbNo);
  EXPECT_FALSE(window->close());
  ASSERT_EQ(dialogs->questions.size(), 1u);
  EXPECT_EQ(dialogs->questions.front().text, QString::fromUtf8("¿Cerrar la Aplicación %1 ?").arg(kTitle));
  dialogs->Answer(dbYes);
  EXPECT_TRUE(window->close());
  // Finish saved the framework parameters into the resource file.
  EXPECT_TRUE(QFile::exists(dir.File(QStringLiteral("ZULLumaresca2014EXT.ZUR"))));
}

// The sub-windows sorted along the arrangement's axis.
QList<QMdiSubWindow*> SortedBy(QList<QMdiSubWindow*> subs, bool byY) {
  std::sort(subs.begin(), subs.end(),
            [byY](QMdiSubWindow* a, QMdiSubWindow* b) { return byY ? a->y() < b->y() : a->x() < b->x(); });
  return subs;
}

TEST_F(MainWindowTest, TheWindowMenuTilesTheChildrenOverTheWholeAreaWithoutOverlap) {
  ASSERT_TRUE(window->Start());
  OpenCompany(QStringLiteral("Norte"));
  window->resize(1200, 901);  // an area that the thirds do not divide exactly
  window->show();
  Trigger("ActLAlumnos");
  Trigger("ActLCursos");
  Trigger("ActLGrupos");
  QMdiArea* area = window->MdiArea();
  ASSERT_EQ(area->subWindowList().size(), 3);
  area->subWindowList().at(1)->showMaximized();  // arranging gives a maximized child back its frame
  QApplication::processEvents();
  const QRect r = area->viewport()->rect();

  const struct {
    const char* caption;
    bool stacked;  // one above the other across the width, or side by side over the height
  } cases[] = {{"Organiza &Horizontal", true}, {"Organiza &Vertical", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    RunWindowCommand(c.caption);
    const QList<QMdiSubWindow*> subs = SortedBy(area->subWindowList(), c.stacked);
    int next = 0;
    for (QMdiSubWindow* sub : subs) {
      EXPECT_FALSE(sub->isMaximized());
      const QRect g = sub->geometry();
      if (c.stacked) {
        EXPECT_EQ(g.left(), 0);
        EXPECT_EQ(g.width(), r.width());
        EXPECT_EQ(g.top(), next);  // no gap and no overlap with the one above
        EXPECT_GE(g.height(), r.height() / 3);
        next = g.bottom() + 1;
      } else {
        EXPECT_EQ(g.top(), 0);
        EXPECT_EQ(g.height(), r.height());
        EXPECT_EQ(g.left(), next);
        EXPECT_GE(g.width(), r.width() / 3);
        next = g.right() + 1;
      }
    }
    EXPECT_EQ(next, c.stacked ? r.height() : r.width());
  }

  // Cascade: each child down and to the right of the one before.
  RunWindowCommand("&Cascada");
  const QList<QMdiSubWindow*> cascade = SortedBy(area->subWindowList(), true);
  for (qsizetype i = 1; i < cascade.size(); ++i) {
    EXPECT_GT(cascade.at(i)->x(), cascade.at(i - 1)->x());
    EXPECT_GT(cascade.at(i)->y(), cascade.at(i - 1)->y());
  }
  EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(MainWindowTest, AligningIconsLinesUpTheMinimizedChildrenAtTheBottom) {
  ASSERT_TRUE(window->Start());
  OpenCompany(QStringLiteral("Norte"));
  window->resize(1200, 900);
  window->show();
  Trigger("ActLAlumnos");
  Trigger("ActLCursos");
  Trigger("ActLGrupos");
  QMdiArea* area = window->MdiArea();
  const QRect r = area->viewport()->rect();
  RunWindowCommand("&Minimiza Todos");
  int n = 0;
  for (QMdiSubWindow* sub : area->subWindowList()) {
    ASSERT_TRUE(sub->isMinimized());
    sub->move(100 + 40 * n, 60 * n);  // dragged about
    ++n;
  }
  RunWindowCommand("&Alinear iconos");
  QList<QMdiSubWindow*> icons = SortedBy(area->subWindowList(), false);
  int next = 0;
  for (QMdiSubWindow* sub : icons) {
    EXPECT_EQ(sub->geometry().bottom(), r.bottom());
    EXPECT_EQ(sub->x(), next);
    next = sub->geometry().right() + 1;
  }

  // Too narrow for a row of three: the third starts a row above.
  const int iconWidth = icons.first()->width();
  window->resize(window->width() - r.width() + 2 * iconWidth + iconWidth / 2, 900);
  QApplication::processEvents();
  const QRect narrow = area->viewport()->rect();
  if (narrow.width() < 3 * iconWidth) {
    for (QMdiSubWindow* sub : icons) sub->move(200, 50);
    RunWindowCommand("&Alinear iconos");
    EXPECT_EQ(icons.at(0)->geometry().bottomLeft(), QPoint(0, narrow.bottom()));
    EXPECT_EQ(icons.at(1)->geometry().bottomLeft(), QPoint(iconWidth, narrow.bottom()));
    EXPECT_EQ(icons.at(2)->geometry().bottomLeft(), QPoint(0, icons.at(0)->y() - 1));
  } else {
    ADD_FAILURE() << "the main window does not get narrow enough: " << narrow.width();
  }
  window->resize(1200, 900);
  QApplication::processEvents();
  RunWindowCommand("&Alinear iconos");

  // Tiling leaves the row of icons in sight: the restored children go above it.
  icons.first()->showNormal();
  icons.last()->showNormal();
  RunWindowCommand("Organiza &Horizontal");
  QMdiSubWindow* icon = icons.at(1);
  ASSERT_TRUE(icon->isMinimized());
  EXPECT_EQ(icon->geometry().bottom(), r.bottom());
  for (QMdiSubWindow* sub : {icons.first(), icons.last()}) {
    EXPECT_EQ(sub->width(), r.width());
    EXPECT_LT(sub->geometry().bottom(), icon->y());
  }
  EXPECT_EQ(std::max(icons.first()->geometry().bottom(), icons.last()->geometry().bottom()) + 1, icon->y());
}

TEST_F(MainWindowTest, TheWindowCommandsAreHarmlessWithoutChildren) {
  ASSERT_TRUE(window->Start());
  window->show();
  for (const char* caption : {"Organiza &Horizontal", "Organiza &Vertical", "&Cascada", "&Minimiza Todos",
                              "&Alinear iconos", "Cerrar Ventana"}) {
    RunWindowCommand(caption);
  }
  EXPECT_TRUE(window->MdiArea()->subWindowList().isEmpty());
  EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join(QLatin1Char('\n')).toStdString();
  // The single-window style has no window menu to offer.
  window->SetMDI(false);
  EXPECT_EQ(WindowCommand("Organiza &Horizontal"), nullptr);
  EXPECT_FALSE(window->findChild<QMenu*>(QStringLiteral("MenuVentana"))->menuAction()->isVisible());
}

TEST_F(MainWindowTest, AToolWindowFormIsShownOnItsOwnAfterTheOthersClose) {
  // The VAT types' form made a tool window in the application file.
  const QString file = dir.File(QStringLiteral("ZULLumaresca2014EXT.ZUL"));
  QFile in(file);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  QJsonObject root = QJsonDocument::fromJson(in.readAll()).object();
  in.close();
  QJsonArray forms = root.value(QStringLiteral("forms")).toArray();
  for (qsizetype i = 0; i < forms.size(); ++i) {
    QJsonObject form = forms[i].toObject();
    if (form.value(QStringLiteral("node")).toInt() == 11787) form.insert(QStringLiteral("toolWindow"), true);
    forms[i] = form;
  }
  root.insert(QStringLiteral("forms"), forms);
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
  out.write(QJsonDocument(root).toJson());
  out.close();

  ASSERT_TRUE(window->Start());
  OpenCompany(QStringLiteral("Norte"));
  Trigger("ActLAlumnos");
  ASSERT_EQ(window->ChildForms().size(), 1u);
  shown.clear();
  window->SetModalRunner([this](QDialog& dialog) {
    shown << dialog.objectName();
    EXPECT_TRUE(window->ChildForms().empty());
    EXPECT_NE(dialog.findChild<TZULFormView*>(), nullptr);
    return static_cast<int>(QDialog::Rejected);
  });
  EXPECT_EQ(window->OpenNode(11787), nullptr);
  EXPECT_EQ(shown, QStringList{QStringLiteral("ZULToolWindow")});
  EXPECT_TRUE(window->ChildForms().empty());
  EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
