// The bank-data check: the result window with the report of a list run over a few
// sample students, enrolments, invoices and payment methods.
#include "App/CodiComu/SqlBuilders.h"
#include "App/CodiComu/TParametrosApp.h"
#include "App/CodiComu/windows/TFRMResultadoProcceso.h"
#include "platform/zul/TDataBaseZUL.h"
#include "rules/SepaDataCheck.h"
#include "tools/windows/lumashots/ShotRegistry.h"

namespace {

void AddStudent(TDataBaseZUL& db, int code, const char* name, const char* iban, const char* bic) {
  CreaRegistre(db, QStringLiteral("T01Alumnos"),
               {QStringLiteral("CodigoT01"), QStringLiteral("NombreCompletoT01"), QStringLiteral("IBANT01"),
                QStringLiteral("BICT01")},
               {code, QString::fromUtf8(name), QString::fromLatin1(iban), QString::fromLatin1(bic)});
}

QWidget* Result(std::unique_ptr<QWidget>& keep) {
  TDataBaseZUL& db = *ParametrosApp().DataBase();
  AddStudent(db, 101, "Ana Belén Ruiz Pardo", "ES  21000418450200051332", "");
  AddStudent(db, 102, "Carlos Gil Sanz", "ES9121000418450200051332", "BBVAESMMXXX");
  AddStudent(db, 103, "Elena Martín López", "ES9121000418460200051332", "");
  AddStudent(db, 104, "Félix Durand", "FR1420041010050500013M02606", "BNPAFRPPXXX");
  AddStudent(db, 105, "Gema Ortiz Vidal", "ES  99990001450000000001", "");
  CreaRegistre(db, QStringLiteral("T15FacturasCab"),
               {QStringLiteral("NumeroT15"), QStringLiteral("FechaT15"),
                QStringLiteral("CCCNombreTitularT15"), QStringLiteral("IBANT15")},
               {58, QDate(2014, 3, 2), QStringLiteral("Luis Titular Gómez"), QStringLiteral("ES12345")});
  CreaRegistre(db, QStringLiteral("T17FormasCobro"),
               {QStringLiteral("DescFormaCobroT17"), QStringLiteral("IBANT17")},
               {QStringLiteral("Recibo domiciliado"), QStringLiteral("ES  01822370440201234567")});
  auto window = std::make_unique<TFRMResultadoProcceso>();
  window->SetLines(SepaDataCheck::CheckSepaData(db, false).lines);
  keep = std::move(window);
  return keep.get();
}

const ShotRegistration kSepaShots{
    {"TFRMResultadoProcceso.png", Result},
};

}  // namespace
