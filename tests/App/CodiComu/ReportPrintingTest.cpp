// Printing by report identifier through the framework procedure.
#include <gtest/gtest.h>

#include "App/CodiComu/ReportPrinting.h"
#include "platform/core/Exceptions.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TZULApp.h"

namespace {

TEST(ReportPrintingTest, ReachesDoPrintIDReportWithTheSixArguments) {
  TZULApp app;
  TZULApp::SetMain(&app);
  QVariantList seen;
  int calls = 0;
  app.Procedures().RegisterProcedure(QStringLiteral("doprintidreport"), QString(),
                                     [&](QObject*, const QVariantList&) {
                                       ++calls;
                                       seen.clear();
                                       for (int i = 1; i <= 6; ++i)
                                         seen << Parametres().GetParametreValue(PRM::Argument(i));
                                     });

  PrintIDReport(7, 0, true, 0, true, QStringLiteral("IDFacturaCabT15 IN (3,5)"));
  ASSERT_EQ(calls, 1);
  EXPECT_EQ(seen, (QVariantList{7, 0, true, 0, true, QStringLiteral("IDFacturaCabT15 IN (3,5)")}));
  EXPECT_EQ(seen[2].metaType().id(), QMetaType::Bool);
  EXPECT_EQ(seen[5].metaType().id(), QMetaType::QString);

  // A registry given explicitly is the one used.
  TProcedureZUL other;
  other.RegisterProcedure(QStringLiteral("DoPrintIDReport"), QString(), [](QObject*, const QVariantList&) {
    throw Exception(QStringLiteral("Impresora apagada"));
  });
  EXPECT_THROW(PrintIDReport(8, 1, false, 2, false, QString(), &other), Exception);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(Parametres().AsInteger(PRM::Argument(4)), 2);

  app.Procedures().Clear();
  EXPECT_THROW(PrintIDReport(7, 0, true, 0, true, QString()), Exception) << "nothing would be printed";
  TZULApp::SetMain(nullptr);
  EXPECT_THROW(PrintIDReport(7, 0, true, 0, true, QString()), Exception);
  Parametres().Clear();
}

}  // namespace
