#pragma once
// Services that the action procedures use and that later rules supply: the
// current-centre requirement, the framework's record picker and the refresh of the
// enrolment form's controls. Each is a replaceable slot with the behaviour noted.

#include <QVariant>
#include <functional>
#include <memory>

class TSQLDataSet;
class TZULForm;

// Raises when there is no current centre.
using TCurrentCentreCheck = std::function<void()>;
// Opens the form of a node in selection mode and returns it when the user picked
// a record (the caller reads the picked record from it and frees it), nothing when
// the user cancelled.
using TRecordPicker = std::function<std::unique_ptr<TZULForm>(int node, int mode, const QVariant& preset)>;
// Brings the enrolment form's controls into line with its record.
using TFormControlsRefresh = std::function<void(TZULForm& form, TSQLDataSet* dataSet)>;

namespace RuleSeams {

// Without a plugged check: "PRMIDCentroActual" must be above 0, otherwise "No ha
// seleccionado ningún centro..." is raised.
void SetCurrentCentreCheck(TCurrentCentreCheck check);
void RequireCurrentCentre();
QString NoCurrentCentreMessage();

// Without a plugged picker there is no way to pick: HasRecordPicker is false and
// PickRecord raises.
void SetRecordPicker(TRecordPicker picker);
bool HasRecordPicker();
std::unique_ptr<TZULForm> PickRecord(int node, int mode, const QVariant& preset = QVariant());

// Without a plugged refresh: the panel "ZULpnlDatosCobroMatricula" is visible
// exactly when the box "ZULdbcbDatosCobroEnMatricula" is ticked.
void SetEnrolmentControlsRefresh(TFormControlsRefresh refresh);
void RefreshEnrolmentControls(TZULForm& form, TSQLDataSet* dataSet);
void ShowEnrolmentPaymentPanel(TZULForm& form);

// Back to the behaviour without plugged services.
void Reset();

}  // namespace RuleSeams
