#include "App/CodiComu/CurrencyFormat.h"

#include <QStringList>
#include <algorithm>
#include <cstdint>

#include "platform/zul/TParametres.h"

namespace {

struct Section {
  QString prefix;  // literals before the decimal point
  QString suffix;  // literals after it
  bool hasDigits = false;
  bool thousands = false;
  int intMin = 0;  // integer digits always written
  int decMin = 0;
  int decMax = 0;
};

QStringList SplitSections(const QString& mask) {
  QStringList sections;
  QString current;
  QChar quote;
  for (QChar c : mask) {
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
    } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      quote = c;
    } else if (c == QLatin1Char(';')) {
      sections << current;
      current.clear();
      continue;
    }
    current += c;
  }
  sections << current;
  return sections;
}

Section ParseSection(const QString& text) {
  Section s;
  bool afterPoint = false;
  bool seenZero = false;
  int decPos = 0;
  QChar quote;
  for (QChar c : text) {
    if (!quote.isNull()) {
      if (c == quote) {
        quote = QChar();
      } else {
        (afterPoint ? s.suffix : s.prefix) += c;
      }
      continue;
    }
    if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
      quote = c;
    } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
      s.hasDigits = true;
      if (afterPoint) {
        ++decPos;
        s.decMax = decPos;
        if (c == QLatin1Char('0')) s.decMin = decPos;
      } else {
        if (c == QLatin1Char('0')) seenZero = true;
        if (seenZero) ++s.intMin;
      }
    } else if (c == QLatin1Char('.') && !afterPoint) {
      afterPoint = true;
      s.hasDigits = true;
    } else if (c == QLatin1Char(',')) {
      s.thousands = true;
    } else {
      (afterPoint ? s.suffix : s.prefix) += c;
    }
  }
  return s;
}

std::uint64_t Magnitude(Currency c) {
  const std::int64_t raw = c.Raw();
  return raw < 0 ? static_cast<std::uint64_t>(0) - static_cast<std::uint64_t>(raw)
                 : static_cast<std::uint64_t>(raw);
}

Currency RoundTo(Currency amount, int decimals) { return decimals >= 4 ? amount : amount.Rounded(decimals); }

QString Digits(std::uint64_t magnitude, const Section& s) {
  const std::uint64_t scale = static_cast<std::uint64_t>(Currency::Scale);
  const std::uint64_t whole = magnitude / scale;
  QString integer = whole == 0 ? QString() : QString::number(whole);
  while (integer.size() < s.intMin) integer.prepend(QLatin1Char('0'));
  if (s.thousands) {
    for (qsizetype i = integer.size() - 3; i > 0; i -= 3) integer.insert(i, QLatin1Char('.'));
  }
  QString decimals = QStringLiteral("%1").arg(magnitude % scale, 4, 10, QLatin1Char('0'));
  while (decimals.size() < s.decMax) decimals += QLatin1Char('0');
  decimals.truncate(s.decMax);
  while (decimals.size() > s.decMin && decimals.endsWith(QLatin1Char('0'))) decimals.chop(1);
  return decimals.isEmpty() ? integer : integer + QLatin1Char(',') + decimals;
}

}  // namespace

QString FormatCurrencyMask(Currency amount, const QString& mask) {
  const QStringList sections = SplitSections(mask);
  Section s = ParseSection(sections.front());
  Currency value = RoundTo(amount, s.decMax);
  bool sign = value.Raw() < 0;
  if (value.IsZero() && sections.size() >= 3 && !sections[2].isEmpty()) {
    s = ParseSection(sections[2]);
    sign = false;
  } else if (amount.Raw() < 0 && sections.size() >= 2 && !sections[1].isEmpty()) {
    s = ParseSection(sections[1]);
    value = RoundTo(amount, s.decMax);
    sign = false;
  }
  if (!s.hasDigits) return s.prefix + s.suffix;
  const QString digits = Digits(Magnitude(value), s);
  return (sign ? QStringLiteral("-") : QString()) + s.prefix + digits + s.suffix;
}

QString FormatCurrency(Currency amount) {
  QString mask = Parametres().AsString(QStringLiteral("DIVISA_MASK"), QStringLiteral("#,##0.00"));
  if (mask.isEmpty()) mask = QStringLiteral("#,##0.00");
  return FormatCurrencyMask(amount, mask);
}
