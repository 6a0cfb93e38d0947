#pragma once
// The registry of the process windows that data forms open through the launching
// procedures (AUTOFACTURAR, FUNCIONES_FACTURAS, GENERAR_LIQUIDACIONES,
// FALTAS_NUEVA_FALTA, FALTAS_BORRA_FALTA). Each process registers a factory for its
// window; a launcher whose window has no factory yet raises an error naming it.

#include <QString>
#include <functional>
#include <memory>

#include "rules/TProcessWindow.h"

enum class TProcessWindowKind {
  GenerarFacturas,         // "Generar Facturas"
  Facturas,                // "Facturas"
  GeneradorLiquidaciones,  // "Generador de liquidaciones"
  FaltasAsistencia,        // "Faltas de Asistencia"
};

using TProcessWindowFactory = std::function<std::unique_ptr<TProcessWindow>(const TProcessLaunch& launch)>;

namespace ProcessWindows {

// The window's caption.
QString Caption(TProcessWindowKind kind);

void Register(TProcessWindowKind kind, TProcessWindowFactory factory);
void Unregister(TProcessWindowKind kind);
bool IsRegistered(TProcessWindowKind kind);
void Clear();

// Builds the window for the procedure `procedure`. Raises "La ventana «caption»
// (procedure) todavía no está disponible" when no factory is registered or the
// factory builds nothing.
std::unique_ptr<TProcessWindow> Create(TProcessWindowKind kind, const QString& procedure,
                                       const TProcessLaunch& launch);

}  // namespace ProcessWindows
