#include "App/CodiComu/bank/Nif.h"

#include "App/CodiComu/bank/BankText.h"

namespace {

const char kLetters[] = "TRWAGMYFPDXBNJZSQVHLCKE";
constexpr int kLetterCount = 23;

}  // namespace

QChar LetraNIF(int resto23) {
  const int index = ((resto23 % kLetterCount) + kLetterCount) % kLetterCount;
  return QLatin1Char(kLetters[index]);
}

QString NormalizaNIF(const QString& nif) {
  QString kept;
  QString digits;  // the number as written: kept as text, so no length overflows
  int remainder = 0;
  bool digitSeen = false;
  bool letterSeen = false;
  bool irregular = false;
  for (QChar c : nif.trimmed()) {
    c = BankText::Upper(c);
    if (BankText::IsDigit(c)) {
      kept += c;
      digits += c;
      remainder = (remainder * 10 + (c.unicode() - '0')) % kLetterCount;
      digitSeen = true;
    } else if (BankText::IsUpperLetter(c)) {
      kept += c;
      if (!digitSeen || letterSeen) irregular = true;
      letterSeen = true;
    }
  }
  qsizetype firstNonZero = 0;
  while (firstNonZero < digits.size() && digits.at(firstNonZero) == QLatin1Char('0')) ++firstNonZero;
  const QString number = digits.mid(firstNonZero);
  if (irregular || number.isEmpty()) return kept;
  return number.rightJustified(8, QLatin1Char('0')) + LetraNIF(remainder);
}
