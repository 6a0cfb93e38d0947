#include "tests/rules/RulesFixture.h"

#include "App/CodiComu/SqlBuilders.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TSQLDataSet.h"
#include "rules/ActionBodies.h"
#include "rules/CurrentCentre.h"
#include "rules/EventRules.h"
#include "rules/ProcessWindows.h"
#include "rules/RegisterLibrary.h"
#include "rules/RuleSeams.h"
#include "rules/RulesApp.h"
#include "rules/schema/MasterDatabase.h"

namespace {

void ForgetGlobals() {
  EventRules::Clear();
  ActionBodies::Clear();
  ProcessWindows::Clear();
  RuleSeams::Reset();
  Parametres().Clear();
  RulesApp::Set(nullptr);
  CurrentCentre::SetChangeNotification({});
}

}  // namespace

RulesFixture::RulesFixture() {
  ForgetGlobals();
  db.Create(dir.File(QStringLiteral("rules.mdb")));
  CreateSchema(db);
  TZULApp::SetMain(&app);
  app.SetDefaultDB(&db);
  REGISTER_LIBRARY(app.Procedures());
}

RulesFixture::~RulesFixture() {
  ForgetGlobals();
  app.SetDefaultDB(nullptr);
  TZULApp::SetMain(nullptr);
}

void RulesFixture::Run(const QString& name, const QVariantList& args) {
  ASSERT_TRUE(app.Procedures().ExecuteProcedure(name, nullptr, args)) << name.toStdString();
}

std::unique_ptr<TQuerySQL> RulesFixture::OpenQuery(const QString& sql, int id) {
  auto query = std::make_unique<TQuerySQL>(&db, sql, id, &app.Procedures());
  query->Open();
  return query;
}

int RulesFixture::Insert(const QString& table, const QString& keyField, const QStringList& fields,
                         const QVariantList& values) {
  return CreaRegistreAmbID(db, table, keyField, fields, values).toInt();
}

QVariant RulesFixture::Scalar(const QString& jetSql) {
  auto query = db.GetTSQLDataSet(jetSql);
  query->Open();
  if (query->IsEmpty()) return QVariant();
  return query->Fields(0).Value();
}
