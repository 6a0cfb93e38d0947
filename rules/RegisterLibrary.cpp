#include "rules/RegisterLibrary.h"

#include "App/CodiComu/bank/BankProcedures.h"
#include "platform/zul/TZULApp.h"
#include "rules/ActionBodies.h"
#include "rules/ActionProcedures.h"
#include "rules/CurrentCentre.h"
#include "rules/EventDispatch.h"
#include "rules/Launchers.h"
#include "rules/RulesApp.h"

namespace {

// A procedure that takes no argument it uses.
TZULProcedure Action(void (*body)()) {
  return [body](QObject*, const QVariantList&) { body(); };
}

// A procedure whose body a later rule plugs into ActionBodies.
TZULProcedure Pluggable(const QString& name) {
  return [name](QObject* sender, const QVariantList& args) { ActionBodies::Run(name, sender, args); };
}

TZULProcedure DataSetEvent(TDataSetEvent event) {
  return [event](QObject*, const QVariantList& args) { EventDispatch::DataSetEvent(event, args); };
}

TZULProcedure FormEvent(TFormEvent event) {
  return [event](QObject*, const QVariantList& args) { EventDispatch::FormEvent(event, args); };
}

TRegisteredProcedure Row(const char16_t* name, const QString& description, bool direct,
                         TZULProcedure procedure) {
  return TRegisteredProcedure{QString::fromUtf16(name), description, direct, std::move(procedure)};
}

TRegisteredProcedure Row(const char16_t* name, TZULProcedure procedure) {
  return Row(name, QString(), false, std::move(procedure));
}

TRegisteredProcedure PluggableRow(const char16_t* name, const QString& description = QString(),
                                  bool direct = false) {
  const QString text = QString::fromUtf16(name);
  return TRegisteredProcedure{text, description, direct, Pluggable(text)};
}

}  // namespace

std::vector<TRegisteredProcedure> RegisteredProcedures() {
  using E = TDataSetEvent;
  std::vector<TRegisteredProcedure> rows;
  rows.push_back(Row(u"ControlActiuNomesQuanNoModifiqui",
                     QStringLiteral("El control passat estara ENABLED si el DataSet no està modificant.\n"
                                    "PRME01 : TWinControl\nPRME02 : TDataSet"),
                     true, Action(&ActionProcedures::ControlActiuNomesQuanNoModifiqui)));
  rows.push_back(Row(u"FUNCIONES_FACTURAS", Action(&Launchers::FuncionesFacturas)));
  rows.push_back(Row(u"AUTOFACTURAR", Action(&Launchers::Autofacturar)));
  rows.push_back(PluggableRow(u"CAMBIO_ACTIVO_CENTRO"));
  rows.push_back(PluggableRow(u"CAMBIO_ACTIVO_CURSO"));
  rows.push_back(PluggableRow(u"CAMBIO_ACTIVA_CLASE"));
  rows.push_back(PluggableRow(u"CAMBIO_ACTIVA_MATRICULA"));
  rows.push_back(PluggableRow(u"CAMBIO_ACTIVO_PROFESOR"));
  rows.push_back(PluggableRow(u"CAMBIO_ACTIVO_ALUMNO"));
  rows.push_back(Row(u"CAMBIO_DATOS_COBRO_MATRICULA", Action(&ActionProcedures::CambioDatosCobroMatricula)));
  rows.push_back(Row(u"CAMBIO_BLOQUEADO_BOLETIN", Action(&ActionProcedures::CambioBloqueadoBoletin)));
  rows.push_back(Row(u"IMPORTAR_FORMATO_BOLETIN", Action(&ActionProcedures::ImportarFormatoBoletin)));
  rows.push_back(Row(u"FACTURA_CUE_QUITA_MATRICULA", Action(&ActionProcedures::FacturaCueQuitaMatricula)));
  rows.push_back(PluggableRow(u"GUARDA_ARCHIVO_NORMA19"));
  rows.push_back(PluggableRow(u"DEVOLUCIONES_NORMA19"));
  rows.push_back(PluggableRow(u"FormularioGeneraNorma19"));
  rows.push_back(PluggableRow(u"ANULAR_NORMA19"));
  rows.push_back(Row(u"FALTAS_NUEVA_FALTA", Action(&Launchers::FaltasNuevaFalta)));
  rows.push_back(Row(u"FALTAS_BORRA_FALTA", Action(&Launchers::FaltasBorraFalta)));
  rows.push_back(PluggableRow(u"DUPLICAR_GRUPO", QStringLiteral("Permite duplicar un grupo")));
  rows.push_back(PluggableRow(u"DUPLICAR_CURSO", QStringLiteral("Permite duplicar un curso")));
  rows.push_back(PluggableRow(
      u"FILTRO_MES_FACTURAR",
      QStringLiteral(
          "Abre Formulario para poder seleccionar MES/AÑO a facturar:\n"
          "0PRMS01: Campo de la base de datos del mes \n"
          "PRMS02: Texto para indicar al filtro\n"
          "PRMS03: Mes en número\n"
          "PRMS04: Año\n"
          "PRMS05: Si existe la protección para evitar duplicados en opciones, valor TRUE, sinó un 0\n"
          "PRMS06: SQL del filtro en función del PRMS05, para si se quiere aplicar directamente")));
  rows.push_back(
      PluggableRow(u"FormularioEnviarSMS",
                   QStringLiteral("PRME01 : Nom de la taula que conté els telèfons\n"
                                  "PRME02 : Nom del camp \"ID\" de la taula\n"
                                  "PRME03 : Nom del camp \"Nom\" de la taula\n"
                                  "PRME04 : Nom del camp \"Telèfon\" a on enviar els missatges\n"
                                  "PRME05 : Camps addicionals per extreure informació (posats com un "
                                  "select: \"campt01, (a+b) AS camp2, ...\")"),
                   true));
  rows.push_back(PluggableRow(u"GeneraDatosMandato",
                              QStringLiteral("PRME01 : Nom del camp que conté la referencia del mandato\n"
                                             "PRME02 : Nom del camp que conté la fecha del mandato"),
                              true));
  rows.push_back(PluggableRow(u"BuscarCodigoBIC",
                              QStringLiteral("PRME01 : Nom del camp que conté el IBAN\n"
                                             "PRME02 : Nom del camp que contindrà el codi BIC"),
                              true));
  rows.push_back(Row(u"GENERAR_LIQUIDACIONES", Action(&Launchers::GenerarLiquidaciones)));
  rows.push_back(PluggableRow(u"MUESTRA_CENTRO_ACTUAL"));
  rows.push_back(Row(u"ProcedureZULDataEvent_BEFOREOPEN", DataSetEvent(E::BeforeOpen)));
  rows.push_back(Row(u"ProcedureZULDataEvent_BEFOREEDIT", DataSetEvent(E::BeforeEdit)));
  rows.push_back(Row(u"ProcedureZULDataEvent_BEFOREPOST", DataSetEvent(E::BeforePost)));
  rows.push_back(Row(u"ProcedureZULDataEvent_BEFOREDELETE", DataSetEvent(E::BeforeDelete)));
  rows.push_back(Row(u"ProcedureZULDataEvent_BEFOREINSERT", DataSetEvent(E::BeforeInsert)));
  rows.push_back(Row(u"ProcedureZULDataEvent_AFTEROPEN", DataSetEvent(E::AfterOpen)));
  rows.push_back(Row(u"ProcedureZULDataEvent_AFTEREDIT", DataSetEvent(E::AfterEdit)));
  rows.push_back(Row(u"ProcedureZULDataEvent_AFTERPOST", DataSetEvent(E::AfterPost)));
  rows.push_back(Row(u"ProcedureZULDataEvent_AFTERDELETE", DataSetEvent(E::AfterDelete)));
  rows.push_back(Row(u"ProcedureZULDataEvent_AFTERINSERT", DataSetEvent(E::AfterInsert)));
  rows.push_back(Row(u"ProcedureZULDataEvent_STATECHANGE", DataSetEvent(E::StateChange)));
  rows.push_back(Row(u"ProcedureZULDataChangeEvent_DATACHANGE",
                     [](QObject*, const QVariantList& args) { EventDispatch::DataChange(args); }));
  rows.push_back(Row(u"ProcedureZULFormEvent_CREATE", FormEvent(TFormEvent::Create)));
  rows.push_back(Row(u"ProcedureZULFormEvent_DESTROY", FormEvent(TFormEvent::Destroy)));
  return rows;
}

void REGISTER_LIBRARY(TProcedureZUL& registry) {
  TZULApp* app = TZULApp::Main();
  RulesApp::Set(app);
  TProcedureZUL& own = app != nullptr ? app->Procedures() : registry;
  for (TRegisteredProcedure& row : RegisteredProcedures()) {
    (row.direct ? registry : own).RegisterProcedure(row.name, row.description, std::move(row.procedure));
  }
  RegisterBankProcedures(&ActionBodies::Plug);
  CurrentCentre::RegisterRules();
}

extern "C" void REGISTER_LIBRARY(TProcedureZUL* registry) {
  if (registry != nullptr) REGISTER_LIBRARY(*registry);
}
