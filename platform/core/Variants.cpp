#include "platform/core/Variants.h"

#include <QByteArray>
#include <QChar>
#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "platform/core/DecimalText.h"
#include "platform/core/Exceptions.h"

namespace Var {
namespace {

// A variant reduced to the few shapes that the conversions distinguish.
struct Scalar {
  enum Type { Nothing, Signed, Unsigned, Real, Single, Money, Boolean, Date, Text, Other };
  Type type = Nothing;
  qint64 i = 0;
  quint64 u = 0;
  double d = 0;  // Real, Single and Date (the day number)
  float f = 0;
  Currency c;
  QString s;
};

Scalar Classify(const QVariant& v) {
  Scalar r;
  if (IsNullOrEmpty(v)) return r;
  const int id = v.metaType().id();
  if (id == qMetaTypeId<Currency>()) {
    r.type = Scalar::Money;
    r.c = v.value<Currency>();
    return r;
  }
  switch (id) {
    case QMetaType::Bool:
      r.type = Scalar::Boolean;
      r.i = v.toBool() ? 1 : 0;
      break;
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::SChar:
      r.type = Scalar::Signed;
      r.i = v.toLongLong();
      break;
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
      r.type = Scalar::Unsigned;
      r.u = v.toULongLong();
      break;
    case QMetaType::Double:
      r.type = Scalar::Real;
      r.d = v.toDouble();
      break;
    case QMetaType::Float:
      r.type = Scalar::Single;
      r.f = v.toFloat();
      r.d = static_cast<double>(r.f);
      break;
    case QMetaType::QDate:
      r.type = Scalar::Date;
      r.d = DayDate::FromDate(v.toDate());
      break;
    case QMetaType::QDateTime:
      r.type = Scalar::Date;
      r.d = DayDate::FromDateTime(v.toDateTime());
      break;
    case QMetaType::QString:
      r.type = Scalar::Text;
      r.s = v.toString();
      break;
    case QMetaType::QByteArray:
      r.type = Scalar::Text;
      r.s = QString::fromUtf8(v.toByteArray());
      break;
    case QMetaType::QChar:
      r.type = Scalar::Text;
      r.s = QString(v.toChar());
      break;
    case QMetaType::Char:
      r.type = Scalar::Text;
      r.s = QString(QChar::fromLatin1(v.value<char>()));
      break;
    default:
      r.type = Scalar::Other;
      break;
  }
  return r;
}

// The value as the message shows it, without raising.
QString Describe(const QVariant& v) {
  const Scalar s = Classify(v);
  if (s.type == Scalar::Text) return s.s;
  if (s.type == Scalar::Other) {
    if (v.metaType().id() == QMetaType::QVariantList) return QStringLiteral("(matriz)");
    return QStringLiteral("(%1)").arg(QString::fromLatin1(v.typeName()));
  }
  try {
    return ToString(v);
  } catch (const Exception&) {
    return QString();
  }
}

[[noreturn]] void Fail(const QVariant& v, const char* target) {
  throw EVariantError(
      QStringLiteral("No se puede convertir el valor «%1» a %2").arg(Describe(v), QString::fromUtf8(target)));
}

constexpr const char* kInteger = "número entero";
constexpr const char* kReal = "número real";
constexpr const char* kMoney = "importe";
constexpr const char* kBool = "booleano";
constexpr const char* kText = "texto";
constexpr const char* kDate = "fecha";

// Nearest integer with halves to the even one, as the classic variant conversion does.
std::optional<qint64> RoundBankers(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  const double lower = std::floor(x);
  const double diff = x - lower;
  double r = lower;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0.0)) r = lower + 1.0;
  if (r < -9223372036854775808.0 || r >= 9223372036854775808.0) return std::nullopt;
  return static_cast<qint64>(r);
}

qint64 RoundBankers(Currency c) {
  const qint64 raw = c.Raw();
  qint64 q = raw / Currency::Scale;
  const qint64 rem = raw % Currency::Scale;
  const qint64 absRem = rem < 0 ? -rem : rem;
  if (absRem > Currency::Scale / 2 || (absRem == Currency::Scale / 2 && q % 2 != 0)) q += raw < 0 ? -1 : 1;
  return q;
}

std::optional<qint64> TextToInt64(const QString& text) {
  const auto n = DecimalText::Parse(text, true);
  if (!n) return std::nullopt;
  if (n->point >= static_cast<int>(n->digits.size())) return DecimalText::ToScaled(*n, 0);
  const auto d = DecimalText::ToDouble(*n);
  if (!d) return std::nullopt;
  return RoundBankers(*d);
}

std::optional<double> TextToDouble(const QString& text) {
  const auto n = DecimalText::Parse(text, true);
  if (!n) return std::nullopt;
  return DecimalText::ToDouble(*n);
}

// "dd/mm/yyyy [hh:nn[:ss]]" or "yyyy-mm-dd[Thh:nn[:ss[.zzz]]]".
std::optional<TDateTime> TextToDate(const QString& text) {
  static const QRegularExpression spanish(
      QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})(?:\\s+(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?)?$"));
  static const QRegularExpression iso(QStringLiteral(
      "^(\\d{4})-(\\d{2})-(\\d{2})(?:[T ](\\d{2}):(\\d{2})(?::(\\d{2})(?:\\.(\\d{1,3}))?)?)?$"));
  const QString t = text.trimmed();
  int y = 0, mo = 0, d = 0;
  QRegularExpressionMatch m = spanish.match(t);
  if (m.hasMatch()) {
    d = m.captured(1).toInt();
    mo = m.captured(2).toInt();
    y = m.captured(3).toInt();
  } else {
    m = iso.match(t);
    if (!m.hasMatch()) return std::nullopt;
    y = m.captured(1).toInt();
    mo = m.captured(2).toInt();
    d = m.captured(3).toInt();
  }
  const int h = m.captured(4).toInt();
  const int mi = m.captured(5).toInt();
  const int s = m.captured(6).toInt();
  const int ms = m.lastCapturedIndex() >= 7 ? m.captured(7).leftJustified(3, QLatin1Char('0')).toInt() : 0;
  if (!QDate::isValid(y, mo, d) || !QTime::isValid(h, mi, s, ms)) return std::nullopt;
  return DayDate::Encode(y, mo, d, h, mi, s, ms);
}

}  // namespace

QVariant Null() { return QVariant::fromValue(nullptr); }
QVariant FromCurrency(Currency c) { return QVariant::fromValue(c); }
QVariant FromDate(TDateTime value) { return QVariant(DayDate::ToDateTime(value)); }

bool IsEmpty(const QVariant& v) { return !v.isValid(); }
bool IsNull(const QVariant& v) {
  return v.isValid() && (v.metaType().id() == QMetaType::Nullptr || v.isNull());
}
bool IsNullOrEmpty(const QVariant& v) { return !v.isValid() || v.isNull(); }

bool SameValue(const QVariant& a, const QVariant& b) {
  if (IsNullOrEmpty(a) || IsNullOrEmpty(b)) return IsNullOrEmpty(a) && IsNullOrEmpty(b);
  if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString) {
    return ToString(a).compare(ToString(b), Qt::CaseInsensitive) == 0;
  }
  try {
    return ToDouble(a) == ToDouble(b);
  } catch (const Exception&) {
    return false;
  }
}

std::uint16_t KindCode(const QVariant& v) {
  if (!v.isValid()) return static_cast<std::uint16_t>(VariantKind::Empty);
  const int id = v.metaType().id();
  if (id == qMetaTypeId<Currency>()) return static_cast<std::uint16_t>(VariantKind::Currency);
  VariantKind k;
  switch (id) {
    case QMetaType::Nullptr:
      k = VariantKind::Null;
      break;
    case QMetaType::Bool:
      k = VariantKind::Boolean;
      break;
    case QMetaType::SChar:
      k = VariantKind::ShortInt;
      break;
    case QMetaType::Short:
      k = VariantKind::SmallInt;
      break;
    case QMetaType::Int:
      k = VariantKind::Integer;
      break;
    case QMetaType::LongLong:
      k = VariantKind::Int64;
      break;
    case QMetaType::Long:
      k = sizeof(long) == 8 ? VariantKind::Int64 : VariantKind::Integer;
      break;
    case QMetaType::UChar:
      k = VariantKind::Byte;
      break;
    case QMetaType::UShort:
      k = VariantKind::Word;
      break;
    case QMetaType::UInt:
      k = VariantKind::LongWord;
      break;
    case QMetaType::ULong:
      k = sizeof(long) == 8 ? VariantKind::UInt64 : VariantKind::LongWord;
      break;
    case QMetaType::ULongLong:
      k = VariantKind::UInt64;
      break;
    case QMetaType::Float:
      k = VariantKind::Single;
      break;
    case QMetaType::Double:
      k = VariantKind::Double;
      break;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
      k = VariantKind::Date;
      break;
    case QMetaType::QString:
      k = VariantKind::UString;
      break;
    case QMetaType::QByteArray:
      k = VariantKind::String;
      break;
    case QMetaType::QVariantList:
      return static_cast<std::uint16_t>(VariantKind::Array) |
             static_cast<std::uint16_t>(VariantKind::Variant);
    default:
      return 0x4000;
  }
  return static_cast<std::uint16_t>(k);
}

VariantKind Kind(const QVariant& v) { return static_cast<VariantKind>(KindCode(v)); }

qint64 ToInt64(const QVariant& v) {
  const Scalar s = Classify(v);
  switch (s.type) {
    case Scalar::Nothing:
      return 0;
    case Scalar::Boolean:
    case Scalar::Signed:
      return s.i;
    case Scalar::Unsigned:
      if (s.u > static_cast<quint64>(std::numeric_limits<qint64>::max())) Fail(v, kInteger);
      return static_cast<qint64>(s.u);
    case Scalar::Real:
    case Scalar::Single:
      if (const auto r = RoundBankers(s.d)) return *r;
      Fail(v, kInteger);
    case Scalar::Money:
      return RoundBankers(s.c);
    case Scalar::Date:
      return static_cast<qint64>(DayDate::DateOf(s.d));
    case Scalar::Text:
      if (const auto r = TextToInt64(s.s)) return *r;
      Fail(v, kInteger);
    case Scalar::Other:
      break;
  }
  Fail(v, kInteger);
}

int ToInt(const QVariant& v) {
  const qint64 r = ToInt64(v);
  if (r < std::numeric_limits<int>::min() || r > std::numeric_limits<int>::max()) Fail(v, kInteger);
  return static_cast<int>(r);
}

double ToDouble(const QVariant& v) {
  const Scalar s = Classify(v);
  switch (s.type) {
    case Scalar::Nothing:
      return 0.0;
    case Scalar::Boolean:
    case Scalar::Signed:
      return static_cast<double>(s.i);
    case Scalar::Unsigned:
      return static_cast<double>(s.u);
    case Scalar::Real:
    case Scalar::Single:
    case Scalar::Date:
      return s.d;
    case Scalar::Money:
      return s.c.ToDouble();
    case Scalar::Text:
      if (const auto r = TextToDouble(s.s)) return *r;
      Fail(v, kReal);
    case Scalar::Other:
      break;
  }
  Fail(v, kReal);
}

Currency ToCurrency(const QVariant& v) {
  const Scalar s = Classify(v);
  try {
    switch (s.type) {
      case Scalar::Nothing:
        return Currency();
      case Scalar::Boolean:
      case Scalar::Signed:
        return Currency::FromInt(s.i);
      case Scalar::Unsigned:
        if (s.u > static_cast<quint64>(std::numeric_limits<qint64>::max())) Fail(v, kMoney);
        return Currency::FromInt(static_cast<qint64>(s.u));
      case Scalar::Single: {
        if (!std::isfinite(s.f)) Fail(v, kMoney);
        const auto raw =
            DecimalText::ToScaled(DecimalText::RoundedToDecimals(DecimalText::FromFloat(s.f), 4), 4);
        if (!raw) Fail(v, kMoney);
        return Currency::FromRaw(*raw);
      }
      case Scalar::Real:
      case Scalar::Date:
        return Currency::FromDouble(s.d);
      case Scalar::Money:
        return s.c;
      case Scalar::Text: {
        const auto n = DecimalText::Parse(s.s, true);
        if (!n) Fail(v, kMoney);
        const auto raw = DecimalText::ToScaled(DecimalText::RoundedToDecimals(*n, 4), 4);
        if (!raw) Fail(v, kMoney);
        return Currency::FromRaw(*raw);
      }
      case Scalar::Other:
        break;
    }
  } catch (const EConvertError&) {
    Fail(v, kMoney);
  }
  Fail(v, kMoney);
}

bool ToBool(const QVariant& v) {
  const Scalar s = Classify(v);
  switch (s.type) {
    case Scalar::Nothing:
      return false;
    case Scalar::Boolean:
    case Scalar::Signed:
      return s.i != 0;
    case Scalar::Unsigned:
      return s.u != 0;
    case Scalar::Real:
    case Scalar::Single:
    case Scalar::Date:
      return s.d != 0.0;
    case Scalar::Money:
      return !s.c.IsZero();
    case Scalar::Text: {
      const QString t = s.s.trimmed();
      if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
      if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
      if (const auto d = TextToDouble(t)) return *d != 0.0;
      Fail(v, kBool);
    }
    case Scalar::Other:
      break;
  }
  Fail(v, kBool);
}

QString ToString(const QVariant& v) {
  const Scalar s = Classify(v);
  switch (s.type) {
    case Scalar::Nothing:
      return QString();
    case Scalar::Boolean:
      return s.i ? QStringLiteral("True") : QStringLiteral("False");
    case Scalar::Signed:
      return QString::number(s.i);
    case Scalar::Unsigned:
      return QString::number(s.u);
    case Scalar::Real:
    case Scalar::Single:
      if (std::isnan(s.d)) return QStringLiteral("NAN");
      if (std::isinf(s.d)) return s.d < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
      return DecimalText::General(
          s.type == Scalar::Single ? DecimalText::FromFloat(s.f) : DecimalText::FromDouble(s.d), 15,
          QLatin1Char(','));
    case Scalar::Money:
      return s.c.ToString().replace(QLatin1Char('.'), QLatin1Char(','));
    case Scalar::Date:
      return DayDate::ToDisplayString(s.d);
    case Scalar::Text:
      return s.s;
    case Scalar::Other:
      break;
  }
  if (v.metaType().id() != QMetaType::QVariantList && v.canConvert<QString>()) return v.toString();
  Fail(v, kText);
}

TDateTime ToDateTime(const QVariant& v) {
  const Scalar s = Classify(v);
  switch (s.type) {
    case Scalar::Nothing:
      return DayDate::kZeroDay;
    case Scalar::Signed:
      return static_cast<double>(s.i);
    case Scalar::Unsigned:
      return static_cast<double>(s.u);
    case Scalar::Real:
    case Scalar::Single:
      if (!std::isfinite(s.d)) Fail(v, kDate);
      return s.d;
    case Scalar::Date:
      return s.d;
    case Scalar::Money:
      return s.c.ToDouble();
    case Scalar::Text:
      if (const auto d = TextToDate(s.s)) return *d;
      if (const auto d = TextToDouble(s.s)) return *d;
      Fail(v, kDate);
    case Scalar::Boolean:
    case Scalar::Other:
      break;
  }
  Fail(v, kDate);
}

int VarAEnter(const QVariant& v) {
  try {
    return ToInt(v);
  } catch (const Exception&) {
    return 0;
  }
}

}  // namespace Var
