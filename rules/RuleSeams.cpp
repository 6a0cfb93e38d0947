#include "rules/RuleSeams.h"

#include "platform/core/Exceptions.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TZULForm.h"

namespace {

struct Seams {
  TCurrentCentreCheck currentCentreCheck;
  TRecordPicker recordPicker;
  TFormControlsRefresh enrolmentRefresh;
};

Seams& State() {
  static Seams seams;
  return seams;
}

}  // namespace

namespace RuleSeams {

void SetCurrentCentreCheck(TCurrentCentreCheck check) { State().currentCentreCheck = std::move(check); }

void RequireCurrentCentre() {
  if (const TCurrentCentreCheck check = State().currentCentreCheck) {
    check();
    return;
  }
  if (Parametres().AsInteger(QStringLiteral("PRMIDCentroActual"), 0) <= 0) {
    throw Exception(NoCurrentCentreMessage());
  }
}

QString NoCurrentCentreMessage() {
  return QStringLiteral(
      "No ha seleccionado ningún centro\n\nPara poder realizar esta acción necesita un centro "
      "predeterminado");
}

void SetRecordPicker(TRecordPicker picker) { State().recordPicker = std::move(picker); }

bool HasRecordPicker() { return static_cast<bool>(State().recordPicker); }

std::unique_ptr<TZULForm> PickRecord(int node, int mode, const QVariant& preset) {
  const TRecordPicker picker = State().recordPicker;
  if (!picker) throw Exception(QStringLiteral("La selección de registros todavía no está disponible"));
  return picker(node, mode, preset);
}

void SetEnrolmentControlsRefresh(TFormControlsRefresh refresh) {
  State().enrolmentRefresh = std::move(refresh);
}

void RefreshEnrolmentControls(TZULForm& form, TSQLDataSet* dataSet) {
  if (const TFormControlsRefresh refresh = State().enrolmentRefresh) {
    refresh(form, dataSet);
    return;
  }
  ShowEnrolmentPaymentPanel(form);
}

void ShowEnrolmentPaymentPanel(TZULForm& form) {
  TZULControl* box = form.FindControl(QStringLiteral("ZULdbcbDatosCobroEnMatricula"));
  TZULControl* panel = form.FindControl(QStringLiteral("ZULpnlDatosCobroMatricula"));
  if (box != nullptr && panel != nullptr) panel->SetVisible(box->Checked());
}

void Reset() { State() = Seams(); }

}  // namespace RuleSeams
