#include "platform/zul/DefaultDataBase.h"

#include "platform/core/Exceptions.h"

namespace {
TDataBaseZUL* g_db = nullptr;
bool g_sqlFlag = false;
}  // namespace

namespace DefaultDataBase {

TDataBaseZUL* Get() { return g_db; }

TDataBaseZUL& Required() {
  if (!g_db) throw EDatabaseError(QStringLiteral("No hay ninguna base de datos abierta"));
  return *g_db;
}

void Set(TDataBaseZUL* db) { g_db = db; }

bool SqlFlag() { return g_sqlFlag; }
void SetSqlFlag(bool value) { g_sqlFlag = value; }

}  // namespace DefaultDataBase
