#pragma once
// IBAN texts: check digits by ISO 13616 (modulo 97), the analysis of a text into
// its pieces, the validation that turns the outcome into one Spanish message, and
// the filling-in of missing check digits of Spanish IBANs (stored as two blanks).

#include <QString>

#include "App/CodiComu/bank/Modulo97.h"

// Result codes of AnalizaIBAN.
enum TResultadoIBAN : int {
  ibanCorrecto = 0,
  ibanLongitudIncorrecta = 1,  // fewer than 5 or more than 34 characters
  ibanDigitosIncorrectos = 2,
  ibanCaracterSinValor = 4,
  ibanCCCIncorrecto = 99,  // Spanish IBAN whose CCC is wrong
};

struct TAnalisisIBAN {
  QString pais;            // characters 1-2
  QString digitosControl;  // characters 3-4
  QString bban;            // characters 5 to the end
  TResultadoIBAN resultado = ibanCorrecto;
};

// Country code, check digits and BBAN. Without a value for some character the
// strict form raises EConvertError "Se encontró un carácter no válido: \"c\"" and
// the lenient one returns an empty text.
QString CalculaIBAN(const QString& pais, const QString& bban, bool estricto);

// The pieces are filled in whatever the result.
TAnalisisIBAN AnalizaIBAN(const QString& iban);

// An empty message means acceptable. With `avisarExtranjero` a foreign IBAN gets a
// notice that it is not checked; errors in foreign IBANs are never reported.
QString CompruebaIBAN(const QString& iban, bool avisarExtranjero);

// The IBAN with computed check digits when it passes the check (a Spanish IBAN
// with two blanks for check digits gets them filled in); the input unchanged
// otherwise. An empty text stays empty.
QString NormalizaIBAN(const QString& iban);

// The messages of CompruebaIBAN.
namespace IbanMessages {
QString DemasiadoCorta();
QString PaisInexistente(const QString& code);
QString LongitudEspanola(qsizetype length);
QString CuentaIncorrecta(const QString& bban);
QString Incalculable();
QString DigitosControl();
QString Extranjero();
}  // namespace IbanMessages
