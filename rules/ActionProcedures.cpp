#include "rules/ActionProcedures.h"

#include "App/CodiComu/SqlBuilders.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "platform/zul/TZULForm.h"
#include "rules/EventArgs.h"
#include "rules/RuleSeams.h"
#include "rules/RulesApp.h"

namespace ActionProcedures {

namespace {

TQuerySQL* CallingQuery() { return Parametres().GetObjectAs<TQuerySQL>(PRM::TQuerySQL); }

TSQLDataSet* CallingQueryDataSet() {
  TQuerySQL* query = CallingQuery();
  return query != nullptr ? query->DataSet() : nullptr;
}

bool Editing(const TSQLDataSet& dataSet) {
  return dataSet.State() == TDataSetState::dsEdit || dataSet.State() == TDataSetState::dsInsert;
}

}  // namespace

void ControlActiuNomesQuanNoModifiqui() {
  auto* control = qobject_cast<TZULControl*>(EventArgs::ParamObject(PRM::Argument(1)));
  TSQLDataSet* dataSet = EventArgs::DataSetOf(EventArgs::ParamObject(PRM::Argument(2)));
  if (control == nullptr || dataSet == nullptr) return;
  control->SetEnabled(!Editing(*dataSet));
}

void FacturaCueQuitaMatricula() {
  TSQLDataSet* line = EventArgs::DataSetOf(Parametres().GetObject(PRM::DataSet));
  if (line == nullptr) return;
  if (!line->Modifying()) line->Edit();
  line->FieldByName(QStringLiteral("IDConceptoMatriculaT16")).SetValue(Var::Null());
}

void CambioDatosCobroMatricula() {
  auto* form = Parametres().GetObjectAs<TZULForm>(PRM::ZULForm);
  if (form == nullptr) return;
  TSQLDataSet* enrolment = EventArgs::DataSetOf(Parametres().GetObject(PRM::DataSet));
  if (enrolment == nullptr) enrolment = form->DataSet();

  TZULControl* box = form->FindControl(QStringLiteral("ZULdbcbDatosCobroEnMatricula"));
  if (box != nullptr && box->Kind() == TZULControlKind::DBCheckBox && box->Checked() &&
      enrolment != nullptr &&
      !enrolment->FieldByName(QStringLiteral("DatosCobroEnMatriculaT02")).AsBoolean()) {
    const QString question = QStringLiteral(
        "ATENCIÓN:\n\nLos datos de cobro en la matrícula solamente se suelen introducir\n"
        "en ciertos casos especiales.\nNormalmente la mejor opción es tenerlos en la ficha del alumno.\n\n"
        "¿Seguro que quiere introducir datos de cobro específicos para esta matrícula?");
    if (Dialogs::Ask(question, TDialogIcon::Warning, dbYes | dbNo, dbNo) != dbYes) box->SetChecked(false);
  }
  RuleSeams::RefreshEnrolmentControls(*form, enrolment);
}

void CambioBloqueadoBoletin() {
  TQuerySQL* query = CallingQuery();
  TSQLDataSet* card = CallingQueryDataSet();
  if (card == nullptr) return;
  if (card->Modifying()) {
    throw Exception(
        QStringLiteral("No puede modificar el estado si está modificando el registro\n\n"
                       "Primero debe aceptar o cancelar las modificaciones"));
  }
  // Without a current record there is nothing to lock.
  if (!card->Active() || card->IsEmpty()) return;

  const bool locked = card->FieldByName(QStringLiteral("BloqueadoT24")).AsBoolean();
  const QString question =
      QStringLiteral("Está seguro que desea\n") +
      (locked ? QStringLiteral("Desbloquear el boletín") : QStringLiteral("Bloquear el Boletin")) +
      QStringLiteral("\n\n¿Continuar?");
  if (Dialogs::Ask(question, TDialogIcon::Warning, dbYes | dbNo, dbYes) != dbYes) return;

  TDataBaseZUL& db = RulesApp::DefaultDB();
  // The stored value is negated, not the one read: the database has the last word.
  ModificaRegistres(db, QStringLiteral("T24BoletinesNotas"),
                    QStringLiteral("BloqueadoT24=(NOT BloqueadoT24)"),
                    QStringLiteral("IDBoletinNotasT24=") +
                        ValorSQL(db, card->FieldByName(QStringLiteral("IDBoletinNotasT24")).Value()));
  query->RefrescaSQL();
}

void ImportarFormatoBoletin() {
  TSQLDataSet* card = CallingQueryDataSet();
  if (card == nullptr) return;
  if (!RuleSeams::HasRecordPicker()) {
    throw Exception(
        QStringLiteral("La selección de formatos de boletín (IMPORTAR_FORMATO_BOLETIN) todavía no está "
                       "disponible"));
  }
  const std::unique_ptr<TZULForm> formats =
      RuleSeams::PickRecord(kFormatosBoletinNode, kPickMode, QVariant());
  if (!formats) return;
  TSQLDataSet* format = EventArgs::DataSetOf(formats->Component(QStringLiteral("DadesQry")));
  if (format == nullptr) format = formats->DataSet();
  if (format == nullptr || !format->Active() || format->IsEmpty()) return;

  // Copying overwrites the card's items: No is the safe default.
  if (Dialogs::Ask(QStringLiteral("¿Copiar el formato seleccionado a este registro?"), TDialogIcon::Question,
                   dbYes | dbNo, dbNo) != dbYes) {
    return;
  }
  if (!Editing(*card)) card->Edit();
  for (const char* kind : {"FormatoConc", "NombreConc", "ValoresConc"}) {
    for (int n = 1; n <= 8; ++n) {
      const QString stem = QString::fromLatin1(kind) + QString::number(n);
      card->FieldByName(stem + QStringLiteral("T24"))
          .SetValue(format->FieldByName(stem + QStringLiteral("T23")).Value());
    }
  }
}

}  // namespace ActionProcedures
