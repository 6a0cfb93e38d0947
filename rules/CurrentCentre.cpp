#include "rules/CurrentCentre.h"

#include "App/CodiComu/SqlBuilders.h"
#include "App/CodiComu/TParametrosApp.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/DefaultDataBase.h"
#include "platform/zul/TDataBaseZUL.h"
#include "platform/zul/TField.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TSQLDataSet.h"
#include "rules/ActionBodies.h"
#include "rules/EventRules.h"
#include "rules/RuleSeams.h"

namespace CurrentCentre {

namespace {

const QString kId = QStringLiteral("PRMIDCentroActual");
const QString kCode = QStringLiteral("PRMCodigoCentroActual");
const QString kName = QStringLiteral("PRMNombreCentroActual");
constexpr int kCentresObject = 251;

std::function<void()>& Notification() {
  static std::function<void()> notify;
  return notify;
}

}  // namespace

void CargaCentroActual(const QVariant& id) {
  TParametres& prm = Parametres();
  auto query = DefaultDataBase::Required().GetTSQLDataSet(
      QStringLiteral("SELECT * FROM T20Centros WHERE IDCentroT20=") +
      ValorSQL(id.isNull() ? QVariant(-1) : id));
  query->Open();
  if (query->IsEmpty()) {
    ParametrosApp().SetValue(kId, QVariant());
    prm.AddParam(kId, QVariant());
    prm.AddParam(kCode, QString());
    prm.AddParam(kName, QString());
  } else {
    const QVariant key = query->FieldByName(QStringLiteral("IDCentroT20")).Value();
    ParametrosApp().SetValue(kId, key);
    prm.AddParam(kId, key);
    prm.AddParam(kCode, query->FieldByName(QStringLiteral("CodigoCentroT20")).AsString());
    prm.AddParam(kName, query->FieldByName(QStringLiteral("NombreCentroT20")).AsString());
    for (const QString& name : {kId, kCode, kName}) prm.SetWritable(name, false);
  }
  if (Notification()) Notification()();
}

void RecargaCentroActual() { CargaCentroActual(ParametrosApp().GetInteger(kId, -1)); }

int CentroActual() { return Parametres().AsInteger(kId, 0); }

void ExigeCentroActual() {
  if (CentroActual() <= 0) throw Exception(RuleSeams::NoCurrentCentreMessage());
}

void SetChangeNotification(std::function<void()> notify) { Notification() = std::move(notify); }

void RegisterRules() {
  ActionBodies::Plug(QStringLiteral("MUESTRA_CENTRO_ACTUAL"), [](QObject*, const QVariantList&) {
    ParametrosApp().SetValue(kId, Parametres().AsInteger(kId, -1));
    RecargaCentroActual();
  });
  RuleSeams::SetCurrentCentreCheck(&ExigeCentroActual);
  EventRules::Register(TDataSetEvent::AfterDelete, kCentresObject,
                       [](TSQLDataSet&, int) { RecargaCentroActual(); });
}

}  // namespace CurrentCentre
