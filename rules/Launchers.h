#pragma once
// The action procedures that open a process window from a data form: they check
// what the window needs, build it through ProcessWindows, show it modally, free it
// and re-run the calling query.

namespace Launchers {

// "AUTOFACTURAR": needs a current centre (checked before anything else); nothing
// without a calling grid; the invoice-generation window gets the grid.
void Autofacturar();
// "FUNCIONES_FACTURAS": nothing without a calling grid; the invoice-actions window
// gets the grid.
void FuncionesFacturas();
// "GENERAR_LIQUIDACIONES": nothing without a calling grid; the settlement generator.
void GenerarLiquidaciones();
// "FALTAS_NUEVA_FALTA" / "FALTAS_BORRA_FALTA": the attendance window on the calling
// enrolment, adding or removing absences; an empty calling dataset is an error.
void FaltasNuevaFalta();
void FaltasBorraFalta();

}  // namespace Launchers
