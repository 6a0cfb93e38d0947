#include "App/CodiComu/CompanyData.h"

#include "App/CodiComu/TParametrosApp.h"
#include "platform/zul/TParametres.h"

namespace {

const TCompanyParameter kCompany[kCompanyParameterCount] = {
    {"EmpresaNombre", "Nombre de la empresa", "PRMAEmpresaNombre"},
    {"EmpresaDireccion", "Dirección de la empresa", "PRMAEmpresaDireccion"},
    {"EmpresaPoblacion", "Población de la empresa", "PRMAEmpresaPoblacion"},
    {"EmpresaCP", "Código Postal de la empresa", "PRMAEmpresaCP"},
    {"EmpresaCIF", "CIF de la empresa", "PRMAEmpresaCIF"},
    {"EmpresaTelefonos", "Telefonos y faxes de la empresa", "PRMAEmpresaTelefonos"},
    {"EmpresaLogo", "Logotipo de la empresa", "PRMAEmpresaLogo"},
    {"EmpresaInfRM", "Datos de la inscripción en el registro mercantil", "PRMAEmpresaInfRM"},
    {"EmpresaNISS", "Número de inscripción en la Seguridad Social(código cuenta de cotización)",
     "PRMAEmpresaNISS"},
};

QString U(const char* text) { return QString::fromUtf8(text); }

}  // namespace

const TCompanyParameter& CompanyParameter(int index) { return kCompany[index]; }

void DeclareCompanyParameters() {
  TParametrosApp& params = ParametrosApp();
  for (const TCompanyParameter& p : kCompany) {
    params.DeclareParameter(U(p.name), U(p.description), QString(), TParametrosApp::tpTexto);
  }
  for (const TCompanyParameter& p : kCompany) {
    Parametres().SetParametreValue(U(p.frameworkName), params.GetString(U(p.name), QStringLiteral("?")));
  }
}

void DeclareCurrencyParameters() {
  TParametrosApp& params = ParametrosApp();
  const int text = TParametrosApp::tpTexto;
  const int integer = TParametrosApp::tpInteger;
  params.DeclareParameter(QStringLiteral("DIVISANAME"), U("Nombre corto de la divisa"), QStringLiteral("EUR"),
                          text);
  params.DeclareParameter(QStringLiteral("DIVISALONGNAME"), U("Nombre largo de la divisa"),
                          QStringLiteral("Euros"), text);
  params.DeclareParameter(QStringLiteral("DIVISAMASK"), U("Máscara de la divisa utilizada listados"),
                          QStringLiteral("#,#0.00"), text);
  params.DeclareParameter(QStringLiteral("DIVISAEDITMASK"),
                          U("Máscara de la divisa utilizada en modificación de precios"),
                          QStringLiteral("#,#0.00##"), text);
  params.DeclareParameter(QStringLiteral("DIVISAROUND"), U("Redondeo parcial en los cálculos de la divisa"),
                          100, integer);
  params.DeclareParameter(QStringLiteral("DIVISAROUNDTOT"),
                          U("Redondeo final en los cálculos de totales de la divisa"), 100, integer);

  TParametres& prm = Parametres();
  prm.SetParametreValue(QStringLiteral("DIVISA_NOM"),
                        params.GetString(QStringLiteral("DIVISANAME"), QStringLiteral("EUR")));
  prm.SetParametreValue(QStringLiteral("DIVISA_LONGNAME"),
                        params.GetString(QStringLiteral("DIVISALONGNAME"), QStringLiteral("EURO")));
  prm.SetParametreValue(QStringLiteral("DIVISA_MASK"),
                        params.GetString(QStringLiteral("DIVISAMASK"), QStringLiteral("#,##0,00")));
  prm.SetParametreValue(QStringLiteral("DIVISA_EDITMASK"),
                        params.GetString(QStringLiteral("DIVISAEDITMASK"), QStringLiteral("#,##0,00##")));
  prm.SetParametreValue(QStringLiteral("DIVISA_ROUND"),
                        params.GetInteger(QStringLiteral("DIVISAROUND"), 100));
  prm.SetParametreValue(QStringLiteral("DIVISA_TOTALROUND"),
                        params.GetInteger(QStringLiteral("DIVISAROUNDTOT"), 100));
}

void RegisterCompanyDeclarations() {
  ParametrosApp().RegisterDeclaration(&DeclareCompanyParameters);
  ParametrosApp().RegisterDeclaration(&DeclareCurrencyParameters);
}

void UnregisterCompanyDeclarations() {
  ParametrosApp().UnregisterDeclaration(&DeclareCompanyParameters);
  ParametrosApp().UnregisterDeclaration(&DeclareCurrencyParameters);
}
