#include "rules/Launchers.h"

#include "platform/core/Exceptions.h"
#include "platform/zul/TDBGrid.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TQuerySQL.h"
#include "platform/zul/TSQLDataSet.h"
#include "rules/ProcessWindows.h"
#include "rules/RuleSeams.h"

namespace Launchers {

namespace {

TQuerySQL* CallingQuery() { return Parametres().GetObjectAs<TQuerySQL>(PRM::TQuerySQL); }

void RefreshCallingQuery() {
  if (TQuerySQL* query = CallingQuery()) query->RefrescaSQL();
}

// The invoice windows and the settlement generator work on the calling grid.
void LaunchOnGrid(TProcessWindowKind kind, const QString& procedure, bool handGrid) {
  auto* grid = Parametres().GetObjectAs<TDBGrid>(PRM::DBGrid);
  if (grid == nullptr) return;
  TProcessLaunch launch;
  if (handGrid) launch.grid = grid;
  bool ok = false;
  {
    const std::unique_ptr<TProcessWindow> window = ProcessWindows::Create(kind, procedure, launch);
    ok = window->ShowModal();
  }
  if (ok) RefreshCallingQuery();
}

void LaunchAttendance(const QString& procedure, bool removing) {
  TQuerySQL* query = CallingQuery();
  TSQLDataSet* enrolment = query != nullptr ? query->DataSet() : nullptr;
  if (enrolment == nullptr) return;
  if (!enrolment->Active() || enrolment->IsEmpty()) {
    throw Exception(removing ? QStringLiteral("No existe ningún grupo para poder quitar la falta")
                             : QStringLiteral("No existe ningún grupo para poder asignar la falta"));
  }
  TProcessLaunch launch;
  launch.enrolment = enrolment->FieldByName(QStringLiteral("IDMatriculaT02")).AsInteger();
  launch.date = Parametres().AsDateTime(QStringLiteral("PRMFechaIntroduccionFaltas"), DayDate::Now());
  launch.removing = removing;
  {
    const std::unique_ptr<TProcessWindow> window =
        ProcessWindows::Create(TProcessWindowKind::FaltasAsistencia, procedure, launch);
    window->ShowModal();
  }
  RefreshCallingQuery();
}

}  // namespace

void Autofacturar() {
  RuleSeams::RequireCurrentCentre();
  LaunchOnGrid(TProcessWindowKind::GenerarFacturas, QStringLiteral("AUTOFACTURAR"), true);
}

void FuncionesFacturas() {
  LaunchOnGrid(TProcessWindowKind::Facturas, QStringLiteral("FUNCIONES_FACTURAS"), true);
}

void GenerarLiquidaciones() {
  LaunchOnGrid(TProcessWindowKind::GeneradorLiquidaciones, QStringLiteral("GENERAR_LIQUIDACIONES"), false);
}

void FaltasNuevaFalta() { LaunchAttendance(QStringLiteral("FALTAS_NUEVA_FALTA"), false); }

void FaltasBorraFalta() { LaunchAttendance(QStringLiteral("FALTAS_BORRA_FALTA"), true); }

}  // namespace Launchers
