// The registration table: names, order, descriptions and which registry gets them;
// the procedures whose bodies come later raise until they are plugged in.

#include <QStringList>

#include "platform/core/Exceptions.h"
#include "platform/zul/TProcedureZUL.h"
#include "rules/ActionBodies.h"
#include "rules/RegisterLibrary.h"
#include "rules/RulesApp.h"
#include "tests/rules/RulesFixture.h"

namespace {

struct Expected {
  const char* name;
  const char* description;
  bool direct;
};

const Expected kRegistered[] = {
    {"ControlActiuNomesQuanNoModifiqui",
     "El control passat estara ENABLED si el DataSet no està modificant.\nPRME01 : TWinControl\nPRME02 : "
     "TDataSet",
     true},
    {"FUNCIONES_FACTURAS", "", false},
    {"AUTOFACTURAR", "", false},
    {"CAMBIO_ACTIVO_CENTRO", "", false},
    {"CAMBIO_ACTIVO_CURSO", "", false},
    {"CAMBIO_ACTIVA_CLASE", "", false},
    {"CAMBIO_ACTIVA_MATRICULA", "", false},
    {"CAMBIO_ACTIVO_PROFESOR", "", false},
    {"CAMBIO_ACTIVO_ALUMNO", "", false},
    {"CAMBIO_DATOS_COBRO_MATRICULA", "", false},
    {"CAMBIO_BLOQUEADO_BOLETIN", "", false},
    {"IMPORTAR_FORMATO_BOLETIN", "", false},
    {"FACTURA_CUE_QUITA_MATRICULA", "", false},
    {"GUARDA_ARCHIVO_NORMA19", "", false},
    {"DEVOLUCIONES_NORMA19", "", false},
    {"FormularioGeneraNorma19", "", false},
    {"ANULAR_NORMA19", "", false},
    {"FALTAS_NUEVA_FALTA", "", false},
    {"FALTAS_BORRA_FALTA", "", false},
    {"DUPLICAR_GRUPO", "Permite duplicar un grupo", false},
    {"DUPLICAR_CURSO", "Permite duplicar un curso", false},
    {"FILTRO_MES_FACTURAR",
     "Abre Formulario para poder seleccionar MES/AÑO a facturar:\n0PRMS01: Campo de la base de datos del mes "
     "\nPRMS02: Texto para indicar al filtro\nPRMS03: Mes en número\nPRMS04: Año\nPRMS05: Si existe la "
     "protección para evitar duplicados en opciones, valor TRUE, sinó un 0\nPRMS06: SQL del filtro en "
     "función "
     "del PRMS05, para si se quiere aplicar directamente",
     false},
    {"FormularioEnviarSMS",
     "PRME01 : Nom de la taula que conté els telèfons\nPRME02 : Nom del camp \"ID\" de la taula\nPRME03 : "
     "Nom "
     "del camp \"Nom\" de la taula\nPRME04 : Nom del camp \"Telèfon\" a on enviar els missatges\nPRME05 : "
     "Camps "
     "addicionals per extreure informació (posats com un select: \"campt01, (a+b) AS camp2, ...\")",
     true},
    {"GeneraDatosMandato",
     "PRME01 : Nom del camp que conté la referencia del mandato\nPRME02 : Nom del camp que conté la fecha "
     "del "
     "mandato",
     true},
    {"BuscarCodigoBIC",
     "PRME01 : Nom del camp que conté el IBAN\nPRME02 : Nom del camp que contindrà el codi BIC", true},
    {"GENERAR_LIQUIDACIONES", "", false},
    {"MUESTRA_CENTRO_ACTUAL", "", false},
    {"ProcedureZULDataEvent_BEFOREOPEN", "", false},
    {"ProcedureZULDataEvent_BEFOREEDIT", "", false},
    {"ProcedureZULDataEvent_BEFOREPOST", "", false},
    {"ProcedureZULDataEvent_BEFOREDELETE", "", false},
    {"ProcedureZULDataEvent_BEFOREINSERT", "", false},
    {"ProcedureZULDataEvent_AFTEROPEN", "", false},
    {"ProcedureZULDataEvent_AFTEREDIT", "", false},
    {"ProcedureZULDataEvent_AFTERPOST", "", false},
    {"ProcedureZULDataEvent_AFTERDELETE", "", false},
    {"ProcedureZULDataEvent_AFTERINSERT", "", false},
    {"ProcedureZULDataEvent_STATECHANGE", "", false},
    {"ProcedureZULDataChangeEvent_DATACHANGE", "", false},
    {"ProcedureZULFormEvent_CREATE", "", false},
    {"ProcedureZULFormEvent_DESTROY", "", false},
};

// The registered names whose bodies later rules plug in.
const char* const kPluggable[] = {
    "CAMBIO_ACTIVO_CENTRO",    "CAMBIO_ACTIVO_CURSO",  "CAMBIO_ACTIVA_CLASE",    "CAMBIO_ACTIVA_MATRICULA",
    "CAMBIO_ACTIVO_PROFESOR",  "CAMBIO_ACTIVO_ALUMNO", "GUARDA_ARCHIVO_NORMA19", "DEVOLUCIONES_NORMA19",
    "FormularioGeneraNorma19", "ANULAR_NORMA19",       "DUPLICAR_GRUPO",         "DUPLICAR_CURSO",
    "FILTRO_MES_FACTURAR",     "FormularioEnviarSMS",
};

// Registered names whose bodies REGISTER_LIBRARY plugs in itself.
const char* const kPluggedAtRegistration[] = {"GeneraDatosMandato", "BuscarCodigoBIC",
                                              "MUESTRA_CENTRO_ACTUAL"};

QStringList Names(bool direct) {
  QStringList names;
  for (const Expected& row : kRegistered) {
    if (row.direct == direct) names << QString::fromUtf8(row.name);
  }
  return names;
}

class RegisterLibraryTest : public RulesFixture {};

TEST_F(RegisterLibraryTest, RegistersTheFortyOneNamesInOrderWithTheirDescriptions) {
  ASSERT_EQ(std::size(kRegistered), 41u);
  const QStringList names = app.Procedures().Names();
  ASSERT_EQ(names.size(), 41);
  for (int i = 0; i < names.size(); ++i) {
    const Expected& row = kRegistered[i];
    EXPECT_EQ(names[i], QString::fromUtf8(row.name)) << "row " << i + 1;
    EXPECT_EQ(app.Procedures().Description(names[i]), QString::fromUtf8(row.description)) << row.name;
  }
  EXPECT_EQ(RulesApp::Get(), &app);
}

TEST_F(RegisterLibraryTest, DirectNamesGoToThePassedRegistryTheOthersToTheApplications) {
  app.Procedures().Clear();
  TProcedureZUL passed;
  REGISTER_LIBRARY(passed);
  EXPECT_EQ(passed.Names(), Names(true));
  EXPECT_EQ(app.Procedures().Names(), Names(false));
}

TEST_F(RegisterLibraryTest, WithoutAnApplicationObjectEverythingGoesToThePassedRegistry) {
  TZULApp::SetMain(nullptr);
  TProcedureZUL passed;
  REGISTER_LIBRARY(&passed);  // the plain exported entry
  EXPECT_EQ(passed.Names().size(), 41);
  EXPECT_EQ(RulesApp::Get(), nullptr);
  TZULApp::SetMain(&app);
}

TEST_F(RegisterLibraryTest, LaterBodiesRaiseANamedErrorUntilPluggedIn) {
  for (const char* name : kPluggable) {
    const QString procedure = QString::fromUtf8(name);
    SCOPED_TRACE(name);
    try {
      Run(procedure);
      ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("La función «%1» todavía no está disponible").arg(procedure));
    }
    QVariantList received;
    ActionBodies::Plug(procedure, [&](QObject*, const QVariantList& args) { received = args; });
    Run(procedure, {7});
    EXPECT_EQ(received, QVariantList{7});
  }
}

TEST_F(RegisterLibraryTest, BankBodiesArePluggedAtRegistration) {
  for (const char* name : kPluggedAtRegistration) {
    EXPECT_TRUE(ActionBodies::IsPlugged(QString::fromUtf8(name))) << name;
  }
}

}  // namespace
