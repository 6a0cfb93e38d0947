#pragma once
// The modulo-97 arithmetic of IBAN check digits (ISO 13616), shared by the IBAN
// and the SEPA creditor identifier.

#include <QChar>
#include <QString>
#include <optional>

// Remainder 0-96 of a decimal number of any length. An empty text is zero; a
// character that is not a decimal digit raises EConvertError.
int Resto97(const QString& digits);

// "0"-"9" for a digit, "10"-"35" for a letter A-Z in either case, empty otherwise.
QString ValorCaracterIBAN(QChar c);

namespace Modulo97 {

// Every character of `text` replaced by its value, concatenated; nullopt when a
// character has none (that character goes to `invalid` when given).
std::optional<QString> DigitString(const QString& text, QChar* invalid = nullptr);

// 98 minus the remainder of `digits`, with two digits ("02"-"98").
QString CheckDigits(const QString& digits);

// The check digits of `body` followed by `country` and "00"; raises EConvertError
// "Se encontró un carácter no válido: \"c\"" on a character without value.
QString StrictCheckDigits(const QString& body, const QString& country);

}  // namespace Modulo97
