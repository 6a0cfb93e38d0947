#include "App/CodiComu/bank/Ccc.h"

#include <iterator>

#include "App/CodiComu/bank/BankText.h"

namespace {

constexpr int kWeights[] = {6, 3, 7, 9, 10, 5, 8, 4, 2, 1};  // from the rightmost digit
constexpr qsizetype kMaxGroup = static_cast<qsizetype>(std::size(kWeights));

bool ValidPart(const QString& part, qsizetype width) {
  return !part.isEmpty() && part.size() <= width && BankText::AllDigits(part);
}

}  // namespace

std::optional<QChar> DigitoControlCCC(const QString& group) {
  if (group.size() > kMaxGroup) return std::nullopt;
  int sum = 0;
  for (qsizetype k = 0; k < group.size(); ++k) {
    const QChar c = group.at(group.size() - 1 - k);
    if (!BankText::IsDigit(c)) return std::nullopt;
    sum += (c.unicode() - '0') * kWeights[k];
  }
  const int r = sum % 11;
  // Remainders 0 and 1 give themselves; 11 - r would be 11 or 10.
  const int digit = r <= 1 ? r : 11 - r;
  return QChar(static_cast<char16_t>(u'0' + digit));
}

std::optional<QString> CalculaDigitosControlCCC(const QString& entity, const QString& office,
                                                const QString& account) {
  if (!ValidPart(entity, 4) || !ValidPart(office, 4) || !ValidPart(account, 10)) return std::nullopt;
  const std::optional<QChar> first = DigitoControlCCC(entity.rightJustified(4, QLatin1Char('0')) +
                                                      office.rightJustified(4, QLatin1Char('0')));
  const std::optional<QChar> second = DigitoControlCCC(account.rightJustified(10, QLatin1Char('0')));
  if (!first || !second) return std::nullopt;
  return QString(*first) + *second;
}

TResultadoCCC CompruebaCCC(const QString& ccc) {
  QString clean;
  for (QChar c : ccc.trimmed()) {
    const QChar upper = BankText::Upper(c);
    if (BankText::IsDigit(upper) || BankText::IsUpperLetter(upper)) clean += upper;
  }
  if (clean.size() != 20) return cccLongitudIncorrecta;
  const std::optional<QString> digits =
      CalculaDigitosControlCCC(clean.mid(0, 4), clean.mid(4, 4), clean.mid(10, 10));
  if (!digits) return cccIncalculable;
  return *digits == clean.mid(8, 2) ? cccCorrecto : cccDigitosIncorrectos;
}

QString FormateaCCC(const QString& ccc) {
  const QString text = ccc.trimmed();
  if (text.size() != 20) return text;
  return text.mid(0, 4) + QLatin1Char('-') + text.mid(4, 4) + QLatin1Char('-') + text.mid(8, 2) +
         QLatin1Char('-') + text.mid(10, 10);
}
