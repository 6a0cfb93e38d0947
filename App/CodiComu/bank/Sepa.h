#pragma once
// The SEPA creditor identifier: "ES", two check digits, the creditor business code
// (3 characters) and the normalised tax identifier; the check digits leave the
// business code out.

#include <QString>

// The modulo-97 check digits of `identificador` followed by `pais` and "00".
// Raises EConvertError "Se encontró un carácter no válido: \"c\"" on a character
// that is neither digit nor letter.
QString DigitosControlSEPA(const QString& pais, const QString& identificador);

// Raises EConvertError "El Sufijo del acreedor no es un número válido: " + suffix
// unless the suffix is made of decimal digits only (at least one).
QString CalculaIdentificadorAcreedor(const QString& sufijo, const QString& nifPresentador);
