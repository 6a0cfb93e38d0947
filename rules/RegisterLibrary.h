#pragma once
// The registration of the program's procedures with the framework: the one way the
// framework reaches the teaching-centre rules. Runs once at start-up, before any
// data form opens.

#include <QString>
#include <QtGlobal>
#include <vector>

#include "platform/zul/TProcedureZUL.h"

// Keeps the running application object (TZULApp::Main()) for the rules and
// registers the procedures, in order: the "direct" ones with `registry`, the others
// with the application's own registry (with `registry` when there is no
// application object).
void REGISTER_LIBRARY(TProcedureZUL& registry);

// The same under its plain exported name, for a framework that looks it up.
extern "C" Q_DECL_EXPORT void REGISTER_LIBRARY(TProcedureZUL* registry);

// One row of the registration table.
struct TRegisteredProcedure {
  QString name;
  QString description;
  bool direct;  // registered with the registry passed in
  TZULProcedure procedure;
};

// The table REGISTER_LIBRARY registers, in its order.
std::vector<TRegisteredProcedure> RegisteredProcedures();
