#include "rules/RulesApp.h"

#include "platform/zul/DefaultDataBase.h"
#include "platform/zul/TZULApp.h"

namespace {
TZULApp* g_app = nullptr;
}

namespace RulesApp {

TZULApp* Get() { return g_app; }

void Set(TZULApp* app) { g_app = app; }

TDataBaseZUL& DefaultDB() {
  if (g_app != nullptr && g_app->GetDefaultDB() != nullptr) return *g_app->GetDefaultDB();
  return DefaultDataBase::Required();
}

}  // namespace RulesApp
