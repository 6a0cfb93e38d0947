// The generic form view: the record's controls bound to the fields, editing through
// the dataset with the rules' errors shown, the model's state on the widgets, and
// the keyboard.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/windows/TZULDBGridView.h"
#include "platform/zul/windows/TZULDBNavigator.h"
#include "tests/platform/zul/windows/FormViewFixture.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

class FormViewTest : public FormViewFixture {
protected:
  void SetUp() override {
    FormViewFixture::SetUp();
    db.ExecuteNativeSQL(QStringLiteral(
        "INSERT INTO T01Alumnos (IDCentroT01, CodigoT01, NombreT01, SaldoT01, FechaNacT01) VALUES "
        "(2, 1, 'Ana', 1234.5, 36526), (1, 2, 'Luis', 0, NULL)"));
    Build(QStringLiteral("SELECT * FROM T01Alumnos ORDER BY CodigoT01"), [](TZULForm& f) {
      TZULControl* panel = f.AddControl(TZULControlKind::Panel, QStringLiteral("PDatos"));
      panel->SetCaption(QStringLiteral("Datos"));
      auto add = [&](TZULControlKind kind, const char* name, const char* field, const char* caption) {
        TZULControl* c = f.AddControl(kind, QLatin1String(name), panel);
        c->SetDataField(QLatin1String(field));
        c->SetCaption(QString::fromUtf8(caption));
        return c;
      };
      add(TZULControlKind::DBEdit, "ZULebCodigo", "CodigoT01", "Código");
      add(TZULControlKind::DBEdit, "ZULebNombre", "NombreT01", "Nombre");
      add(TZULControlKind::DBEdit, "ZULebSaldo", "SaldoT01", "Saldo");
      add(TZULControlKind::DBCheckBox, "ZULcbActivo", "ActivoT01", "Activo");
      add(TZULControlKind::DBDate, "ZULdtFechaNac", "FechaNacT01", "Nacimiento");
      add(TZULControlKind::DBMemo, "ZULmmComentarios", "ComentariosT01", "Comentarios");
      TZULControl* centro = add(TZULControlKind::DBLookup, "ZULlkCentro", "IDCentroT01", "Centro");
      centro->SetItems({QStringLiteral("Alfa"), QStringLiteral("Zeta")});
      centro->SetItemValues({1, 2});
      f.AddControl(TZULControlKind::CheckBox, QStringLiteral("ZULchkTodos"))
          ->SetCaption(QStringLiteral("Todos"));
      f.AddControl(TZULControlKind::Button, QStringLiteral("ZULbtnAccion"))
          ->SetCaption(QStringLiteral("Acción"));
      TZULControl* hidden = f.AddControl(TZULControlKind::DBEdit, QStringLiteral("ZULebOculto"));
      hidden->SetDataField(QStringLiteral("CodigoT01"));
      hidden->SetVisible(false);
      TZULControl* radio = f.AddControl(TZULControlKind::DBRadioGroup, QStringLiteral("ZULrgCentro"));
      radio->SetDataField(QStringLiteral("IDCentroT01"));
      radio->SetItems({QStringLiteral("Alfa"), QStringLiteral("Zeta")});
      radio->SetItemValues({1, 2});
    });
  }

  bool Click(TZULDBNavigator::Button button) { return view->Navigator()->Run(button); }
  QLineEdit* Nombre() const { return W<QLineEdit>("ZULebNombre"); }
  void Retype(QLineEdit* edit, const QString& text) {
    edit->clear();
    Type(edit, text);
  }
};

TEST_F(FormViewTest, ShowsTheRecordAndTypingThenSavingStoresIt) {
  ASSERT_NE(Nombre(), nullptr);
  EXPECT_EQ(view->objectName(), QStringLiteral("ZULFormAlumnos"));
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Alumnos"));
  EXPECT_EQ(Nombre()->text(), QStringLiteral("Ana"));
  EXPECT_EQ(W<QLineEdit>("ZULebSaldo")->text(), QStringLiteral("1.234,50")) << "the currency mask";
  const QModelIndex saldo =
      view->ListGrid()->model()->index(0, ds()->FieldByName(QStringLiteral("SaldoT01")).Index());
  EXPECT_EQ(TZULDBGridView::CellText(saldo), QStringLiteral("1.234,50")) << "the list too";
  EXPECT_EQ(W<QDateEdit>("ZULdtFechaNac")->date(), QDate(2000, 1, 1));
  EXPECT_EQ(W<QComboBox>("ZULlkCentro")->currentText(), QStringLiteral("Zeta"));
  EXPECT_TRUE(view->findChild<QRadioButton*>(QStringLiteral("ZULrgCentro1"))->isChecked());
  EXPECT_EQ(view->findChild<QLabel*>(QStringLiteral("ZULebNombreLabel"))->text(), QStringLiteral("Nombre"));

  Retype(Nombre(), QStringLiteral("Berta"));
  EXPECT_EQ(ds()->State(), TDataSetState::dsEdit) << "the first key puts the record in edit";
  Retype(W<QLineEdit>("ZULebSaldo"), QStringLiteral("12,5"));
  W<QCheckBox>("ZULcbActivo")->click();
  EXPECT_TRUE(Control("ZULcbActivo")->Checked());
  W<QDateEdit>("ZULdtFechaNac")->setDate(QDate(2001, 2, 3));
  auto* centro = W<QComboBox>("ZULlkCentro");
  centro->setCurrentIndex(1);
  emit centro->activated(1);
  W<QPlainTextEdit>("ZULmmComentarios")->setPlainText(QStringLiteral("Nota"));
  // The radio group shows the same field: it follows the combo, and back.
  auto* alfa = view->findChild<QRadioButton*>(QStringLiteral("ZULrgCentro0"));
  auto* zeta = view->findChild<QRadioButton*>(QStringLiteral("ZULrgCentro1"));
  ASSERT_TRUE(alfa && zeta);
  EXPECT_TRUE(alfa->isChecked());
  zeta->click();
  EXPECT_EQ(centro->currentText(), QStringLiteral("Zeta"));
  alfa->click();
  EXPECT_EQ(centro->currentText(), QStringLiteral("Alfa"));
  ASSERT_TRUE(Click(TZULDBNavigator::Post));

  EXPECT_EQ(ds()->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(Stored(QStringLiteral("SELECT NombreT01 FROM T01Alumnos WHERE IDAlumnoT01 = 1")),
            QStringLiteral("Berta"));
  EXPECT_EQ(Stored(QStringLiteral("SELECT SaldoT01 FROM T01Alumnos WHERE IDAlumnoT01 = 1")),
            QStringLiteral("12,5"));
  EXPECT_EQ(Stored(QStringLiteral("SELECT ActivoT01 & '|' & IDCentroT01 & '|' & ComentariosT01 & '|' & "
                                  "Format(FechaNacT01, 'yyyy-mm-dd') FROM T01Alumnos WHERE IDAlumnoT01 = 1")),
            QStringLiteral("1|1|Nota|2001-02-03"));
  EXPECT_EQ(W<QLineEdit>("ZULebSaldo")->text(), QStringLiteral("12,50"));

  // A new record: the controls empty, typed and saved.
  ASSERT_TRUE(Click(TZULDBNavigator::Insert));
  EXPECT_EQ(Nombre()->text(), QString());
  EXPECT_EQ(W<QComboBox>("ZULlkCentro")->currentIndex(), 0);
  Retype(Nombre(), QStringLiteral("Carla"));
  Retype(W<QLineEdit>("ZULebCodigo"), QStringLiteral("3"));
  ASSERT_TRUE(Click(TZULDBNavigator::Post));
  EXPECT_EQ(Stored(QStringLiteral("SELECT NombreT01 FROM T01Alumnos WHERE CodigoT01 = 3")),
            QStringLiteral("Carla"));
  EXPECT_EQ(Stored(QStringLiteral("SELECT Count(*) FROM T01Alumnos")), QStringLiteral("3"));
}

TEST_F(FormViewTest, ARulesErrorIsShownAndTheRecordKeepsWhatWasTyped) {
  struct Case {
    const char* event;
    bool abort;
  };
  for (const Case c :
       {Case{"ProcedureZULDataEvent_BEFOREPOST", false}, Case{"ProcedureZULDataEvent_BEFOREPOST", true}}) {
    SCOPED_TRACE(c.abort ? "abort" : "error");
    ScriptedDialogs::Scope dialogs;
    app.Procedures().RegisterProcedure(QLatin1String(c.event), QString(), [&](QObject*, const QVariantList&) {
      if (c.abort) Abort();
      throw EDatabaseError(QStringLiteral("El nombre no es válido"));
    });
    Retype(Nombre(), QStringLiteral("Zoe"));
    EXPECT_FALSE(Click(TZULDBNavigator::Post));
    EXPECT_EQ(dialogs->errors,
              c.abort ? QStringList() : QStringList{QStringLiteral("El nombre no es válido")});
    EXPECT_EQ(Stored(QStringLiteral("SELECT NombreT01 FROM T01Alumnos WHERE IDAlumnoT01 = 1")),
              QStringLiteral("Ana"));
    EXPECT_EQ(ds()->State(), TDataSetState::dsEdit);
    EXPECT_EQ(Nombre()->text(), QStringLiteral("Zoe"));
    EXPECT_TRUE(view->Navigator()->ButtonAt(TZULDBNavigator::Post)->isEnabled());
    // Moving away posts too, and fails the same way: the record stays.
    EXPECT_FALSE(Click(TZULDBNavigator::Next));
    EXPECT_EQ(ds()->RecNo(), 1);
    EXPECT_EQ(Nombre()->text(), QStringLiteral("Zoe"));
    view->CancelEdits(ds());
    EXPECT_EQ(Nombre()->text(), QStringLiteral("Ana"));
    app.Procedures().Clear();
  }

  // A text that is no value of the field: shown, nothing written.
  ScriptedDialogs::Scope dialogs;
  Retype(W<QLineEdit>("ZULebCodigo"), QStringLiteral("x1"));
  EXPECT_FALSE(Click(TZULDBNavigator::Post));
  ASSERT_EQ(dialogs->errors.size(), 1);
  EXPECT_TRUE(dialogs->errors[0].contains(QStringLiteral("x1")));
  EXPECT_EQ(W<QLineEdit>("ZULebCodigo")->text(), QStringLiteral("x1"));

  // A rule refusing the edit itself: the widget goes back to the stored value.
  view->CancelEdits(ds());
  app.Procedures().RegisterProcedure(
      QStringLiteral("ProcedureZULDataEvent_BEFOREEDIT"), QString(),
      [](QObject*, const QVariantList&) { throw EDatabaseError(QStringLiteral("Registro bloqueado")); });
  Retype(Nombre(), QStringLiteral("Q"));
  EXPECT_EQ(dialogs->errors.last(), QStringLiteral("Registro bloqueado"));
  EXPECT_EQ(ds()->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(Nombre()->text(), QStringLiteral("Ana"));
}

TEST_F(FormViewTest, TheWidgetsFollowTheModel) {
  EXPECT_FALSE(W<QWidget>("ZULebOculto")->isVisible()) << "hidden from the start";
  EXPECT_FALSE(view->findChild<QLabel*>(QStringLiteral("ZULebOcultoLabel"))->isVisible());
  EXPECT_TRUE(Nombre()->isVisible());
  TZULControl* nombre = Control("ZULebNombre");
  auto* label = view->findChild<QLabel*>(QStringLiteral("ZULebNombreLabel"));
  nombre->SetEnabled(false);
  EXPECT_FALSE(Nombre()->isEnabled());
  nombre->SetEnabled(true);
  nombre->SetReadOnly(true);
  EXPECT_TRUE(Nombre()->isReadOnly());
  nombre->SetCaption(QStringLiteral("Nombre propio"));
  EXPECT_EQ(label->text(), QStringLiteral("Nombre propio"));
  nombre->SetVisible(false);
  EXPECT_TRUE(Nombre()->isHidden());
  EXPECT_TRUE(label->isHidden());
  nombre->SetVisible(true);
  EXPECT_FALSE(Nombre()->isHidden());
  Control("PDatos")->SetEnabled(false);
  EXPECT_FALSE(W<QWidget>("PDatos")->isEnabled());
  EXPECT_FALSE(W<QLineEdit>("ZULebCodigo")->isEnabled()) << "inside the disabled panel";
  Control("PDatos")->SetEnabled(true);

  // The plain check box and the button: both ways.
  auto* todos = W<QCheckBox>("ZULchkTodos");
  Control("ZULchkTodos")->SetChecked(true);
  EXPECT_TRUE(todos->isChecked());
  todos->click();
  EXPECT_FALSE(Control("ZULchkTodos")->Checked());
  int clicks = 0;
  QObject::connect(Control("ZULbtnAccion"), &TZULControl::clicked, [&] { ++clicks; });
  W<QPushButton>("ZULbtnAccion")->click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(W<QPushButton>("ZULbtnAccion")->text(), QStringLiteral("Acción"));

  // A rule changes the model and the fields while the record is edited.
  app.Procedures().RegisterProcedure(QStringLiteral("ProcedureZULDataEvent_AFTEREDIT"), QString(),
                                     [this](QObject*, const QVariantList&) {
                                       Control("ZULebCodigo")->SetEnabled(false);
                                       ds()->FieldByName(QStringLiteral("SaldoT01")).SetValue(7);
                                     });
  nombre->SetReadOnly(false);
  Retype(Nombre(), QStringLiteral("Eva"));
  EXPECT_FALSE(W<QLineEdit>("ZULebCodigo")->isEnabled());
  EXPECT_EQ(W<QLineEdit>("ZULebSaldo")->text(), QStringLiteral("7,00"));
  EXPECT_EQ(Nombre()->text(), QStringLiteral("Eva"));

  // Moving the dataset by code shows the other record.
  view->CancelEdits(ds());
  ds()->Next();
  EXPECT_EQ(Nombre()->text(), QStringLiteral("Luis"));
  EXPECT_EQ(W<QDateEdit>("ZULdtFechaNac")->text().trimmed(), QString()) << "no date";
  EXPECT_EQ(view->ListGrid()->currentIndex().row(), 1);
}

TEST_F(FormViewTest, KeysAndNavigator) {
  // Tab goes through the record's controls in the model's order.
  QStringList order;
  for (QWidget* w = W<QWidget>("ZULebCodigo"); w && order.size() < 9; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty() &&
        view->ControlWidget(w->objectName()))
      order << w->objectName();
  }
  EXPECT_EQ(order, (QStringList{QStringLiteral("ZULebCodigo"), QStringLiteral("ZULebNombre"),
                                QStringLiteral("ZULebSaldo"), QStringLiteral("ZULcbActivo"),
                                QStringLiteral("ZULdtFechaNac"), QStringLiteral("ZULmmComentarios"),
                                QStringLiteral("ZULlkCentro"), QStringLiteral("ZULchkTodos"),
                                QStringLiteral("ZULbtnAccion")}));

  // Enter writes the text into the field, moves on and stays in edit; Escape cancels.
  view->activateWindow();
  QApplication::processEvents();
  Nombre()->setFocus();
  Retype(Nombre(), QStringLiteral("Eva"));
  Key(Nombre(), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), W<QWidget>("ZULebSaldo"));
  EXPECT_EQ(W<QLineEdit>("ZULebSaldo")->text(), QStringLiteral("1234,5")) << "no mask while editing";
  EXPECT_EQ(ds()->FieldByName(QStringLiteral("NombreT01")).AsString(), QStringLiteral("Eva"));
  EXPECT_EQ(ds()->State(), TDataSetState::dsEdit);
  Key(Nombre(), Qt::Key_Escape);
  EXPECT_EQ(ds()->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(Nombre()->text(), QStringLiteral("Ana"));

  // F12 saves what was typed; F8 undoes it.
  Retype(Nombre(), QStringLiteral("Eva"));
  QTest::keyClick(Nombre(), Qt::Key_F12);
  EXPECT_EQ(ds()->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(Stored(QStringLiteral("SELECT NombreT01 FROM T01Alumnos WHERE CodigoT01 = 1")),
            QStringLiteral("Eva"));
  Retype(Nombre(), QStringLiteral("Rita"));
  QTest::keyClick(Nombre(), Qt::Key_F8);
  EXPECT_EQ(ds()->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(Nombre()->text(), QStringLiteral("Eva"));
  EXPECT_EQ(Stored(QStringLiteral("SELECT NombreT01 FROM T01Alumnos WHERE CodigoT01 = 1")),
            QStringLiteral("Eva"));

  // The navigator's buttons follow the state.
  TZULDBNavigator* nav = view->Navigator();
  auto enabled = [nav](TZULDBNavigator::Button b) { return nav->ButtonAt(b)->isEnabled(); };
  EXPECT_FALSE(enabled(TZULDBNavigator::First));
  EXPECT_TRUE(enabled(TZULDBNavigator::Next));
  EXPECT_FALSE(enabled(TZULDBNavigator::Post));
  ASSERT_TRUE(Click(TZULDBNavigator::Last));
  EXPECT_EQ(Nombre()->text(), QStringLiteral("Luis"));
  EXPECT_FALSE(enabled(TZULDBNavigator::Next));
  EXPECT_TRUE(enabled(TZULDBNavigator::Prior));
  ASSERT_TRUE(Click(TZULDBNavigator::Edit));
  EXPECT_TRUE(enabled(TZULDBNavigator::Cancel));
  EXPECT_FALSE(enabled(TZULDBNavigator::Refresh));
  ASSERT_TRUE(Click(TZULDBNavigator::Cancel));

  // Delete asks first; No keeps the record.
  ScriptedDialogs::Scope dialogs;
  dialogs->Answer(dbNo);
  dialogs->Answer(dbYes);
  ASSERT_TRUE(Click(TZULDBNavigator::Delete));
  EXPECT_EQ(Stored(QStringLiteral("SELECT Count(*) FROM T01Alumnos")), QStringLiteral("2"));
  ASSERT_TRUE(Click(TZULDBNavigator::Delete));
  EXPECT_EQ(Stored(QStringLiteral("SELECT Count(*) FROM T01Alumnos")), QStringLiteral("1"));
  EXPECT_EQ(dialogs->questions.size(), 2u);

  // Refresh reads rows written behind the form's back.
  db.ExecuteNativeSQL(QStringLiteral("INSERT INTO T01Alumnos (CodigoT01, NombreT01) VALUES (9, 'Nuevo')"));
  ASSERT_TRUE(Click(TZULDBNavigator::Refresh));
  EXPECT_EQ(view->ListGrid()->model()->rowCount(), 2);
}

}  // namespace
