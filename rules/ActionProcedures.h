#pragma once
// The small action procedures that data-form buttons call. They read the calling
// objects from the framework's parameters ("PRMIP_..." and "PRME01"...) and do
// nothing when the object they need is absent.

namespace ActionProcedures {

// "ControlActiuNomesQuanNoModifiqui": the control of PRME01 is enabled exactly when
// the dataset of PRME02 is neither in edit nor in insert (set-key counts as not
// editing here).
void ControlActiuNomesQuanNoModifiqui();

// "FACTURA_CUE_QUITA_MATRICULA": unlinks the calling invoice line from its billing
// concept; posting is left to the user.
void FacturaCueQuitaMatricula();

// "CAMBIO_DATOS_COBRO_MATRICULA": confirms the enrolment's own payment data when the
// box is ticked, then refreshes the enrolment form's controls.
void CambioDatosCobroMatricula();

// "CAMBIO_BLOQUEADO_BOLETIN": locks or unlocks the calling report card.
void CambioBloqueadoBoletin();

// "IMPORTAR_FORMATO_BOLETIN": copies a picked report-card format into the calling
// report card; posting is left to the user.
void ImportarFormatoBoletin();

// The framework node of the report-card formats form and the picking mode used.
constexpr int kFormatosBoletinNode = 11632;
constexpr int kPickMode = 4;

}  // namespace ActionProcedures
