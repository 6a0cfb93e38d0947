#pragma once
// Registered action procedures whose bodies come with later rules (activation
// cascades, duplication, mandate data, BIC lookup, Norma 19...). REGISTER_LIBRARY
// registers their names at once; each body plugs in here under the same name and
// is looked up when the procedure runs. Until then the procedure raises an error
// that names it.

#include <QString>

#include "platform/zul/TProcedureZUL.h"

namespace ActionBodies {

// Plugs (or replaces) the body of a registered name; names compare without case.
void Plug(const QString& name, TZULProcedure body);
void Unplug(const QString& name);
bool IsPlugged(const QString& name);
void Clear();

// Runs the plugged body, or raises "La función «name» todavía no está disponible".
void Run(const QString& name, QObject* sender, const QVariantList& args);

QString NotAvailableMessage(const QString& name);

}  // namespace ActionBodies
