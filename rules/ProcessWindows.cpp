#include "rules/ProcessWindows.h"

#include <map>

#include "platform/core/Exceptions.h"

namespace {

std::map<TProcessWindowKind, TProcessWindowFactory>& Factories() {
  static std::map<TProcessWindowKind, TProcessWindowFactory> factories;
  return factories;
}

}  // namespace

namespace ProcessWindows {

QString Caption(TProcessWindowKind kind) {
  switch (kind) {
    case TProcessWindowKind::GenerarFacturas:
      return QStringLiteral("Generar Facturas");
    case TProcessWindowKind::Facturas:
      return QStringLiteral("Facturas");
    case TProcessWindowKind::GeneradorLiquidaciones:
      return QStringLiteral("Generador de liquidaciones");
    case TProcessWindowKind::FaltasAsistencia:
      return QStringLiteral("Faltas de Asistencia");
  }
  return QString();
}

void Register(TProcessWindowKind kind, TProcessWindowFactory factory) {
  Factories()[kind] = std::move(factory);
}

void Unregister(TProcessWindowKind kind) { Factories().erase(kind); }

bool IsRegistered(TProcessWindowKind kind) {
  const auto it = Factories().find(kind);
  return it != Factories().end() && it->second;
}

void Clear() { Factories().clear(); }

std::unique_ptr<TProcessWindow> Create(TProcessWindowKind kind, const QString& procedure,
                                       const TProcessLaunch& launch) {
  std::unique_ptr<TProcessWindow> window;
  if (IsRegistered(kind)) {
    const TProcessWindowFactory factory = Factories().at(kind);
    window = factory(launch);
  }
  if (!window) {
    throw Exception(
        QStringLiteral("La ventana «%1» (%2) todavía no está disponible").arg(Caption(kind), procedure));
  }
  return window;
}

}  // namespace ProcessWindows
