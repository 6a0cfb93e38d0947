#pragma once
// Character tests of the bank identifiers. Account numbers and identifiers are
// ASCII: other Unicode digits or letters (Arabic-Indic digits, "ſ", "Ñ") never
// count as digits or letters here, and case is folded for A-Z only.

#include <QChar>
#include <QString>

namespace BankText {

inline bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
inline bool IsUpperLetter(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }
inline bool IsLowerLetter(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }
inline bool IsLetter(QChar c) { return IsUpperLetter(c) || IsLowerLetter(c); }
inline QChar Upper(QChar c) { return IsLowerLetter(c) ? QChar(c.unicode() - 'a' + 'A') : c; }

inline bool AllDigits(const QString& text) {
  for (QChar c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

// Equal when only the case of A-Z differs.
inline bool SameIgnoringCase(const QString& a, const QString& b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i) {
    if (Upper(a.at(i)) != Upper(b.at(i))) return false;
  }
  return true;
}

// The first two characters are "ES" in either case.
inline bool IsSpanish(const QString& iban) { return SameIgnoringCase(iban.left(2), QStringLiteral("ES")); }

}  // namespace BankText
