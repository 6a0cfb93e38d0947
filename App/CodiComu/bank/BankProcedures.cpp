#include "App/CodiComu/bank/BankProcedures.h"

#include "App/CodiComu/bank/BicCodes.h"
#include "App/CodiComu/bank/MandateData.h"
#include "platform/core/Dialogs.h"
#include "platform/core/Variants.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"

namespace BankProcedures {

namespace {

TSQLDataSet* CallingDataSet() {
  if (auto* query = Parametres().GetObjectAs<TQuerySQL>(PRM::TQuerySQL)) {
    if (query->DataSet() != nullptr) return query->DataSet();
  }
  QObject* object = Parametres().GetObject(PRM::DataSet);
  if (auto* dataSet = qobject_cast<TSQLDataSet*>(object)) return dataSet;
  if (auto* query = qobject_cast<TQuerySQL*>(object)) return query->DataSet();
  return nullptr;
}

QString FieldArgument(int n) { return Parametres().AsString(PRM::Argument(n)).trimmed(); }

}  // namespace

void BuscarCodigoBIC() {
  const QString ibanField = FieldArgument(1);
  const QString bicField = FieldArgument(2);
  if (ibanField.isEmpty() || bicField.isEmpty()) return;
  TSQLDataSet* dataSet = CallingDataSet();
  if (dataSet == nullptr) return;
  // Both fields are looked up first: a wrong name fails before anything is asked.
  const QString iban = dataSet->FieldByName(ibanField).AsString();
  TField& bic = dataSet->FieldByName(bicField);

  if (iban.isEmpty()) {
    Dialogs::Notify(QStringLiteral("Para calcular el código BIC es necesario introducir el código IBAN"),
                    TDialogIcon::Warning);
    return;
  }
  const QString found = BuscaBICEntidad(EntidadDeIBAN(iban));
  if (found.isEmpty()) {
    Dialogs::Notify(QStringLiteral("No se encuentra ningún código BIC asociado al código IBAN indicado.\n\n"
                                   "IBAN buscado: ") +
                        iban,
                    TDialogIcon::Warning);
    return;
  }
  const QString question = QStringLiteral(
                               "Se ha encontrado un código BIC que se corresponde con el código IBAN "
                               "introducido.\n¿Asignar el código BIC calculado?\n\nIBAN buscado: ") +
                           iban + QStringLiteral("\nCódigo BIC encontrado: ") + found;
  if (Dialogs::Ask(question, TDialogIcon::Question, dbYes | dbNo, dbYes) != dbYes) return;
  dataSet->Edit();  // stays as it is when already editing or inserting
  bic.SetValue(found);
}

void GeneraDatosMandato() {
  const QString referenceField = FieldArgument(1);
  const QString dateField = FieldArgument(2);
  if (referenceField.isEmpty() || dateField.isEmpty()) return;
  TSQLDataSet* dataSet = CallingDataSet();
  if (dataSet == nullptr) return;
  TField& reference = dataSet->FieldByName(referenceField);
  TField& date = dataSet->FieldByName(dateField);

  const MandateData::TDatosMandato mandate = MandateData::NuevosDatosMandato();
  const QString question =
      QStringLiteral("¿Asignar los siguientes datos al mandato?\n\nReferencia del mandato: ") +
      mandate.referencia + QStringLiteral("\nFecha del mandato: ") +
      MandateData::FormatoFechaMandato(mandate.fecha);
  if (Dialogs::Ask(question, TDialogIcon::Question, dbYes | dbNo, dbYes) != dbYes) return;
  dataSet->Edit();
  reference.SetValue(mandate.referencia);
  date.SetValue(Var::FromDate(mandate.fecha));
}

}  // namespace BankProcedures

void RegisterBankProcedures(const std::function<void(const QString&, TZULProcedure)>& plug) {
  plug(QStringLiteral("BuscarCodigoBIC"),
       [](QObject*, const QVariantList&) { BankProcedures::BuscarCodigoBIC(); });
  plug(QStringLiteral("GeneraDatosMandato"),
       [](QObject*, const QVariantList&) { BankProcedures::GeneraDatosMandato(); });
}
