#include "rules/ActionBodies.h"

#include <map>

#include "platform/core/Exceptions.h"

namespace {

std::map<QString, TZULProcedure>& Bodies() {
  static std::map<QString, TZULProcedure> bodies;
  return bodies;
}

QString Key(const QString& name) { return name.toUpper(); }

}  // namespace

namespace ActionBodies {

void Plug(const QString& name, TZULProcedure body) { Bodies()[Key(name)] = std::move(body); }

void Unplug(const QString& name) { Bodies().erase(Key(name)); }

bool IsPlugged(const QString& name) {
  const auto it = Bodies().find(Key(name));
  return it != Bodies().end() && it->second;
}

void Clear() { Bodies().clear(); }

void Run(const QString& name, QObject* sender, const QVariantList& args) {
  const auto it = Bodies().find(Key(name));
  if (it == Bodies().end() || !it->second) throw Exception(NotAvailableMessage(name));
  const TZULProcedure body = it->second;  // the body may replace itself while it runs
  body(sender, args);
}

QString NotAvailableMessage(const QString& name) {
  return QStringLiteral("La función «%1» todavía no está disponible").arg(name);
}

}  // namespace ActionBodies
