#pragma once
// The company data and the currency settings of a database: application parameters
// declared by two declaration procedures, which also copy every value into the
// framework parameters that reports and the invoice processes read.

#include <QString>

// "EmpresaNombre" ... "EmpresaNISS" (text, empty default) into "PRMAEmpresa..."
// (read with "?" as the default).
void DeclareCompanyParameters();
// "DIVISANAME" ... "DIVISAROUNDTOT" into "DIVISA_NOM" ... "DIVISA_TOTALROUND".
void DeclareCurrencyParameters();

// Registers both with the shared TParametrosApp (program start) and removes them
// (program end).
void RegisterCompanyDeclarations();
void UnregisterCompanyDeclarations();

// A company parameter's name, description and framework parameter, by position.
struct TCompanyParameter {
  const char* name;
  const char* description;  // UTF-8
  const char* frameworkName;
};
inline constexpr int kCompanyParameterCount = 9;
const TCompanyParameter& CompanyParameter(int index);
