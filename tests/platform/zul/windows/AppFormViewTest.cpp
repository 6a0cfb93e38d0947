// A form of the application file drawn by the view: its buttons run their
// procedures, its detail grid follows the record and saves through its navigator,
// and closing the window closes the form.
#include <QBuffer>
#include <QLineEdit>
#include <QPushButton>

#include "platform/core/Exceptions.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/windows/TZULDBGridView.h"
#include "platform/zul/windows/TZULDBNavigator.h"
#include "tests/platform/zul/windows/FormViewFixture.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

class AppFormViewTest : public FormViewFixture {
protected:
  void SetUp() override {
    FormViewFixture::SetUp();
    db.ExecuteNativeSQL(QStringLiteral(
        "CREATE TABLE T02Matriculas (IDMatriculaT02 INTEGER PRIMARY KEY AUTOINCREMENT, IDAlumnoT02 INTEGER, "
        "NMatriculaT02 VARCHAR(20) COLLATE JETNOCASE)"));
    db.ExecuteNativeSQL(
        QStringLiteral("INSERT INTO T01Alumnos (CodigoT01, NombreT01) VALUES (1, 'Ana'), (2, 'Luis')"));
    db.ExecuteNativeSQL(QStringLiteral(
        "INSERT INTO T02Matriculas (IDAlumnoT02, NMatriculaT02) VALUES (1, 'M-1'), (1, 'M-2'), (2, 'M-3')"));
    QBuffer buffer;
    buffer.setData(R"json({"format": "lumaresca-application", "version": 1,
      "tree": [{"node": 500, "kind": 3, "text": "Alumnos"}],
      "forms": [{"node": 500, "dataObject": 3, "name": "ZULFormAlumnos", "caption": "Alumnos",
        "sql": "SELECT * FROM T01Alumnos ORDER BY CodigoT01", "updateTable": "T01Alumnos",
        "controls": [
          {"name": "ZULebNombre", "kind": "DBEdit", "field": "NombreT01", "caption": "Nombre"},
          {"name": "ZULbtnSaluda", "kind": "Button", "caption": "Saluda", "procedure": "SALUDA",
           "arguments": [{"object": "ZULebNombre"}, 7]},
          {"name": "ZULgrdMatriculas", "kind": "Grid", "caption": "Matrículas",
           "detail": {"dataObject": 186,
                      "sql": "SELECT * FROM T02Matriculas WHERE IDAlumnoT02 = {MASTER} ORDER BY NMatriculaT02",
                      "masterField": "IDAlumnoT01", "updateTable": "T02Matriculas", "keyField": "IDMatriculaT02",
                      "columns": [{"field": "NMatriculaT02", "caption": "Matrícula"}]}},
          {"name": "ZULebNMatricula", "kind": "DBEdit", "field": "NMatriculaT02", "dataSet": "ZULgrdMatriculas"}
        ]}]})json");
    buffer.open(QIODevice::ReadOnly);
    app.LoadAppFromStream(buffer);
    app.SetDefaultDB(&db);
    form.reset(app.ObreComponent(500));
    ASSERT_TRUE(form);
    view = std::make_unique<TZULFormView>(form.get());
    view->show();
    QApplication::processEvents();
  }
};

TEST_F(AppFormViewTest, ButtonsRunTheirProcedure) {
  ScriptedDialogs::Scope dialogs;
  QObject* argument = nullptr;
  bool fail = false;
  app.Procedures().RegisterProcedure(QStringLiteral("SALUDA"), QString(), [&](QObject*, const QVariantList&) {
    argument = Parametres().GetObject(PRM::Argument(1));
    if (fail) throw EDatabaseError(QStringLiteral("No se puede saludar"));
  });
  auto* button = W<QPushButton>("ZULbtnSaluda");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), QStringLiteral("Saluda"));
  button->click();
  EXPECT_EQ(argument, Control("ZULebNombre"));
  fail = true;
  button->click();
  EXPECT_EQ(dialogs->errors, QStringList{QStringLiteral("No se puede saludar")});
  Control("ZULbtnSaluda")->SetEnabled(false);
  EXPECT_FALSE(button->isEnabled());
}

TEST_F(AppFormViewTest, TheDetailGridFollowsTheRecordAndSavesItsOwnRecords) {
  auto* grid = W<TZULDBGridView>("ZULgrdMatriculas");
  auto* matricula = W<QLineEdit>("ZULebNMatricula");
  auto* navigator = view->findChild<TZULDBNavigator*>(QStringLiteral("ZULgrdMatriculasNavigator"));
  ASSERT_TRUE(grid && matricula && navigator);
  EXPECT_EQ(grid->model()->rowCount(), 2);
  EXPECT_EQ(matricula->text(), QStringLiteral("M-1"));
  ds()->Next();
  EXPECT_EQ(grid->model()->rowCount(), 1);
  EXPECT_EQ(matricula->text(), QStringLiteral("M-3"));

  matricula->clear();
  Type(matricula, QStringLiteral("M-30"));
  TSQLDataSet* detail = Control("ZULgrdMatriculas")->DataSet();
  EXPECT_EQ(detail->State(), TDataSetState::dsEdit);
  EXPECT_EQ(ds()->State(), TDataSetState::dsBrowse) << "the master is not touched";
  ASSERT_TRUE(navigator->Run(TZULDBNavigator::Post));
  EXPECT_EQ(Stored(QStringLiteral("SELECT NMatriculaT02 FROM T02Matriculas WHERE IDAlumnoT02 = 2")),
            QStringLiteral("M-30"));
}

TEST_F(AppFormViewTest, ClosingWithAPendingEditAsksAndClosesTheForm) {
  int destroyed = 0;
  app.Procedures().RegisterProcedure(QStringLiteral("ProcedureZULFormEvent_DESTROY"), QString(),
                                     [&](QObject*, const QVariantList&) { ++destroyed; });
  ScriptedDialogs::Scope dialogs;
  auto* nombre = W<QLineEdit>("ZULebNombre");
  nombre->clear();
  Type(nombre, QStringLiteral("Berta"));
  dialogs->Answer(dbCancel);
  EXPECT_FALSE(view->close());
  EXPECT_EQ(destroyed, 0);
  EXPECT_EQ(nombre->text(), QStringLiteral("Berta"));
  dialogs->Answer(dbYes);
  EXPECT_TRUE(view->close());
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(Stored(QStringLiteral("SELECT NombreT01 FROM T01Alumnos WHERE CodigoT01 = 1")),
            QStringLiteral("Berta"));
}

}  // namespace

namespace {

TEST_F(AppFormViewTest, TheFormMayGoBeforeItsView) {
  form.reset();
  W<QPushButton>("ZULbtnSaluda")->click();
  W<QLineEdit>("ZULebNombre")->setText(QStringLiteral("x"));
  emit W<QLineEdit>("ZULebNombre")->textEdited(QStringLiteral("x"));
  EXPECT_FALSE(view->Navigator()->Run(TZULDBNavigator::First));
  EXPECT_TRUE(view->CommitEdits());
  EXPECT_TRUE(view->close());
}

}  // namespace
