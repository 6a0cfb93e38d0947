#include "platform/zul/TZULDisplayFormats.h"

#include <QDate>
#include <limits>

#include "platform/core/DayDate.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Variants.h"

namespace {

TZULDisplayFormats::CurrencyFormatter& Formatter() {
  static TZULDisplayFormats::CurrencyFormatter formatter;
  return formatter;
}

// "1234567,50" -> "1.234.567,50".
QString GroupThousands(const QString& fixed) {
  const int comma = fixed.indexOf(QLatin1Char(','));
  QString whole = comma < 0 ? fixed : fixed.left(comma);
  const QString rest = comma < 0 ? QString() : fixed.mid(comma);
  const bool negative = whole.startsWith(QLatin1Char('-'));
  if (negative) whole.remove(0, 1);
  for (int i = whole.size() - 3; i > 0; i -= 3) whole.insert(i, QLatin1Char('.'));
  return (negative ? QStringLiteral("-") : QString()) + whole + rest;
}

[[noreturn]] void NotA(const QString& text, const QString& what) {
  throw EConvertError(QStringLiteral("«%1» no es %2").arg(text, what));
}

QDate ParseDate(const QString& text) {
  QDate d = QDate::fromString(text, QStringLiteral("d/M/yyyy"));
  if (!d.isValid()) {
    // Two-digit years: 30 to 99 are of the 1900s, the rest of the 2000s.
    d = QDate::fromString(text, QStringLiteral("d/M/yy"));
    if (d.isValid() && d.year() < 1930) d = d.addYears(100);
  }
  return d;
}

QTime ParseTime(const QString& text) {
  for (const char* format : {"h:mm", "hh:mm", "h:mm:ss", "hh:mm:ss"}) {
    const QTime time = QTime::fromString(text, QString::fromLatin1(format));
    if (time.isValid()) return time;
  }
  return QTime();
}

QVariant ParseInteger(const QString& t, TFieldType type) {
  qint64 low = std::numeric_limits<int>::min();
  qint64 high = std::numeric_limits<int>::max();
  if (type == TFieldType::ftSmallint) {
    low = std::numeric_limits<qint16>::min();
    high = std::numeric_limits<qint16>::max();
  } else if (type == TFieldType::ftWord) {
    low = 0;
    high = std::numeric_limits<quint16>::max();
  } else if (type == TFieldType::ftLargeint) {
    low = std::numeric_limits<qint64>::min();
    high = std::numeric_limits<qint64>::max();
  }
  bool ok = false;
  const qint64 n = t.toLongLong(&ok);
  if (!ok) NotA(t, QStringLiteral("un número entero válido"));
  if (n < low || n > high) NotA(t, QStringLiteral("un número entero entre %1 y %2").arg(low).arg(high));
  return type == TFieldType::ftLargeint ? QVariant(n) : QVariant(static_cast<int>(n));
}

}  // namespace

QString TZULDisplayFormats::FormatCurrency(Currency amount) {
  if (Formatter()) return Formatter()(amount);
  return GroupThousands(amount.Rounded(2).ToFixed(2, QLatin1Char(',')));
}

void TZULDisplayFormats::SetCurrencyFormatter(CurrencyFormatter formatter) {
  Formatter() = std::move(formatter);
}

bool TZULDisplayFormats::IsInteger(TFieldType type) {
  return type == TFieldType::ftSmallint || type == TFieldType::ftInteger || type == TFieldType::ftWord ||
         type == TFieldType::ftAutoInc || type == TFieldType::ftLargeint;
}

bool TZULDisplayFormats::IsDate(TFieldType type) {
  return type == TFieldType::ftDate || type == TFieldType::ftTime || type == TFieldType::ftDateTime;
}

bool TZULDisplayFormats::IsNumber(TFieldType type) {
  return IsInteger(type) || type == TFieldType::ftFloat || type == TFieldType::ftCurrency;
}

QString TZULDisplayFormats::DisplayText(const QVariant& value, TFieldType type) {
  if (Var::IsNullOrEmpty(value)) return QString();
  if (type == TFieldType::ftCurrency) return FormatCurrency(Var::ToCurrency(value));
  return EditText(value, type);
}

QString TZULDisplayFormats::EditText(const QVariant& value, TFieldType type) {
  if (Var::IsNullOrEmpty(value)) return QString();
  switch (type) {
    case TFieldType::ftCurrency: {
      QString text = Var::ToCurrency(value).ToString();
      return text.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    case TFieldType::ftFloat:
      return QString::number(Var::ToDouble(value), 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
    case TFieldType::ftDate:
      return DayDate::ToDate(Var::ToDateTime(value)).toString(QStringLiteral("dd/MM/yyyy"));
    case TFieldType::ftTime:
      return DayDate::ToTime(Var::ToDateTime(value)).toString(QStringLiteral("hh:mm"));
    case TFieldType::ftDateTime: {
      // A date kept as a date-time (midnight) shows no time.
      const QDateTime dt = DayDate::ToDateTime(Var::ToDateTime(value));
      return dt.toString(dt.time() == QTime(0, 0) ? QStringLiteral("dd/MM/yyyy")
                                                  : QStringLiteral("dd/MM/yyyy hh:mm"));
    }
    default:
      return Var::ToString(value);
  }
}

QVariant TZULDisplayFormats::ParseText(const QString& text, TFieldType type) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return Var::Null();
  if (IsInteger(type)) return ParseInteger(t, type);
  switch (type) {
    case TFieldType::ftCurrency: {
      const std::optional<Currency> amount = Currency::TryParse(t);
      if (!amount) NotA(t, QStringLiteral("un importe válido"));
      return Var::FromCurrency(*amount);
    }
    case TFieldType::ftFloat: {
      // "3,25" keeps every decimal; "1.234,5" is read as an amount is.
      bool ok = false;
      const double d = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
      if (ok) return d;
      const std::optional<Currency> asAmount = Currency::TryParse(t);
      if (!asAmount) NotA(t, QStringLiteral("un número válido"));
      return asAmount->ToDouble();
    }
    case TFieldType::ftDate:
    case TFieldType::ftDateTime: {
      const int space = t.indexOf(QLatin1Char(' '));
      const QDate date = ParseDate(space < 0 ? t : t.left(space));
      const QTime time = space < 0 ? QTime(0, 0) : ParseTime(t.mid(space + 1).trimmed());
      // A date field keeps no time: one typed would be lost, so it is refused.
      if (!date.isValid() || !time.isValid() || (space >= 0 && type == TFieldType::ftDate)) {
        NotA(t, space >= 0 && type == TFieldType::ftDateTime
                    ? QStringLiteral("una fecha válida (dd/mm/aaaa hh:mm)")
                    : QStringLiteral("una fecha válida (dd/mm/aaaa)"));
      }
      return Var::FromDate(DayDate::FromDateTime(QDateTime(date, time, Qt::UTC)));
    }
    case TFieldType::ftTime: {
      const QTime time = ParseTime(t);
      if (!time.isValid()) NotA(t, QStringLiteral("una hora válida (hh:mm)"));
      return Var::FromDate(DayDate::FromTime(time));
    }
    default:
      return text;
  }
}
