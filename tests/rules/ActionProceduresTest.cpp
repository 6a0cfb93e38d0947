// The small action procedures that data-form buttons call.

#include <sqlite3.h>

#include <QStringList>

#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TDataSource.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULForm.h"
#include "rules/EventRules.h"
#include "rules/RuleSeams.h"
#include "tests/rules/RulesFixture.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

const QString kCardsSql = QStringLiteral("SELECT * FROM T24BoletinesNotas ORDER BY IDBoletinNotasT24");

class ActionProceduresTest : public RulesFixture {
protected:
  ActionProceduresTest() { Dialogs::SetAppTitle(QStringLiteral("Luma Pro")); }
  ~ActionProceduresTest() override { Dialogs::SetAppTitle(QString()); }

  int AddCard(const QString& name, bool locked) {
    return Insert(QStringLiteral("T24BoletinesNotas"), QStringLiteral("IDBoletinNotasT24"),
                  {QStringLiteral("DescrBoletinNotasT24"), QStringLiteral("BloqueadoT24")}, {name, locked});
  }
  bool Locked(int card) {
    return Scalar(QStringLiteral("SELECT BloqueadoT24 FROM T24BoletinesNotas WHERE IDBoletinNotasT24=%1")
                      .arg(card))
        .toBool();
  }
  // Counts the edits the framework starts on a data object.
  void CountEdits(int id) {
    edits = std::make_shared<int>(0);
    EventRules::Register(TDataSetEvent::BeforeEdit, id, [counter = edits](TSQLDataSet&, int) { ++*counter; });
  }

  std::shared_ptr<int> edits;
  ScriptedDialogs::Scope dialogs;
};

// --- ControlActiuNomesQuanNoModifiqui ---

TEST_F(ActionProceduresTest, ControlIsEnabledExactlyWhenTheDataSetIsNeitherInEditNorInsert) {
  AddCard(QStringLiteral("Junio"), false);
  auto query = OpenQuery(kCardsSql, 296);
  TSQLDataSet& card = *query->DataSet();
  TZULForm form(1, 296, QStringLiteral("FRMBoletines"));
  TZULControl* button = form.AddControl(TZULControlKind::SpeedButton, QStringLiteral("ZULsbBloquear"));

  struct Case {
    const char* name;
    std::function<void()> enter;
    bool enabled;
  };
  const Case cases[] = {
      {"browse", [&] {}, true},
      {"edit", [&] { card.Edit(); }, false},
      {"insert", [&] { card.Append(); }, false},
      {"set-key", [&] { card.SetKey(); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.enter();
    for (bool start : {true, false}) {
      button->SetEnabled(start);
      Parametres().SetObject(PRM::Argument(1), button);
      Parametres().SetObject(PRM::Argument(2), &card);
      Run(QStringLiteral("ControlActiuNomesQuanNoModifiqui"));
      EXPECT_EQ(button->Enabled(), c.enabled);
    }
    card.Cancel();
  }
}

TEST_F(ActionProceduresTest, ControlArgumentsMayBeNamesOnTheCallingFormAndMissingOnesDoNothing) {
  auto query = OpenQuery(kCardsSql, 296);
  TZULForm form(1, 296, QStringLiteral("FRMBoletines"));
  form.AddComponent(QStringLiteral("DadesQry"), query->DataSet());
  TZULControl* edit = form.AddControl(TZULControlKind::DBEdit, QStringLiteral("ZULdbeDescr"));
  Parametres().SetObject(PRM::ZULForm, &form);
  query->DataSet()->Append();

  Parametres().AddParam(PRM::Argument(1), QStringLiteral("ZULdbeDescr"));
  Parametres().AddParam(PRM::Argument(2), QStringLiteral("DadesQry"));
  Run(QStringLiteral("ControlActiuNomesQuanNoModifiqui"));
  EXPECT_FALSE(edit->Enabled());

  query->DataSet()->Cancel();
  Parametres().DeleteParam(PRM::Argument(2));
  Run(QStringLiteral("ControlActiuNomesQuanNoModifiqui"));
  EXPECT_FALSE(edit->Enabled());  // no dataset: left as it was
}

// --- FACTURA_CUE_QUITA_MATRICULA ---

TEST_F(ActionProceduresTest, UnlinkingAnInvoiceLineEditsOnlyWhenNeededAndClearsTheLink) {
  for (bool alreadyEditing : {false, true}) {
    SCOPED_TRACE(alreadyEditing);
    const int line = Insert(QStringLiteral("T16FacturasCue"), QStringLiteral("IDFacturaCueT16"),
                            {QStringLiteral("IDConceptoMatriculaT16"), QStringLiteral("DescConceptoT16")},
                            {42, QStringLiteral("Mensualidad")});
    auto query =
        OpenQuery(QStringLiteral("SELECT * FROM T16FacturasCue WHERE IDFacturaCueT16=%1").arg(line), 199);
    TSQLDataSet& lines = *query->DataSet();
    CountEdits(199);
    if (alreadyEditing) lines.Edit();
    const int editsBefore = *edits;

    Parametres().SetObject(PRM::DataSet, &lines);
    Run(QStringLiteral("FACTURA_CUE_QUITA_MATRICULA"));

    EXPECT_EQ(*edits, alreadyEditing ? editsBefore : editsBefore + 1);
    EXPECT_EQ(lines.State(), TDataSetState::dsEdit);
    EXPECT_TRUE(lines.FieldByName(QStringLiteral("IDConceptoMatriculaT16")).IsNull());
    // Posting is the user's: the stored line still has its link until then.
    EXPECT_EQ(
        Scalar(QStringLiteral("SELECT IDConceptoMatriculaT16 FROM T16FacturasCue WHERE IDFacturaCueT16=%1")
                   .arg(line))
            .toInt(),
        42);
    lines.Post();
    EXPECT_TRUE(Var::IsNull(
        Scalar(QStringLiteral("SELECT IDConceptoMatriculaT16 FROM T16FacturasCue WHERE IDFacturaCueT16=%1")
                   .arg(line))));
  }
  Parametres().DeleteParam(PRM::DataSet);
  Run(QStringLiteral("FACTURA_CUE_QUITA_MATRICULA"));  // no dataset: nothing
}

// --- CAMBIO_DATOS_COBRO_MATRICULA ---

class EnrolmentPaymentTest : public ActionProceduresTest {
protected:
  EnrolmentPaymentTest() : form(5, 186, QStringLiteral("FRMMatriculas")) {
    box = form.AddControl(TZULControlKind::DBCheckBox, QStringLiteral("ZULdbcbDatosCobroEnMatricula"));
    panel = form.AddControl(TZULControlKind::Panel, QStringLiteral("ZULpnlDatosCobroMatricula"));
    Parametres().SetObject(PRM::ZULForm, &form);
  }
  std::unique_ptr<TQuerySQL> Enrolment(bool ownPaymentData) {
    Insert(QStringLiteral("T02Matriculas"), QStringLiteral("IDMatriculaT02"),
           {QStringLiteral("NMatriculaT02"), QStringLiteral("DatosCobroEnMatriculaT02")},
           {QStringLiteral("M-1"), ownPaymentData});
    auto query = OpenQuery(QStringLiteral("SELECT * FROM T02Matriculas"), 186);
    query->DataSet()->Edit();
    Parametres().SetObject(PRM::DataSet, query->DataSet());
    return query;
  }
  TZULForm form;
  TZULControl* box;
  TZULControl* panel;
};

const QString kOwnPaymentQuestion = QStringLiteral(
    "ATENCIÓN:\n\nLos datos de cobro en la matrícula solamente se suelen introducir\nen ciertos casos "
    "especiales.\nNormalmente la mejor opción es tenerlos en la ficha del alumno.\n\n¿Seguro que quiere "
    "introducir datos de cobro específicos para esta matrícula?");

TEST_F(EnrolmentPaymentTest, TickingTheBoxAsksAndNoUnticksIt) {
  auto query = Enrolment(false);
  for (TDialogButton answer : {dbYes, dbNo}) {
    SCOPED_TRACE(answer);
    dialogs->questions.clear();
    box->SetChecked(true);
    panel->SetVisible(answer != dbYes);
    dialogs->Answer(answer);
    Run(QStringLiteral("CAMBIO_DATOS_COBRO_MATRICULA"));
    ASSERT_EQ(dialogs->questions.size(), 1u);
    const ScriptedDialogs::Question& q = dialogs->questions[0];
    EXPECT_EQ(q.text, kOwnPaymentQuestion);
    EXPECT_EQ(q.title, QStringLiteral("Luma Pro"));
    EXPECT_EQ(q.icon, TDialogIcon::Warning);
    EXPECT_EQ(q.buttons, dbYes | dbNo);
    EXPECT_EQ(q.defaultButton, dbNo);
    EXPECT_EQ(box->Checked(), answer == dbYes);
    EXPECT_EQ(panel->Visible(), answer == dbYes);
  }
}

TEST_F(EnrolmentPaymentTest, NoQuestionWhenUntickedOrAlreadyStoredAndThePanelFollowsTheBox) {
  struct Case {
    bool stored;
    bool ticked;
  };
  for (const Case c : {Case{false, false}, Case{true, true}, Case{true, false}}) {
    SCOPED_TRACE(testing::Message() << c.stored << c.ticked);
    db.ExecuteSQL(QStringLiteral("DELETE FROM T02Matriculas"));
    auto query = Enrolment(c.stored);
    box->SetChecked(c.ticked);
    panel->SetVisible(!c.ticked);
    Run(QStringLiteral("CAMBIO_DATOS_COBRO_MATRICULA"));
    EXPECT_TRUE(dialogs->questions.empty());
    EXPECT_EQ(box->Checked(), c.ticked);
    EXPECT_EQ(panel->Visible(), c.ticked);
  }
}

TEST_F(EnrolmentPaymentTest, APluggedRefreshReplacesThePanelDefault) {
  auto query = Enrolment(true);
  TSQLDataSet* refreshed = nullptr;
  RuleSeams::SetEnrolmentControlsRefresh([&](TZULForm& f, TSQLDataSet* dataSet) {
    EXPECT_EQ(&f, &form);
    refreshed = dataSet;
  });
  box->SetChecked(true);
  panel->SetVisible(false);
  Run(QStringLiteral("CAMBIO_DATOS_COBRO_MATRICULA"));
  EXPECT_EQ(refreshed, query->DataSet());
  EXPECT_FALSE(panel->Visible());
}

// --- CAMBIO_BLOQUEADO_BOLETIN ---

TEST_F(ActionProceduresTest, UnlockingALockedCardNegatesTheStoredValueWithOneUpdate) {
  const int card = AddCard(QStringLiteral("Junio"), true);
  const int other = AddCard(QStringLiteral("Marzo"), true);
  auto query = OpenQuery(kCardsSql, 296);
  Parametres().SetObject(PRM::TQuerySQL, query.get());

  dialogs->Answer(dbYes);
  const int changesBefore = sqlite3_total_changes(db.Handle());
  Run(QStringLiteral("CAMBIO_BLOQUEADO_BOLETIN"));
  EXPECT_EQ(sqlite3_total_changes(db.Handle()) - changesBefore, 1);

  ASSERT_EQ(dialogs->questions.size(), 1u);
  EXPECT_EQ(dialogs->questions[0].text,
            QStringLiteral("Está seguro que desea\nDesbloquear el boletín\n\n¿Continuar?"));
  EXPECT_EQ(dialogs->questions[0].title, QStringLiteral("Luma Pro"));
  EXPECT_EQ(dialogs->questions[0].icon, TDialogIcon::Warning);
  EXPECT_EQ(dialogs->questions[0].buttons, dbYes | dbNo);
  EXPECT_FALSE(Locked(card));
  EXPECT_TRUE(Locked(other));
  // The calling query was re-run and stays on the card.
  EXPECT_EQ(query->DataSet()->FieldByName(QStringLiteral("IDBoletinNotasT24")).AsInteger(), card);
  EXPECT_FALSE(query->DataSet()->FieldByName(QStringLiteral("BloqueadoT24")).AsBoolean());

  // The stored value is negated even when the form shows an older one.
  db.ExecuteSQL(
      QStringLiteral("UPDATE T24BoletinesNotas SET BloqueadoT24=TRUE WHERE IDBoletinNotasT24=%1").arg(card));
  dialogs->Answer(dbYes);
  Run(QStringLiteral("CAMBIO_BLOQUEADO_BOLETIN"));
  EXPECT_EQ(dialogs->questions[1].text,
            QStringLiteral("Está seguro que desea\nBloquear el Boletin\n\n¿Continuar?"));
  EXPECT_FALSE(Locked(card));
}

TEST_F(ActionProceduresTest, LockingAnsweredNoOrWhileEditingChangesNothing) {
  const int card = AddCard(QStringLiteral("Junio"), false);
  auto query = OpenQuery(kCardsSql, 296);
  Parametres().SetObject(PRM::TQuerySQL, query.get());

  dialogs->Answer(dbNo);
  Run(QStringLiteral("CAMBIO_BLOQUEADO_BOLETIN"));
  ASSERT_EQ(dialogs->questions.size(), 1u);
  EXPECT_EQ(dialogs->questions[0].text,
            QStringLiteral("Está seguro que desea\nBloquear el Boletin\n\n¿Continuar?"));
  EXPECT_FALSE(Locked(card));

  query->DataSet()->Edit();
  try {
    Run(QStringLiteral("CAMBIO_BLOQUEADO_BOLETIN"));
    ADD_FAILURE() << "no error while editing";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("No puede modificar el estado si está modificando el registro\n\n"
                                          "Primero debe aceptar o cancelar las modificaciones"));
  }
  EXPECT_EQ(dialogs->questions.size(), 1u);
  EXPECT_FALSE(Locked(card));
}

// --- IMPORTAR_FORMATO_BOLETIN ---

class ImportFormatTest : public ActionProceduresTest {
protected:
  ImportFormatTest() {
    QStringList fields{QStringLiteral("DescrFormatoBoletinT23")};
    QVariantList values{QStringLiteral("Primaria")};
    for (const char* kind : {"FormatoConc", "NombreConc", "ValoresConc"}) {
      for (int n = 1; n <= 8; ++n) {
        fields << QString::fromLatin1(kind) + QString::number(n) + QStringLiteral("T23");
        values << QString::fromLatin1(kind) + QString::number(n);
      }
    }
    Insert(QStringLiteral("T23FormatosBoletinesNotas"), QStringLiteral("IDFormatoBoletinT23"),
           {QStringLiteral("DescrFormatoBoletinT23")}, {QStringLiteral("Otro")});
    format = Insert(QStringLiteral("T23FormatosBoletinesNotas"), QStringLiteral("IDFormatoBoletinT23"),
                    fields, values);
    card = AddCard(QStringLiteral("Junio"), false);
    query = OpenQuery(kCardsSql, 296);
    Parametres().SetObject(PRM::TQuerySQL, query.get());
  }

  // A picker that answers like the formats form: the picked record current, or cancelled.
  void PlugPicker(bool confirm) {
    RuleSeams::SetRecordPicker([this, confirm](int node, int mode, const QVariant& preset) {
      picks << QStringLiteral("%1/%2/%3")
                   .arg(node)
                   .arg(mode)
                   .arg(preset.isNull() ? QStringLiteral("-") : preset.toString());
      if (!confirm) return std::unique_ptr<TZULForm>();
      auto formats = std::make_unique<TZULForm>(11632, 0, QStringLiteral("FRMFormatosBoletin"));
      TSQLDataSet* dataSet =
          db.GetTSQLDataSet(QStringLiteral("SELECT * FROM T23FormatosBoletinesNotas")).release();
      dataSet->setParent(formats.get());
      dataSet->Open();
      EXPECT_TRUE(dataSet->Locate(QStringLiteral("IDFormatoBoletinT23"), format));
      formats->AddComponent(QStringLiteral("DadesQry"), dataSet);
      return formats;
    });
  }

  QVariant CardField(const QString& name) { return query->DataSet()->FieldByName(name).Value(); }

  int format = 0;
  int card = 0;
  std::unique_ptr<TQuerySQL> query;
  QStringList picks;
};

TEST_F(ImportFormatTest, CopiesTheTwentyFourFieldsInOrderIntoTheEditedCard) {
  PlugPicker(true);
  QStringList copied;
  EventRules::RegisterDataChange(296, [&](TDataSource&, TField* field, int) {
    if (field != nullptr) copied << field->FieldName();
  });
  dialogs->Answer(dbYes);
  Run(QStringLiteral("IMPORTAR_FORMATO_BOLETIN"));

  EXPECT_EQ(picks, QStringList{QStringLiteral("11632/4/-")});
  ASSERT_EQ(dialogs->questions.size(), 1u);
  EXPECT_EQ(dialogs->questions[0].text, QStringLiteral("¿Copiar el formato seleccionado a este registro?"));
  EXPECT_EQ(dialogs->questions[0].icon, TDialogIcon::Question);
  EXPECT_EQ(dialogs->questions[0].title, QStringLiteral("Luma Pro"));
  EXPECT_EQ(query->DataSet()->State(), TDataSetState::dsEdit);

  QStringList expectedOrder;
  for (const char* kind : {"FormatoConc", "NombreConc", "ValoresConc"}) {
    for (int n = 1; n <= 8; ++n) {
      const QString stem = QString::fromLatin1(kind) + QString::number(n);
      expectedOrder << stem + QStringLiteral("T24");
      EXPECT_EQ(CardField(stem + QStringLiteral("T24")).toString(), stem);
    }
  }
  EXPECT_EQ(copied, expectedOrder);
  // Posting is the user's.
  EXPECT_TRUE(Var::IsNull(Scalar(
      QStringLiteral("SELECT NombreConc1T24 FROM T24BoletinesNotas WHERE IDBoletinNotasT24=%1").arg(card))));
}

TEST_F(ImportFormatTest, CancelledOrAnsweredNoLeavesTheCardUntouchedAndNotInEdit) {
  for (bool confirm : {false, true}) {
    SCOPED_TRACE(confirm);
    PlugPicker(confirm);
    dialogs->questions.clear();
    if (confirm) dialogs->Answer(dbNo);
    Run(QStringLiteral("IMPORTAR_FORMATO_BOLETIN"));
    EXPECT_EQ(dialogs->questions.size(), confirm ? 1u : 0u);
    EXPECT_EQ(query->DataSet()->State(), TDataSetState::dsBrowse);
    EXPECT_TRUE(Var::IsNull(CardField(QStringLiteral("FormatoConc1T24"))));
    EXPECT_TRUE(Var::IsNull(CardField(QStringLiteral("ValoresConc8T24"))));
  }
}

TEST_F(ImportFormatTest, WithoutARecordPickerItSaysSo) {
  try {
    Run(QStringLiteral("IMPORTAR_FORMATO_BOLETIN"));
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("IMPORTAR_FORMATO_BOLETIN")))
        << e.Message().toStdString();
    EXPECT_TRUE(e.Message().contains(QStringLiteral("todavía no está disponible")));
  }
  EXPECT_EQ(query->DataSet()->State(), TDataSetState::dsBrowse);
}

}  // namespace
