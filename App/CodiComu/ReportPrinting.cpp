#include "App/CodiComu/ReportPrinting.h"

#include "platform/core/Exceptions.h"
#include "platform/zul/TParametres.h"
#include "platform/zul/TProcedureZUL.h"
#include "platform/zul/TZULApp.h"

void PrintIDReport(int reportID, int option2, bool option3, int option4, bool option5, const QString& filter,
                   TProcedureZUL* procedures) {
  const QString name = QString::fromLatin1(kDoPrintIDReport);
  if (!procedures && TZULApp::Main()) procedures = &TZULApp::Main()->Procedures();
  if (!procedures || !procedures->Exists(name)) {
    throw Exception(
        QStringLiteral("No se puede imprimir el informe %1: la impresión de informes no está disponible")
            .arg(reportID));
  }
  TParametres& params = Parametres();
  params.SetParametreValue(PRM::Argument(1), reportID);
  params.SetParametreValue(PRM::Argument(2), option2);
  params.SetParametreValue(PRM::Argument(3), option3);
  params.SetParametreValue(PRM::Argument(4), option4);
  params.SetParametreValue(PRM::Argument(5), option5);
  params.SetParametreValue(PRM::Argument(6), filter);
  procedures->ExecuteProcedure(name);
}
