#include "App/CodiComu/bank/BicCodes.h"

#include <algorithm>

#include "App/CodiComu/bank/BankText.h"
#include "App/CodiComu/bank/Iban.h"

QString BuscaBICEntidad(const QString& entidad) {
  const std::span<const TBICCode> table = BICTable();
  const auto it =
      std::lower_bound(table.begin(), table.end(), entidad, [](const TBICCode& row, const QString& code) {
        return QString::compare(QLatin1String(row.entidad), code, Qt::CaseSensitive) < 0;
      });
  if (it == table.end() || QLatin1String(it->entidad) != entidad) return QString();
  return QString::fromLatin1(it->bic);
}

QString EntidadDeIBAN(const QString& iban) { return BankText::IsSpanish(iban) ? iban.mid(4, 4) : QString(); }

QString CompruebaIBANyBIC(const QString& iban, const QString& bic, bool avisarExtranjero) {
  if (iban.isEmpty() && !bic.isEmpty())
    return QStringLiteral("Se ha indicado un código BIC pero ningún código IBAN");
  const QString message = CompruebaIBAN(iban, avisarExtranjero);
  if (!message.isEmpty()) return message;
  if (BankText::IsSpanish(iban)) {
    const QString entity = iban.mid(4, 4);
    const QString found = BuscaBICEntidad(entity);
    if (found.isEmpty()) return QStringLiteral("No se encuentra el código BIC para la entidad: ") + entity;
    // The BIC as given: a stray blank makes it a different BIC.
    if (!bic.trimmed().isEmpty() && !BankText::SameIgnoringCase(bic, found)) {
      return QStringLiteral("El BIC calculado (") + found +
             QStringLiteral(") no coincide con el BIC existente (") + bic + QLatin1Char(')');
    }
    return QString();
  }
  if (avisarExtranjero) {
    return QStringLiteral(
        "El IBAN tiene un código de país distinto a \"ES\" y no se puede buscar el código BIC");
  }
  return QString();
}
