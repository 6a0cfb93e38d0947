// The program as a person uses it, on the offscreen platform: an installed program
// folder with no database yet, the real main window and its real modal windows
// (driven by a script while they wait), the records of a new centre typed into the
// forms, and a second start that finds everything as it was left.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "App/CodiComu/CCTranslate.h"
#include "App/CodiComu/Progress.h"
#include "App/CodiComu/config/StartUp.h"
#include "App/CodiComu/config/TZULAppConfig.h"
#include "App/CodiComu/database/TZULDataBases.h"
#include "App/CodiComu/windows/TFRMMenuLevel0Ext.h"
#include "platform/os/ExecutableFolder.h"
#include "platform/os/TRegistryStore.h"
#include "platform/zul/TDBGrid.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULForm.h"
#include "platform/zul/windows/TZULDBGridView.h"
#include "platform/zul/windows/TZULDBNavigator.h"
#include "platform/zul/windows/TZULFormView.h"
#include "rules/CurrentCentre.h"
#include "rules/RuleSeams.h"
#include "tests/App/CodiComu/windows/InstalledProgram.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

namespace {

const QString kTitle = QString::fromUtf8(StartUp::kTitle);

QString Utf8(const char* text) { return QString::fromUtf8(text); }

template <typename T = QWidget>
T* Child(QWidget& window, const char* name) {
  T* child = window.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// The button whose caption starts with `text` (accelerator marks left out).
QAbstractButton* ButtonWithText(QWidget& window, const QString& text) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text().remove(QLatin1Char('&')).startsWith(text)) return button;
  }
  ADD_FAILURE() << "no button " << text.toStdString() << " in " << window.metaObject()->className();
  return nullptr;
}

void Click(QAbstractButton* button) {
  if (button) button->click();
}

// Modal windows handled in the order they open: each step names the window's class
// and drives it while it waits (a step may open further modal windows; their steps
// follow). A window the script does not expect fails the test and is closed, as is
// any window still open after its step, so that nothing ever waits for a person.
class ModalScript {
public:
  using Drive = std::function<void(QWidget&)>;

  ModalScript() { Poll(); }
  ~ModalScript() { *m_alive = false; }

  void Expect(const char* className, Drive drive) {
    m_steps.push_back({QString::fromLatin1(className), drive});
  }
  bool Done() const { return m_steps.empty(); }
  QStringList Seen() const { return m_seen; }

private:
  struct Step {
    QString className;
    Drive drive;
  };

  void Poll() {
    std::shared_ptr<bool> alive = m_alive;
    QTimer::singleShot(5, [this, alive] {
      if (!*alive) return;
      Poll();  // the next look runs inside any window this step opens
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || m_handled.contains(modal)) return;
      m_handled << modal;
      const QString className = QString::fromLatin1(modal->metaObject()->className());
      m_seen << className;
      QPointer<QWidget> guard(modal);
      if (m_steps.empty()) {
        ADD_FAILURE() << "unexpected window " << className.toStdString() << ": "
                      << modal->windowTitle().toStdString();
      } else {
        const Step step = m_steps.front();
        m_steps.pop_front();
        EXPECT_EQ(className, step.className);
        if (className == step.className) step.drive(*modal);
      }
      if (auto* dialog = qobject_cast<QDialog*>(guard.data()); dialog && dialog->isVisible())
        dialog->reject();
    });
  }

  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
  std::deque<Step> m_steps;
  QList<QPointer<QWidget>> m_handled;
  QStringList m_seen;
};

class EndToEndTest : public ::testing::Test {
protected:
  void SetUp() override {
    InstallProgram(dir);  // and nothing of a person yet
  }
  void TearDown() override {
    EndProgram();
    ExecutableFolder::Override(QString());
  }

  // What lumapro's main does up to the event loop.
  void StartProgram() {
    StartUp::ConfigureFullEdition(AppConfig(), dir.Path());
    AppConfig().ExecutableFile = dir.File(QStringLiteral("lumapro"));
    window = std::make_unique<TFRMMenuLevel0Ext>();
    ASSERT_TRUE(window->Start());
    window->ShowAsLastTime();
    window->activateWindow();
    Wait([this] { return window->FirstActivationDone(); });
    ASSERT_TRUE(window->FirstActivationDone());
  }
  // The person closes the main window and says yes; then the process ends.
  void CloseProgram() {
    dialogs->Answer(dbYes);
    ASSERT_TRUE(window->close());
    EndProgram();
  }
  void EndProgram() {
    window.reset();
    FreeAppConfig();
    FreeProgress();
    Parametres().Clear();
  }

  static void Wait(const std::function<bool()>& until) {
    QElapsedTimer clock;
    clock.start();
    while (!until() && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  void Trigger(const char* action) {
    QAction* a = window->Action(QString::fromLatin1(action));
    ASSERT_NE(a, nullptr) << action;
    ASSERT_TRUE(a->isEnabled()) << action;
    a->trigger();
    QApplication::processEvents();
  }
  TZULFormView* Open(const char* action, int node) {
    Trigger(action);
    for (TZULFormView* view : window->ChildForms()) {
      if (view->Form() && view->Form()->Node() == node) return view;
    }
    ADD_FAILURE() << "no form for node " << node;
    return nullptr;
  }
  static QWidget* Control(TZULFormView& view, const char* name) {
    QWidget* widget = view.ControlWidget(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  static void Type(TZULFormView& view, const char* name, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(Control(view, name));
    ASSERT_NE(edit, nullptr) << name;
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);  // as typed: the form hears textEdited
  }
  // Chooses the entry of a look-up whose text starts with `text`.
  static void Choose(TZULFormView& view, const char* name, const QString& text) {
    auto* combo = qobject_cast<QComboBox*>(Control(view, name));
    ASSERT_NE(combo, nullptr) << name;
    int index = -1;
    for (int i = 0; i < combo->count() && index < 0; ++i) {
      if (combo->itemText(i).startsWith(text)) index = i;
    }
    ASSERT_GE(index, 0) << name << ": " << text.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  // The look-up's one entry after the blank one ("no value").
  static void ChooseOnlyEntry(TZULFormView& view, const char* name) {
    auto* combo = qobject_cast<QComboBox*>(Control(view, name));
    ASSERT_NE(combo, nullptr) << name;
    ASSERT_EQ(combo->count(), 2) << name;
    combo->setCurrentIndex(1);
    emit combo->activated(1);
  }
  void Press(TZULFormView& view, TZULDBNavigator::Button button) {
    EXPECT_TRUE(view.Navigator()->Run(button))
        << "navigator button " << button << ": " << dialogs->errors.join(QLatin1Char('\n')).toStdString();
    QApplication::processEvents();
  }
  void ExpectNoMessages() {
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join(QLatin1Char('\n')).toStdString();
    dialogs->errors.clear();
  }

  static QString Stored(const QString& sql) {
    auto rows = AppConfig().DataBase().GetTSQLDataSet(sql);
    rows->Open();
    return rows->IsEmpty() ? QStringLiteral("<none>") : rows->Fields(0).AsString();
  }

  TempDir dir;
  ScriptedDialogs::Scope dialogs;
  std::unique_ptr<TFRMMenuLevel0Ext> window;
};

TEST_F(EndToEndTest, ANewCentreKeptInANewDatabaseIsThereAtTheNextStart) {
  // First start: the selection window opens at once; the person adds a new database
  // through the wizard and opens it.
  {
    ModalScript script;
    script.Expect("TFRMSelEmpresa", [](QWidget& selection) {
      Click(Child<QPushButton>(selection, "btnAnadir"));
      auto* list = Child<QListWidget>(selection, "lbEmpresas");
      ASSERT_NE(list, nullptr);
      ASSERT_EQ(list->count(), 1);
      list->setCurrentRow(0);
      Click(Child<QPushButton>(selection, "btnSeleccionar"));
    });
    script.Expect("TCCFRMEditDataBase", [](QWidget& wizard) {
      Child<QLineEdit>(wizard, "edtNombre")->setText(QStringLiteral("Academia Norte"));
      Click(Child<QPushButton>(wizard, "btnSiguiente"));
      Child<QRadioButton>(wizard, "rbNueva")->click();
      Click(Child<QPushButton>(wizard, "btnSiguiente"));
      Click(Child<QPushButton>(wizard, "btnFinalizar"));
    });
    StartProgram();
    EXPECT_TRUE(script.Done()) << script.Seen().join(QLatin1Char(',')).toStdString();
  }
  ASSERT_TRUE(AppConfig().IsConnected());
  ExpectNoMessages();
  EXPECT_EQ(window->windowTitle(), kTitle + QStringLiteral(" \"Academia Norte\""));
  EXPECT_EQ(window->CentreLabel()->text(), QStringLiteral("SIN CENTRO PREDETERMINADO"));

  // The centre, then made the current one from the centre list.
  TZULFormView* centres = Open("MenuItem_idnode_11342", 11342);
  ASSERT_NE(centres, nullptr);
  Press(*centres, TZULDBNavigator::Insert);
  Type(*centres, "ZULdbeCodigoCentro", QStringLiteral("01"));
  Type(*centres, "ZULdbeNombreCentro", QStringLiteral("Academia Norte - Centro"));
  Type(*centres, "ZULdbePoblacion", QStringLiteral("León"));
  Press(*centres, TZULDBNavigator::Post);
  ExpectNoMessages();
  {
    ModalScript script;
    script.Expect("QDialog", [](QWidget& picker) {
      auto* view = picker.findChild<TZULFormView*>();
      ASSERT_NE(view, nullptr);
      ASSERT_EQ(view->ListGrid()->model()->rowCount(), 1);
      view->ListGrid()->setCurrentIndex(view->ListGrid()->model()->index(0, 0));
      Click(ButtonWithText(picker, QStringLiteral("Aceptar")));
    });
    Trigger("ActLSelectCentro");
    EXPECT_TRUE(script.Done());
  }
  EXPECT_EQ(window->CentreLabel()->text(), QStringLiteral("(01) - Academia Norte - Centro"));
  const int centre = CurrentCentre::CentroActual();
  EXPECT_GT(centre, 0);

  // A course, a teacher, and a group of the course with the teacher and a timetable.
  TZULFormView* courses = Open("ActLCursos", 11778);
  ASSERT_NE(courses, nullptr);
  Press(*courses, TZULDBNavigator::Insert);
  Type(*courses, "ZULdbeCodigo", QStringLiteral("ING1"));
  Type(*courses, "ZULdbeDescripcion", Utf8("Inglés básico"));
  Choose(*courses, "ZULlkCentro", QStringLiteral("Academia Norte"));
  Press(*courses, TZULDBNavigator::Post);
  ExpectNoMessages();

  TZULFormView* teachers = Open("MenuItem_idnode_11781", 11781);
  ASSERT_NE(teachers, nullptr);
  Press(*teachers, TZULDBNavigator::Insert);
  Type(*teachers, "ZULdbeNombre", QStringLiteral("Marta"));
  Type(*teachers, "ZULdbeApellidos", Utf8("Quiñones Roldán"));
  Choose(*teachers, "ZULlkCentro", QStringLiteral("Academia Norte"));
  Press(*teachers, TZULDBNavigator::Post);
  ExpectNoMessages();

  TZULFormView* groups = Open("ActLGrupos", 11779);
  ASSERT_NE(groups, nullptr);
  Press(*groups, TZULDBNavigator::Insert);
  Type(*groups, "ZULdbeCodigo", QStringLiteral("ING1-M"));
  Type(*groups, "ZULdbeNombre", Utf8("Inglés básico, mañanas"));
  Choose(*groups, "ZULlkCurso", QStringLiteral("ING1"));
  Choose(*groups, "ZULlkCentro", QStringLiteral("Academia Norte"));
  Choose(*groups, "ZULlkProfesor", Utf8("Quiñones"));
  auto* monday = qobject_cast<QTimeEdit*>(Control(*groups, "ZULdtpLunesMHI"));
  ASSERT_NE(monday, nullptr);
  monday->setTime(QTime(9, 30));
  Press(*groups, TZULDBNavigator::Post);
  ExpectNoMessages();

  // A student with the bank data: the BIC comes from the IBAN's bank.
  TZULFormView* students = Open("ActLAlumnos", 11780);
  ASSERT_NE(students, nullptr);
  Press(*students, TZULDBNavigator::Insert);
  Type(*students, "ZULdbeNombre", QStringLiteral("Lucía"));
  Type(*students, "ZULdbeApellidos", Utf8("Peñalver Ruiz"));
  Choose(*students, "ZULlkCentro", QStringLiteral("Academia Norte"));
  Type(*students, "ZULdbeIBAN", QStringLiteral("ES9121000418450200051332"));
  dialogs->Answer(dbYes);  // "¿Asignar el código BIC calculado?"
  Click(qobject_cast<QAbstractButton*>(Control(*students, "ZULsbBuscarBIC")));
  ASSERT_EQ(dialogs->questions.size(), 1u);
  EXPECT_TRUE(
      dialogs->questions.back().text.contains(QStringLiteral("IBAN buscado: ES9121000418450200051332")));
  const QString bic = qobject_cast<QLineEdit*>(Control(*students, "ZULdbeBIC"))->text();
  EXPECT_EQ(bic.left(6), QStringLiteral("CAIXES"));
  Type(*students, "ZULdbeTitularCuenta", Utf8("Ana Ruiz Peñalver"));
  Press(*students, TZULDBNavigator::Post);
  ExpectNoMessages();

  // Her enrolment in the group.
  TZULFormView* enrolments = Open("ActLMatriculas", 11782);
  ASSERT_NE(enrolments, nullptr);
  Press(*enrolments, TZULDBNavigator::Insert);
  // The list shows the students' full names, which the students' data rules keep;
  // until they are built the only student is the only entry.
  ChooseOnlyEntry(*enrolments, "ZULlkAlumno");
  Choose(*enrolments, "ZULlkGrupo", QStringLiteral("ING1-M"));
  Choose(*enrolments, "ZULlkCentro", QStringLiteral("Academia Norte"));
  Press(*enrolments, TZULDBNavigator::Post);
  ExpectNoMessages();
  EXPECT_EQ(window->ChildForms().size(), 6u);

  // The window's style and picture settings, as the person leaves them.
  {
    ModalScript script;
    script.Expect("TCCFRMConfMenuLevel0Ext", [](QWidget& settings) {
      Child<QCheckBox>(settings, "chkMDI")->setChecked(false);
      Child<QCheckBox>(settings, "chkAjustarImagen")->setChecked(true);
      Click(ButtonWithText(settings, QStringLiteral("Aceptar")));
    });
    Trigger("ActConfFormularioPrincipal");
    EXPECT_TRUE(script.Done());
  }
  ASSERT_EQ(dialogs->notices.size(), 1);  // the style applies at the next start
  EXPECT_EQ(dialogs->notices.front(), ccTranslate(1003));
  dialogs->notices.clear();
  window->showNormal();
  window->setGeometry(40, 30, 780, 540);
  QApplication::processEvents();
  const QSize size = window->size();
  CloseProgram();

  // Second start: the same database opens by itself, and the records, the settings
  // and the current centre are as they were. Now that the database has a centre its
  // bank data is checked once: the person reads the report and accepts it.
  {
    ModalScript script;
    script.Expect("TFRMResultadoProcceso", [](QWidget& report) {
      auto* text = report.findChild<QPlainTextEdit*>();
      ASSERT_NE(text, nullptr);
      EXPECT_TRUE(
          text->toPlainText().contains(QStringLiteral("Procesados un total de 1 registros con 0 errores.")))
          << text->toPlainText().toStdString();
      Click(ButtonWithText(report, QStringLiteral("ACEPTAR")));
    });
    StartProgram();
    EXPECT_TRUE(script.Done()) << script.Seen().join(QLatin1Char(',')).toStdString();
  }
  ExpectNoMessages();
  ASSERT_EQ(dialogs->notices.size(), 1);
  EXPECT_TRUE(dialogs->notices.front().startsWith(QStringLiteral("Datos bancarios actualizados.")));
  ASSERT_TRUE(AppConfig().IsConnected());
  EXPECT_EQ(window->windowTitle(), kTitle + QStringLiteral(" \"Academia Norte\""));
  EXPECT_EQ(window->CentreLabel()->text(), QStringLiteral("(01) - Academia Norte - Centro"));
  EXPECT_EQ(CurrentCentre::CentroActual(), centre);
  EXPECT_FALSE(window->IsMDI());
  EXPECT_TRUE(Parametres().AsBoolean(QStringLiteral("PRMAjustarImagenFondo"), false));
  EXPECT_EQ(window->size(), size);

  const struct {
    const char* sql;
    const char* value;
  } stored[] = {
      {"SELECT NombreCentroT20 FROM T20Centros", "Academia Norte - Centro"},
      {"SELECT DescripcionT03 FROM T03Cursos WHERE CodigoT03 = 'ING1'", "Inglés básico"},
      {"SELECT ApellidosT04 FROM T04Profesores", "Quiñones Roldán"},
      {"SELECT T03Cursos.CodigoT03 FROM T05Grupos INNER JOIN T03Cursos ON T05Grupos.IDCursoT05 = "
       "T03Cursos.IDCursoT03",
       "ING1"},
      {"SELECT T04Profesores.NombreT04 FROM T05Grupos INNER JOIN T04Profesores ON T05Grupos.IDProfesorT05 = "
       "T04Profesores.IDProfesorT04",
       "Marta"},
      {"SELECT IBANT01 FROM T01Alumnos", "ES9121000418450200051332"},
      {"SELECT CCCNombreTitularT01 FROM T01Alumnos", "Ana Ruiz Peñalver"},
      {"SELECT T01Alumnos.NombreT01 FROM (T02Matriculas INNER JOIN T01Alumnos ON T02Matriculas.IDAlumnoT02 = "
       "T01Alumnos.IDAlumnoT01) INNER JOIN T05Grupos ON T02Matriculas.IDGrupoT02 = T05Grupos.IDGrupoT05 "
       "WHERE T05Grupos.CodigoT05 = 'ING1-M'",
       "Lucía"},
  };
  for (const auto& s : stored) EXPECT_EQ(Stored(Utf8(s.sql)), Utf8(s.value)) << s.sql;
  EXPECT_EQ(Stored(QStringLiteral("SELECT BICT01 FROM T01Alumnos")), bic);

  // And the person sees them in the forms.
  TZULFormView* again = Open("ActLAlumnos", 11780);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->parentWidget(), window->Client());  // single-window style now
  EXPECT_EQ(again->ListGrid()->model()->rowCount(), 1);
  EXPECT_EQ(qobject_cast<QLineEdit*>(Control(*again, "ZULdbeIBAN"))->text(),
            QStringLiteral("ES9121000418450200051332"));
  ExpectNoMessages();
  CloseProgram();
}

TEST_F(EndToEndTest, TheRulesPickARecordInTheFormOfANode) {
  {
    ModalScript script;
    script.Expect("TFRMSelEmpresa", [](QWidget&) {});  // closed without a database
    StartProgram();
  }
  QDir().mkpath(dir.File(QStringLiteral("DATADIR")));
  const QString file = dir.File(QStringLiteral("DATADIR/Formatos.MDB"));
  ASSERT_TRUE(QFile::copy(dir.File(QStringLiteral("MastersMDB/ZULLumaExtV4.MMDB")), file));
  QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
  {
    // A file made before the students' name index was declared gets it when opened.
    TDataBaseZUL old;
    old.Open(file);
    old.ExecuteNativeSQL(QStringLiteral("DROP INDEX ix_T01Alumnos_ApellidosT01_NombreT01"));
  }
  AppConfig().ConnectDataBase(
      AppConfig().DataBases().AddDataBase({QStringLiteral("Formatos"), -1, file, QString()}));
  ASSERT_TRUE(AppConfig().IsConnected());
  EXPECT_EQ(Stored(QStringLiteral("SELECT Count(*) FROM sqlite_master WHERE name = "
                                  "'ix_T01Alumnos_ApellidosT01_NombreT01'")),
            QStringLiteral("1"));
  for (const char* name : {"Primaria", "Secundaria", "Idiomas"}) {
    AppConfig().DataBase().ExecuteSQL(
        QStringLiteral("INSERT INTO T23FormatosBoletinesNotas (DescrFormatoBoletinT23) VALUES ('%1')")
            .arg(QLatin1String(name)));
  }
  const QVariant secondary =
      Stored(QStringLiteral("SELECT IDFormatoBoletinT23 FROM T23FormatosBoletinesNotas WHERE "
                            "DescrFormatoBoletinT23 = 'Secundaria'"));

  // Accepted: the form comes back on the record asked for; cancelled: nothing.
  {
    ModalScript script;
    script.Expect("QDialog",
                  [](QWidget& picker) { Click(ButtonWithText(picker, QStringLiteral("Aceptar"))); });
    const std::unique_ptr<TZULForm> picked = RuleSeams::PickRecord(11632, 4, secondary);
    ASSERT_NE(picked, nullptr);
    EXPECT_EQ(picked->DataSet()->FieldByName(QStringLiteral("DescrFormatoBoletinT23")).AsString(),
              QStringLiteral("Secundaria"));
  }
  {
    ModalScript script;
    script.Expect("QDialog",
                  [](QWidget& picker) { Click(ButtonWithText(picker, QStringLiteral("Cancelar"))); });
    EXPECT_EQ(RuleSeams::PickRecord(11632, 4, secondary), nullptr);
  }
  ExpectNoMessages();
}

}  // namespace
