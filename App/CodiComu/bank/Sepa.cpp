#include "App/CodiComu/bank/Sepa.h"

#include "App/CodiComu/bank/BankText.h"
#include "App/CodiComu/bank/Modulo97.h"
#include "App/CodiComu/bank/Nif.h"
#include "platform/core/Exceptions.h"

QString DigitosControlSEPA(const QString& pais, const QString& identificador) {
  return Modulo97::StrictCheckDigits(identificador, pais);
}

QString CalculaIdentificadorAcreedor(const QString& sufijo, const QString& nifPresentador) {
  // NormalizaNIF upper-cases A-Z itself; a Unicode upper-casing first could turn one
  // dropped character into letters ("ß" into "SS").
  const QString identifier = NormalizaNIF(nifPresentador);
  // Only plain digits: a sign, a blank or a hex prefix would end up inside the
  // business code.
  if (sufijo.isEmpty() || !BankText::AllDigits(sufijo)) {
    throw EConvertError(QStringLiteral("El Sufijo del acreedor no es un número válido: ") + sufijo);
  }
  const QString business = sufijo.rightJustified(3, QLatin1Char('0')).left(3);
  const QString country = QStringLiteral("ES");
  return country + DigitosControlSEPA(country, identifier) + business + identifier;
}
