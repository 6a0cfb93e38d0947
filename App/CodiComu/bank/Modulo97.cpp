#include "App/CodiComu/bank/Modulo97.h"

#include "App/CodiComu/bank/BankText.h"
#include "platform/core/Exceptions.h"

int Resto97(const QString& digits) {
  // Long division one digit at a time: exact for any length.
  int remainder = 0;
  for (QChar c : digits) {
    if (!BankText::IsDigit(c)) {
      throw EConvertError(QStringLiteral("«%1» no es un número entero válido").arg(digits));
    }
    remainder = (remainder * 10 + (c.unicode() - '0')) % 97;
  }
  return remainder;
}

QString ValorCaracterIBAN(QChar c) {
  if (BankText::IsDigit(c)) return QString(c);
  if (BankText::IsLetter(c)) return QString::number(BankText::Upper(c).unicode() - 'A' + 10);
  return QString();
}

namespace Modulo97 {

std::optional<QString> DigitString(const QString& text, QChar* invalid) {
  QString digits;
  digits.reserve(text.size() * 2);
  for (QChar c : text) {
    const QString value = ValorCaracterIBAN(c);
    if (value.isEmpty()) {
      if (invalid != nullptr) *invalid = c;
      return std::nullopt;
    }
    digits += value;
  }
  return digits;
}

QString CheckDigits(const QString& digits) {
  return QStringLiteral("%1").arg(98 - Resto97(digits), 2, 10, QLatin1Char('0'));
}

QString StrictCheckDigits(const QString& body, const QString& country) {
  QChar invalid;
  const std::optional<QString> digits = DigitString(body + country + QStringLiteral("00"), &invalid);
  if (!digits) {
    throw EConvertError(QStringLiteral("Se encontró un carácter no válido: \"%1\"").arg(invalid));
  }
  return CheckDigits(*digits);
}

}  // namespace Modulo97
