#include "platform/zul/windows/TZULDisplayFormats.h"

#include <QDate>

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

[[noreturn]] void NotA(const QString& text, const char* what) {
  throw EConvertError(QStringLiteral("«%1» no es %2").arg(text, QString::fromUtf8(what)));
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
    case TFieldType::ftDateTime:
      return DayDate::ToDateTime(Var::ToDateTime(value)).toString(QStringLiteral("dd/MM/yyyy hh:mm"));
    default:
      return Var::ToString(value);
  }
}

QVariant TZULDisplayFormats::ParseText(const QString& text, TFieldType type) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return Var::Null();
  if (IsInteger(type)) {
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    if (!ok) NotA(t, "un número entero válido");
    return type == TFieldType::ftLargeint ? QVariant(n) : QVariant(static_cast<int>(n));
  }
  switch (type) {
    case TFieldType::ftCurrency: {
      const std::optional<Currency> amount = Currency::TryParse(t);
      if (!amount) NotA(t, "un importe válido");
      return Var::FromCurrency(*amount);
    }
    case TFieldType::ftFloat: {
      const std::optional<Currency> asAmount = Currency::TryParse(t);
      bool ok = false;
      const double d = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
      if (!ok && !asAmount) NotA(t, "un número válido");
      return ok ? d : asAmount->ToDouble();
    }
    case TFieldType::ftDate:
    case TFieldType::ftDateTime: {
      QDateTime dt = QDateTime::fromString(t, QStringLiteral("dd/MM/yyyy hh:mm"));
      if (!dt.isValid()) {
        QDate d = QDate::fromString(t, QStringLiteral("d/M/yyyy"));
        if (!d.isValid()) {
          // Two-digit years: 30 to 99 are of the 1900s, the rest of the 2000s.
          d = QDate::fromString(t, QStringLiteral("d/M/yy"));
          if (d.isValid() && d.year() < 1930) d = d.addYears(100);
        }
        if (!d.isValid()) NotA(t, "una fecha válida");
        dt = QDateTime(d, QTime(0, 0));
      }
      const TDateTime value = DayDate::FromDateTime(dt);
      return Var::FromDate(type == TFieldType::ftDate ? DayDate::DateOf(value) : value);
    }
    case TFieldType::ftTime: {
      for (const char* format : {"hh:mm", "h:mm", "hh:mm:ss"}) {
        const QTime time = QTime::fromString(t, QString::fromLatin1(format));
        if (time.isValid()) return Var::FromDate(DayDate::FromTime(time));
      }
      NotA(t, "una hora válida");
    }
    default:
      return text;
  }
}
